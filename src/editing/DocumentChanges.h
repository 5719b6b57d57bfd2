// The changes the user makes to the document, each one undoable step
// through applyChange: a vertex moved, a ring added, removed or replaced
// by a tool (the title's edits are in state/TitleTyping.h). Undoing or redoing a change shows the ring
// it touched.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "state/State.h"
#include "state/TitleTyping.h"

namespace tess {

std::unique_ptr<Change> moveVertex(const State& s, std::int64_t vertex, double lon, double lat);
// Inserts `ring` at `index` and shows it.
std::unique_ptr<Change> addRing(RingText ring, int index);
// Removes ring `index`; the ring taking its place is shown.
std::unique_ptr<Change> removeRing(int index);
// Puts `rings` (one as a rule; none, or several, after a grow or shrink)
// in the place of ring `index`, under the name `name` ("Simplify Ring 3").
std::unique_ptr<Change> replaceRing(int index, std::vector<RingText> rings, std::string name);

// Leaves the loaded ring (its dragged vertices written back, edit mode and
// the handles gone) and loads ring k, fitted in view.
void showRing(State& s, int k);

// Edit menu: take back or make again the last change, and show it.
void undoLast(State& s);
void redoLast(State& s);

}  // namespace tess
