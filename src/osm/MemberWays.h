// The member ways of chosen relations, read from the file with the places
// of their nodes: one pass for the ways, one for the nodes they use (in an
// OpenStreetMap file the nodes come first, so one pass cannot know which
// nodes to keep).
#pragma once

#include <osmium/memory/buffer.hpp>
#include <osmium/osm/way.hpp>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "osm/Boundaries.h"

namespace tess {

class MemberWays {
public:
    // Reads the ways named in `wayIds`; the empty text, or the message.
    std::string read(const std::string& path, std::vector<std::int64_t> wayIds, const OsmProgress& progress,
                     bool& cancelled);
    // The way with every node placed, or null when the file lacks it or a
    // node of it.
    const osmium::Way* find(std::int64_t id) const;

private:
    osmium::memory::Buffer ways_{1 << 16, osmium::memory::Buffer::auto_grow::yes};
    std::vector<std::pair<std::int64_t, std::size_t>> offsets_;  // by id
    std::vector<std::int64_t> unplaced_;                          // ways missing a node, by id
};

}  // namespace tess
