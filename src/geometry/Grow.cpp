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

#include "geometry/Antimeridian.h"
#include "geometry/Geos.h"
#include "geometry/LocalProjection.h"

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
// The thinned outline is tried first: as a rule it is a simple ring, and
// then the whole ring never needs a validity check or a repair, which
// take time and memory in proportion to it.
Geom validPolygon(const Geos& geos, const Vertices& projected, double detail) {
    Vertices kept;  // the outline thinned by the detail, when there is any
    if (detail > 0) {
        {
            Geom line = geos.lineString(projected);
            kept = geos.vertices(geos.own(GEOSSimplify_r(geos.handle(), line.get(), detail)).get());
        }
        if (kept.size() >= 4) {
            Geom thinned = geos.polygon(kept);
            if (geos.check(GEOSisValid_r(geos.handle(), thinned.get()))) return thinned;
        }
    }
    Geom polygon = geos.polygon(projected);
    if (geos.check(GEOSisValid_r(geos.handle(), polygon.get()))) {
        if (detail <= 0) return polygon;
        // Thinning crossed the outline: GEOS's simplifier that never does.
        Geom careful = geos.own(GEOSTopologyPreserveSimplify_r(geos.handle(), polygon.get(), detail));
        return GEOSisEmpty_r(geos.handle(), careful.get()) ? std::move(polygon) : std::move(careful);
    }
    // A self-crossing ring: its thinned outline (it does not bound a clear
    // area anyway, and the repair is slow on detail), repaired to the area
    // it winds around, either way. GEOS's other repair, which keeps what
    // the ring encloses an odd number of times, takes time that grows with
    // the cube of the crossings: 22 s for 300 random vertices, where this
    // one takes 0.3 s.
    if (kept.size() >= 4) polygon = geos.polygon(kept);
    return geos.repaired(polygon.get());
}

Geom buffered(const Geos& geos, const GEOSGeometry* area, double distance, Corners corners) {
    GEOSBufferParams* params = GEOSBufferParams_create_r(geos.handle());
    if (!params) geos.fail();
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

Geom grownPolygon(const Geos& geos, const GEOSGeometry* area, double distance, double detail, Corners corners) {
    return corners == Corners::Round ? grownRound(geos, area, distance, detail)
                                     : buffered(geos, area, distance + std::copysign(detail, distance), Corners::Mitre);
}

// A repaired ring can be many polygons touching at points. GEOS buffers
// them together slowly (2.7 s for the 1210 pieces of 1000 random
// vertices), each alone and then joined quickly (0.7 s). Pieces that touch
// only at points grow, and shrink, each on its own.
Geom grownArea(const Geos& geos, const GEOSGeometry* area, double distance, double detail, Corners corners) {
    const std::vector<const GEOSGeometry*> parts = geos.parts(area);
    if (parts.size() <= 1) return grownPolygon(geos, area, distance, detail, corners);
    std::vector<Geom> grown;
    for (const GEOSGeometry* part : parts) grown.push_back(grownPolygon(geos, part, distance, detail, corners));
    std::vector<GEOSGeometry*> loose;
    for (Geom& g : grown) loose.push_back(g.release());
    Geom all = geos.own(GEOSGeom_createCollection_r(geos.handle(), GEOS_GEOMETRYCOLLECTION, loose.data(),
                                                    static_cast<unsigned>(loose.size())));
    return geos.own(GEOSUnaryUnion_r(geos.handle(), all.get()));
}

// Metres mean something only on the globe: latitudes up to the poles, and
// longitudes a turn either way (files that cross the date line run past
// 180); the projection takes the rest.
void refuseOffTheGlobe(const Vertices& ring, double metres) {
    if (!(std::abs(metres) <= kFarthestMetres)) throw GeosError(kBeyondTheEarth);
    for (const Vertex& v : ring)
        if (!(std::abs(v.lat) <= 90 && std::abs(v.lon) <= 360)) throw GeosError(kOffTheGlobe);
}

}  // namespace

std::vector<GrownRing> growRing(const Vertices& ring, double metres, Corners corners, bool isHole) {
    refuseOffTheGlobe(ring, metres);
    // A ring across the ±180° line grows whole, and its pieces come back
    // within -180..180 vertex by vertex, as the file wrote it.
    const bool acrossTheLine = crossesAntimeridian(ring);
    const Vertices whole = acrossTheLine ? unwrapped(ring) : Vertices();
    const Vertices& frame = acrossTheLine ? whole : ring;
    const LocalProjection projection = LocalProjection::around(frame);
    Geos geos;
    // A hole's ring bounds what is cut out: the file's area grows where
    // the hole shrinks.
    const double asked = isHole ? -metres : metres;
    const double detail = kDetailFraction * std::abs(asked);
    Geom area = validPolygon(geos, projection.forward(frame), detail);
    Geom grown = grownArea(geos, area.get(), asked, detail, corners);

    std::vector<GrownRing> out;
    for (const GEOSGeometry* polygon : geos.parts(grown.get())) {
        out.push_back({projection.inverse(geos.shell(polygon)), isHole});
        for (Vertices& hole : geos.holes(polygon)) out.push_back({projection.inverse(hole), !isHole});
    }
    // The closing vertex is the first again, exactly, after the round trip.
    for (GrownRing& r : out) {
        if (acrossTheLine) r.vertices = wrapped(std::move(r.vertices));
        if (!r.vertices.empty()) r.vertices.back() = r.vertices.front();
    }
    return out;
}

}  // namespace tess
