// Listing a file's boundaries: one pass over its relations alone. For a
// .osm.pbf file libosmium decodes no node or way, so the pass costs the
// reading of the file and little more.
#include <osmium/io/any_input.hpp>
#include <osmium/osm/relation.hpp>

#include "osm/Boundaries.h"
#include "osm/OsmReading.h"
#include "platform/Messages.h"

namespace tess {

namespace {

std::string tagOf(const osmium::Relation& relation, const char* key) {
    const char* value = relation.tags()[key];
    return value ? value : "";
}

Boundary boundaryOf(const osmium::Relation& relation) {
    Boundary b;
    b.id = relation.id();
    b.name = tagOf(relation, "name");
    b.adminLevel = tagOf(relation, "admin_level");
    b.kind = tagOf(relation, "boundary");
    b.type = tagOf(relation, "type");
    for (const osmium::RelationMember& member : relation.members()) {
        ++b.memberCount;
        if (member.type() == osmium::item_type::way)
            b.ways.push_back({member.ref(), std::string_view(member.role()) == "inner"});
        else if (member.type() == osmium::item_type::relation)
            b.relations.push_back({member.ref(), member.role()});
    }
    return b;
}

bool isBoundary(const osmium::Relation& relation) {
    const char* type = relation.tags()["type"];
    return type && (std::string_view(type) == "boundary" || std::string_view(type) == "multipolygon");
}

}  // namespace

std::string Boundary::label() const { return name.empty() ? std::to_string(id) : std::to_string(id) + " (" + name + ")"; }

const std::vector<std::string>& osmFileEndings() {
    static const std::vector<std::string> endings{".osm.pbf", ".pbf", ".osm", ".osm.bz2", ".osm.gz", ".opl"};
    return endings;
}

BoundaryScan scanBoundaries(const std::string& path, const OsmProgress& progress) {
    BoundaryScan scan;
    scan.error = readOsmPass(path, osmium::osm_entity_bits::relation, progress, scan.cancelled,
                             [&](const osmium::OSMObject& object) {
                                 const auto& relation = static_cast<const osmium::Relation&>(object);
                                 if (isBoundary(relation)) scan.boundaries.push_back(boundaryOf(relation));
                             });
    if (!scan.ok()) scan.boundaries.clear();
    return scan;
}

std::vector<Boundary> atAdminLevel(const std::vector<Boundary>& boundaries, const std::string& level) {
    std::vector<Boundary> found;
    std::copy_if(boundaries.begin(), boundaries.end(), std::back_inserter(found),
                 [&](const Boundary& b) { return b.adminLevel == level; });
    return found;
}

}  // namespace tess
