// Simplification in metres: the ring is projected around its centre,
// simplified by GEOS, and the vertices it kept are taken from the
// original, so no number changes through a projection and back.
#include "geometry/Simplify.h"

#include <algorithm>

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

}  // namespace

Vertices simplifyRing(const Vertices& ring, double metres) {
    Vertices closedRing = closed(ring);
    if (!(metres > 0) || closedRing.size() < 4) return closedRing;
    const LocalProjection projection = LocalProjection::around(closedRing);
    const Vertices projected = projection.forward(closedRing);

    Geos geos;
    Geom polygon = geos.polygon(projected);
    Geom simpler = geos.own(GEOSTopologyPreserveSimplify_r(geos.handle(), polygon.get(), metres));
    if (GEOSisEmpty_r(geos.handle(), simpler.get())) return closedRing;
    const Vertices kept = geos.shell(simpler.get());
    if (kept.size() < 4) return closedRing;
    return originalsOf(kept, projected, closedRing);
}

}  // namespace tess
