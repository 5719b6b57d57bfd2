// Looking closer and further: zooming around a point of the canvas,
// panning, and keeping a degree of longitude as wide as it is on the
// ground. Pure arithmetic on the view bounds, for the canvas size given.
#pragma once

#include "state/ViewState.h"

namespace tess {

// The drawable size of the canvas and the inset of the mapped area, twips.
struct CanvasArea {
    double width = 0, height = 0;
    int margin = kMargin;
};

struct GeoPoint {
    double lon = 0, lat = 0;
};

// The longitude and latitude under a canvas point, in full precision.
// Empty spans or an area without room give the bounds' corner.
GeoPoint geoPointAt(const ViewState& v, double x, double y, const CanvasArea& area);
// The canvas has room inside its margin to map points.
bool hasRoom(const CanvasArea& area);

// Zooms by `factor` (above 1 looks closer) keeping the point under (x, y)
// where it is. A zoom stops where single precision could no longer place
// the bounds, and far beyond the whole earth. False when nothing changed.
bool zoomAround(ViewState& v, double x, double y, double factor, const CanvasArea& area);

// Moves what is shown by (dx, dy) twips, as if dragged by the pointer.
bool panBy(ViewState& v, double dx, double dy, const CanvasArea& area);

// Makes a degree of longitude cos(latitude at the middle) degrees of
// latitude wide on the canvas.
enum class ShapeFix {
    WidenShortSide,  // everything shown stays in view (after a fit)
    FollowLatitude,  // the longitude span follows, so resizes never creep
};
void applyProportions(ViewState& v, const CanvasArea& area, ShapeFix fix);

// Gets the view ready for drawing on this canvas: proportions kept when
// asked for (widening after a fit, following the latitude otherwise), and
// on the first settle after a fit, the fitted spans recorded that the
// zoom factor is measured against.
void settleView(ViewState& v, const CanvasArea& area);

// How many times closer than the fitted view the view is; 1 when nothing
// was fitted.
double zoomFactor(const ViewState& v);

}  // namespace tess
