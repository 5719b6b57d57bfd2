// Taking the objects above the canvas away: handles, edge lines and the
// outline.
#pragma once

#include "state/State.h"

namespace tess {

// Removes the vertex handles and edge lines, and any selection outline.
void removeHandlesAndOutline(State& s);
// Removes the selection outline and hides the tool indicator; the
// progress bar is reset with it.
void removeOutline(State& s);

}  // namespace tess
