// Web Mercator, the projection web map tiles are drawn in. The view keeps
// its bounds in degrees; while a map is shown the canvas spaces latitudes
// by their projected value, in the units of longitude, so that a pixel is
// as tall as it is wide on the tiles.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tess {

// The square world of the tiles reaches this far north and south.
inline constexpr double kMercatorLimit = 85.051128779806589;

// The projected latitude: the equator is 0, the square world's top edge
// 180, measured in degrees of longitude. Latitudes beyond the square
// world are held at its edge, so that a pole never maps to infinity.
inline double projectedLatitude(double lat) {
    const double clamped = std::clamp(lat, -kMercatorLimit, kMercatorLimit);
    const double phi = clamped * std::numbers::pi / 180.0;
    return std::log(std::tan(std::numbers::pi / 4.0 + phi / 2.0)) * 180.0 / std::numbers::pi;
}

inline double latitudeOfProjected(double y) {
    return std::atan(std::sinh(y * std::numbers::pi / 180.0)) * 180.0 / std::numbers::pi;
}

}  // namespace tess
