// Sources, addresses, how long a web tile stays fresh, and the map lines
// of the preferences and the command line.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "map/HttpFreshness.h"
#include "map/MapSource.h"

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

TEST(HttpFreshness, aTileIsKeptAtLeastAWeek) {
    EXPECT_EQ(httpDate("Sun, 06 Nov 1994 08:49:37 GMT"), 784111777);
    EXPECT_EQ(httpDate("Tue, 29 Feb 2000 12:00:00 GMT"), 951825600);
    EXPECT_EQ(httpDate("Tue, 01 Mar 2022 23:59:60 GMT"), 1646179200);  // a leap second
    EXPECT_FALSE(httpDate("Tue, 01 Mar 2022 23:60:00 GMT"));
    EXPECT_FALSE(httpDate("Tue, 01 Mar 2022 23:59:61 GMT"));
    EXPECT_FALSE(httpDate("Sun, 06 Nov 1994 08:49:37 CET"));
    EXPECT_FALSE(httpDate("Sun, 06 Nov 1994 08:49:37 GMT trailing"));
    const std::int64_t now = 1'700'000'000, week = kShortestKeepSeconds;
    EXPECT_EQ(freshUntil(now, "", ""), now + week);
    EXPECT_EQ(freshUntil(now, "no-cache", ""), now + week);
    EXPECT_EQ(freshUntil(now, "max-age=60", ""), now + week);
    EXPECT_EQ(freshUntil(now, "public, Max-Age=2592000", ""), now + 2592000);
    EXPECT_EQ(freshUntil(0, "", "Thu, 01 Jan 1970 00:00:00 GMT"), week);
    EXPECT_EQ(freshUntil(784111777 - 30 * 86400, "", "Sun, 06 Nov 1994 08:49:37 GMT"), 784111777);
    // A max-age without a number is none: Expires says.
    for (const char* broken : {"max-age=", "max-age=soon"})
        EXPECT_EQ(freshUntil(0, broken, "Sun, 06 Nov 1994 08:49:37 GMT"), 784111777) << broken;
    // Cache-Control rules over Expires.
    EXPECT_EQ(freshUntil(now, "max-age=1000000", "Thu, 01 Jan 1970 00:00:00 GMT"), now + 1000000);
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
}


