// The disk cache of web tiles: what is written reads back, a file that is
// not a cache file reads as nothing, and past the limit the least
// recently used tiles go first.
#include <gtest/gtest.h>

#include <filesystem>

#include "map/TileDiskCache.h"
#include "support/TestFiles.h"

using namespace tess;
namespace fs = std::filesystem;

TEST(TileDiskCache, aTileReadsBackWithItsEtagAndFreshnessAndNothingElseReadsAsATile) {
    test::TempDir temp;
    const TileDiskCache cache(temp.path(), 1 << 20);
    const CachedTile tile{std::string("\x89PNG\r\n\0bytes\n", 13), "\"abc\"", 1'800'000'000};
    ASSERT_EQ(cache.write("src", {3, 4, 5}, tile), "");
    const auto back = cache.read("src", {3, 4, 5});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes, tile.bytes);
    EXPECT_EQ(back->etag, tile.etag);
    EXPECT_EQ(back->freshUntil, tile.freshUntil);
    EXPECT_FALSE(cache.read("src", {3, 4, 6}));
    // Nothing but the tile is left beside it.
    EXPECT_EQ(test::filesIn(fs::path(cache.pathOf("src", {3, 4, 5})).parent_path().string()), 1u);
    // A file that is not a cache file reads as nothing.
    EXPECT_FALSE(parseCacheFile("tessaline-tile 1\n12x\n\nbytes"));
    EXPECT_FALSE(parseCacheFile("tessaline-tile 1\n12"));
    EXPECT_FALSE(parseCacheFile("tessaline-tile 2\n12\n\nbytes"));
    EXPECT_EQ(parseCacheFile("tessaline-tile 1\n-5\n\n")->freshUntil, -5);
}

TEST(TileDiskCache, pastTheLimitTheLeastRecentlyUsedGoFirst) {
    test::TempDir temp;
    const std::string kilobyte(1000, 'x');
    const TileDiskCache cache(temp.path(), 10'000);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(100);
    for (int k = 0; k < 12; ++k) {
        ASSERT_EQ(cache.write("s", {4, k, 0}, {kilobyte, "", 0}), "");
        fs::last_write_time(cache.pathOf("s", {4, k, 0}), old + std::chrono::hours(k));
    }
    test::writeFile(temp.file("notes.txt"), kilobyte + kilobyte);  // not a tile: never the cache's to remove
    fs::last_write_time(temp.file("notes.txt"), old - std::chrono::hours(1));
    cache.read("s", {4, 0, 0});  // the oldest, used just now
    EXPECT_GT(cache.trim(), 0u);
    EXPECT_TRUE(fs::exists(temp.file("notes.txt")));
    EXPECT_TRUE(cache.read("s", {4, 0, 0}));
    EXPECT_FALSE(cache.read("s", {4, 1, 0}));
    EXPECT_TRUE(cache.read("s", {4, 11, 0}));
}
