// Buffers in metres: project around the ring's centre, buffer, project
// back.
//
// GEOS's buffer slows down sharply with detail far finer than the
// distance: every vertex's offset overlaps thousands of others (14 s for
// a 104,582-vertex coastline grown by 5 km). So the ring is first
// simplified by a small part of the distance, t, and buffered by t more
// than asked: the result then keeps at least the distance asked from the
// ring everywhere and at most 2t more (a grow never falls short of its
// margin, a shrink never leaves less than its inset).
#include "geometry/Grow.h"

#include <cmath>

#include "geometry/Geos.h"
#include "geometry/LocalProjection.h"
#include "geometry/Simplify.h"

namespace tess {

namespace {

// Arcs of round corners use this many segments per quarter circle, GEOS's
// default and smooth enough at any scale a file is edited at.
constexpr int kQuadrantSegments = 8;
// A mitred corner sharper than this many distances is bevelled instead,
// so a needle-thin spike does not shoot far out.
constexpr double kMitreLimit = 5.0;
// The part of the distance the ring may be simplified by first.
constexpr double kDetailFraction = 0.02;

// The ring's area, simplified by `detail` metres while keeping it valid.
Geom validPolygon(const Geos& geos, const Vertices& projected, double detail) {
    Geom polygon = geos.polygon(projected);
    if (geos.check(GEOSisValid_r(geos.handle(), polygon.get()))) {
        if (detail <= 0) return polygon;
        return geos.polygon(simplifyProjected(geos, closed(projected), detail));
    }
    // A self-crossing ring: its outline thinned as a line first (it does
    // not bound a clear area anyway, and the repair is slow on detail),
    // then its enclosed area as GEOS's repair sees it.
    if (detail > 0) {
        Geom line = geos.lineString(closed(projected));
        Geom thinned = geos.own(GEOSSimplify_r(geos.handle(), line.get(), detail));
        const Vertices kept = geos.vertices(thinned.get());
        if (kept.size() >= 4) polygon = geos.polygon(kept);
    }
    Geom valid = geos.own(GEOSMakeValid_r(geos.handle(), polygon.get()));
    // Lines and points the repair may keep carry no area; buffer(0) drops them.
    return geos.own(GEOSBuffer_r(geos.handle(), valid.get(), 0, kQuadrantSegments));
}

}  // namespace

std::vector<GrownRing> growRing(const Vertices& ring, double metres, Corners corners, bool isHole) {
    const LocalProjection projection = LocalProjection::around(ring);
    Geos geos;
    // A hole's ring bounds what is cut out: the file's area grows where
    // the hole shrinks.
    const double asked = isHole ? -metres : metres;
    const double detail = kDetailFraction * std::abs(asked);
    Geom area = validPolygon(geos, projection.forward(ring), detail);
    const double distance = asked + std::copysign(detail, asked);

    GEOSBufferParams* params = GEOSBufferParams_create_r(geos.handle());
    if (!params) throw GeosError(geos.lastError());
    GEOSBufferParams_setQuadrantSegments_r(geos.handle(), params, kQuadrantSegments);
    GEOSBufferParams_setJoinStyle_r(geos.handle(), params, corners == Corners::Round ? GEOSBUF_JOIN_ROUND : GEOSBUF_JOIN_MITRE);
    GEOSBufferParams_setMitreLimit_r(geos.handle(), params, kMitreLimit);
    GEOSGeometry* buffered = GEOSBufferWithParams_r(geos.handle(), area.get(), params, distance);
    GEOSBufferParams_destroy_r(geos.handle(), params);
    Geom grown = geos.own(buffered);

    std::vector<GrownRing> out;
    for (const GEOSGeometry* polygon : geos.parts(grown.get())) {
        out.push_back({projection.inverse(geos.shell(polygon)), isHole});
        for (Vertices& hole : geos.holes(polygon)) out.push_back({projection.inverse(hole), !isHole});
    }
    // The closing vertex is the first again, exactly, after the round trip.
    for (GrownRing& r : out)
        if (!r.vertices.empty()) r.vertices.back() = r.vertices.front();
    return out;
}

}  // namespace tess
