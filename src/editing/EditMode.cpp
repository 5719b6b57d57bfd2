// The "Edit" check box and its caption, and the ring list: entering and
// leaving edit mode, switching rings.
#include <cstddef>

#include "document/LoadedRing.h"
#include "document/Reader.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "editing/Clearing.h"
#include "editing/HandlesInView.h"
#include "editing/Redraw.h"

namespace tess {

namespace {

void uncheckEditBox(State& s) {
    s.edit.editBoxChecked = false;
    s.edit.editing = false;
}

}  // namespace

void setEditMode(State& s, bool on) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    s.edit.editBoxChecked = on;
    if (s.doc.loaded.lastPoint <= 0 && on) {
        s.platform.message(kNoData);
        uncheckEditBox(s);
        return;
    }
    s.edit.editing = s.edit.editBoxChecked;
    if (s.edit.editing) {
        // Handles are made for the vertices in view: zoomed in far enough,
        // any ring can be edited.
        holdVertices(s.doc.content, s.doc.loaded);
        if (!makeHandlesInView(s)) {
            s.platform.message(std::string(kTooManyNodes) + "\r\n" + kZoomInToEditLine);
            uncheckEditBox(s);
            return;
        }
        s.edit.tool = Tool::Pointer;
        removeOutline(s);
        s.edit.toolIndicatorShown = false;
    } else {
        // The dragged vertices reach the ring's text before the handles go.
        commitEdits(s.doc);
        removeHandlesAndOutline(s);
    }
    redraw(s, false);
}

// The box has no grayed state: the caption simply flips it.
void toggleEditMode(State& s) { setEditMode(s, !s.edit.editBoxChecked); }

void chooseRing(State& s, int k) {
    if (s.edit.outline.pointCount >= 1) {
        // An outline belongs to the ring it was drawn over; switching now
        // would silently lose it.
        s.platform.message(kAddOrCancel);
        return;
    }
    // A press below the last entry chooses nothing: the loaded ring stays.
    if (k == s.doc.loaded.index || k < 0 || k >= s.doc.ringCount()) return;
    showRing(s, k);
}

}  // namespace tess
