#include "map/TileDiskCache.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/Files.h"

namespace fs = std::filesystem;

namespace tess {

namespace {

// First line of every cache file: what it is and the layout's version.
constexpr std::string_view kCacheMagic = "tessaline-tile 1\n";
// A tile larger than this is no tile.
constexpr std::uintmax_t kLargestTileBytes = 8 * 1024 * 1024;

// Reads one line (without its break) from `text` at `at`, or fails.
bool takeLine(const std::string& text, std::size_t& at, std::string& line) {
    const std::size_t end = text.find('\n', at);
    if (end == std::string::npos) return false;
    line = text.substr(at, end - at);
    at = end + 1;
    return true;
}

}  // namespace

TileDiskCache::TileDiskCache(std::string folder, std::uint64_t limitBytes) : folder_(std::move(folder)), limit_(limitBytes) {}

std::string TileDiskCache::pathOf(const std::string& source, TileKey k) const {
    return (fs::path(folder_) / source / std::to_string(k.z) / std::to_string(k.x) / (std::to_string(k.y) + ".tile")).string();
}

std::string cacheFileText(const CachedTile& tile) {
    std::string text(kCacheMagic);
    text += std::to_string(tile.freshUntil) + "\n" + tile.etag + "\n";
    return text + tile.bytes;
}

std::optional<CachedTile> parseCacheFile(const std::string& text) {
    if (text.compare(0, kCacheMagic.size(), kCacheMagic) != 0) return std::nullopt;
    std::size_t at = kCacheMagic.size();
    std::string fresh, etag;
    if (!takeLine(text, at, fresh) || !takeLine(text, at, etag)) return std::nullopt;
    CachedTile tile;
    const auto [end, ec] = std::from_chars(fresh.data(), fresh.data() + fresh.size(), tile.freshUntil);
    if (ec != std::errc() || end != fresh.data() + fresh.size()) return std::nullopt;
    tile.etag = std::move(etag);
    tile.bytes = text.substr(at);
    return tile;
}

std::optional<CachedTile> TileDiskCache::read(const std::string& source, TileKey k) const {
    const std::string path = pathOf(source, k);
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > kLargestTileBytes) return std::nullopt;
    auto tile = parseCacheFile(readWholeFile(path));
    if (tile) fs::last_write_time(path, fs::file_time_type::clock::now(), ec);
    return tile;
}

std::string TileDiskCache::write(const std::string& source, TileKey k, const CachedTile& tile) const {
    const std::string path = pathOf(source, k);
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (ec) return ec.message();
    return writeWholeFile(path, cacheFileText(tile), false);
}

std::uint64_t TileDiskCache::trim() const {
    struct File {
        fs::path path;
        fs::file_time_type used;
        std::uintmax_t size;
    };
    std::vector<File> files;
    std::uint64_t total = 0;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statError;
        if (!it->is_regular_file(statError) || it->path().extension() != ".tile") continue;
        const auto size = it->file_size(statError);
        const auto used = it->last_write_time(statError);
        if (statError) continue;
        files.push_back({it->path(), used, size});
        total += size;
    }
    if (total <= limit_) return 0;
    std::sort(files.begin(), files.end(), [](const File& a, const File& b) { return a.used < b.used; });
    const std::uint64_t goal = limit_ / 10 * 9;
    std::uint64_t freed = 0;
    for (const File& f : files) {
        if (total - freed <= goal) break;
        std::error_code removeError;
        if (fs::remove(f.path, removeError)) freed += f.size;
    }
    return freed;
}

}  // namespace tess
