// Union, clip and subtract on the document's area, and its size.
#include "geometry/Areas.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "geometry/Antimeridian.h"
#include "geometry/Geos.h"
#include "geometry/Measure.h"

namespace tess {

namespace {

// The rings of one or more documents in one frame, and which are holes.
struct FramedRings {
    bool shifted = false;
    std::vector<Vertices> rings;
    std::vector<bool> holes;
};

FramedRings framed(const std::vector<const std::vector<RingText>*>& documents) {
    FramedRings out;
    std::vector<Vertices> rings;
    for (const std::vector<RingText>* d : documents)
        for (const RingText& r : *d) {
            rings.push_back(closedVerticesOf(r.lines));
            out.holes.push_back(isHoleName(r.name));
        }
    RingFrame frame = frameOf(std::move(rings));
    out.shifted = frame.shifted;
    out.rings = std::move(frame.rings);
    return out;
}

bool lexicographicallyBefore(Vertex a, Vertex b) { return a.lon < b.lon || (a.lon == b.lon && a.lat < b.lat); }

// Where the westernmost (then southernmost) vertex of a closed ring stands.
std::size_t westernmost(const Vertices& ring) {
    return static_cast<std::size_t>(std::min_element(ring.begin(), ring.end() - 1, lexicographicallyBefore) - ring.begin());
}

// The same closed ring, whichever vertex it starts at and whichever way
// it runs.
bool sameRing(const Vertices& a, const Vertices& b) {
    if (a.size() != b.size() || a.size() < 2) return false;
    const std::size_t n = a.size() - 1, ia = westernmost(a), ib = westernmost(b);
    bool forward = true, backward = true;
    for (std::size_t k = 0; k < n && (forward || backward); ++k) {
        forward = forward && a[(ia + k) % n] == b[(ib + k) % n];
        backward = backward && a[(ia + k) % n] == b[(ib + n - k) % n];
    }
    return forward || backward;
}

// A ring's area as GEOS takes it: a ring that crosses or touches itself
// is repaired to the area it winds around (GEOS's structure method, fast
// on many crossings). The check costs a twentieth of an overlay; running
// the overlay first and repairing only when it fails would cost minutes on
// a ring of many crossings, which GEOS tries to node in several ways
// before it gives up.
Geom validPolygon(const Geos& geos, const Vertices& ring) {
    Geom polygon = geos.polygon(ring);
    if (geos.check(GEOSisValid_r(geos.handle(), polygon.get()))) return polygon;
    return geos.repaired(polygon.get());
}

// GEOS polygons of the rings chosen, in a collection; rings of fewer than
// three distinct vertices enclose nothing and are left out. Each ring's
// vertices go once GEOS holds its copy, so a large ring is held twice at
// most for a moment.
Geom collectionOf(const Geos& geos, FramedRings& f, bool holes, std::size_t from, std::size_t to) {
    std::vector<GEOSGeometry*> polygons;
    try {
        for (std::size_t i = from; i < to; ++i) {
            if (f.holes[i] != holes) continue;
            if (f.rings[i].size() >= 4) polygons.push_back(validPolygon(geos, f.rings[i]).release());
            Vertices().swap(f.rings[i]);
        }
    } catch (...) {
        for (GEOSGeometry* g : polygons) GEOSGeom_destroy_r(geos.handle(), g);
        throw;
    }
    return geos.own(GEOSGeom_createCollection_r(geos.handle(), GEOS_GEOMETRYCOLLECTION, polygons.data(),
                                                static_cast<unsigned>(polygons.size())));
}

// The rings' areas joined; a single area, valid already, needs no join.
Geom joined(const Geos& geos, Geom collection) {
    if (GEOSGetNumGeometries_r(geos.handle(), collection.get()) != 1) return geos.own(GEOSUnaryUnion_r(geos.handle(), collection.get()));
    return geos.own(GEOSGeom_clone_r(geos.handle(), GEOSGetGeometryN_r(geos.handle(), collection.get(), 0)));
}

// The area of rings [from, to): outer rings joined, holes taken out.
Geom areaOf(const Geos& geos, FramedRings& f, std::size_t from, std::size_t to) {
    Geom outers = joined(geos, collectionOf(geos, f, false, from, to));
    Geom holes = collectionOf(geos, f, true, from, to);
    if (GEOSGetNumGeometries_r(geos.handle(), holes.get()) == 0) return outers;
    holes = joined(geos, std::move(holes));
    return geos.own(GEOSDifference_r(geos.handle(), outers.get(), holes.get()));
}

// Turns an area back into rings, reusing the inputs' texts and names.
class RingsFromArea {
public:
    // Before the rings' vertices go to GEOS: only where each begins is kept.
    RingsFromArea(const Geos& geos, const FramedRings& f, const std::vector<RingText>& inputs)
        : geos_(geos), shifted_(f.shifted), inputs_(inputs) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const Vertices& ring = f.rings[i];
            if (ring.size() < 4) continue;
            (f.holes[i] ? holeByWest_ : outerByWest_).try_emplace(key(ring[westernmost(ring)]), i);
        }
    }

    std::vector<RingText> rings(const GEOSGeometry* area) {
        std::vector<Piece> pieces;
        for (const GEOSGeometry* polygon : geos_.parts(area)) {
            if (GEOSGeomTypeId_r(geos_.handle(), polygon) != GEOS_POLYGON) continue;
            Piece piece;
            const auto [outer, origin] = ring(geos_.shell(polygon), false, "");
            piece.origin = origin;
            piece.rings.push_back(outer);
            for (Vertices& hole : geos_.holes(polygon)) piece.rings.push_back(ring(std::move(hole), true, outer.name).first);
            pieces.push_back(std::move(piece));
        }
        // The pieces in the order of the rings they came from.
        std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.origin < b.origin; });
        std::vector<RingText> out;
        for (Piece& p : pieces) std::move(p.rings.begin(), p.rings.end(), std::back_inserter(out));
        for (std::size_t k = 0; k < out.size(); ++k)
            if (out[k].name.empty() || out[k].name == "!") out[k].name += std::to_string(k + 1);
        return out;
    }

private:
    struct Piece {
        std::size_t origin = SIZE_MAX;
        std::vector<RingText> rings;
    };
    using Key = std::pair<double, double>;
    static Key key(Vertex v) { return {v.lon, v.lat}; }

    // The ring's text: the input's own when it is the same ring, else new
    // lines under the input's name it grew from; and that input.
    std::pair<RingText, std::size_t> ring(Vertices v, bool hole, const std::string& outerName) {
        const auto& byWest = hole ? holeByWest_ : outerByWest_;
        const auto found = byWest.find(key(v[westernmost(v)]));
        if (found != byWest.end()) {
            const std::size_t i = found->second;
            if (closedCount(inputs_[i]) == v.size() && sameRing(v, ringInFrame(verticesOf(inputs_[i].lines), shifted_)))
                return {inputs_[i], i};
            return {newRing(inputs_[i].name, hole, std::move(v)), i};
        }
        // A new hole is named after its outer ring; a ring named by its
        // number is numbered by its place below.
        return {newRing(hole ? "!" + outerName : outerName, hole, std::move(v)), SIZE_MAX};
    }

    // The vertices of the input closed, from what reading it found: a ring
    // of another count is not read again to be compared.
    static std::size_t closedCount(const RingText& r) {
        if (!r.facts.known) return closedVerticesOf(r.lines).size();
        const bool open = r.facts.vertices >= 2 && (r.facts.firstLon != r.facts.lastLon || r.facts.firstLat != r.facts.lastLat);
        return static_cast<std::size_t>(r.facts.vertices) + (open ? 1 : 0);
    }

    // A name that is a number, or none, is filled in by the ring's place.
    RingText newRing(std::string name, bool hole, Vertices v) const {
        if (isNumberName(name) || name.empty() || name == "!") name = hole ? "!" : "";
        return ownRingText(std::move(name), vertexLines(shifted_ ? wrapped(std::move(v)) : std::move(v)));
    }

    const Geos& geos_;
    bool shifted_;
    const std::vector<RingText>& inputs_;
    std::map<Key, std::size_t> outerByWest_, holeByWest_;
};

enum class Operation { Union, Clip, Subtract };

std::vector<RingText> operate(Operation op, const std::vector<RingText>& rings, const std::vector<RingText>& other) {
    FramedRings f = framed({&rings, &other});
    Geos geos;
    RingsFromArea back(geos, f, rings);
    const std::size_t n = rings.size(), all = f.rings.size();
    Geom result = areaOf(geos, f, 0, n);
    if (op != Operation::Union) {
        Geom theirs = areaOf(geos, f, n, all);
        result = geos.own(op == Operation::Clip ? GEOSIntersection_r(geos.handle(), result.get(), theirs.get())
                                                : GEOSDifference_r(geos.handle(), result.get(), theirs.get()));
    }
    return back.rings(result.get());
}

struct Box {
    double west, south, east, north;
};

// No two rings' bounds meet, and none is a hole: the area is the sum of
// the rings' own. Gives up (nullopt) after a bounded number of pairs.
std::optional<double> separateRingsArea(const FramedRings& f) {
    std::vector<Box> boxes;
    for (std::size_t i = 0; i < f.rings.size(); ++i) {
        if (f.holes[i]) return std::nullopt;
        const Vertices& r = f.rings[i];
        if (r.size() < 4) continue;
        Box b{r[0].lon, r[0].lat, r[0].lon, r[0].lat};
        for (const Vertex& v : r)
            b.west = std::min(b.west, v.lon), b.east = std::max(b.east, v.lon), b.south = std::min(b.south, v.lat),
            b.north = std::max(b.north, v.lat);
        boxes.push_back(b);
    }
    std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.west < b.west; });
    std::size_t pairs = 0;
    const std::size_t mostPairs = 16 * boxes.size() + 100000;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size() && boxes[j].west <= boxes[i].east; ++j) {
            if (++pairs > mostPairs) return std::nullopt;
            if (boxes[j].south <= boxes[i].north && boxes[i].south <= boxes[j].north) return std::nullopt;
        }
    double sum = 0;
    for (const Vertices& r : f.rings) sum += ringArea(r);
    return sum;
}

double areaOfParts(const Geos& geos, const GEOSGeometry* area) {
    double sum = 0;
    for (const GEOSGeometry* polygon : geos.parts(area)) {
        if (GEOSGeomTypeId_r(geos.handle(), polygon) != GEOS_POLYGON) continue;
        sum += ringArea(geos.shell(polygon));
        for (const Vertices& hole : geos.holes(polygon)) sum -= ringArea(hole);
    }
    return sum;
}

}  // namespace

std::vector<RingText> unionOfRings(const std::vector<RingText>& rings) { return operate(Operation::Union, rings, {}); }

std::vector<RingText> clipRings(const std::vector<RingText>& rings, const std::vector<RingText>& other) {
    return operate(Operation::Clip, rings, other);
}

std::vector<RingText> subtractRings(const std::vector<RingText>& rings, const std::vector<RingText>& other) {
    return operate(Operation::Subtract, rings, other);
}

double documentArea(const std::vector<RingText>& rings) {
    FramedRings f = framed({&rings});
    if (const std::optional<double> separate = separateRingsArea(f)) return *separate;
    Geos geos;
    Geom area = areaOf(geos, f, 0, f.rings.size());
    return areaOfParts(geos, area.get());
}

double ringTextArea(const RingText& ring) { return ringArea(closedVerticesOf(ring.lines)); }

HolesRemoved removeSmallHoles(const std::vector<RingText>& rings, double squareMetres) {
    HolesRemoved out;
    for (const RingText& r : rings) {
        if (isHoleName(r.name) && ringTextArea(r) < squareMetres) ++out.removed;
        else out.rings.push_back(r);
    }
    // A document of holes alone keeps its last one: a document holds a ring.
    if (out.rings.empty() && !rings.empty()) {
        out.rings.push_back(rings.back());
        --out.removed;
    }
    return out;
}

}  // namespace tess
