// How large a ring is on the Earth: the area it encloses on the WGS84
// ellipsoid and the length of its outline. A polygon filter file's edges
// are straight lines in longitude and latitude (that is how extract tools
// test a point against them), so the area measured is exactly the area
// they cut: the parallels and meridians of a cell are its edges, and the
// area of two regions that share an edge adds up to the area of both.
#pragma once

#include "geometry/Vertex.h"

namespace tess {

inline constexpr double kSquareMetresPerSquareKilometre = 1e6;

// The area the ring encloses, in square metres, whichever way it runs. A
// ring that crosses the ±180° line is measured across it; one that runs
// once around a pole encloses the pole nearer to it.
double ringArea(const Vertices& ring);

// The length of the ring's outline, closing edge included, in metres.
double ringPerimeter(const Vertices& ring);

}  // namespace tess
