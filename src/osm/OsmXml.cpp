#include "osm/OsmXml.h"

#include <osmium/builder/attr.hpp>
#include <osmium/io/writer.hpp>
#include <osmium/io/xml_output.hpp>

#include <cmath>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "document/LoadedRing.h"
#include "platform/Files.h"
#include "platform/Messages.h"

namespace tess {

namespace {

using namespace osmium::builder::attr;  // NOLINT: the builder's attribute names read as a sentence

// The document's objects, in the order OSM files keep: nodes, ways, the
// relation. False when a vertex has no place on the globe. New objects
// carry no version, as editors expect of objects not yet uploaded.
bool buildObjects(const Document& d, osmium::memory::Buffer& buffer) {
    std::int64_t nextNode = 0;
    std::vector<std::vector<std::int64_t>> ringNodes;
    for (const RingText& ring : d.rings) {
        std::vector<std::int64_t> nodes;
        double firstLon = 0, firstLat = 0;
        bool onGlobe = true;
        forEachVertexOf(ring.lines, [&](double lon, double lat) {
            if (!(std::fabs(lon) <= 180 && std::fabs(lat) <= 90)) onGlobe = false;
            if (!onGlobe) return;
            // The closing vertex is the first node again, so the way closes.
            if (!nodes.empty() && lon == firstLon && lat == firstLat) return;
            if (nodes.empty()) firstLon = lon, firstLat = lat;
            nodes.push_back(--nextNode);
            osmium::builder::add_node(buffer, _id(nextNode), _location(lon, lat));
        });
        if (!onGlobe) return false;
        if (!nodes.empty()) nodes.push_back(nodes.front());
        ringNodes.push_back(std::move(nodes));
    }
    std::vector<osmium::builder::attr::member_type> members;
    for (std::size_t k = 0; k < ringNodes.size(); ++k) {
        if (ringNodes[k].size() < 4) continue;  // no area: three distinct nodes and the closing one
        const std::int64_t way = -static_cast<std::int64_t>(k) - 1;
        osmium::builder::add_way(buffer, _id(way), _nodes(ringNodes[k].begin(), ringNodes[k].end()));
        members.emplace_back(osmium::item_type::way, way, isHoleName(d.rings[k].name) ? "inner" : "outer");
    }
    std::vector<std::pair<std::string, std::string>> tags{{"type", "multipolygon"}};
    if (!d.title.empty()) tags.emplace_back("name", d.title);
    osmium::builder::add_relation(buffer, _id(-1), _tags(tags), _members(members.begin(), members.end()));
    return true;
}

}  // namespace

std::string writeOsmXml(const Document& d, const std::function<void(std::string_view)>& put) {
    osmium::memory::Buffer buffer{1 << 16, osmium::memory::Buffer::auto_grow::yes};
    if (!buildObjects(d, buffer)) return kOutsideOsmRange;
    // libosmium's writer writes to a file of its own naming; it writes a
    // scratch file, which is then handed on in pieces, so the real target
    // is still replaced whole by the caller.
    std::string scratch = (std::filesystem::temp_directory_path() / "tessaline-osm-XXXXXX").string();
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    std::string error;
    try {
        osmium::io::Header header;
        header.set("generator", "tessaline");
        osmium::io::Writer writer{osmium::io::File{scratch, "osm"}, header, osmium::io::overwrite::allow};
        writer(std::move(buffer));
        writer.close();
        FileReader file(scratch);
        std::string piece(1 << 16, '\0');
        while (const std::size_t n = file.read(piece.data(), piece.size())) put(std::string_view(piece.data(), n));
        error = file.error();
    } catch (const std::exception& e) {
        error = e.what();
    }
    ::unlink(scratch.c_str());
    return error;
}

}  // namespace tess
