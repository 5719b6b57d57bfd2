// Thinning a ring while keeping its shape's topology.
#pragma once

#include "geometry/Vertex.h"

namespace tess {

// The ring with every vertex dropped that lies within `metres` of the
// line its neighbours would draw instead, as long as no crossing appears
// (run in metres around the ring's centre). The vertices kept are the
// originals, numbers unchanged; the result is closed and keeps at least
// four vertices. A ring of fewer than three distinct vertices, or a
// tolerance of 0 or less, comes back closed but otherwise as it was.
// Throws GeosError when GEOS fails.
Vertices simplifyRing(Vertices ring, double metres);

}  // namespace tess
