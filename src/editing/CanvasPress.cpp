// Presses on the empty canvas: the polygon tool adds outline points one
// by one, the rectangle tool starts a rubber band and completes it into a
// closed four-corner outline.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstddef>

#include "editing/CanvasGeometry.h"
#include "editing/Editing.h"
#include "editing/Redraw.h"

namespace tess {

namespace {


bool viewFitted(const State& s) { return s.view.labels[0] != "0000"; }

void addPolygonPoint(State& s, double x, double y) {
    Outline& outline = s.edit.outline;
    // A closed outline takes no more points, and 500 is the most it holds.
    if (outline.state == OutlineState::Closed || outline.pointCount >= kMaxSelectionPoints) return;
    Overlays& o = s.edit.overlays;
    const double h = markerHalf(s);
    const int k = ++outline.pointCount;
    const auto ku = static_cast<std::size_t>(k);
    if (k > 1) {
        outline.state = OutlineState::Open;
        o.segments.create(ku);
        LineObject& seg = o.segments[ku];
        if (o.markers.exists(ku - 1)) {
            seg.x1 = o.markers[ku - 1].left + h;
            seg.y1 = o.markers[ku - 1].top + h;
        }
        seg.x2 = x;
        seg.y2 = y;
        seg.visible = true;
    }
    // On a canvas too small to map, the point keeps what it held.
    canvasToMap(s, x, y, outline.lon[ku], outline.lat[ku]);
    o.markers.create(ku);
    SquareObject& marker = o.markers[ku];
    marker.left = x - h;
    marker.top = y - h;
    if (k == 1) marker.fill = colors::magenta;
    marker.visible = true;
}

void startRubberBand(State& s, double x, double y) {
    s.edit.outline.anchorX = roundToInt32(x);
    s.edit.outline.anchorY = roundToInt32(y);
    RectObject& band = s.edit.overlays.rubberBand;
    band.left = x;
    band.top = y;
    band.width = 100;
    band.height = 100;
    band.visible = true;
}

// The second press: the rectangle is taken as last stretched, wherever the
// press itself lands. Corners run clockwise on screen from the top-left.
void completeRectangle(State& s) {
    Overlays& o = s.edit.overlays;
    Outline& outline = s.edit.outline;
    const RectObject band = o.rubberBand;
    for (std::size_t k = 1; k <= 4; ++k) {
        o.markers.create(k);
        o.segments.create(k);
    }
    o.rubberBand.visible = false;
    const std::array<Centre, 5> corner{{{0, 0},
                                        {band.left, band.top},
                                        {band.left + band.width, band.top},
                                        {band.left + band.width, band.top + band.height},
                                        {band.left, band.top + band.height}}};
    const double h = markerHalf(s);
    for (std::size_t k = 1; k <= 4; ++k) {
        canvasToMap(s, corner[k].x, corner[k].y, outline.lon[k], outline.lat[k]);
        SquareObject& marker = o.markers[k];
        marker.left = corner[k].x - h;
        marker.top = corner[k].y - h;
        marker.visible = true;
        o.segments[k].visible = true;
    }
    outline.pointCount = 4;
    joinOutlineSegments(s.edit);  // the segments join the markers
    outline.state = OutlineState::Closed;
}

void rectanglePress(State& s, double x, double y) {
    if (!s.edit.overlays.rubberBand.visible && s.edit.outline.pointCount == 0) {
        startRubberBand(s, x, y);
    } else if (s.edit.outline.pointCount == 0) {
        completeRectangle(s);
    }
    // Points drawn with the other tool are left alone.
}

}  // namespace

void pressOnCanvas(State& s, double x, double y) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    if (!viewFitted(s)) {
        if (s.edit.tool != Tool::Pointer) s.platform.message(kNoCoordinates);
        return;
    }
    switch (s.edit.tool) {
        case Tool::Polygon: addPolygonPoint(s, x, y); break;
        case Tool::Rectangle: rectanglePress(s, x, y); break;
        case Tool::Pointer: break;
    }
}

void doubleClickOnCanvas(State& s) {
    // The first press of the double-click has already added its point.
    if (s.edit.tool == Tool::Polygon && s.edit.outline.state == OutlineState::Open) closeOutline(s);
}

void stretchRubberBand(State& s, double x, double y) {
    RectObject& band = s.edit.overlays.rubberBand;
    if (s.edit.outline.pointCount != 0 || !band.visible) return;
    const auto dx = static_cast<std::int32_t>(std::nearbyint(x - s.edit.outline.anchorX));
    const auto dy = static_cast<std::int32_t>(std::nearbyint(y - s.edit.outline.anchorY));
    band.left = dx < 0 ? s.edit.outline.anchorX + dx : s.edit.outline.anchorX;
    band.width = std::abs(dx);
    band.top = dy < 0 ? s.edit.outline.anchorY + dy : s.edit.outline.anchorY;
    band.height = std::abs(dy);
}

}  // namespace tess
