// Web tiles kept on disk between runs, in the per-user cache folder: one
// file per tile holding its freshness, its ETag and the image bytes.
// Files are written whole under a temporary name and renamed, so two
// windows share the folder without ever reading half a tile. A file's
// modification time is its last use; past the size limit the least
// recently used go first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "map/TileMath.h"

namespace tess {

inline constexpr std::uint64_t kDefaultCacheMegabytes = 500;

struct CachedTile {
    std::string bytes;     // the image as the server sent it
    std::string etag;      // empty when the server gave none
    std::int64_t freshUntil = 0;  // seconds since 1970
};

class TileDiskCache {
public:
    // `folder` holds one folder per source; `limitBytes` bounds them all.
    TileDiskCache(std::string folder, std::uint64_t limitBytes);

    const std::string& folder() const { return folder_; }
    std::string pathOf(const std::string& source, TileKey k) const;

    // The tile, if cached and readable; a read counts as a use.
    std::optional<CachedTile> read(const std::string& source, TileKey k) const;
    // Stores a tile; the system's reason when it could not.
    std::string write(const std::string& source, TileKey k, const CachedTile& tile) const;

    // Removes the least recently used tiles until all of them take at
    // most nine tenths of the limit, when they take more than the limit.
    // Files another window removes meanwhile are passed over. The bytes
    // freed.
    std::uint64_t trim() const;

private:
    std::string folder_;
    std::uint64_t limit_;
};

// The text of a cache file, and back; empty for a file that is not one.
std::string cacheFileText(const CachedTile& tile);
std::optional<CachedTile> parseCacheFile(const std::string& text);

}  // namespace tess
