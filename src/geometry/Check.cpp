// The document check. A ring's own problems come from its vertices; the
// places where its outline meets itself from its edges, grouped into
// monotone chains and paired through a GEOS STRtree, so only edges whose
// bounds meet are ever compared. Relations between rings come from GEOS's
// prepared predicates, tried only where the rings' bounds meet.
//
// A random ring of n vertices crosses itself about n² / 10 times, and a
// document of identical rings overlaps in every pair: only the problems
// listed are kept, the rest are counted, and an overlapping ring names
// only the first ring it overlaps, so time and memory follow the vertices
// and the crossings, not their pairs.
#include "geometry/Check.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <queue>
#include <unordered_map>

#include "document/Numbers.h"
#include "geometry/Antimeridian.h"
#include "geometry/Geos.h"
#include "platform/Messages.h"

namespace tess {

namespace {

struct Bounds {
    double minLon = 0, minLat = 0, maxLon = 0, maxLat = 0;
    bool meets(const Bounds& o) const {
        return minLon <= o.maxLon && o.minLon <= maxLon && minLat <= o.maxLat && o.minLat <= maxLat;
    }
    void add(Vertex v) {
        minLon = std::min(minLon, v.lon), maxLon = std::max(maxLon, v.lon);
        minLat = std::min(minLat, v.lat), maxLat = std::max(maxLat, v.lat);
    }
    void add(const Bounds& o) {
        minLon = std::min(minLon, o.minLon), maxLon = std::max(maxLon, o.maxLon);
        minLat = std::min(minLat, o.minLat), maxLat = std::max(maxLat, o.maxLat);
    }
};

Bounds boundsOf(Vertex a, Vertex b) {
    Bounds box{a.lon, a.lat, a.lon, a.lat};
    box.add(b);
    return box;
}

Bounds boundsOf(const Vertices& v) {
    Bounds box{v[0].lon, v[0].lat, v[0].lon, v[0].lat};
    for (const Vertex& x : v) box.add(x);
    return box;
}

bool hasThreeDistinct(const Vertices& v) {
    auto second = std::find_if(v.begin(), v.end(), [&](Vertex x) { return x != v.front(); });
    return second != v.end() && std::any_of(second, v.end(), [&](Vertex x) { return x != v.front() && x != *second; });
}

// Problems in order up to the number listed; the rest are only counted.
class Listing {
public:
    explicit Listing(std::size_t most) : most_(most) {}
    void add(const Problem& p) {
        ++report_.total;
        if (report_.problems.size() < most_) report_.problems.push_back(p);
    }
    void countMore(std::int64_t n) { report_.total += n; }
    std::size_t room() const { return most_ - report_.problems.size(); }
    CheckReport take() { return std::move(report_); }

private:
    std::size_t most_;
    CheckReport report_;
};

struct VertexHash {
    std::size_t operator()(const Vertex& v) const {
        return std::hash<double>()(v.lon) * 31 + std::hash<double>()(v.lat);
    }
};

// Where one ring's outline meets itself. Edges are numbered by their first
// vertex in the closed ring; edges of no length (a repeated vertex) are
// left out, so neighbours are the edges next to each other among the rest.
class SelfMeetings {
public:
    // The ring is taken as closed: an open one ends with an edge back to
    // its first vertex.
    SelfMeetings(const Geos& geos, const Vertices& ring, std::size_t room) : geos_(geos), ring_(ring), room_(room) {
        const std::size_t vertices = ring.size() + (ring.front() != ring.back() ? 1 : 0);
        for (std::size_t i = 0; i + 1 < vertices; ++i)
            if (vertex(i) != vertex(i + 1)) edges_.push_back(static_cast<std::uint32_t>(i));
    }

    // Finds every meeting; the first `room` in the ring's order go to the
    // listing, the others are counted.
    void listInto(int ringIndex, Listing& listing) {
        findAll();
        std::vector<Meeting> first;
        first.reserve(crossings_.size() + touches_.size());
        for (; !crossings_.empty(); crossings_.pop()) first.push_back(crossings_.top());
        for (const auto& [place, m] : touches_) first.push_back(m);
        std::sort(first.begin(), first.end());
        const std::int64_t all = crossingCount_ + static_cast<std::int64_t>(touches_.size());
        const std::size_t listed = std::min(first.size(), room_);
        for (std::size_t k = 0; k < listed; ++k) {
            Meeting& m = first[k];
            if (!m.placed) m.place = crossingPoint(m.edge, m.other);
            listing.add({.kind = ProblemKind::SelfIntersection, .ring = ringIndex, .vertex = m.edge, .otherVertex = m.other, .place = m.place});
        }
        listing.countMore(all - static_cast<std::int64_t>(listed));
    }

private:
    struct Meeting {
        std::int64_t edge = 0, other = 0;
        Vertex place;
        bool placed = false;  // a crossing's point is worked out only when it is listed
        bool operator<(const Meeting& o) const { return edge < o.edge || (edge == o.edge && other < o.other); }
    };
    // A run of edges (positions in edges_) that all head the same way east
    // or west and the same way north or south: no two of them can cross,
    // and the bounds of any stretch of them are those of its two ends.
    struct Chain {
        std::size_t first, last;  // [first, last)
    };

    Vertex vertex(std::size_t i) const { return ring_[i == ring_.size() ? 0 : i]; }
    Vertex start(std::size_t position) const { return vertex(edges_[position]); }
    Vertex end(std::size_t position) const { return vertex(edges_[position] + 1); }
    Bounds stretch(std::size_t first, std::size_t last) const { return boundsOf(start(first), end(last - 1)); }

    static int sign(double d) { return (d > 0) - (d < 0); }

    std::vector<Chain> chains() const {
        std::vector<Chain> out;
        int east = 0, north = 0;
        for (std::size_t p = 0; p < edges_.size(); ++p) {
            const int e = sign(end(p).lon - start(p).lon), n = sign(end(p).lat - start(p).lat);
            const bool turns = (e && east && e != east) || (n && north && n != north);
            if (p == 0 || turns) {
                out.push_back({p, p + 1});
                east = e, north = n;
            } else {
                out.back().last = p + 1;
                east = east ? east : e, north = north ? north : n;
            }
        }
        return out;
    }

    void findAll() {
        const std::vector<Chain> all = chains();
        GEOSContextHandle_t h = geos_.handle();
        GEOSSTRtree* tree = GEOSSTRtree_create_r(h, 10);
        if (!tree) geos_.fail();
        std::vector<Geom> boxes;
        boxes.reserve(all.size());
        try {
            for (std::size_t c = 0; c < all.size(); ++c) {
                const Bounds b = stretch(all[c].first, all[c].last);
                boxes.push_back(geos_.own(GEOSGeom_createRectangle_r(h, b.minLon, b.minLat, b.maxLon, b.maxLat)));
                GEOSSTRtree_insert_r(h, tree, boxes.back().get(), reinterpret_cast<void*>(c));
            }
            struct Query {
                SelfMeetings* self;
                const std::vector<Chain>* chains;
                std::size_t chain;
                std::exception_ptr failure;  // GEOS would swallow it on its way out
            } query{this, &all, 0, nullptr};
            auto visit = [](void* item, void* data) {
                auto* q = static_cast<Query*>(data);
                const auto other = reinterpret_cast<std::size_t>(item);
                if (other <= q->chain || q->failure) return;  // each pair once, and a chain never meets itself
                const Chain& a = (*q->chains)[q->chain];
                const Chain& b = (*q->chains)[other];
                try {
                    q->self->pairUp(a.first, a.last, b.first, b.last);
                } catch (...) {
                    q->failure = std::current_exception();
                }
            };
            for (; query.chain < all.size() && !query.failure; ++query.chain)
                GEOSSTRtree_query_r(h, tree, boxes[query.chain].get(), visit, &query);
            if (query.failure) std::rethrow_exception(query.failure);
        } catch (...) {
            GEOSSTRtree_destroy_r(h, tree);
            throw;
        }
        GEOSSTRtree_destroy_r(h, tree);
        if (failure_) geos_.fail();
    }

    // Two stretches of chains, halved until single edges whose bounds meet.
    void pairUp(std::size_t a0, std::size_t a1, std::size_t b0, std::size_t b1) {
        if (!stretch(a0, a1).meets(stretch(b0, b1))) return;
        if (a1 - a0 == 1 && b1 - b0 == 1) return meet(a0, b0);
        if (a1 - a0 >= b1 - b0) {
            const std::size_t mid = a0 + (a1 - a0) / 2;
            pairUp(a0, mid, b0, b1);
            pairUp(mid, a1, b0, b1);
        } else {
            const std::size_t mid = b0 + (b1 - b0) / 2;
            pairUp(a0, a1, b0, mid);
            pairUp(a0, a1, mid, b1);
        }
    }

    // Which side of the line a-b the point c lies on: 1 left, -1 right, 0
    // on it. Plain arithmetic decides unless it is too close to call.
    int orientation(Vertex a, Vertex b, Vertex c) {
        const double left = (b.lon - a.lon) * (c.lat - a.lat), right = (b.lat - a.lat) * (c.lon - a.lon);
        const double det = left - right, bound = 1e-14 * (std::abs(left) + std::abs(right));
        if (det > bound) return 1;
        if (det < -bound) return -1;
        const int exact = GEOSOrientationIndex_r(geos_.handle(), a.lon, a.lat, b.lon, b.lat, c.lon, c.lat);
        if (exact == 2) failure_ = true;
        return exact == 2 ? 0 : exact;
    }

    bool neighbours(std::size_t p, std::size_t q) const {
        const std::size_t last = edges_.size() - 1;
        return p + 1 == q || q + 1 == p || (p == 0 && q == last) || (q == 0 && p == last);
    }

    // Where the edges at positions p and q meet, if they do.
    void meet(std::size_t p, std::size_t q) {
        if (p > q) std::swap(p, q);
        const Vertex a = start(p), b = end(p), c = start(q), d = end(q);
        if (neighbours(p, q)) return spike(p, q);
        const int o1 = orientation(a, b, c), o2 = orientation(a, b, d);
        if (o1 == 0 && o2 == 0) return overlap(p, q);
        if (o1 * o2 > 0) return;
        const int o3 = orientation(c, d, a), o4 = orientation(c, d, b);
        if (o3 * o4 > 0) return;
        if (o1 == 0) return touch(p, q, c);
        if (o2 == 0) return touch(p, q, d);
        if (o3 == 0) return touch(p, q, a);
        if (o4 == 0) return touch(p, q, b);
        ++crossingCount_;
        crossings_.push({edges_[p], edges_[q], {}, false});
        if (crossings_.size() > room_) crossings_.pop();
    }

    // Collinear edges share the stretch between the inner two of their ends.
    void overlap(std::size_t p, std::size_t q) {
        const Vertex a = start(p), b = end(p), c = start(q), d = end(q);
        const bool alongLon = std::abs(b.lon - a.lon) >= std::abs(b.lat - a.lat);
        auto key = [&](Vertex v) { return alongLon ? v.lon : v.lat; };
        auto lower = [&](Vertex x, Vertex y) { return key(x) < key(y); };
        const Vertex from = std::max(std::min(a, b, lower), std::min(c, d, lower), lower);
        const Vertex to = std::min(std::max(a, b, lower), std::max(c, d, lower), lower);
        if (key(to) < key(from)) return;
        touch(p, q, from);
        if (from != to) touch(p, q, to);
    }

    // Neighbouring edges share a vertex; they meet elsewhere only when the
    // second runs back along the first.
    void spike(std::size_t p, std::size_t q) {
        // p before q along the ring: p's end is q's start.
        if (p == 0 && q == edges_.size() - 1) std::swap(p, q);
        const Vertex a = start(p), b = end(p), d = end(q);
        if (orientation(a, b, d) != 0) return;
        const double back = (d.lon - b.lon) * (a.lon - b.lon) + (d.lat - b.lat) * (a.lat - b.lat);
        if (back <= 0) return;
        const double toA = std::hypot(a.lon - b.lon, a.lat - b.lat), toD = std::hypot(d.lon - b.lon, d.lat - b.lat);
        touch(std::min(p, q), std::max(p, q), toD <= toA ? d : a);
    }

    // A meeting at a vertex is found once for every pair of edges through
    // it; it is one problem, named by its first pair.
    void touch(std::size_t p, std::size_t q, Vertex at) {
        const Meeting m{edges_[p], edges_[q], at, true};
        auto [it, added] = touches_.try_emplace(at, m);
        if (!added && m < it->second) it->second = m;
    }

    Vertex crossingPoint(std::int64_t e, std::int64_t f) {
        const Vertex a = vertex(static_cast<std::size_t>(e)), b = vertex(static_cast<std::size_t>(e) + 1);
        const Vertex c = vertex(static_cast<std::size_t>(f)), d = vertex(static_cast<std::size_t>(f) + 1);
        Vertex at;
        if (GEOSSegmentIntersection_r(geos_.handle(), a.lon, a.lat, b.lon, b.lat, c.lon, c.lat, d.lon, d.lat, &at.lon, &at.lat) != 1)
            at = c;  // too close to call for GEOS as well: the second edge's start is as good a place
        return at;
    }

    const Geos& geos_;
    const Vertices& ring_;
    std::size_t room_;
    std::vector<std::uint32_t> edges_;
    // The first crossings in the ring's order, the last of them on top.
    std::priority_queue<Meeting> crossings_;
    std::int64_t crossingCount_ = 0;
    std::unordered_map<Vertex, Meeting, VertexHash> touches_;
    bool failure_ = false;
};

void addOutOfRange(int ringIndex, const Vertices& raw, Listing& listing) {
    Problem p{.kind = ProblemKind::OutOfRange, .ring = ringIndex};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (std::abs(raw[i].lon) <= 180 && std::abs(raw[i].lat) <= 90) continue;
        if (p.vertex < 0) p.vertex = static_cast<std::int64_t>(i), p.place = raw[i];
        else ++p.more;
    }
    if (p.vertex >= 0) listing.add(p);
}

// A ring's own problems; false when it has no area to relate to others.
bool addRingProblems(const Geos& geos, int ringIndex, const Vertices& raw, Listing& listing) {
    if (raw.empty()) return false;
    addOutOfRange(ringIndex, raw, listing);
    if (!hasThreeDistinct(raw)) {
        listing.add({.kind = ProblemKind::TooFewVertices, .ring = ringIndex, .place = raw.front()});
        return false;
    }
    if (raw.front() != raw.back())
        listing.add({.kind = ProblemKind::NotClosed, .ring = ringIndex, .vertex = static_cast<std::int64_t>(raw.size() - 1), .place = raw.back()});
    for (std::size_t i = 1; i < raw.size(); ++i)
        if (raw[i] == raw[i - 1])
            listing.add({.kind = ProblemKind::RepeatedVertex, .ring = ringIndex, .vertex = static_cast<std::int64_t>(i), .place = raw[i]});
    // A ring across the ±180° line meets itself only where it does whole.
    const bool acrossTheLine = crossesAntimeridian(raw);
    if (acrossTheLine) {
        std::size_t end = 1;
        while (end < raw.size() && !jumpsAcrossAntimeridian(raw[end - 1], raw[end])) ++end;
        const std::size_t start = end - 1;
        end %= raw.size();  // past the last vertex: the edge back to the first of an open ring
        listing.add({.kind = ProblemKind::CrossesAntimeridian, .ring = ringIndex, .vertex = static_cast<std::int64_t>(end),
                     .otherVertex = static_cast<std::int64_t>(start), .place = raw[end]});
    }
    const Vertices whole = acrossTheLine ? unwrapped(raw) : Vertices();
    SelfMeetings(geos, acrossTheLine ? whole : raw, listing.room()).listInto(ringIndex, listing);
    return true;
}

// The rings' areas as GEOS polygons, made when a predicate first needs
// them, so a document whose rings lie apart never holds them.
class Areas {
public:
    Areas(const Geos& geos, const std::vector<RingText>& rings, bool shifted)
        : geos_(geos), rings_(rings), shifted_(shifted), made_(rings.size()) {}

    struct Area {
        Geom polygon;
        Prepared prepared;
    };
    Area& at(int ring) {
        std::optional<Area>& a = made_[static_cast<std::size_t>(ring)];
        if (!a) {
            Geom polygon = geos_.polygon(ringInFrame(verticesOf(rings_[static_cast<std::size_t>(ring)].lines), shifted_));
            Prepared prepared = geos_.prepare(polygon.get());
            a = Area{std::move(polygon), std::move(prepared)};
        }
        return *a;
    }

private:
    const Geos& geos_;
    const std::vector<RingText>& rings_;
    bool shifted_;  // in the frame that keeps rings across the ±180° line whole
    std::vector<std::optional<Area>> made_;
};

// Outer rings overlap when their interiors meet: each ring that overlaps
// later ones names the first of them. The rings' bounds are held in a
// tree over the document's order, each node the bounds of its rings
// together, so the next ring whose bounds meet a ring's is found without
// passing the rings between: a document of rings piled on each other
// costs a few steps a ring, not the whole pile.
class Overlaps {
public:
    Overlaps(const Geos& geos, Areas& areas, const std::vector<Bounds>& bounds, const std::vector<bool>& outer)
        : geos_(geos), areas_(areas) {
        while (leaves_ < bounds.size()) leaves_ *= 2;
        tree_.assign(2 * leaves_, kNowhere);
        for (std::size_t k = 0; k < bounds.size(); ++k)
            if (outer[k]) tree_[leaves_ + k] = bounds[k];
        for (std::size_t node = leaves_ - 1; node >= 1; --node) {
            tree_[node] = tree_[2 * node];
            tree_[node].add(tree_[2 * node + 1]);
        }
    }

    // The first later outer ring the ring overlaps.
    std::optional<int> firstAfter(int ring) {
        const Bounds box = tree_[leaves_ + static_cast<std::size_t>(ring)];
        for (std::size_t k = next(1, 0, leaves_, static_cast<std::size_t>(ring) + 1, box); k < leaves_;
             k = next(1, 0, leaves_, k + 1, box))
            if (overlap(ring, static_cast<int>(k))) return static_cast<int>(k);
        return std::nullopt;
    }

private:
    static constexpr double kInf = std::numeric_limits<double>::infinity();
    // Bounds that meet nothing: a hole's, or a ring's without area.
    static constexpr Bounds kNowhere{kInf, kInf, -kInf, -kInf};

    // The first ring from `from` on, under the node for [lo, hi), whose
    // bounds meet the box; `leaves_` when there is none.
    std::size_t next(std::size_t node, std::size_t lo, std::size_t hi, std::size_t from, const Bounds& box) const {
        if (hi <= from || !tree_[node].meets(box)) return leaves_;
        if (hi - lo == 1) return lo;
        const std::size_t mid = lo + (hi - lo) / 2;
        const std::size_t left = next(2 * node, lo, mid, from, box);
        return left < leaves_ ? left : next(2 * node + 1, mid, hi, from, box);
    }

    bool overlap(int a, int b) {
        try {
            const GEOSPreparedGeometry* first = areas_.at(a).prepared.get();
            const GEOSGeometry* second = areas_.at(b).polygon.get();
            return geos_.check(GEOSPreparedIntersects_r(geos_.handle(), first, second)) &&
                   !geos_.check(GEOSPreparedTouches_r(geos_.handle(), first, second));
        } catch (const GeosError&) {
            return false;  // a self-crossing ring has no clear area; its crossing is listed already
        }
    }

    const Geos& geos_;
    Areas& areas_;
    std::size_t leaves_ = 1;
    std::vector<Bounds> tree_;
};

// All outer rings together, for the holes to lie in; those that cross
// themselves have no clear area and are left out.
std::optional<Prepared> outerUnion(const Geos& geos, Areas& areas, const std::vector<int>& outers, Geom& keep) {
    try {
        std::vector<GEOSGeometry*> parts;
        for (int ring : outers) {
            const GEOSGeometry* polygon = areas.at(ring).polygon.get();
            if (geos.check(GEOSisValid_r(geos.handle(), polygon))) parts.push_back(GEOSGeom_clone_r(geos.handle(), polygon));
        }
        Geom all = geos.own(GEOSGeom_createCollection_r(geos.handle(), GEOS_GEOMETRYCOLLECTION, parts.data(),
                                                        static_cast<unsigned>(parts.size())));
        keep = geos.own(GEOSUnaryUnion_r(geos.handle(), all.get()));
        return geos.prepare(keep.get());
    } catch (const GeosError&) {
        return std::nullopt;
    }
}

// What the first look at each ring keeps for the relations.
struct RingSummary {
    bool hasArea = false;
    Bounds bounds;
    Vertex first;
};

void addRelations(const Geos& geos, const std::vector<RingText>& rings, const std::vector<RingSummary>& summary,
                  bool shifted, Listing& listing) {
    std::vector<int> outers, holes;
    std::vector<Bounds> bounds;
    std::vector<bool> outer;
    for (std::size_t k = 0; k < rings.size(); ++k) {
        bounds.push_back(summary[k].bounds);
        outer.push_back(summary[k].hasArea && !isHoleName(rings[k].name));
        if (summary[k].hasArea) (outer.back() ? outers : holes).push_back(static_cast<int>(k));
    }
    Areas areas(geos, rings, shifted);
    Overlaps overlaps(geos, areas, bounds, outer);
    Geom together;
    std::optional<Prepared> cover;
    if (!holes.empty() && !outers.empty()) cover = outerUnion(geos, areas, outers, together);
    for (std::size_t k = 0; k < rings.size(); ++k) {
        if (!summary[k].hasArea) continue;
        const int ring = static_cast<int>(k);
        const Vertex place = summary[k].first;
        if (!isHoleName(rings[k].name)) {
            if (const std::optional<int> other = overlaps.firstAfter(ring))
                listing.add({.kind = ProblemKind::OuterOverlap, .ring = ring, .otherRing = *other, .place = place});
            continue;
        }
        bool inside = false;
        try {
            inside = cover && geos.check(GEOSPreparedCovers_r(geos.handle(), cover->get(), areas.at(ring).polygon.get()));
        } catch (const GeosError&) {
            inside = true;  // no clear answer: not reported
        }
        if (!inside) listing.add({.kind = ProblemKind::HoleOutside, .ring = ring, .place = place});
    }
}

}  // namespace

CheckReport checkDocument(const std::vector<RingText>& rings, std::size_t mostListed) {
    Geos geos;
    Listing listing(mostListed);
    std::vector<RingSummary> summary(rings.size());
    // Rings relate to each other in the frame that keeps any ring across
    // the ±180° line whole.
    const bool shifted = anyCrossesAntimeridian(rings);
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const Vertices raw = verticesOf(rings[k].lines);
        if (!addRingProblems(geos, static_cast<int>(k), raw, listing)) continue;
        summary[k] = {true, shifted ? boundsOf(ringInFrame(raw, true)) : boundsOf(raw), raw.front()};
    }
    addRelations(geos, rings, summary, shifted, listing);
    return listing.take();
}

std::vector<Problem> checkDocument(const std::vector<RingText>& rings) {
    return checkDocument(rings, std::numeric_limits<std::size_t>::max()).problems;
}

std::string describe(const Problem& p) {
    const std::string ring = "Ring " + std::to_string(p.ring + 1) + ": ";
    const std::string at = shortestText(p.place.lon) + " " + shortestText(p.place.lat);
    auto edge = [](std::int64_t first) { return std::to_string(first + 1) + "-" + std::to_string(first + 2); };
    switch (p.kind) {
    case ProblemKind::SelfIntersection:
        return ring + "edges " + edge(p.vertex) + " and " + edge(p.otherVertex) + " cross at " + at;
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
    case ProblemKind::CrossesAntimeridian:
        return ring + "edge " + std::to_string(p.otherVertex + 1) + "-" + std::to_string(p.vertex + 1) + " " + kCrossesLine;
    case ProblemKind::OutOfRange:
        return ring + "vertex " + std::to_string(p.vertex + 1) + " (" + at + ") lies outside -180..180, -90..90" +
               (p.more ? ", and " + std::to_string(p.more) + " more" : "");
    }
    return ring;
}

}  // namespace tess
