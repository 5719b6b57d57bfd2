// Edit mode works on what the view shows: handles exist for the vertices
// inside the canvas only, and at most kMaxEditableVertices of them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "state/State.h"

namespace tess {

// Edge line k runs from vertex k - 1 to vertex k. The one that starts at
// vertex k: the next one, or the closing edge line 1 for the last vertex.
std::size_t edgeLineAfter(std::int64_t k, std::int64_t lastPoint);

// Handle k stands for vertex k (1..lastPoint); the last one also for
// vertex 0, which the ring repeats as its last. Counts those inside the
// canvas, stopping once the count passes `stopAbove`.
std::int64_t countHandlesInView(const State& s, std::int64_t stopAbove);

// Makes the handles of the vertices in view, and the edge lines that meet
// them, after removing any there were. False, and no handles, when more
// than kMaxEditableVertices vertices are in view; s.edit.tooManyInView
// then tells the status bar to ask for a closer look.
bool makeHandlesInView(State& s);

// After the view moved in edit mode: the handles follow it.
void handlesFollowView(State& s);

}  // namespace tess
