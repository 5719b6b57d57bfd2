// Closing the selection outline (double-clicks, Save Selection) and
// cancelling it with Escape, whichever control has the focus.
#include <cstddef>

#include "editing/CanvasGeometry.h"
#include "editing/Editing.h"
#include "view/Plot.h"

namespace tess {

void create_polygon(State& s) {
    Outline& sel = s.sel;
    Overlays& o = s.overlays;
    if (sel.selCount > 1) {
        sel.selState = 2;
        const double h = markerHalf(s);
        o.Ln.create(1);
        LineObject& closing = o.Ln[1];
        if (o.nd.exists(1)) {
            closing.x1 = o.nd[1].left + h;
            closing.y1 = o.nd[1].top + h;
        }
        const auto last = static_cast<std::size_t>(sel.selCount);
        if (o.Ln.exists(last)) {
            closing.x2 = o.Ln[last].x2;
            closing.y2 = o.Ln[last].y2;
        }
        closing.visible = true;
    }
    plotred(s);
}

void nd_DblClick(State& s, int /*index*/) {
    // The double-clicked marker adds no point: the outline closes at its
    // current last point.
    create_polygon(s);
}

void Form_KeyDown(State& s, int keyCode) {
    if (keyCode != kEscapeKey) return;
    // A handle being dragged goes back to its vertex.
    if (s.edit.dragKind == 1) cancelDrag(s);
    Outline& sel = s.sel;
    if (sel.selCount >= 1) {
        // A marker being dragged goes with its outline.
        if (s.edit.dragKind == 2) cancelDrag(s);
        for (int k = 1; k <= sel.selCount; ++k) {
            s.overlays.Ln.remove(static_cast<std::size_t>(k));
            s.overlays.nd.remove(static_cast<std::size_t>(k));
        }
        sel.selCount = 0;
        sel.selState = 0;
    }
    s.overlays.Shape1.visible = false;
}

}  // namespace tess
