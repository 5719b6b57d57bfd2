#include "view/Clearing.h"

#include <cmath>
#include <cstdlib>

#include "view/Progress.h"

namespace tess {

void removeHandles(State& s) {
    s.overlays.handles.clear();
    s.overlays.edgeLines.clear();
    s.doc.handlesShown = false;
    s.edit.handleCount = 0;
    s.edit.tooManyInView = false;
}

void removeHandlesAndOutline(State& s) {
    removeHandles(s);
    if (s.outline.pointCount > 0) removeOutline(s);
}

void clearForNewDocument(State& s) {
    s.edit.editBoxChecked = false;
    s.edit.editing = false;
    s.edit.drag = DragKind::None;
    removeHandlesAndOutline(s);
    s.overlays.rubberBand.visible = false;
    if (s.canvas) s.canvas->clear();
}

void removeOutline(State& s) {
    for (int i = 1; i <= s.outline.pointCount; ++i) {
        s.overlays.segments.remove(static_cast<std::size_t>(i));
        s.overlays.markers.remove(static_cast<std::size_t>(i));
    }
    s.edit.toolIndicatorShown = false;
    s.outline.pointCount = 0;
    s.outline.state = OutlineState::None;
    resetProgress(s);
}

void layoutForWindow(State& s, int windowWidth, int windowHeight) {
    Layout& l = s.layout;
    l.windowWidth = windowWidth;
    l.windowHeight = windowHeight;
    // A size the window system would refuse leaves that control as it was.
    if (int w = windowWidth - l.canvasLeft - 300; w >= 0) l.canvasWidth = w;
    if (int h = windowHeight - l.canvasTop - 1000; h >= 0) l.canvasHeight = h;
    int listHeight = l.canvasHeight - std::abs(l.listTop - l.canvasTop);
    l.listHeight = listHeight < 100 ? 100 : listHeight;
}

}  // namespace tess
