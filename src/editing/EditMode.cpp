// The "Edit" check box and its caption, the ring list and the title box:
// entering and leaving edit mode, switching rings, marking title edits.
#include <cstddef>

#include "state/Caption.h"
#include "document/LoadedRing.h"
#include "document/Reader.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "view/Clearing.h"
#include "view/HandlesInView.h"
#include "view/Plot.h"

namespace tess {

namespace {

void uncheckEditBox(State& s) {
    s.edit.editBoxChecked = false;
    s.edit.editing = false;
}

}  // namespace

void editBoxChanged(State& s) {
    if (s.doc.lastPoint <= 0 && s.edit.editBoxChecked) {
        s.platform.message(kNoData);
        uncheckEditBox(s);
        return;
    }
    s.edit.editing = s.edit.editBoxChecked;
    if (s.edit.editing) {
        // Handles are made for the vertices in view: zoomed in far enough,
        // any ring can be edited.
        holdLoadedVertices(s.doc);
        if (!makeHandlesInView(s)) {
            s.platform.message(kTooManyNodes);
            uncheckEditBox(s);
            return;
        }
        s.edit.tool = 0;
        releaseToolButton(s, 0);
    } else {
        // The dragged vertices reach the ring's text before the handles go.
        commitEdits(s);
        removeHandlesAndOutline(s);
    }
    redraw(s, false);
}

void toggleEditMode(State& s) {
    // The box has no grayed state: the caption simply flips it.
    s.edit.editBoxChecked = !s.edit.editBoxChecked;
    editBoxChanged(s);
}

void ringListClicked(State& s) {
    if (s.outline.pointCount >= 1) {
        // An outline belongs to the ring it was drawn over; switching now
        // would silently lose it.
        s.doc.listIndex = s.doc.currentRing;
        s.platform.message(kAddOrCancel);
        return;
    }
    const int chosen = s.doc.listIndex;
    if (chosen == s.doc.currentRing) return;
    // A press below the last entry selects nothing: the loaded ring stays.
    if (chosen < 0 || chosen >= s.doc.ringCount()) {
        s.doc.listIndex = s.doc.currentRing;
        return;
    }
    showRing(s, chosen);
}

}  // namespace tess
