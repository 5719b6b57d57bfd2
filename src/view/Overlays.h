// The small objects that lie above the canvas drawing: vertex handles
// (node), edge lines (Line1), selection markers (nd), selection segments
// (Ln) and the rubber band (Shape1). They are plain data; the canvas
// paints them and hit-tests them, topmost first.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "view/Surface.h"

namespace tess {

// A filled square label: a vertex handle or a selection marker.
struct SquareObject {
    double left = 0, top = 0, width = 100, height = 100;  // twips
    Rgb fill = colors::black;
    bool visible = false;
    std::string tag;  // the point's coordinates, read back after a drop
    std::string tip;  // the hover tip
};

struct LineObject {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips
    Rgb color = colors::blue;
    bool visible = false;
};

struct RectObject {
    double left = 0, top = 0, width = 0, height = 0;  // twips
    bool visible = false;
};

// Raised when an element that was never created is used, as the canvas
// objects of a classic form would; the procedures that care stop there.
struct MissingObject : std::out_of_range {
    using std::out_of_range::out_of_range;
};

// An indexed family. Element 0 is the hidden template; elements 1..n are
// created and removed by index. Creating an element that exists, or
// removing one that does not, changes nothing.
template <class T>
class ObjectFamily {
public:
    explicit ObjectFamily(T templ) { items_.emplace_back(std::move(templ)); }

    bool exists(std::size_t i) const { return i < items_.size() && items_[i].has_value(); }

    void create(std::size_t i) {
        if (i == 0 || exists(i)) return;
        if (i >= items_.size()) items_.resize(i + 1);
        T fresh = *items_[0];
        fresh.visible = false;
        items_[i] = std::move(fresh);
    }

    void remove(std::size_t i) {
        if (i == 0 || !exists(i)) return;
        items_[i].reset();
        while (items_.size() > 1 && !items_.back().has_value()) items_.pop_back();
    }

    T& operator[](std::size_t i) {
        if (!exists(i)) throw MissingObject("canvas object was never created");
        return *items_[i];
    }
    const T& operator[](std::size_t i) const {
        if (!exists(i)) throw MissingObject("canvas object was never created");
        return *items_[i];
    }

    const T& templ() const { return *items_[0]; }
    // One past the highest index in use.
    std::size_t end() const { return items_.size(); }

    void clear() { items_.resize(1); }

private:
    std::vector<std::optional<T>> items_;
};

struct Overlays {
    ObjectFamily<SquareObject> node{SquareObject{}};
    ObjectFamily<LineObject> Line1{LineObject{}};
    ObjectFamily<SquareObject> nd{SquareObject{0, 0, 100, 100, colors::red, false, {}, {}}};
    ObjectFamily<LineObject> Ln{LineObject{0, 0, 0, 0, colors::red, false}};
    RectObject Shape1;  // the rubber band
};

}  // namespace tess
