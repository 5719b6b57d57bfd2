#include "editing/DocumentChanges.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "document/Commit.h"
#include "editing/Clearing.h"
#include "editing/HandlesInView.h"
#include "editing/Redraw.h"
#include "session/Opening.h"
#include "session/Saving.h"

namespace tess {

namespace {

class MoveVertex : public Change {
public:
    MoveVertex(int ring, std::int64_t vertex, LoadedRing::Position from, LoadedRing::Position to)
        : ring_(ring), vertex_(vertex), from_(from), to_(to) {}
    std::string name() const override { return "Move Vertex"; }
    int apply(Document& d, LoadedRing& r) override { return put(d, r, to_); }
    int revert(Document& d, LoadedRing& r) override { return put(d, r, from_); }

private:
    int put(Document& d, LoadedRing& r, LoadedRing::Position p) {
        if (r.index != ring_) {
            commitMovedVertices(d, r);
            loadRingNumbers(d, r, ring_, true);
        }
        holdVertices(d, r);
        if (vertex_ < 1 || vertex_ > r.lastPoint || !r.held()) return ring_;
        const auto i = static_cast<std::size_t>(vertex_);
        r.moved.try_emplace(vertex_, LoadedRing::Position{r.lon[i], r.lat[i]});
        r.lon[i] = p.lon;
        r.lat[i] = p.lat;
        // The ring repeats its first vertex as its last.
        if (vertex_ == r.lastPoint) {
            r.lon[0] = p.lon;
            r.lat[0] = p.lat;
        }
        return ring_;
    }
    int ring_;
    std::int64_t vertex_;
    LoadedRing::Position from_, to_;
};

// The ring list changes: the loaded ring's moves go into its text first,
// and nothing stays loaded.
void leaveLoadedRing(Document& d, LoadedRing& r) {
    commitMovedVertices(d, r);
    unloadRing(r);
}

// A ring in or out of the list: the text is held by the document or by the
// change, never by both.
class RingInOut : public Change {
public:
    RingInOut(int index, RingText ring, bool adds) : index_(index), ring_(std::move(ring)), adds_(adds) {}
    std::string name() const override { return (adds_ ? "Add Ring " : "Remove Ring ") + std::to_string(index_ + 1); }
    int apply(Document& d, LoadedRing& r) override { return adds_ ? insert(d, r) : remove(d, r); }
    int revert(Document& d, LoadedRing& r) override { return adds_ ? remove(d, r) : insert(d, r); }

private:
    int insert(Document& d, LoadedRing& r) {
        returnTo_ = r.index;
        leaveLoadedRing(d, r);
        d.rings.insert(d.rings.begin() + std::min<std::ptrdiff_t>(index_, std::ssize(d.rings)), std::move(ring_));
        return index_;
    }
    int remove(Document& d, LoadedRing& r) {
        if (index_ >= std::ssize(d.rings)) return -1;
        const int shownBefore = r.index;
        leaveLoadedRing(d, r);
        ring_ = std::move(d.rings[static_cast<std::size_t>(index_)]);
        d.rings.erase(d.rings.begin() + index_);
        // Taking back an added ring shows the ring shown before; otherwise
        // the ring that takes the removed one's place, or the ring shown.
        if (adds_ && returnTo_ >= 0) return returnTo_;
        return shownBefore == index_ ? index_ : shownBefore - (shownBefore > index_ ? 1 : 0);
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
    int apply(Document& d, LoadedRing& r) override { return swap(d, r); }
    int revert(Document& d, LoadedRing& r) override { return swap(d, r); }

private:
    int swap(Document& d, LoadedRing& r) {
        std::vector<RingText>& rings = d.rings;
        if (index_ + inDocument_ > rings.size()) return -1;
        leaveLoadedRing(d, r);
        const auto from = rings.begin() + static_cast<std::ptrdiff_t>(index_);
        const auto to = from + static_cast<std::ptrdiff_t>(inDocument_);
        // As many rings for as many (a ring simplified) trade places, so a
        // batch run over every ring of a large document moves no others.
        if (held_.size() == inDocument_) {
            std::swap_ranges(from, to, held_.begin());
            return static_cast<int>(index_);
        }
        std::vector<RingText> out(std::make_move_iterator(from), std::make_move_iterator(to));
        rings.erase(from, to);
        inDocument_ = held_.size();
        rings.insert(rings.begin() + static_cast<std::ptrdiff_t>(index_), std::make_move_iterator(held_.begin()),
                     std::make_move_iterator(held_.end()));
        held_ = std::move(out);
        return static_cast<int>(index_);
    }
    std::size_t index_;
    std::size_t inDocument_ = 1;  // the rings of this change in the document
    std::vector<RingText> held_;
    std::string name_;
};

// Edit mode ends, the outline and handles go, and ring k, or the nearest
// there is, is loaded, fitted and drawn; with no ring left none is loaded,
// as in a new document.
void showAnotherRing(State& s, int k) {
    removeHandlesAndOutline(s);
    s.edit.editBoxChecked = false;
    s.edit.editing = false;
    if (s.doc.ringCount() == 0) unloadRing(s.doc.loaded);
    else loadRing(s, std::clamp(k, 0, s.doc.ringCount() - 1));
    redraw(s, true);
}

// After a change, Undo or Redo: the ring shown stays in view, its handles
// following its vertices; another ring is shown as if chosen.
void showAfterChange(State& s, int ring, int shownBefore) {
    if (ring < 0) ring = shownBefore;
    if (ring == shownBefore && s.doc.loaded.index == ring) {
        handlesFollowView(s);
        redraw(s, false);
    } else {
        showAnotherRing(s, ring);
    }
}

}  // namespace

std::unique_ptr<Change> moveVertex(const OpenDocument& d, std::int64_t vertex, double lon, double lat) {
    const LoadedRing& r = d.loaded;
    const auto i = static_cast<std::size_t>(vertex);
    const LoadedRing::Position from{i < r.lon.size() ? r.lon[i] : lon, i < r.lat.size() ? r.lat[i] : lat};
    return std::make_unique<MoveVertex>(r.index, vertex, from, LoadedRing::Position{lon, lat});
}

std::unique_ptr<Change> addRing(RingText ring, int index) {
    return std::make_unique<RingInOut>(index, std::move(ring), true);
}

std::unique_ptr<Change> removeRing(int index) { return std::make_unique<RingInOut>(index, RingText(), false); }

std::unique_ptr<Change> replaceRing(int index, std::vector<RingText> rings, std::string name) {
    return std::make_unique<ReplaceRing>(index, std::move(rings), std::move(name));
}

void makeChange(State& s, std::unique_ptr<Change> change) {
    const int shownBefore = s.doc.loaded.index;
    showAfterChange(s, applyChange(s.doc, std::move(change)), shownBefore);
}

void undoLast(State& s) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    const int shownBefore = s.doc.loaded.index;
    if (const std::optional<int> ring = undoChange(s.doc)) showAfterChange(s, *ring, shownBefore);
}

void redoLast(State& s) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    const int shownBefore = s.doc.loaded.index;
    if (const std::optional<int> ring = redoChange(s.doc)) showAfterChange(s, *ring, shownBefore);
}

void showRing(State& s, int k) {
    commitEdits(s.doc);
    showAnotherRing(s, k);
}

}  // namespace tess
