// Drawing the window's canvas: the document, then what lies above it in
// edit mode and while an outline is drawn, with the second half of the
// progress bar.
#pragma once

#include "platform/Messages.h"

#include "state/State.h"

namespace tess {


// Redraws the canvas: the background and the loaded ring, the handles and
// edge lines placed on their vertices in edit mode, and the selection
// outline's markers and segments on its points. A request while a drawing
// runs is drawn once the running one ends.
void redraw(State& s, bool withProgress);

// Joins the outline's segments to its markers as a closed outline.
void joinOutlineSegments(EditSession& edit);

// What a handle's or marker's hover tip says: the point it stands for.
std::string handleTip(const SquareObject& handle);
std::string markerTip(const SquareObject& marker);

}  // namespace tess
