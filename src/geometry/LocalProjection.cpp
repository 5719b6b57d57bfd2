// The azimuthal equidistant projection, spherical form.
#include "geometry/LocalProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tess {

namespace {

constexpr double kRadian = std::numbers::pi / 180;

}  // namespace

LocalProjection::LocalProjection(Vertex centre)
    : centre_(centre), sinLat0_(std::sin(centre.lat * kRadian)), cosLat0_(std::cos(centre.lat * kRadian)) {}

LocalProjection LocalProjection::around(const Vertices& v) {
    if (v.empty()) return LocalProjection(Vertex{});
    auto [minLon, maxLon] = std::minmax_element(v.begin(), v.end(), [](auto& a, auto& b) { return a.lon < b.lon; });
    auto [minLat, maxLat] = std::minmax_element(v.begin(), v.end(), [](auto& a, auto& b) { return a.lat < b.lat; });
    return LocalProjection({(minLon->lon + maxLon->lon) / 2, (minLat->lat + maxLat->lat) / 2});
}

Vertex LocalProjection::forward(Vertex v) const {
    const double lat = v.lat * kRadian;
    const double dLon = (v.lon - centre_.lon) * kRadian;
    const double sinLat = std::sin(lat), cosLat = std::cos(lat);
    const double cosDLon = std::cos(dLon);
    const double cosC = std::clamp(sinLat0_ * sinLat + cosLat0_ * cosLat * cosDLon, -1.0, 1.0);
    const double c = std::acos(cosC);
    // c / sin c, which tends to 1 at the centre.
    const double k = c < 1e-9 ? 1.0 : c / std::sin(c);
    return {kEarthRadiusMetres * k * cosLat * std::sin(dLon),
            kEarthRadiusMetres * k * (cosLat0_ * sinLat - sinLat0_ * cosLat * cosDLon)};
}

Vertex LocalProjection::inverse(Vertex m) const {
    const double rho = std::hypot(m.lon, m.lat);
    if (rho < 1e-9) return centre_;
    const double c = rho / kEarthRadiusMetres;
    const double sinC = std::sin(c), cosC = std::cos(c);
    const double lat = std::asin(std::clamp(cosC * sinLat0_ + m.lat * sinC * cosLat0_ / rho, -1.0, 1.0));
    const double dLon = std::atan2(m.lon * sinC, rho * cosLat0_ * cosC - m.lat * sinLat0_ * sinC);
    return {centre_.lon + dLon / kRadian, lat / kRadian};
}

Vertices LocalProjection::forward(const Vertices& v) const {
    Vertices out(v.size());
    std::transform(v.begin(), v.end(), out.begin(), [this](Vertex x) { return forward(x); });
    return out;
}

Vertices LocalProjection::inverse(const Vertices& metres) const {
    Vertices out(metres.size());
    std::transform(metres.begin(), metres.end(), out.begin(), [this](Vertex x) { return inverse(x); });
    return out;
}

}  // namespace tess
