// The plain linear mapping between longitude/latitude and canvas twips,
// and the fit of the view bounds to the points a loader reads.
#pragma once

#include <optional>
#include <string>

#include "view/ViewState.h"

namespace tess {

struct CanvasPoint {
    double x = 0, y = 0;
};

// Fit: reset to the sentinels, widen by every point, then finish (spans
// and bound labels).
void resetFit(ViewState& v);
inline void widenFit(ViewState& v, double lon, double lat) {
    const float x = static_cast<float>(lon), y = static_cast<float>(lat);
    if (x > v.maxLon) v.maxLon = x;
    if (y > v.maxLat) v.maxLat = y;
    if (x < v.minLon) v.minLon = x;
    if (y < v.minLat) v.minLat = y;
}
void setSpans(ViewState& v);
void setBoundLabels(ViewState& v);
inline void finishFit(ViewState& v) { setSpans(v); setBoundLabels(v); }

// Forward mapping onto a drawable area of width w and height h (twips).
// Empty when a span is zero: the mapping would divide by zero.
std::optional<CanvasPoint> toCanvas(const ViewState& v, double lon, double lat, double w,
                                    double h, int margin = kMargin);

// Inverse mapping, as one text: longitude, one blank, latitude, each the
// shortest single-precision text. Empty when w or h equals 2 * margin.
std::string newcoord(const ViewState& v, double x, double y, double w, double h,
                     int margin = kMargin);

// Splits newcoord's text at its blank and reads each half. False for the
// empty text. A vertex keeps the decimal value of the text (13.67968, not
// the nearest single-precision number), so it is written back as shown.
bool splitCoordText(const std::string& text, float& lon, float& lat);
bool splitCoordText(const std::string& text, double& lon, double& lat);

}  // namespace tess
