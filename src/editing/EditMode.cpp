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
    s.edit.check1 = false;
    s.edit.editMode = false;
}

}  // namespace

void Check1_MouseUp(State& s) {
    if (s.doc.lastPoint <= 0 && s.edit.check1) {
        s.platform.message(kNoData);
        uncheckEditBox(s);
        return;
    }
    s.edit.editMode = s.edit.check1;
    if (s.edit.editMode) {
        // Handles are made for the vertices in view: zoomed in far enough,
        // any ring can be edited.
        holdLoadedVertices(s.doc);
        if (!makeHandlesInView(s)) {
            s.platform.message(kTooManyNodes);
            uncheckEditBox(s);
            return;
        }
        s.edit.tool = 0;
        inv_MouseUp(s, 0);
    } else {
        // The dragged vertices reach the ring's text before the handles go.
        commitEdits(s);
        unloadpnts(s);
    }
    plot(s, false, 0);
}

void Label2_Click(State& s) {
    // The box has no grayed state: the caption simply flips it.
    s.edit.check1 = !s.edit.check1;
    Check1_MouseUp(s);
}

void List1_MouseDown(State& s) {
    if (s.sel.selCount >= 1) {
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

void text1_KeyPress(State& s) { titleTyped(s); }

}  // namespace tess
