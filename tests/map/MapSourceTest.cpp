// Sources, addresses, how long a web tile stays fresh, and the map lines
// of the preferences and the command line.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "map/HttpFreshness.h"
#include "map/MapSource.h"
#include "support/TestFiles.h"

using namespace tess;

TEST(MapSource, addressesTakeTheTileAndAFixedSubdomain) {
    EXPECT_EQ(tileAddress("https://{s}.example.org/t/{z}/{x}/{y}.png", {5, 17, 11}), "https://b.example.org/t/5/17/11.png");
    EXPECT_EQ(tileAddress("http://h/{z}/{x}/{y}?k={z}", {1, 1, 0}), "http://h/1/1/0?k=1");
    EXPECT_EQ(tileAddress("http://{s}/{x}{y}", {1, 1, 1}), "http://c/11");
    EXPECT_EQ(serverOf("http://127.0.0.1:8080/1/2/3.png"), "127.0.0.1:8080");
    EXPECT_EQ(serverOf("no scheme"), "");
    EXPECT_TRUE(isTileTemplate("https://t/{z}/{x}/{y}.png"));
    EXPECT_FALSE(isTileTemplate("https://t/{z}/{x}.png"));
    EXPECT_FALSE(isTileTemplate("ftp://t/{z}/{x}/{y}.png"));
    EXPECT_FALSE(isTileTemplate("/tiles/{z}/{x}/{y}.png"));
    EXPECT_EQ(cacheFolderName("http://127.0.0.1:99/{z}/{x}/{y}").substr(0, 13), "127.0.0.1_99-");
    EXPECT_NE(cacheFolderName("http://a/{z}/{x}/{y}.png"), cacheFolderName("http://a/{z}/{x}/{y}.jpg"));
}

TEST(MapSource, choicesReadBackFromTheirLines) {
    for (const MapSource& s : {openStreetMap(), MapSource{MapKind::Url, "http://x/{z}/{x}/{y}", "Me, 2024"},
                               MapSource{MapKind::MbTiles, "/maps/a b.mbtiles", ""}, MapSource{MapKind::Folder, "/t", ""}})
        EXPECT_EQ(sourceFromLine(sourceLine(s)), s);
    EXPECT_EQ(sourceLine(MapSource{}), "none");
    EXPECT_FALSE(sourceFromLine("none"));
    EXPECT_FALSE(sourceFromLine("mbtiles\t"));
    EXPECT_FALSE(sourceFromLine("tiles\t/x"));
    EXPECT_EQ(sourceFromArgument("osm", false), openStreetMap());
    EXPECT_EQ(sourceFromArgument("/a/t.mbtiles", false)->kind, MapKind::MbTiles);
    EXPECT_EQ(sourceFromArgument("/a/tiles", true)->kind, MapKind::Folder);
    EXPECT_EQ(sourceFromArgument("http://x/{z}/{x}/{y}", false)->kind, MapKind::Url);
    EXPECT_FALSE(sourceFromArgument("", false));
    EXPECT_NE(userAgent().find("Tessaline/"), std::string::npos);
}

// HTTP dates, and how long a tile is kept: at least a week.
TEST(HttpFreshness, aTileIsKeptAtLeastAWeek) {
    for (const test::TableRow& row : test::tableRows("http-freshness.txt")) {
        std::string got;
        if (row.input.starts_with("date ")) {
            const auto date = httpDate(row.input.substr(5));
            got = date ? std::to_string(*date) : "none";
        } else {
            std::istringstream fields(row.input.substr(6));
            std::string now, cacheControl, expires;
            std::getline(std::getline(std::getline(fields, now, '|'), cacheControl, '|'), expires);
            got = std::to_string(freshUntil(std::stoll(now), cacheControl, expires));
        }
        EXPECT_EQ(row.expected, got) << "http-freshness.txt:" << row.line;
    }
}

TEST(MapPreferences, theMapRecentMapsAndCacheLimitAreRemembered) {
    Preferences p;
    p.map = sourceLine({MapKind::Url, "http://x/{z}/{x}/{y}", "Me"});
    p.recentMaps = {p.map, sourceLine(openStreetMap())};
    p.mapCacheMegabytes = 200;
    const Preferences back = parsePreferences(preferencesText(p));
    EXPECT_EQ(back.map, p.map);
    EXPECT_EQ(back.recentMaps, p.recentMaps);
    EXPECT_EQ(back.mapCacheMegabytes, 200u);
    // The defaults add nothing to the file; a limit reads within bounds.
    EXPECT_EQ(preferencesText(Preferences()), "keep_proportions=true\n");
    EXPECT_EQ(parsePreferences("map_cache_mb=1\n").mapCacheMegabytes, 10u);
    EXPECT_EQ(parsePreferences("map_cache_mb=50x\n").mapCacheMegabytes, Preferences().mapCacheMegabytes);
}


