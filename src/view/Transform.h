// The plain linear mapping between longitude/latitude and canvas twips,
// and the fit of the view bounds to the points a loader reads.
#pragma once

#include <optional>
#include <string>

#include "state/ViewState.h"
#include "view/WebMercator.h"

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

// The forward mapping with the view and the canvas size read once, for
// drawing a million vertices; the same arithmetic as toCanvas. While a map
// is shown, latitudes are placed by their Web Mercator value; the
// longitude axis is the same either way.
class ViewMapping {
public:
    ViewMapping(const ViewState& v, double w, double h, int margin = kMargin)
        : minLon_(v.minLon), minLat_(v.minLat), lonSpan_(v.lonSpan), latSpan_(v.latSpan), m_(margin),
          across_(w - 2.0 * margin), down_(h - 2.0 * margin), mercator_(v.webMercator) {
        if (mercator_) {
            minLat_ = projectedLatitude(v.minLat);
            latSpan_ = projectedLatitude(v.maxLat) - minLat_;
        }
    }
    // False when a span is zero: the mapping would divide by zero.
    bool valid() const { return lonSpan_ != 0 && latSpan_ != 0; }
    CanvasPoint operator()(double lon, double lat) const {
        if (mercator_) return onProjected(lon, projectedLatitude(lat));
        return {m_ + (lon - minLon_) / lonSpan_ * across_, m_ + (down_ - (lat - minLat_) / latSpan_ * down_)};
    }
    // A point given by its longitude and projected latitude (WebMercator.h).
    CanvasPoint onProjected(double lon, double y) const {
        return {m_ + (lon - minLon_) / lonSpan_ * across_, m_ + (down_ - (y - minLat_) / latSpan_ * down_)};
    }

private:
    // While a map is shown, minLat_ and latSpan_ hold projected latitudes.
    double minLon_, minLat_, lonSpan_, latSpan_, m_, across_, down_;
    bool mercator_;
};

// Forward mapping onto a drawable area of width w and height h (twips).
// Empty when a span is zero: the mapping would divide by zero.
std::optional<CanvasPoint> toCanvas(const ViewState& v, double lon, double lat, double w,
                                    double h, int margin = kMargin);


}  // namespace tess
