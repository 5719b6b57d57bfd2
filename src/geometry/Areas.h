// The document as an area rather than a list of rings: the outer rings
// together, with the holes taken out, as extract tools read a file. Union,
// clip and subtract work on that area with GEOS and give it back as rings;
// the area's size is measured on the ellipsoid, overlaps counted once.
// When a ring crosses the ±180° line, all of this happens in a frame
// shifted to keep it whole (geometry/Antimeridian.h), and the rings made
// are brought back within -180..180, vertex by vertex.
#pragma once

#include <vector>

#include "document/PolyText.h"
#include "geometry/Vertex.h"

namespace tess {

// The rings of the document's area merged wherever outer rings overlap or
// touch, into as few rings as there are separate pieces, each followed by
// its holes. A ring the union leaves as it was keeps its text and name; a
// ring made anew takes the name of the input ring it grew from (the one
// holding its westernmost vertex), else its number, "!" before a hole's.
// Throws GeosError when GEOS fails.
std::vector<RingText> unionOfRings(const std::vector<RingText>& rings);

// What of the document's area lies inside the other file's area, and what
// lies outside it, as rings in the same way.
std::vector<RingText> clipRings(const std::vector<RingText>& rings, const std::vector<RingText>& other);
std::vector<RingText> subtractRings(const std::vector<RingText>& rings, const std::vector<RingText>& other);

// The area of the document in square metres: outer rings together (an
// overlap counted once), holes taken out.
double documentArea(const std::vector<RingText>& rings);

// The document's holes whose area is at least `squareMetres`: every ring
// kept as it was, but the smaller holes; and how many went.
struct HolesRemoved {
    std::vector<RingText> rings;
    int removed = 0;
};
HolesRemoved removeSmallHoles(const std::vector<RingText>& rings, double squareMetres);

// A ring's area in square metres, from its text.
double ringTextArea(const RingText& ring);

}  // namespace tess
