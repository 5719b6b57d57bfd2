// The canvas the view is shown on, whether or not a window exists.
#pragma once

#include "state/CanvasState.h"
#include "view/Zoom.h"

namespace tess {

// The drawable area of the canvas; the design size while there is no
// window's canvas (tests and batch runs).
inline CanvasArea canvasArea(const CanvasState& c) {
    if (c.surface) return {c.surface->width(), c.surface->height(), c.margin};
    return {c.width, c.height, c.margin};
}

}  // namespace tess
