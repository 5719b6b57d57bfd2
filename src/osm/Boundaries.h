// The boundaries an OpenStreetMap file holds: every relation tagged
// type=boundary or type=multipolygon, found in one pass over its relations
// (.osm.pbf, .osm, .osm.bz2, .osm.gz or .opl, read by libosmium). Only the
// relations are kept, never the file: a country extract of several
// gigabytes is listed in the memory its relations take.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tess {

// A way among a relation's members; `inner` when its role says so.
struct BoundaryWay {
    std::int64_t id = 0;
    bool inner = false;
};

// A relation among a relation's members (a subarea, say): it is named,
// never assembled.
struct NestedRelation {
    std::int64_t id = 0;
    std::string role;
};

struct Boundary {
    std::int64_t id = 0;
    std::string name;        // the name tag, or empty
    std::string adminLevel;  // admin_level, or empty
    std::string kind;        // the boundary tag (administrative, ...), or empty
    std::string type;        // boundary or multipolygon
    std::vector<BoundaryWay> ways;
    std::vector<NestedRelation> relations;
    std::int64_t memberCount = 0;  // every member, nodes included

    // "62422 (Berlin)", or the id alone for a relation without a name.
    std::string label() const;
};

// Told how far a pass over the file has come (bytes of the file); false
// cancels the work.
using OsmProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

struct BoundaryScan {
    std::vector<Boundary> boundaries;  // in the file's order
    std::string error;                 // the file could not be read: the message
    bool cancelled = false;
    bool ok() const { return error.empty() && !cancelled; }
};

// The file's endings libosmium reads, in lower case.
const std::vector<std::string>& osmFileEndings();

// Every boundary and multipolygon relation of the file.
BoundaryScan scanBoundaries(const std::string& path, const OsmProgress& progress = {});

// Those whose admin_level is `level`, in their order.
std::vector<Boundary> atAdminLevel(const std::vector<Boundary>& boundaries, const std::string& level);

}  // namespace tess
