// Keeping the canvas and its objects in order.
#pragma once

#include "state/State.h"

namespace tess {

// Removes the vertex handles and edge lines, and any selection outline.
void removeHandlesAndOutline(State& s);
// What a new document starts from: edit mode and any drag ended, the
// handles, outline and rubber band gone, the canvas empty.
void clearForNewDocument(State& s);
// Removes the vertex handles and edge lines only.
void removeHandles(State& s);
// Removes the selection outline and hides the tool indicators.
void removeOutline(State& s);
// Lays the canvas and ring list out for the window's outer size (twips).
// Does not redraw; the caller follows with redraw(false).
void layoutForWindow(State& s, int windowWidth, int windowHeight);

}  // namespace tess
