// The small objects that lie above the canvas drawing: vertex handles, the
// edge lines that meet them, the outline's markers and segments, and the
// rubber band. They are plain data; the canvas paints them and hit-tests
// them, topmost first.
#pragma once

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "state/Surface.h"

namespace tess {

// A filled square label: a vertex handle or a selection marker.
struct SquareObject {
    double left = 0, top = 0, width = 100, height = 100;  // twips
    Rgb fill = colors::black;
    bool visible = false;
    double lon = 0, lat = 0;  // the point it stands for
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
// removing one that does not, changes nothing. Indices may be sparse: the
// handles of a large ring exist only for the vertices in view, so a family
// holds what it was given, never one slot per index below the highest.
template <class T>
class ObjectFamily {
public:
    explicit ObjectFamily(T templ) : templ_(std::move(templ)) {}

    bool exists(std::size_t i) const { return items_.count(i) > 0; }

    void create(std::size_t i) {
        if (i == 0 || exists(i)) return;
        T fresh = templ_;
        fresh.visible = false;
        items_.emplace(i, std::move(fresh));
    }

    void remove(std::size_t i) { items_.erase(i); }

    T& operator[](std::size_t i) {
        auto it = items_.find(i);
        if (it == items_.end()) throw MissingObject("canvas object was never created");
        return it->second;
    }
    const T& operator[](std::size_t i) const {
        auto it = items_.find(i);
        if (it == items_.end()) throw MissingObject("canvas object was never created");
        return it->second;
    }

    const T& templ() const { return templ_; }
    // One past the highest index in use.
    std::size_t end() const { return items_.empty() ? 1 : items_.rbegin()->first + 1; }
    std::size_t size() const { return items_.size(); }

    // Calls f(index, element) in increasing order of index.
    template <class F>
    void forEach(F f) const {
        for (const auto& [i, item] : items_) f(i, item);
    }
    // The element with the highest index for which `match` holds, or 0.
    template <class Match>
    std::size_t lastMatching(Match match) const {
        for (auto it = items_.rbegin(); it != items_.rend(); ++it)
            if (match(it->second)) return it->first;
        return 0;
    }

    void clear() { items_.clear(); }

private:
    T templ_;
    std::map<std::size_t, T> items_;
};

// A place Check Document points at. It is ringed on the canvas while its
// ring is the one shown and the document has taken no step since.
struct MarkedPlace {
    double lon = 0, lat = 0;
    int ring = -1;                // none marked
    std::size_t historySteps = 0;  // the steps done when it was marked
};

struct Overlays {
    ObjectFamily<SquareObject> handles{SquareObject{}};
    ObjectFamily<LineObject> edgeLines{LineObject{}};
    ObjectFamily<SquareObject> markers{SquareObject{0, 0, 100, 100, colors::red, false, 0, 0}};
    ObjectFamily<LineObject> segments{LineObject{0, 0, 0, 0, colors::red, false}};
    RectObject rubberBand;
    MarkedPlace problem;
};

}  // namespace tess
