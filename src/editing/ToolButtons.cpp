// The three tool buttons (pointer, polygon, rectangle) and the red
// indicator shown over the active drawing tool.
#include <cstddef>

#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/Editing.h"
#include "view/Clearing.h"
#include "view/Plot.h"

namespace tess {

namespace {

bool isToolIndex(int index) { return index >= 0 && index <= 2; }

}  // namespace

void inv_MouseDown(State& s, int index) {
    if (!isToolIndex(index)) return;
    s.edit.invPressed[static_cast<std::size_t>(index)] = true;
    s.edit.tool = index;
    if (s.doc.lastPoint <= 0) return;
    // Choosing a tool ends edit mode; the dragged vertices are kept by
    // writing the ring back before it is read again.
    commitEdits(s);
    unloadpnts(s);
    // A closer look the user chose stays while they change tools.
    const ViewState view = s.view;
    loaddt(s, s.doc.currentRing);
    if (view.userMoved) s.view = view;
    s.edit.check1 = false;
    s.edit.editMode = false;
    plot(s, true, 0);
}

void inv_MouseUp(State& s, int index) {
    if (!isToolIndex(index)) return;
    s.edit.invPressed[static_cast<std::size_t>(index)] = false;
    s.edit.bttVisible = {false, false, false};
    unloadred(s);
    if (index > 0) s.edit.bttVisible[static_cast<std::size_t>(index)] = true;
}

}  // namespace tess
