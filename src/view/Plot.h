#pragma once

#include "state/State.h"

namespace tess {

inline constexpr const char* kOutOfViewNotice = "Change background to see selected poly";

// Redraws the canvas: the background in dark red, the current ring as blue
// lines or, in edit mode, by placing its handles and edge lines, and the
// selection outline. Does nothing while a drawing already runs.
void redraw(State& s, bool showProgress);

// Re-joins the selection markers into a closed outline.
void joinOutlineSegments(State& s);

}  // namespace tess
