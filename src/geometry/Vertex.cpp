// Ring texts to vertices and back.
#include "geometry/Vertex.h"

#include "document/Numbers.h"
#include "document/PolyText.h"

namespace tess {

Vertices verticesOf(std::string_view lines) {
    Vertices out;
    out.reserve(lines.size() / 24);
    forEachLine(lines, [&](std::string_view line) {
        Vertex v;
        if (parseCoordinateLine(line, v.lon, v.lat) == LineParse::Ok) out.push_back(v);
    });
    return out;
}

Vertices closed(Vertices vertices) {
    if (vertices.size() >= 2 && vertices.front() != vertices.back()) vertices.push_back(vertices.front());
    return vertices;
}

Vertices closedVerticesOf(std::string_view lines) { return closed(verticesOf(lines)); }

std::string vertexLines(const Vertices& vertices) {
    std::string out;
    out.reserve(vertices.size() * 40);
    for (const Vertex& v : vertices) appendVertexLine(out, v.lon, v.lat);
    return out;
}

double signedArea2(const Vertices& ring) {
    if (ring.size() < 3) return 0;
    // Relative to the first vertex, so large longitudes lose no digits.
    const Vertex o = ring.front();
    double sum = 0;
    for (std::size_t i = 1; i + 1 < ring.size(); ++i) {
        sum += (ring[i].lon - o.lon) * (ring[i + 1].lat - o.lat) - (ring[i + 1].lon - o.lon) * (ring[i].lat - o.lat);
    }
    return sum;
}

}  // namespace tess
