// The three tool buttons (pointer, polygon, rectangle) and the red
// indicator shown over the drawing tool in use.
#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/Editing.h"
#include "editing/Clearing.h"
#include "editing/Redraw.h"

namespace tess {

void chooseTool(State& s, Tool tool) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    s.edit.tool = tool;
    if (s.doc.loaded.lastPoint > 0) {
        // Choosing a tool ends edit mode; the dragged vertices are kept by
        // writing the ring back before it is read again.
        commitEdits(s.doc);
        removeHandlesAndOutline(s);
        // A closer look the user chose stays while they change tools.
        const ViewState view = s.view;
        loadRing(s, s.doc.loaded.index);
        if (view.userMoved) s.view = view;
        s.edit.editBoxChecked = false;
        s.edit.editing = false;
        redraw(s, true);
    }
    removeOutline(s);
    s.edit.toolIndicatorShown = tool != Tool::Pointer;
}

}  // namespace tess
