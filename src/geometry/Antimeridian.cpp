// Unwrapping and splitting rings at the ±180° line.
#include "geometry/Antimeridian.h"

#include <algorithm>
#include <cmath>

#include "geometry/Geos.h"

namespace tess {

namespace {

constexpr double kTurn = 360;

bool alongPole(Vertex a, Vertex b) { return std::abs(a.lat) >= 90 && a.lat == b.lat; }


struct LonSpan {
    double min, max;
};
LonSpan lonSpan(const Vertices& ring) {
    LonSpan span{ring.front().lon, ring.front().lon};
    for (const Vertex& v : ring) span.min = std::min(span.min, v.lon), span.max = std::max(span.max, v.lon);
    return span;
}

Vertices movedBy(Vertices ring, double by) {
    if (by != 0)
        for (Vertex& v : ring) v.lon += by;
    return ring;
}

}  // namespace

double ContinuousLongitude::next(double lon, double lat) {
    if (!across_) return lon;
    if (started_ && !alongPole({0, previousLat_}, {0, lat})) {
        // The step from the last longitude given back, as the ring draws
        // it, made no longer than half a turn (in one go: a coordinate far
        // off the globe must not take a turn at a time).
        const double step = lon + shift_ - previous_;
        if (std::abs(step) > 180) shift_ -= kTurn * std::round(step / kTurn);
    }
    started_ = true;
    previousLat_ = lat;
    previous_ = lon + shift_;
    return previous_;
}

bool jumpsAcrossAntimeridian(Vertex from, Vertex to) { return std::abs(to.lon - from.lon) > 180 && !alongPole(from, to); }

bool crossesAntimeridian(const Vertices& ring) {
    if (std::any_of(ring.begin(), ring.end(), [](Vertex v) { return !(std::abs(v.lon) <= 180); })) return false;
    for (std::size_t i = 1; i < ring.size(); ++i)
        if (jumpsAcrossAntimeridian(ring[i - 1], ring[i])) return true;
    return ring.size() > 1 && jumpsAcrossAntimeridian(ring.back(), ring.front());
}

Vertices unwrapped(Vertices ring) {
    ContinuousLongitude unwrap;
    for (Vertex& v : ring) v.lon = unwrap.next(v.lon, v.lat);
    return ring;
}

Vertices wrapped(Vertices ring) {
    for (Vertex& v : ring) {
        if (v.lon > 180) v.lon -= kTurn * std::ceil((v.lon - 180) / kTurn);
        else if (v.lon < -180) v.lon += kTurn * std::ceil((-180 - v.lon) / kTurn);
    }
    return ring;
}

double shiftIntoEasternFrame(double minLon, double maxLon) {
    return -kTurn * std::floor((minLon + maxLon) / 2 / kTurn);
}

Vertices ringInFrame(Vertices ring, bool shifted) {
    if (shifted && !ring.empty()) {
        if (crossesAntimeridian(ring)) ring = unwrapped(std::move(ring));
        const LonSpan span = lonSpan(ring);
        ring = movedBy(std::move(ring), shiftIntoEasternFrame(span.min, span.max));
    }
    return closed(std::move(ring));
}

RingFrame frameOf(std::vector<Vertices> rings) {
    RingFrame frame;
    frame.shifted = std::any_of(rings.begin(), rings.end(), [](const Vertices& r) { return crossesAntimeridian(r); });
    for (Vertices& ring : rings) ring = ringInFrame(std::move(ring), frame.shifted);
    frame.rings = std::move(rings);
    return frame;
}

bool mayCrossAntimeridian(const RingFacts& f) {
    return !f.known || (f.minLon >= -180 && f.maxLon <= 180 && f.maxLon - f.minLon > 180);
}

bool anyCrossesAntimeridian(const std::vector<RingText>& rings) {
    return std::any_of(rings.begin(), rings.end(),
                       [](const RingText& r) { return mayCrossAntimeridian(r.facts) && crossesAntimeridian(verticesOf(r.lines)); });
}

std::vector<Vertices> splitAtAntimeridian(const Vertices& ring) {
    if (ring.size() < 4 || !crossesAntimeridian(ring)) return {closed(ring)};
    const Vertices whole = unwrapped(closed(ring));
    const LonSpan span = lonSpan(whole);
    // A ring that winds around a pole has no sides to split into, and one
    // that winds further than a turn either way is no place on the Earth.
    if (whole.back() != whole.front() || span.max - span.min > 2 * kTurn) return {closed(ring)};
    double minLat = whole.front().lat, maxLat = minLat;
    for (const Vertex& v : whole) minLat = std::min(minLat, v.lat), maxLat = std::max(maxLat, v.lat);

    Geos geos;
    Geom area = geos.polygon(whole);
    if (!geos.check(GEOSisValid_r(geos.handle(), area.get()))) area = geos.own(GEOSMakeValid_r(geos.handle(), area.get()));
    std::vector<Vertices> pieces;
    // Each turn the ring reaches is cut out as a band of its own and moved
    // back by whole turns into -180..180.
    for (double turn = std::floor((span.min + 180) / kTurn); turn * kTurn - 180 < span.max; ++turn) {
        const double west = turn * kTurn - 180, east = west + kTurn;
        Geom band = geos.own(GEOSGeom_createRectangle_r(geos.handle(), west, minLat - 1, east, maxLat + 1));
        Geom part = geos.own(GEOSIntersection_r(geos.handle(), area.get(), band.get()));
        for (const GEOSGeometry* polygon : geos.parts(part.get())) {
            if (GEOSGeomTypeId_r(geos.handle(), polygon) != GEOS_POLYGON) continue;
            pieces.push_back(movedBy(geos.shell(polygon), -turn * kTurn));
        }
    }
    return pieces;
}

}  // namespace tess
