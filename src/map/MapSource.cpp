#include "map/MapSource.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "platform/Messages.h"
#include "platform/Version.h"

namespace tess {

namespace {

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

constexpr std::array<std::pair<MapKind, const char*>, 4> kKindWords{
    {{MapKind::OpenStreetMap, "osm"}, {MapKind::Url, "url"}, {MapKind::MbTiles, "mbtiles"}, {MapKind::Folder, "folder"}}};

}  // namespace

MapSource openStreetMap() { return {MapKind::OpenStreetMap, kOsmTileTemplate, kOsmAttribution}; }

bool isTileTemplate(const std::string& text) {
    return (startsWith(text, "http://") || startsWith(text, "https://")) && text.find("{z}") != std::string::npos &&
           text.find("{x}") != std::string::npos && text.find("{y}") != std::string::npos;
}

std::string tileAddress(const std::string& pattern, TileKey k) {
    std::string address = pattern;
    replaceAll(address, "{z}", std::to_string(k.z));
    replaceAll(address, "{x}", std::to_string(k.x));
    replaceAll(address, "{y}", std::to_string(k.y));
    const char subdomain[] = {static_cast<char>('a' + (k.x + k.y) % 3), '\0'};
    replaceAll(address, "{s}", subdomain);
    return address;
}

std::string serverOf(const std::string& address) {
    const std::size_t scheme = address.find("://");
    if (scheme == std::string::npos) return {};
    const std::size_t from = scheme + 3;
    const std::size_t end = address.find_first_of("/?#", from);
    return address.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::string cacheFolderName(const std::string& pattern) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : pattern) hash = (hash ^ c) * 1099511628211ull;
    std::string name;
    for (const char c : serverOf(pattern)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
        name += plain ? c : '_';
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return name + "-" + hex;
}

std::optional<MapSource> sourceFromArgument(const std::string& text, bool isFolder) {
    if (text.empty()) return std::nullopt;
    if (text == "osm") return openStreetMap();
    if (startsWith(text, "http://") || startsWith(text, "https://")) return MapSource{MapKind::Url, text, {}};
    return MapSource{isFolder ? MapKind::Folder : MapKind::MbTiles, text, {}};
}

std::string sourceLine(const MapSource& s) {
    for (const auto& [kind, word] : kKindWords)
        if (kind == s.kind) return std::string(word) + "\t" + s.location + "\t" + s.attribution;
    return "none";
}

std::optional<MapSource> sourceFromLine(const std::string& line) {
    const std::size_t first = line.find('\t');
    const std::string word = line.substr(0, first);
    for (const auto& [kind, name] : kKindWords) {
        if (word != name || first == std::string::npos) continue;
        const std::size_t second = line.find('\t', first + 1);
        MapSource s{kind, line.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1), {}};
        if (second != std::string::npos) s.attribution = line.substr(second + 1);
        if (s.location.empty()) return std::nullopt;
        return s;
    }
    return std::nullopt;
}

std::string userAgent() { return std::string("Tessaline/") + kAppVersion + " (polygon filter editor)"; }

}  // namespace tess
