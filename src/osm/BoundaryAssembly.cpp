// Each chosen relation is assembled from the member ways the file has. When
// that fails because rings stay open (ways cut off at an extract's edge, or
// never joined), the open places are kept for the user, and the ways that
// make closed chains are assembled again: those are the rings that close.
#include "osm/BoundaryAssembly.h"

#include <osmium/area/assembler.hpp>
#include <osmium/builder/osm_object_builder.hpp>
#include <osmium/osm/area.hpp>

#include <cmath>
#include <cstdlib>
#include <map>
#include <new>

#include "osm/MemberWays.h"
#include "osm/ProblemPlaces.h"
#include "platform/Messages.h"

namespace tess {

namespace {

constexpr double kEarthRadius = 6371008.8;  // the mean radius, in metres
constexpr std::int64_t kPrecision = osmium::detail::coordinate_precision;  // steps a degree

// The area a ring encloses on the sphere, by the sum of its edges' bands.
double squareMetresOf(const std::vector<OsmPoint>& points) {
    const double toRadians = M_PI / 180 / kPrecision;
    double sum = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const OsmPoint& a = points[i - 1];
        const OsmPoint& b = points[i];
        sum += static_cast<double>(b.x - a.x) * toRadians * (2 + std::sin(a.y * toRadians) + std::sin(b.y * toRadians));
    }
    return std::fabs(sum) * kEarthRadius * kEarthRadius / 2;
}

struct Member {
    const osmium::Way* way;
    bool inner;
};

// The assembler's outline of `relation` made of `members`, or nothing.
std::vector<OutlineRing> assemble(std::int64_t relation, const std::vector<Member>& members, ProblemPlaces& places) {
    osmium::memory::Buffer relationBuffer{1024, osmium::memory::Buffer::auto_grow::yes};
    {
        osmium::builder::RelationBuilder builder{relationBuffer};
        builder.set_id(relation);
        osmium::builder::RelationMemberListBuilder list{builder};
        for (const Member& m : members) list.add_member(osmium::item_type::way, m.way->id(), m.inner ? "inner" : "outer");
    }
    relationBuffer.commit();
    std::vector<const osmium::Way*> ways;
    for (const Member& m : members) ways.push_back(m.way);

    osmium::area::AssemblerConfig config;
    config.problem_reporter = &places;
    config.create_empty_areas = false;
    osmium::area::Assembler assembler{config};
    osmium::memory::Buffer out{1 << 16, osmium::memory::Buffer::auto_grow::yes};
    std::vector<OutlineRing> rings;
    if (members.empty() || !assembler(relationBuffer.get<osmium::Relation>(0), ways, out)) return rings;
    const auto ringOf = [](const osmium::NodeRefList& nodes, bool hole) {
        OutlineRing ring;
        ring.hole = hole;
        for (const osmium::NodeRef& node : nodes) ring.points.push_back({node.location().x(), node.location().y()});
        ring.squareMetres = squareMetresOf(ring.points);
        return ring;
    };
    for (const osmium::Area& area : out.select<osmium::Area>()) {
        for (const osmium::OuterRing& outer : area.outer_rings()) {
            rings.push_back(ringOf(outer, false));
            for (const osmium::InnerRing& inner : area.inner_rings(outer)) rings.push_back(ringOf(inner, true));
        }
    }
    return rings;
}

// The members whose ways make closed chains: a way with an end that no
// other way's end meets is dropped, and so on until every end is met.
std::vector<Member> closedChains(std::vector<Member> members) {
    const auto key = [](const osmium::NodeRef& n) { return std::make_pair(n.location().x(), n.location().y()); };
    for (bool dropped = true; dropped;) {
        std::map<std::pair<std::int32_t, std::int32_t>, int> ends;
        for (const Member& m : members) {
            ++ends[key(m.way->nodes().front())];
            ++ends[key(m.way->nodes().back())];
        }
        const auto open = [&](const Member& m) {
            return ends[key(m.way->nodes().front())] % 2 != 0 || ends[key(m.way->nodes().back())] % 2 != 0;
        };
        const std::size_t before = members.size();
        std::erase_if(members, open);
        dropped = members.size() != before;
    }
    return members;
}

BoundaryOutline outlineOf(const Boundary& relation, const MemberWays& file) {
    BoundaryOutline outline;
    outline.relation = relation;
    std::vector<Member> members;
    for (const BoundaryWay& w : relation.ways) {
        const osmium::Way* way = file.find(w.id);
        if (way && !way->nodes().empty()) members.push_back({way, w.inner});
        else ++outline.missingWays;
    }
    ProblemPlaces places;
    outline.rings = assemble(relation.id, members, places);
    if (!outline.rings.empty() || members.empty()) return outline;
    // It failed: what was wrong is shown, and the rings that close are kept.
    outline.openEnds = static_cast<std::int64_t>(places.openEnds.size());
    outline.problems = std::move(places.openEnds);
    outline.problems.insert(outline.problems.end(), places.others.begin(), places.others.end());
    ProblemPlaces again;
    outline.rings = assemble(relation.id, closedChains(std::move(members)), again);
    return outline;
}

}  // namespace

std::string BoundaryOutline::incompleteness() const {
    if (missingWays > 0 || openEnds > 0) return incompleteRelationMessage(relation.label(), missingWays, openEnds);
    return unassembledRelationMessage(relation.label(), problems.size());
}

BoundaryAssembly assembleBoundaries(const std::string& path, const std::vector<Boundary>& chosen,
                                    const OsmProgress& progress) {
    BoundaryAssembly assembly;
    std::vector<std::int64_t> wayIds;
    for (const Boundary& b : chosen)
        for (const BoundaryWay& w : b.ways) wayIds.push_back(w.id);
    try {
        MemberWays ways;
        assembly.error = ways.read(path, std::move(wayIds), progress, assembly.cancelled);
        if (!assembly.ok()) return assembly;
        for (const Boundary& b : chosen) assembly.outlines.push_back(outlineOf(b, ways));
    } catch (const std::bad_alloc&) {
        assembly.outlines.clear();
        assembly.error = kNotEnoughMemory;
    }
    return assembly;
}

std::string osmCoordinateText(std::int32_t value) {
    const std::int64_t magnitude = std::abs(static_cast<std::int64_t>(value));
    const std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / kPrecision) + ".";
    std::string digits = std::to_string(magnitude % kPrecision + kPrecision).substr(1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return text + digits;
}

}  // namespace tess
