// Where the map under the outline comes from: none, OpenStreetMap's
// tiles, a tile URL template, an MBTiles file or a folder of tiles; how
// such a choice is written in the preferences; and the addresses of web
// tiles.
#pragma once

#include <optional>
#include <string>

#include "map/TileMath.h"

namespace tess {

enum class MapKind { None, OpenStreetMap, Url, MbTiles, Folder };

struct MapSource {
    MapKind kind = MapKind::None;
    std::string location;     // the template, file or folder
    std::string attribution;  // the user's text for a template
    friend bool operator==(const MapSource&, const MapSource&) = default;
};

inline constexpr const char* kOsmTileTemplate = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";

MapSource openStreetMap();

// A template names a web address (http or https) with {z}, {x} and {y}.
bool isTileTemplate(const std::string& text);

// The address of a tile; {s} takes one of a, b, c, always the same for a
// tile, so that its cached copy stays valid.
std::string tileAddress(const std::string& pattern, TileKey k);

// The server a web address names ("host:port"), for counting connections.
std::string serverOf(const std::string& address);

// A name for a template's folder in the disk cache: its server and a
// checksum of the whole template, with no character a path would mind.
std::string cacheFolderName(const std::string& pattern);

// How --map's SOURCE reads: a template, "osm", or a path (a folder is a
// tile folder, anything else an MBTiles file). Empty for empty text.
std::optional<MapSource> sourceFromArgument(const std::string& text, bool isFolder);

// One line of the preferences for a source, and back; a line that is not
// one reads as nothing.
std::string sourceLine(const MapSource& s);
std::optional<MapSource> sourceFromLine(const std::string& line);

// The program and its version, as web servers are told it.
std::string userAgent();

}  // namespace tess
