// Buffers in metres: project around the ring's centre, buffer, project
// back.
//
// GEOS's buffer slows down sharply with detail far finer than the
// distance: every vertex's offset overlaps thousands of others (14 s for
// a 104,582-vertex coastline grown by 5 km). So the ring is first
// simplified by a small part of the distance, and buffered by that much
// more than asked: every point of the simplified ring lies within that
// part of the ring and the other way round, so the result keeps at least
// the distance asked from the ring everywhere (a grow never falls short
// of its margin, a shrink never leaves less than its inset).
//
// Round corners are grown in two steps: a tenth of the distance first,
// which fills the ripples narrower than that cheaply, then the rest from
// that smoother outline, thinned once more. Disks add up, so the two
// steps reach as far as one. Arcs are drawn as chords between points on
// the circle, which fall short of it by a little in their middles; the
// distance is raised by that share so no chord comes nearer than asked.
#include "geometry/Grow.h"

#include <cmath>
#include <numbers>

#include "geometry/Geos.h"
#include "geometry/LocalProjection.h"
#include "geometry/Simplify.h"

namespace tess {

namespace {

// Arcs of round corners use this many segments per quarter circle, GEOS's
// default and smooth enough at any scale a file is edited at.
constexpr int kQuadrantSegments = 8;
// How far the middle of an arc's chord reaches, as a share of the radius.
const double kChordReach = std::cos(std::numbers::pi / (4 * kQuadrantSegments));
// A mitred corner sharper than this many distances is bevelled instead,
// so a needle-thin spike does not shoot far out.
constexpr double kMitreLimit = 5.0;
// The part of the distance the ring may be simplified by first.
constexpr double kDetailFraction = 0.02;
// Round corners: the part of the distance grown in the first step, and
// the part of the distance its outline may be simplified by after it.
constexpr double kFirstStepFraction = 0.1;
constexpr double kStepDetailFraction = 0.005;

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

Geom buffered(const Geos& geos, const GEOSGeometry* area, double distance, Corners corners) {
    GEOSBufferParams* params = GEOSBufferParams_create_r(geos.handle());
    if (!params) throw GeosError(geos.lastError());
    GEOSBufferParams_setQuadrantSegments_r(geos.handle(), params, kQuadrantSegments);
    GEOSBufferParams_setJoinStyle_r(geos.handle(), params, corners == Corners::Round ? GEOSBUF_JOIN_ROUND : GEOSBUF_JOIN_MITRE);
    GEOSBufferParams_setMitreLimit_r(geos.handle(), params, kMitreLimit);
    GEOSGeometry* result = GEOSBufferWithParams_r(geos.handle(), area, params, distance);
    GEOSBufferParams_destroy_r(geos.handle(), params);
    return geos.own(result);
}

// The area grown by `distance` (negative shrinks) with round corners, in
// two steps; `detail` is what was already left out of it.
Geom grownRound(const Geos& geos, const GEOSGeometry* area, double distance, double detail) {
    const double size = std::abs(distance);
    const double firstStep = std::copysign(kFirstStepFraction * size, distance);
    const double stepDetail = kStepDetailFraction * size;
    Geom smoothed = buffered(geos, area, firstStep, Corners::Round);
    if (stepDetail > 0) smoothed = geos.own(GEOSTopologyPreserveSimplify_r(geos.handle(), smoothed.get(), stepDetail));
    const double total = std::copysign((size + detail + stepDetail) / kChordReach, distance);
    return buffered(geos, smoothed.get(), total - firstStep, Corners::Round);
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
    Geom grown = corners == Corners::Round
                     ? grownRound(geos, area.get(), asked, detail)
                     : buffered(geos, area.get(), asked + std::copysign(detail, asked), Corners::Mitre);

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
