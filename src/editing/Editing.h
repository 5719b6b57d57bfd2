// Edit mode, the tool buttons, the ring list and the canvas mouse actions.
// Coordinates are canvas twips. The window turns its events into these
// calls; tests make the same calls.
#pragma once

#include "state/State.h"

namespace tess {

inline constexpr const char* kNoData = "No Data";
inline constexpr const char* kTooManyNodes = "Too many nodes to edit ";
inline constexpr const char* kAddOrCancel = "Please Add (+) or Cancel (ESc) selection";
inline constexpr const char* kNoCoordinates =
    "No coordinates found.\r\n\r\nPlease load a background file.";
inline constexpr int kEscapeKey = 27;

// Edit mode (the "Edit" check box and its caption label). The box's new
// checked state is in s.edit.editBoxChecked before Check1_MouseUp runs.
void editBoxChanged(State& s);
void toggleEditMode(State& s);

// The ring list: s.doc.listIndex already holds the entry under the pointer.
void ringListClicked(State& s);

// Tool buttons 0 pointer, 1 polygon, 2 rectangle.
void pressToolButton(State& s, int index);
void releaseToolButton(State& s, int index);


// Presses on the empty canvas; button 1 is the left button.
void pressOnCanvas(State& s, int button, double x, double y);
void doubleClickOnCanvas(State& s);

// Handle drags: a press starts one, moves over the canvas carry the
// handle, and a release over a handle of the same kind stores the point.
void pressOnHandle(State& s, int index);
void pressOnMarker(State& s, int index);
// True while a drag started by node_MouseDown or nd_MouseDown runs.
bool dragInProgress(const State& s);
void dragOverCanvas(State& s, double x, double y);
void dropOnHandle(State& s, int index);
void dropOnMarker(State& s, int index);
// The release happened anywhere else: the drag ends, nothing is stored.
void cancelDrag(State& s);

// Closing and cancelling the selection outline.
void closeOutline(State& s);
void doubleClickOnMarker(State& s, int index);
void keyPressed(State& s, int keyCode);  // 27 is Escape

}  // namespace tess
