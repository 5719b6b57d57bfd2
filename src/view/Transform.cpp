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

std::string newcoord(const ViewState& v, double x, double y, double w, double h, int margin) {
    const double m = margin;
    const double across = w - 2 * m, down = h - 2 * m;
    if (across == 0 || down == 0) return {};
    const double lon = v.minLon + (x - m) * std::fabs(double(v.maxLon) - v.minLon) / across;
    const double lat = v.maxLat - (y - m) * std::fabs(double(v.maxLat) - v.minLat) / down;
    return shortestText(static_cast<float>(lon)) + " " + shortestText(static_cast<float>(lat));
}

bool splitCoordText(const std::string& text, double& lon, double& lat) {
    auto blank = text.find(' ');
    if (text.empty() || blank == std::string::npos) return false;
    lon = readDecimal(std::string_view(text).substr(0, blank));
    lat = readDecimal(std::string_view(text).substr(blank + 1));
    return true;
}

bool splitCoordText(const std::string& text, float& lon, float& lat) {
    double x = 0, y = 0;
    if (!splitCoordText(text, x, y)) return false;
    lon = static_cast<float>(x);
    lat = static_cast<float>(y);
    return true;
}

}  // namespace tess
