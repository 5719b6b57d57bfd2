#include "view/Clearing.h"

#include <cmath>
#include <cstdlib>

#include "view/Progress.h"

namespace tess {

void removeHandles(State& s) {
    s.overlays.node.clear();
    s.overlays.Line1.clear();
    s.doc.handlesShown = false;
    s.edit.handleCount = 0;
    s.edit.tooManyInView = false;
}

void unloadpnts(State& s) {
    removeHandles(s);
    if (s.sel.selCount > 0) unloadred(s);
}

void clearForNewDocument(State& s) {
    s.edit.check1 = false;
    s.edit.editMode = false;
    s.edit.dragKind = 0;
    unloadpnts(s);
    s.overlays.Shape1.visible = false;
    if (s.canvas) s.canvas->clear();
}

void unloadred(State& s) {
    for (int i = 1; i <= s.sel.selCount; ++i) {
        s.overlays.Ln.remove(static_cast<std::size_t>(i));
        s.overlays.nd.remove(static_cast<std::size_t>(i));
    }
    s.edit.bttVisible[1] = s.edit.bttVisible[2] = false;
    s.sel.selCount = 0;
    s.sel.selState = 0;
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

void p1_MouseMove(State& s, double x, double y) {
    RectObject& band = s.overlays.Shape1;
    if (s.sel.selCount != 0 || !band.visible) return;
    const auto dx = static_cast<std::int32_t>(std::nearbyint(x - s.sel.anchorX));
    const auto dy = static_cast<std::int32_t>(std::nearbyint(y - s.sel.anchorY));
    band.left = dx < 0 ? s.sel.anchorX + dx : s.sel.anchorX;
    band.width = std::abs(dx);
    band.top = dy < 0 ? s.sel.anchorY + dy : s.sel.anchorY;
    band.height = std::abs(dy);
}

}  // namespace tess
