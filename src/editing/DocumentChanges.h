// The changes the user makes to the document, each one undoable step
// through the history's door: a vertex moved, a ring added, removed or
// replaced by a tool (the title's edits are in state/TitleTyping.h). Each
// change only changes the document and names the ring to show; making it
// here then shows that ring.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "state/State.h"
#include "state/TitleTyping.h"

namespace tess {

// Vertex `vertex` of the loaded ring to (lon, lat).
std::unique_ptr<Change> moveVertex(const OpenDocument& d, std::int64_t vertex, double lon, double lat);
// Inserts `ring` at `index`; it is shown.
std::unique_ptr<Change> addRing(RingText ring, int index);
// Removes ring `index`; the ring taking its place is shown.
std::unique_ptr<Change> removeRing(int index);
// Puts `rings` (one as a rule; none, or several, after a grow or shrink)
// in the place of ring `index`, under the name `name` ("Simplify Ring 3").
std::unique_ptr<Change> replaceRing(int index, std::vector<RingText> rings, std::string name);

// Makes the change through the door and shows the ring it touched.
void makeChange(State& s, std::unique_ptr<Change> change);
// Edit menu: take back or make again the last change, and show it.
void undoLast(State& s);
void redoLast(State& s);

// Leaves the loaded ring (its dragged vertices written back, edit mode and
// the handles gone) and loads ring k, or the nearest there is, fitted in
// view and drawn.
void showRing(State& s, int k);

}  // namespace tess
