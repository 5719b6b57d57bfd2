// The polygon tools as changes to the document: each computes the rings
// that replace one ring (without touching the document), and one
// procedure applies such a change. The window and the batch commands both
// run these.
#pragma once

#include "platform/Messages.h"

#include <string>
#include <vector>

#include "state/State.h"
#include "geometry/Check.h"
#include "geometry/Grow.h"

namespace tess {


// Ring `index` is to be replaced by `rings` (one ring as a rule; a grow
// or shrink may give several, or none when nothing is left).
struct RingChange {
    int index = -1;
    std::vector<RingText> rings;
    std::string name;  // the step's name in the Edit menu: "Simplify Ring 3"
};

// The rings of a document, the loaded ring's edits included.
const std::vector<RingText>& committedRings(State& s);

std::int64_t vertexCount(const RingText& ring);

// "Simplify Ring 3" for index 2; "Grow Ring 3", or "Shrink Ring 3" for a
// distance below 0.
std::string simplifyName(int index);
std::string growName(int index, double metres);

// Ring `index` simplified by a tolerance in metres; its name stays.
RingChange simplifyChange(const std::vector<RingText>& rings, int index, double metres);

// Ring `index` grown by metres (negative shrinks), holes growing inward.
// The pieces keep the ring's name; a hole the grow closes gets a "!" name.
RingChange growChange(const std::vector<RingText>& rings, int index, double metres, Corners corners);

// Puts the change into the document as one undoable step: the ring's
// place takes the new rings, the first of them (or the ring that now
// stands there) is loaded and shown, and edit mode ends. False after a
// message when the change cannot be made: no ring, or no outer ring, would
// be left, or more rings than a document holds.
bool applyRingChange(State& s, const RingChange& change);

}  // namespace tess
