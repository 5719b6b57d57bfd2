#include "editing/DocumentChanges.h"

#include <algorithm>
#include <iterator>
#include <vector>
#include <utility>

#include "state/Caption.h"
#include "document/LoadedRing.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "view/Clearing.h"
#include "view/HandlesInView.h"
#include "view/Plot.h"

namespace tess {

namespace {

class MoveVertex : public Change {
public:
    MoveVertex(int ring, std::int64_t vertex, double fromLon, double fromLat, double toLon, double toLat)
        : ring_(ring), vertex_(vertex), from_{fromLon, fromLat}, to_{toLon, toLat} {}
    std::string name() const override { return "Move Vertex"; }
    void apply(State& s) override { put(s, to_); }
    void revert(State& s) override { put(s, from_); }

private:
    struct Point {
        double lon, lat;
    };
    void put(State& s, Point p) {
        Document& d = s.doc;
        if (d.currentRing != ring_) showRing(s, ring_);
        holdLoadedVertices(d);
        if (vertex_ < 1 || vertex_ > d.lastPoint || !verticesHeld(d)) return;
        const auto i = static_cast<std::size_t>(vertex_);
        d.movedVertices.try_emplace(vertex_, Document::Position{d.ringLon[i], d.ringLat[i]});
        d.ringLon[i] = p.lon;
        d.ringLat[i] = p.lat;
        // The ring repeats its first vertex as its last.
        if (vertex_ == d.lastPoint) {
            d.ringLon[0] = p.lon;
            d.ringLat[0] = p.lat;
        }
        d.ringEdited = true;
    }
    int ring_;
    std::int64_t vertex_;
    Point from_, to_;
};

// Leaves the loaded ring before the ring list changes under it.
void leaveRing(State& s) {
    commitEdits(s);
    removeHandlesAndOutline(s);
    s.edit.editBoxChecked = false;
    s.edit.editing = false;
}

// Loads ring k, or the nearest there is; with no ring left, none is
// loaded, as in a new document.
void showRingOrNearest(State& s, int k) {
    Document& d = s.doc;
    if (d.ringCount() == 0) {
        d.currentRing = -1;
        d.ringLon.clear();
        d.ringLat.clear();
        d.lastPoint = 0;
        d.ringEdited = false;
        d.movedVertices.clear();
    } else {
        loadRing(s, std::clamp(k, 0, d.ringCount() - 1));
    }
    redraw(s, true);
}

// A ring in or out of the list: the text is held by the document or by the
// change, never by both.
class RingInOut : public Change {
public:
    RingInOut(int index, RingText ring, bool adds) : index_(index), ring_(std::move(ring)), adds_(adds) {}
    std::string name() const override { return (adds_ ? "Add Ring " : "Remove Ring ") + std::to_string(index_ + 1); }
    void apply(State& s) override { adds_ ? insert(s) : remove(s); }
    void revert(State& s) override { adds_ ? remove(s) : insert(s); }

private:
    void insert(State& s) {
        std::vector<RingText>& rings = s.doc.rings;
        returnTo_ = s.doc.currentRing;
        leaveRing(s);
        rings.insert(rings.begin() + std::min<std::ptrdiff_t>(index_, std::ssize(rings)), std::move(ring_));
        showRingOrNearest(s, index_);
    }
    void remove(State& s) {
        std::vector<RingText>& rings = s.doc.rings;
        if (index_ >= std::ssize(rings)) return;
        const int shownBefore = s.doc.currentRing;
        leaveRing(s);
        ring_ = std::move(rings[static_cast<std::size_t>(index_)]);
        rings.erase(rings.begin() + index_);
        // Taking back an added ring shows the ring shown before; otherwise
        // the ring that takes the removed one's place, or the ring shown.
        if (adds_ && returnTo_ >= 0) showRingOrNearest(s, returnTo_);
        else showRingOrNearest(s, shownBefore == index_ ? index_ : shownBefore - (shownBefore > index_ ? 1 : 0));
    }
    int index_;
    RingText ring_;
    bool adds_;
    int returnTo_ = -1;  // the ring shown before the insertion
};

// Rings in the place of others: the document holds one set and the change
// the other, and making or taking back the change swaps them.
class ReplaceRing : public Change {
public:
    ReplaceRing(int index, std::vector<RingText> rings, std::string name)
        : index_(index), held_(std::move(rings)), name_(std::move(name)) {}
    std::string name() const override { return name_; }
    void apply(State& s) override { swap(s); }
    void revert(State& s) override { swap(s); }

private:
    void swap(State& s) {
        std::vector<RingText>& rings = s.doc.rings;
        if (index_ + inDocument_ > rings.size()) return;
        leaveRing(s);
        const auto from = rings.begin() + static_cast<std::ptrdiff_t>(index_);
        std::vector<RingText> out(std::make_move_iterator(from), std::make_move_iterator(from + static_cast<std::ptrdiff_t>(inDocument_)));
        rings.erase(from, from + static_cast<std::ptrdiff_t>(inDocument_));
        inDocument_ = held_.size();
        rings.insert(rings.begin() + static_cast<std::ptrdiff_t>(index_), std::make_move_iterator(held_.begin()),
                     std::make_move_iterator(held_.end()));
        held_ = std::move(out);
        showRingOrNearest(s, static_cast<int>(index_));
    }
    std::size_t index_;
    std::size_t inDocument_ = 1;  // the rings of this change in the document
    std::vector<RingText> held_;
    std::string name_;
};

// After Undo or Redo: the handles follow the vertices, the canvas shows them.
void showChange(State& s) {
    handlesFollowView(s);
    redraw(s, false);
}

}  // namespace

std::unique_ptr<Change> moveVertex(const State& s, std::int64_t vertex, double lon, double lat) {
    const Document& d = s.doc;
    const auto i = static_cast<std::size_t>(vertex);
    const double fromLon = i < d.ringLon.size() ? d.ringLon[i] : lon;
    const double fromLat = i < d.ringLat.size() ? d.ringLat[i] : lat;
    return std::make_unique<MoveVertex>(d.currentRing, vertex, fromLon, fromLat, lon, lat);
}

std::unique_ptr<Change> addRing(RingText ring, int index) {
    return std::make_unique<RingInOut>(index, std::move(ring), true);
}

std::unique_ptr<Change> removeRing(int index) { return std::make_unique<RingInOut>(index, RingText(), false); }

std::unique_ptr<Change> replaceRing(int index, std::vector<RingText> rings, std::string name) {
    return std::make_unique<ReplaceRing>(index, std::move(rings), std::move(name));
}

void showRing(State& s, int k) {
    leaveRing(s);
    showRingOrNearest(s, k);
}

void undoLast(State& s) {
    if (undoChange(s)) showChange(s);
}

void redoLast(State& s) {
    if (redoChange(s)) showChange(s);
}

}  // namespace tess
