// A ring's vertices as plain numbers, the form every geometry tool takes
// and gives back, and the conversion to and from a ring's vertex lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tess {

// Longitude then latitude, in degrees; laid out as GEOS's x, y buffer.
struct Vertex {
    double lon = 0;
    double lat = 0;
    friend bool operator==(const Vertex&, const Vertex&) = default;
};
using Vertices = std::vector<Vertex>;

// The vertices of a ring's text exactly as its lines give them: a ring
// that does not end on its first vertex is left open.
Vertices verticesOf(std::string_view lines);

// The same, closed: the first vertex once more at the end when the ring
// does not already end on it (a ring of one vertex stays one).
Vertices closedVerticesOf(std::string_view lines);

// A closed copy of the vertices, in the same way.
Vertices closed(Vertices vertices);

// The vertex lines the editor writes after an edit: three blanks, the
// longitude, a blank and the latitude, each line ended by a line feed.
std::string vertexLines(const Vertices& vertices);

// Twice the signed area in square degrees: positive for a ring that runs
// counter-clockwise (x east, y north).
double signedArea2(const Vertices& ring);

}  // namespace tess
