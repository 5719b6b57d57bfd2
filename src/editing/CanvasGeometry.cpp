// Geometry helpers for the canvas actions.
#include "editing/CanvasGeometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "view/Transform.h"
#include "view/ViewArea.h"

namespace tess {

double canvasWidth(const State& s) { return canvasArea(s).width; }

double canvasHeight(const State& s) { return canvasArea(s).height; }

double markerHalf(const State& s) { return std::nearbyint(s.overlays.markers.templ().width / 2); }

double handleHalf(const State& s) { return s.overlays.handles.templ().width / 2; }

bool canvasToMap(const State& s, double x, double y, float& lon, float& lat) {
    const std::string text = newcoord(s.view, x, y, canvasWidth(s), canvasHeight(s), s.margin);
    float a = 0, b = 0;
    if (!splitCoordText(text, a, b)) return false;
    lon = a;
    lat = b;
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
