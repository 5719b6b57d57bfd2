#include "editing/ViewCommands.h"

#include <algorithm>
#include <cstdint>

#include "document/LoadedRing.h"
#include "geometry/Antimeridian.h"
#include "editing/HandlesInView.h"
#include "editing/Redraw.h"
#include "view/Transform.h"
#include "view/Zoom.h"
#include "view/ViewArea.h"

namespace tess {

namespace {

// A drag carries a handle over the canvas as it was when the drag began;
// moving the view under it would drop the vertex somewhere else.
bool viewLocked(const State& s) { return s.edit.drag != DragKind::None || s.canvas.drawing; }

void viewMoved(State& s) {
    if (s.edit.editing) handlesFollowView(s);
    else s.edit.tooManyInView = false;
    redraw(s, false);
}

}  // namespace

void zoomAt(State& s, double x, double y, double factor) {
    if (viewLocked(s)) return;
    settleView(s.view, canvasArea(s.canvas));
    if (zoomAround(s.view, x, y, factor, canvasArea(s.canvas))) viewMoved(s);
}

void zoomIn(State& s) {
    const CanvasArea area = canvasArea(s.canvas);
    zoomAt(s, area.width / 2, area.height / 2, kZoomStep);
}

void zoomOut(State& s) {
    const CanvasArea area = canvasArea(s.canvas);
    zoomAt(s, area.width / 2, area.height / 2, 1.0 / kZoomStep);
}

void panView(State& s, double dx, double dy) {
    if (viewLocked(s)) return;
    settleView(s.view, canvasArea(s.canvas));
    if (panBy(s.view, dx, dy, canvasArea(s.canvas))) viewMoved(s);
}

void fitViewToRing(State& s) {
    resetFit(s.view);
    bool any = false;
    // Fitted to the ring as it is drawn: whole across the ±180° line.
    const OpenDocument& d = s.doc;
    ContinuousLongitude unwrap(d.loaded.loaded(d.content) && mayCrossAntimeridian(d.content.rings[static_cast<std::size_t>(d.loaded.index)].facts));
    forEachLoadedVertex(s.doc.content, s.doc.loaded, [&](double lon, double lat) {
        widenFit(s.view, unwrap.next(lon, lat), lat);
        any = true;
    });
    if (any) {
        finishFit(s.view);
    } else {
        forgetBounds(s.view);
    }
}

void fitViewToBackground(State& s) {
    resetFit(s.view);
    const Background& background = s.background;
    for (std::size_t i = 0; i < background.lon.size() && i < background.lat.size(); ++i) widenFit(s.view, background.lon[i], background.lat[i]);
    setBoundLabels(s.view);
    setSpans(s.view);
}

void setBackground(State& s, std::vector<float> lon, std::vector<float> lat) {
    // One point makes no outline: it counts as no background (0), never -1,
    // which would read as a background that fixes the view.
    const auto last = static_cast<std::int64_t>(lon.size()) - 1;
    s.background.lastIndex = static_cast<std::int32_t>(std::clamp<std::int64_t>(last, 0, INT32_MAX));
    s.background.lon = std::move(lon);
    s.background.lat = std::move(lat);
    fitViewToBackground(s);
}

void fitView(State& s) {
    if (viewLocked(s)) return;
    if (s.background.lastIndex > 0) fitViewToBackground(s);
    else fitViewToRing(s);
    viewMoved(s);
}

void showBounds(State& s, double west, double south, double east, double north) {
    if (viewLocked(s)) return;
    settleView(s.view, canvasArea(s.canvas));  // a fit still waiting sets the zoom factor's reference first
    ViewState& v = s.view;
    v.minLon = static_cast<float>(west);
    v.maxLon = static_cast<float>(east);
    v.minLat = static_cast<float>(south);
    v.maxLat = static_cast<float>(north);
    finishFit(v);
    v.userMoved = true;
    if (v.keepProportions || v.webMercator) applyProportions(v, canvasArea(s.canvas), ShapeFix::WidenShortSide);
    viewMoved(s);
}

void centreViewOn(State& s, double lon, double lat, double closer) {
    if (viewLocked(s)) return;
    settleView(s.view, canvasArea(s.canvas));
    ViewState& v = s.view;
    if (!(v.lonSpan > 0 && v.latSpan > 0)) return;
    const CanvasArea area = canvasArea(s.canvas);
    const ViewMapping mapping(v, area.width, area.height, area.margin);
    const CanvasPoint p = mapping(lon, lat);
    panBy(v, area.width / 2 - p.x, area.height / 2 - p.y, area);
    if (zoomFactor(v) < closer) zoomAround(v, area.width / 2, area.height / 2, closer / zoomFactor(v), area);
    v.userMoved = true;
    viewMoved(s);
}

void canvasResized(State& s) {
    if (s.edit.editing && !viewLocked(s)) handlesFollowView(s);
    redraw(s, false);
}

void setKeepProportions(State& s, bool keep) {
    if (s.view.keepProportions == keep) return;
    s.view.keepProportions = keep;
    // Turned on, the short side widens so that nothing shown leaves the
    // view; turned off, the view stays as it is.
    if (keep) applyProportions(s.view, canvasArea(s.canvas), ShapeFix::WidenShortSide);
    if (!viewLocked(s)) viewMoved(s);
}

}  // namespace tess
