// The canvas the view is shown on, whether or not a window exists.
#pragma once

#include "state/State.h"
#include "view/Zoom.h"

namespace tess {

// The drawable area of the canvas; the laid-out size while no canvas
// exists (tests and batch runs).
inline CanvasArea canvasArea(const State& s) {
    if (s.canvas) return {s.canvas->width(), s.canvas->height(), s.margin};
    return {static_cast<double>(s.layout.canvasWidth), static_cast<double>(s.layout.canvasHeight), s.margin};
}

inline void settleView(State& s) { settleView(s.view, canvasArea(s)); }

}  // namespace tess
