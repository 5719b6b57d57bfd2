#include "view/Transform.h"

#include <cmath>

#include "document/Numbers.h"

namespace tess {

void resetFit(ViewState& v) {
    v.maxLon = v.maxLat = kSentinelMax;
    v.minLon = v.minLat = kSentinelMin;
    v.freshFit = true;
    v.userMoved = false;
}

void setSpans(ViewState& v) {
    v.lonSpan = std::fabs(v.maxLon - v.minLon);
    v.latSpan = std::fabs(v.maxLat - v.minLat);
}

void setBoundLabels(ViewState& v) {
    v.labels = {signedFieldText(v.minLon), signedFieldText(v.minLat), signedFieldText(v.maxLon),
                signedFieldText(v.maxLat)};
}

std::optional<CanvasPoint> toCanvas(const ViewState& v, double lon, double lat, double w, double h,
                                    int margin) {
    const ViewMapping mapping(v, w, h, margin);
    if (!mapping.valid()) return std::nullopt;
    return mapping(lon, lat);
}

}  // namespace tess
