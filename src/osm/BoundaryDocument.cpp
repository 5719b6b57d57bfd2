#include "osm/BoundaryDocument.h"

#include <algorithm>

#include "platform/Messages.h"

namespace tess {

namespace {

// An outer ring and the holes that follow it.
struct RingGroup {
    std::vector<const OutlineRing*> rings;
    double squareMetres = 0;
};

std::string linesOf(const OutlineRing& ring) {
    std::string lines;
    for (const OsmPoint& p : ring.points) lines += "   " + osmCoordinateText(p.x) + " " + osmCoordinateText(p.y) + "\n";
    return lines;
}

}  // namespace

std::string outlineTitle(const std::vector<BoundaryOutline>& outlines) {
    std::string title;
    for (const BoundaryOutline& o : outlines) {
        if (!title.empty()) title += "; ";
        title += o.relation.name.empty() ? "Relation " + std::to_string(o.relation.id) : o.relation.name;
    }
    return title;
}

BoundaryDocument outlineDocument(const std::vector<BoundaryOutline>& outlines) {
    std::vector<RingGroup> groups;
    for (const BoundaryOutline& o : outlines) {
        for (const OutlineRing& ring : o.rings) {
            // The assembler puts an outer ring's holes right after it.
            if (!ring.hole || groups.empty()) groups.push_back({{}, ring.squareMetres});
            groups.back().rings.push_back(&ring);
        }
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const RingGroup& a, const RingGroup& b) { return a.squareMetres > b.squareMetres; });
    BoundaryDocument document;
    std::size_t count = 0;
    for (const RingGroup& g : groups) count += g.rings.size();
    if (count == 0) document.error = kNoRingCloses;
    if (count > static_cast<std::size_t>(kMaxRings)) document.error = kTooManyRings;
    if (!document.ok()) return document;
    document.file.title = outlineTitle(outlines);
    for (const RingGroup& g : groups) {
        for (const OutlineRing* ring : g.rings) {
            const std::string number = std::to_string(document.file.rings.size() + 1);
            document.file.rings.push_back(ownRingText(ring->hole ? "!" + number : number, linesOf(*ring)));
        }
    }
    return document;
}

std::vector<std::string> incompleteRelations(const std::vector<BoundaryOutline>& outlines) {
    std::vector<std::string> lines;
    for (const BoundaryOutline& o : outlines)
        if (!o.complete()) lines.push_back(o.incompleteness());
    return lines;
}

std::vector<std::string> nestedRelations(const std::vector<BoundaryOutline>& outlines) {
    std::vector<std::string> lines;
    for (const BoundaryOutline& o : outlines) {
        const std::vector<NestedRelation>& nested = o.relation.relations;
        if (nested.empty()) continue;
        std::vector<std::string> roles;
        for (const NestedRelation& n : nested)
            if (!n.role.empty() && std::find(roles.begin(), roles.end(), n.role) == roles.end()) roles.push_back(n.role);
        std::string joined;
        for (const std::string& role : roles) joined += (joined.empty() ? "" : ", ") + role;
        lines.push_back(nestedRelationsMessage(o.relation.label(), nested.size(), joined));
    }
    return lines;
}

std::vector<OutlinePlace> problemPlaces(const std::vector<BoundaryOutline>& outlines) {
    std::vector<OutlinePlace> places;
    for (const BoundaryOutline& o : outlines) places.insert(places.end(), o.problems.begin(), o.problems.end());
    return places;
}

}  // namespace tess
