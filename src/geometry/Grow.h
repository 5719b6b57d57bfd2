// Growing or shrinking a ring by a distance on the ground.
#pragma once

#include "platform/Messages.h"

#include <vector>

#include "geometry/Vertex.h"

namespace tess {

enum class Corners { Round, Mitre };

// Half the Earth's circumference: no two places are further apart.
inline constexpr double kFarthestMetres = 20'000'000;

struct GrownRing {
    Vertices vertices;  // closed
    bool hole = false;
};

// The area within `metres` of the ring's area (a negative distance keeps
// what lies further than that inside it), measured around the ring's
// centre by GEOS's buffer. Growing always widens what the file covers: an
// outer ring moves outward, a hole (isHole) moves inward and gets smaller,
// and shrinking does the opposite. The result is one ring as a rule; a
// shrink can split it in pieces or remove it (an empty list), and a grow
// can close a bay into a hole of its own. Holes of the result carry
// hole = !isHole. The distance is kept at least and exceeded by at most
// 5.5 % with round corners, 4 % with mitred ones (detail finer than 2 %
// of it is left out first, for speed). A self-crossing ring is first made
// valid. Throws GeosError when GEOS fails, with kBeyondTheEarth for a
// distance beyond kFarthestMetres and kOffTheGlobe for a ring with
// coordinates that are no places on the Earth.
std::vector<GrownRing> growRing(const Vertices& ring, double metres, Corners corners, bool isHole = false);

}  // namespace tess
