// Geometry helpers for the canvas actions.
#include "editing/CanvasGeometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "view/Transform.h"
#include "view/ViewArea.h"

namespace tess {

double canvasWidth(const State& s) { return canvasArea(s.canvas).width; }

double canvasHeight(const State& s) { return canvasArea(s.canvas).height; }

double markerHalf(const State& s) { return std::nearbyint(s.edit.overlays.markers.templ().width / 2); }


bool canvasToMap(const State& s, double x, double y, float& lon, float& lat) {
    const CanvasArea area = canvasArea(s.canvas);
    if (!hasRoom(area)) return false;
    const GeoPoint p = geoPointAt(s.view, x, y, area);
    lon = static_cast<float>(p.lon);
    lat = static_cast<float>(p.lat);
    return true;
}

int roundToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace tess
