// Areas through Lambert's cylindrical equal-area projection of the
// ellipsoid: the area of a region is the integral of S(lat) d(lon) around
// it, where S is the area between the equator and a latitude on a strip
// one radian wide. Along a straight edge latitude and longitude change in
// step, so each edge adds its longitude change times the mean of S along
// it, taken from S and its derivative at the two ends (a cubic rule,
// exact to 1e-13 on an edge of 0.1° of latitude; longer edges are cut
// into such pieces). S needs a sine, a cosine and a logarithm per vertex;
// GeographicLib's CylindricalEqualArea gives the same numbers (the tests
// hold them together) at seven times the cost, which a ring of a million
// vertices would feel. Lengths take the ellipsoid's radii of curvature
// at the middle of each piece.
#include "geometry/Measure.h"

#include <GeographicLib/Constants.hpp>

#include <cmath>
#include <numbers>

#include "geometry/Antimeridian.h"

namespace tess {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// Edges longer than this in latitude are measured in pieces.
constexpr double kLongestPiece = 0.1;  // degrees

struct Ellipsoid {
    double a = GeographicLib::Constants::WGS84_a();
    double f = GeographicLib::Constants::WGS84_f();
    double e2 = f * (2 - f);
    double e = std::sqrt(e2);
    double b2 = a * a * (1 - e2);
};
const Ellipsoid kWgs84;

// S(lat) and dS/dlat, latitude in radians.
struct StripArea {
    double value, slope;
};
StripArea stripArea(double lat) {
    const double s = std::sin(lat), c = std::cos(lat);
    const double w = 1 - kWgs84.e2 * s * s;
    return {kWgs84.b2 / 2 * (s / w + std::atanh(kWgs84.e * s) / kWgs84.e), kWgs84.b2 * c / (w * w)};
}

// Twice the signed area between the edge and the equator, less what the
// reference latitude's strip holds: only differences of S are summed, so
// no large values cancel.
double edgeArea(double lon0, double lat0, StripArea s0, double lon1, double lat1, StripArea s1, double reference) {
    const double dLat = (lat1 - lat0) * kDegree;
    const double mean = (s0.value + s1.value) / 2 + dLat * (s0.slope - s1.slope) / 12 - reference;
    return (lon1 - lon0) * kDegree * mean;
}

int piecesOf(double dLat) { return std::max(1, static_cast<int>(std::ceil(std::abs(dLat) / kLongestPiece))); }

}  // namespace

double ringArea(const Vertices& ring) {
    if (ring.size() < 3) return 0;
    ContinuousLongitude unwrap(crossesAntimeridian(ring));
    const double firstLon = unwrap.next(ring.front().lon, ring.front().lat);
    double lon = firstLon, lat = ring.front().lat;
    StripArea s = stripArea(lat * kDegree);
    const double reference = s.value;

    double sum = 0, carry = 0;  // compensated
    auto add = [&](double term) {
        const double y = term - carry, t = sum + y;
        carry = (t - sum) - y;
        sum = t;
    };
    auto edgeTo = [&](double nextLon, double nextLat) {
        const int pieces = piecesOf(nextLat - lat);
        for (int k = 1; k <= pieces; ++k) {
            const double pieceLon = k == pieces ? nextLon : lon + (nextLon - lon) * k / pieces;
            const double pieceLat = k == pieces ? nextLat : lat + (nextLat - lat) * k / pieces;
            const StripArea next = stripArea(pieceLat * kDegree);
            add(edgeArea(lon, lat, s, pieceLon, pieceLat, next, reference));
            lon = pieceLon, lat = pieceLat, s = next;
        }
    };
    double latSum = ring.front().lat;
    for (std::size_t i = 1; i < ring.size(); ++i) {
        edgeTo(unwrap.next(ring[i].lon, ring[i].lat), ring[i].lat);
        latSum += ring[i].lat;
    }
    edgeTo(unwrap.next(ring.front().lon, ring.front().lat), ring.front().lat);
    // A ring that winds around a pole ends a whole turn from where it
    // began: it encloses the cap on its side, closed along the pole.
    if (std::abs(lon - firstLon) > 180) {
        const double pole = latSum >= 0 ? 90 : -90;
        add((firstLon - lon) * kDegree * (stripArea(pole * kDegree).value - reference));
    }
    return std::abs(sum);
}

double ringPerimeter(const Vertices& ring) {
    if (ring.size() < 2) return 0;
    double metres = 0;
    auto edge = [&](Vertex from, Vertex to) {
        double dLon = std::remainder(to.lon - from.lon, 360.0);
        const int pieces = piecesOf(to.lat - from.lat);
        const double dLat = (to.lat - from.lat) / pieces * kDegree;
        dLon = dLon / pieces * kDegree;
        for (int k = 0; k < pieces; ++k) {
            const double lat = (from.lat + (to.lat - from.lat) * (k + 0.5) / pieces) * kDegree;
            const double s = std::sin(lat), w = 1 - kWgs84.e2 * s * s;
            const double northSouth = kWgs84.a * (1 - kWgs84.e2) / (w * std::sqrt(w));  // meridian radius
            const double eastWest = kWgs84.a / std::sqrt(w) * std::cos(lat);          // parallel radius
            metres += std::hypot(northSouth * dLat, eastWest * dLon);
        }
    };
    for (std::size_t i = 1; i < ring.size(); ++i) edge(ring[i - 1], ring[i]);
    edge(ring.back(), ring.front());
    return metres;
}

}  // namespace tess
