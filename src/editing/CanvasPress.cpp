// Presses on the empty canvas: the polygon tool adds outline points one
// by one, the rectangle tool starts a rubber band and completes it into a
// closed four-corner outline.
#include <array>
#include <cstddef>

#include "editing/CanvasGeometry.h"
#include "editing/Editing.h"
#include "view/Plot.h"

namespace tess {

namespace {

constexpr int kLeftButton = 1;

bool viewFitted(const State& s) { return s.view.labels[0] != "0000"; }

void addPolygonPoint(State& s, double x, double y) {
    Outline& sel = s.sel;
    // A closed outline takes no more points, and 500 is the most it holds.
    if (sel.selState == 2 || sel.selCount >= kMaxSelectionPoints) return;
    Overlays& o = s.overlays;
    const double h = markerHalf(s);
    const int k = ++sel.selCount;
    const auto ku = static_cast<std::size_t>(k);
    if (k > 1) {
        sel.selState = 1;
        o.Ln.create(ku);
        LineObject& seg = o.Ln[ku];
        if (o.nd.exists(ku - 1)) {
            seg.x1 = o.nd[ku - 1].left + h;
            seg.y1 = o.nd[ku - 1].top + h;
        }
        seg.x2 = x;
        seg.y2 = y;
        seg.visible = true;
    }
    // On a canvas too small to map, the point keeps what it held.
    canvasToMap(s, x, y, sel.selLon[ku], sel.selLat[ku]);
    o.nd.create(ku);
    SquareObject& marker = o.nd[ku];
    marker.left = x - h;
    marker.top = y - h;
    if (k == 1) marker.fill = colors::magenta;
    marker.visible = true;
}

void startRubberBand(State& s, double x, double y) {
    s.sel.anchorX = roundToInt32(x);
    s.sel.anchorY = roundToInt32(y);
    RectObject& band = s.overlays.Shape1;
    band.left = x;
    band.top = y;
    band.width = 100;
    band.height = 100;
    band.visible = true;
}

// The second press: the rectangle is taken as last stretched, wherever the
// press itself lands. Corners run clockwise on screen from the top-left.
void completeRectangle(State& s) {
    Overlays& o = s.overlays;
    Outline& sel = s.sel;
    const RectObject band = o.Shape1;
    for (std::size_t k = 1; k <= 4; ++k) {
        o.nd.create(k);
        o.Ln.create(k);
    }
    o.Shape1.visible = false;
    const std::array<Centre, 5> corner{{{0, 0},
                                        {band.left, band.top},
                                        {band.left + band.width, band.top},
                                        {band.left + band.width, band.top + band.height},
                                        {band.left, band.top + band.height}}};
    const double h = markerHalf(s);
    for (std::size_t k = 1; k <= 4; ++k) {
        canvasToMap(s, corner[k].x, corner[k].y, sel.selLon[k], sel.selLat[k]);
        SquareObject& marker = o.nd[k];
        marker.left = corner[k].x - h;
        marker.top = corner[k].y - h;
        marker.visible = true;
        o.Ln[k].visible = true;
    }
    sel.selCount = 4;
    plotred(s);  // the segments join the markers
    sel.selState = 2;
}

void rectanglePress(State& s, double x, double y) {
    if (!s.overlays.Shape1.visible && s.sel.selCount == 0) {
        startRubberBand(s, x, y);
    } else if (s.sel.selCount == 0) {
        completeRectangle(s);
    }
    // Points drawn with the other tool are left alone.
}

}  // namespace

void p1_MouseDown(State& s, int button, double x, double y) {
    if (button != kLeftButton) return;
    if (!viewFitted(s)) {
        if (s.edit.tool != 0) s.platform.message(kNoCoordinates);
        return;
    }
    switch (s.edit.tool) {
        case 1: addPolygonPoint(s, x, y); break;
        case 2: rectanglePress(s, x, y); break;
        default: break;
    }
}

void p1_DblClick(State& s) {
    // The first press of the double-click has already added its point.
    if (s.edit.tool == 1 && s.sel.selState == 1) create_polygon(s);
}

}  // namespace tess
