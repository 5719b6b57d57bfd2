// The canvas the document is drawn on: the picture a window gives it, or
// none (batch commands and tests without one), its size, and whether a
// drawing is under way.
#pragma once

#include "state/Surface.h"
#include "state/ViewState.h"

namespace tess {

struct CanvasState {
    Surface* surface = nullptr;  // null until a window's canvas exists
    int margin = kMargin;        // inset of the mapped area, twips
    // The drawable size while there is no surface: the window's design size.
    double width = 8580, height = 8040;
    bool drawing = false;        // a drawing is under way
    bool redrawPending = false;  // a drawing was asked for meanwhile
};

}  // namespace tess
