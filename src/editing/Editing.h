// What the user does on the editing side of the window: edit mode, the
// tool buttons, the ring list, presses and drags on the canvas, and the
// selection outline. Coordinates are canvas twips. The window turns its
// events into these calls; tests make the same calls.
#pragma once

#include "platform/Messages.h"

#include "state/State.h"

namespace tess {


// Edit mode, as the "Edit" check box or its caption turns it on or off:
// handles for the vertices in view, or "Too many nodes to edit " and the
// box unchecked when there are too many.
void setEditMode(State& s, bool on);
void toggleEditMode(State& s);

// A click on ring `k` in the ring list loads and shows it, unless an
// outline is being drawn over the ring shown.
void chooseRing(State& s, int k);

// A tool button: ends edit mode and any outline, and shows the tool's red
// indicator.
void chooseTool(State& s, Tool tool);

// A left press on the empty canvas: the polygon tool adds an outline
// point, the rectangle tool starts or completes a rubber band.
void pressOnCanvas(State& s, double x, double y);
void doubleClickOnCanvas(State& s);
// The pointer moving over the canvas stretches a rubber band being drawn.
void stretchRubberBand(State& s, double x, double y);

// Drags: a press on a vertex handle or an outline marker starts one, moves
// over the canvas carry it, and a release over a handle of the same kind
// stores the point as an undoable step.
void pressOnHandle(State& s, int index);
void pressOnMarker(State& s, int index);
bool dragInProgress(const State& s);
void dragOverCanvas(State& s, double x, double y);
void dropOnHandle(State& s);
void dropOnMarker(State& s);
// The release happened anywhere else: the drag ends, nothing is stored,
// and what was dragged goes back.
void cancelDrag(State& s);

// Closing the selection outline: a double-click on the canvas or a marker,
// or Save Selection on an open outline.
void closeOutline(State& s);
// Escape, whichever control has the focus: a drag goes back, and the
// outline and rubber band go.
void pressEscape(State& s);

}  // namespace tess
