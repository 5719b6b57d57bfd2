#pragma once

#include "state/State.h"

namespace tess {

inline constexpr const char* kOutOfViewNotice = "Change background to see selected poly";

// Redraws the canvas: the background in dark red, the current ring as blue
// lines or, in edit mode, by placing its handles and edge lines, and the
// selection outline. Does nothing while a drawing already runs.
void plot(State& s, bool showProgress, int linesOnly);

// Re-joins the selection markers into a closed outline.
void plotred(State& s);

}  // namespace tess
