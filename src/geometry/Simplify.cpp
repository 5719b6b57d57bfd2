// Simplification in metres: the ring is projected around its centre,
// simplified by GEOS, and the vertices it kept are taken from the
// original, so no number changes through a projection and back.
// GEOS's topology-preserving simplifier takes seconds on a million
// vertices; Douglas-Peucker takes a fifteenth of that and, on real
// outlines, almost always gives the same simple ring, so it goes first
// and a validity check on its small result decides.
#include "geometry/Simplify.h"

#include <algorithm>

#include "geometry/Antimeridian.h"
#include "geometry/Geos.h"
#include "geometry/LocalProjection.h"

namespace tess {

namespace {

// The originals of the kept points: they are a subsequence of the
// projected ring, starting wherever the simplifier chose to start.
Vertices originalsOf(const Vertices& kept, const Vertices& projected, const Vertices& ring) {
    Vertices out;
    out.reserve(kept.size());
    const std::size_t n = projected.size() - 1;  // the closing copy aside
    auto start = std::find(projected.begin(), projected.end() - 1, kept.front());
    std::size_t i = start == projected.end() - 1 ? 0 : static_cast<std::size_t>(start - projected.begin());
    for (const Vertex& k : kept) {
        std::size_t steps = 0;
        while (projected[i % n] != k && steps++ < n) ++i;
        out.push_back(ring[i % n]);
    }
    return out;
}

// The simplified closed ring, in metres, with the points GEOS returns.
// Douglas-Peucker first, which is fast; when its result crosses itself,
// GEOS's topology-preserving simplifier, which never lets it.
Vertices simplifyProjected(const Geos& geos, const Vertices& closedRing, double tolerance) {
    Vertices kept;
    {
        // GEOS's copy of a ring takes half as much again as the ring: gone
        // before the next one is made.
        Geom line = geos.lineString(closedRing);
        kept = geos.vertices(geos.own(GEOSSimplify_r(geos.handle(), line.get(), tolerance)).get());
    }
    if (kept.size() >= 4) {
        Geom polygon = geos.polygon(kept);
        if (geos.check(GEOSisValid_r(geos.handle(), polygon.get()))) return kept;
    }
    Geom polygon = geos.polygon(closedRing);
    Geom careful = geos.own(GEOSTopologyPreserveSimplify_r(geos.handle(), polygon.get(), tolerance));
    if (GEOSisEmpty_r(geos.handle(), careful.get())) return closedRing;
    kept = geos.shell(careful.get());
    return kept.size() < 4 ? closedRing : kept;
}

}  // namespace

Vertices simplifyRing(Vertices ring, double metres) {
    Vertices closedRing = closed(std::move(ring));
    if (!(metres > 0) || closedRing.size() < 4) return closedRing;
    // A ring across the ±180° line is projected whole; the vertices kept
    // are still taken from the ring as it was.
    const Vertices whole = crossesAntimeridian(closedRing) ? unwrapped(closedRing) : Vertices();
    const Vertices& frame = whole.empty() ? closedRing : whole;
    const LocalProjection projection = LocalProjection::around(frame);
    const Vertices projected = projection.forward(frame);
    Geos geos;
    const Vertices kept = simplifyProjected(geos, projected, metres);
    if (kept.size() < 4) return closedRing;
    return originalsOf(kept, projected, closedRing);
}

}  // namespace tess
