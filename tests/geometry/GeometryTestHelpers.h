// Shapes and checks shared by the geometry tests.
#pragma once

#include <cmath>
#include <numbers>

#include "geometry/Geos.h"
#include "geometry/Vertex.h"

namespace tess::test {

// A closed square of `side` degrees with its lower left corner at (lon, lat).
inline Vertices square(double lon, double lat, double side) {
    return {{lon, lat}, {lon + side, lat}, {lon + side, lat + side}, {lon, lat + side}, {lon, lat}};
}

// A closed wavy circle of n vertices: radius r degrees, with a ripple of
// `ripple` degrees, so simplification has something to remove.
inline Vertices wavyCircle(double lon, double lat, double r, int n, double ripple) {
    Vertices v;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * std::numbers::pi * i / n;
        const double radius = r + ripple * std::sin(37.0 * a) + ripple * 0.3 * std::sin(311.0 * a);
        v.push_back({lon + radius * std::cos(a), lat + radius * std::sin(a)});
    }
    v.push_back(v.front());
    return v;
}

// The ring is a simple closed line: no crossing, no touch.
inline bool isSimpleRing(const Vertices& ring) {
    Geos geos;
    Geom polygon = geos.polygon(ring);
    return geos.check(GEOSisValid_r(geos.handle(), polygon.get()));
}

inline double areaOf(const Vertices& ring) { return std::abs(signedArea2(ring)) / 2; }

}  // namespace tess::test
