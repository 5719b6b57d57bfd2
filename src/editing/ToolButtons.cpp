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

void pressToolButton(State& s, int index) {
    if (!isToolIndex(index)) return;
    s.edit.invPressed[static_cast<std::size_t>(index)] = true;
    s.edit.tool = index;
    if (s.doc.lastPoint <= 0) return;
    // Choosing a tool ends edit mode; the dragged vertices are kept by
    // writing the ring back before it is read again.
    commitEdits(s);
    removeHandlesAndOutline(s);
    // A closer look the user chose stays while they change tools.
    const ViewState view = s.view;
    loadRing(s, s.doc.currentRing);
    if (view.userMoved) s.view = view;
    s.edit.editBoxChecked = false;
    s.edit.editing = false;
    redraw(s, true);
}

void releaseToolButton(State& s, int index) {
    if (!isToolIndex(index)) return;
    s.edit.invPressed[static_cast<std::size_t>(index)] = false;
    s.edit.toolIndicators = {false, false, false};
    removeOutline(s);
    if (index > 0) s.edit.toolIndicators[static_cast<std::size_t>(index)] = true;
}

}  // namespace tess
