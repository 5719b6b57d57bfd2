// The document check. Each ring's own problems come from its vertices and
// from GEOS noding its outline; the relations between rings from GEOS's
// prepared predicates, tried only where the rings' bounds meet.
#include "geometry/Check.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "document/Numbers.h"
#include "geometry/Geos.h"

namespace tess {

namespace {

struct Bounds {
    double minLon = 0, minLat = 0, maxLon = 0, maxLat = 0;
    bool meets(const Bounds& o) const {
        return minLon <= o.maxLon && o.minLon <= maxLon && minLat <= o.maxLat && o.minLat <= maxLat;
    }
};

Bounds boundsOf(const Vertices& v) {
    Bounds b{v[0].lon, v[0].lat, v[0].lon, v[0].lat};
    for (const Vertex& x : v) {
        b.minLon = std::min(b.minLon, x.lon), b.maxLon = std::max(b.maxLon, x.lon);
        b.minLat = std::min(b.minLat, x.lat), b.maxLat = std::max(b.maxLat, x.lat);
    }
    return b;
}

std::size_t distinctCount(const Vertices& v, std::size_t enough) {
    std::vector<Vertex> seen;
    for (const Vertex& x : v) {
        if (std::find(seen.begin(), seen.end(), x) == seen.end()) seen.push_back(x);
        if (seen.size() >= enough) break;
    }
    return seen.size();
}

struct VertexHash {
    std::size_t operator()(const Vertex& v) const {
        return std::hash<double>()(v.lon) * 31 + std::hash<double>()(v.lat);
    }
};

// The nodes where the closed ring meets itself: GEOS nodes the outline,
// and a point where more than two of the noded pieces end is a crossing
// or a touch.
std::vector<Vertex> selfMeetingPoints(const Geos& geos, const Vertices& ring) {
    Geom line = geos.lineString(ring);
    Geom noded = geos.own(GEOSNode_r(geos.handle(), line.get()));
    std::unordered_map<Vertex, int, VertexHash> ends;
    for (const GEOSGeometry* piece : geos.parts(noded.get())) {
        const Vertices v = geos.vertices(piece);
        if (v.size() < 2) continue;
        ++ends[v.front()];
        ++ends[v.back()];
    }
    std::vector<Vertex> points;
    for (const auto& [point, count] : ends)
        if (count > 2) points.push_back(point);
    std::sort(points.begin(), points.end(), [](Vertex a, Vertex b) { return a.lon < b.lon || (a.lon == b.lon && a.lat < b.lat); });
    return points;
}

double distanceToSegment(Vertex p, Vertex a, Vertex b) {
    const double dx = b.lon - a.lon, dy = b.lat - a.lat;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.lon - a.lon) * dx + (p.lat - a.lat) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.lon - (a.lon + t * dx), p.lat - (a.lat + t * dy));
}

// The edges (numbered by their first vertex) that pass through each point,
// found by sweeping the edges over the points sorted by longitude.
std::vector<std::vector<std::int64_t>> edgesThrough(const std::vector<Vertex>& points, const Vertices& ring) {
    std::vector<std::vector<std::int64_t>> edges(points.size());
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        const Vertex a = ring[i], b = ring[i + 1];
        // A computed crossing lies on its edges up to rounding.
        const double slack = 1e-9 * (1 + std::max({std::abs(a.lon), std::abs(a.lat), std::abs(b.lon), std::abs(b.lat)}));
        const double lo = std::min(a.lon, b.lon) - slack, hi = std::max(a.lon, b.lon) + slack;
        auto it = std::lower_bound(points.begin(), points.end(), lo, [](Vertex p, double x) { return p.lon < x; });
        for (; it != points.end() && it->lon <= hi; ++it)
            if (distanceToSegment(*it, a, b) <= slack) edges[static_cast<std::size_t>(it - points.begin())].push_back(static_cast<std::int64_t>(i));
    }
    return edges;
}

void addSelfIntersections(const Geos& geos, int ringIndex, const Vertices& ring, std::vector<Problem>& out) {
    const std::vector<Vertex> points = selfMeetingPoints(geos, ring);
    if (points.empty()) return;
    const auto edges = edgesThrough(points, ring);
    const auto edgeCount = static_cast<std::int64_t>(ring.size() - 1);
    const std::size_t first = out.size();
    for (std::size_t k = 0; k < points.size(); ++k) {
        const auto& through = edges[k];
        Problem p{ProblemKind::SelfIntersection, ringIndex, -1, -1, -1, points[k]};
        p.place = points[k];
        if (!through.empty()) p.vertex = through.front();
        // The second edge is the first one that is not a neighbour of the first.
        for (std::int64_t e : through) {
            const std::int64_t gap = std::abs(e - p.vertex);
            if (gap > 1 && gap != edgeCount - 1) {
                p.otherVertex = e;
                break;
            }
        }
        out.push_back(p);
    }
    // Along the ring, as the user will walk through them.
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                     [](const Problem& a, const Problem& b) { return a.vertex < b.vertex; });
}

void addRingProblems(const Geos& geos, int ringIndex, const Vertices& raw, std::vector<Problem>& out) {
    if (raw.empty()) return;
    if (distinctCount(raw, 3) < 3) {
        out.push_back({ProblemKind::TooFewVertices, ringIndex, -1, -1, -1, raw.front()});
        return;
    }
    if (raw.front() != raw.back())
        out.push_back({ProblemKind::NotClosed, ringIndex, static_cast<std::int64_t>(raw.size() - 1), -1, -1, raw.back()});
    for (std::size_t i = 1; i < raw.size(); ++i)
        if (raw[i] == raw[i - 1]) out.push_back({ProblemKind::RepeatedVertex, ringIndex, static_cast<std::int64_t>(i), -1, -1, raw[i]});
    addSelfIntersections(geos, ringIndex, closed(raw), out);
}

struct Area {
    int ring;
    Bounds bounds;
    Geom polygon;
    Prepared prepared;
};

// Pairs of outer rings whose interiors meet, and holes no outer ring covers.
void addRelations(const Geos& geos, std::vector<Area>& outers, std::vector<Area>& holes, std::vector<Problem>& out) {
    std::sort(outers.begin(), outers.end(), [](const Area& a, const Area& b) { return a.bounds.minLon < b.bounds.minLon; });
    for (std::size_t i = 0; i < outers.size(); ++i) {
        for (std::size_t j = i + 1; j < outers.size() && outers[j].bounds.minLon <= outers[i].bounds.maxLon; ++j) {
            if (!outers[i].bounds.meets(outers[j].bounds)) continue;
            try {
                const Prepared& a = outers[i].prepared;
                const GEOSGeometry* b = outers[j].polygon.get();
                if (!geos.check(GEOSPreparedIntersects_r(geos.handle(), a.get(), b))) continue;
                if (geos.check(GEOSPreparedTouches_r(geos.handle(), a.get(), b))) continue;
            } catch (const GeosError&) {
                continue;  // a self-crossing ring has no clear area; its crossing is listed already
            }
            const int first = std::min(outers[i].ring, outers[j].ring), second = std::max(outers[i].ring, outers[j].ring);
            Problem p{ProblemKind::OuterOverlap, first, -1, -1, second, {}};
            const Geom& g = outers[i].ring == first ? outers[i].polygon : outers[j].polygon;
            p.place = geos.shell(g.get()).front();
            out.push_back(p);
        }
    }
    for (const Area& hole : holes) {
        bool inside = false;
        for (const Area& outer : outers) {
            if (!outer.bounds.meets(hole.bounds)) continue;
            try {
                inside = geos.check(GEOSPreparedCovers_r(geos.handle(), outer.prepared.get(), hole.polygon.get()));
            } catch (const GeosError&) {
                inside = true;  // no clear answer: not reported
            }
            if (inside) break;
        }
        if (!inside) out.push_back({ProblemKind::HoleOutside, hole.ring, -1, -1, -1, geos.shell(hole.polygon.get()).front()});
    }
}

}  // namespace

std::vector<Problem> checkDocument(const std::vector<RingText>& rings) {
    Geos geos;
    std::vector<Problem> out;
    std::vector<Area> outers, holes;
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const int ringIndex = static_cast<int>(k);
        const Vertices raw = verticesOf(rings[k].lines);
        const std::size_t before = out.size();
        addRingProblems(geos, ringIndex, raw, out);
        const bool hasArea = std::none_of(out.begin() + static_cast<std::ptrdiff_t>(before), out.end(),
                                          [](const Problem& p) { return p.kind == ProblemKind::TooFewVertices; });
        if (raw.empty() || !hasArea) continue;
        Geom polygon = geos.polygon(raw);
        Prepared prepared = geos.prepare(polygon.get());
        Area area{ringIndex, boundsOf(raw), std::move(polygon), std::move(prepared)};
        (isHoleName(rings[k].name) ? holes : outers).push_back(std::move(area));
    }
    std::vector<Problem> relations;
    addRelations(geos, outers, holes, relations);
    std::sort(relations.begin(), relations.end(), [](const Problem& a, const Problem& b) { return a.ring < b.ring; });
    out.insert(out.end(), relations.begin(), relations.end());
    return out;
}

std::string describe(const Problem& p) {
    const std::string ring = "Ring " + std::to_string(p.ring + 1) + ": ";
    const std::string at = shortestText(p.place.lon) + " " + shortestText(p.place.lat);
    auto edge = [](std::int64_t first) { return std::to_string(first + 1) + "-" + std::to_string(first + 2); };
    switch (p.kind) {
    case ProblemKind::SelfIntersection:
        if (p.vertex >= 0 && p.otherVertex >= 0)
            return ring + "edges " + edge(p.vertex) + " and " + edge(p.otherVertex) + " cross at " + at;
        if (p.vertex >= 0) return ring + "the ring meets itself on edge " + edge(p.vertex) + " at " + at;
        return ring + "the ring meets itself at " + at;
    case ProblemKind::RepeatedVertex:
        return ring + "vertex " + std::to_string(p.vertex + 1) + " repeats vertex " + std::to_string(p.vertex) + " (" + at + ")";
    case ProblemKind::NotClosed:
        return ring + "not closed: the last vertex, " + std::to_string(p.vertex + 1) + " (" + at + "), is not the first";
    case ProblemKind::TooFewVertices:
        return ring + "fewer than three distinct vertices";
    case ProblemKind::HoleOutside:
        return ring + "hole outside every outer ring";
    case ProblemKind::OuterOverlap:
        return ring + "overlaps ring " + std::to_string(p.otherRing + 1);
    }
    return ring;
}

}  // namespace tess
