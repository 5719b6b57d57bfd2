// Buffers in metres: project around the ring's centre, buffer, project
// back.
#include "geometry/Grow.h"

#include "geometry/Geos.h"
#include "geometry/LocalProjection.h"

namespace tess {

namespace {

// Arcs of round corners use this many segments per quarter circle, GEOS's
// default and smooth enough at any scale a file is edited at.
constexpr int kQuadrantSegments = 8;
// A mitred corner sharper than this many distances is bevelled instead,
// so a needle-thin spike does not shoot far out.
constexpr double kMitreLimit = 5.0;

Geom validPolygon(const Geos& geos, const Vertices& projected) {
    Geom polygon = geos.polygon(projected);
    if (geos.check(GEOSisValid_r(geos.handle(), polygon.get()))) return polygon;
    // A self-crossing ring: its enclosed area, as GEOS's repair sees it.
    Geom valid = geos.own(GEOSMakeValid_r(geos.handle(), polygon.get()));
    // Lines and points the repair may keep carry no area; buffer(0) drops them.
    return geos.own(GEOSBuffer_r(geos.handle(), valid.get(), 0, kQuadrantSegments));
}

}  // namespace

std::vector<GrownRing> growRing(const Vertices& ring, double metres, Corners corners, bool isHole) {
    const LocalProjection projection = LocalProjection::around(ring);
    Geos geos;
    Geom area = validPolygon(geos, projection.forward(ring));

    GEOSBufferParams* params = GEOSBufferParams_create_r(geos.handle());
    if (!params) throw GeosError(geos.lastError());
    GEOSBufferParams_setQuadrantSegments_r(geos.handle(), params, kQuadrantSegments);
    GEOSBufferParams_setJoinStyle_r(geos.handle(), params, corners == Corners::Round ? GEOSBUF_JOIN_ROUND : GEOSBUF_JOIN_MITRE);
    GEOSBufferParams_setMitreLimit_r(geos.handle(), params, kMitreLimit);
    // A hole's ring bounds what is cut out: the file's area grows where
    // the hole shrinks.
    const double distance = isHole ? -metres : metres;
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
