// A document written as OpenStreetMap XML reads back as the same outline,
// and the batch verbs read their words.
#include <gtest/gtest.h>

#include <random>

#include "app/CommandLine.h"
#include "document/LoadedRing.h"
#include "formats/DocumentFormats.h"
#include "osm/BoundaryAssembly.h"
#include "osm/OsmImport.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

// A ring around (lon, lat) with its vertices on the OpenStreetMap grid.
std::string starLines(std::mt19937& random, double lon, double lat, double radius) {
    std::uniform_int_distribution<int> count(5, 40);
    std::uniform_real_distribution<double> reach(0.5, 1.0);
    const int n = count(random);
    std::string lines, first;
    for (int k = 0; k < n; ++k) {
        const double angle = 2 * M_PI * k / n, r = radius * reach(random);
        const auto grid = [](double degrees) { return osmCoordinateText(static_cast<std::int32_t>(std::lround(degrees * 1e7))); };
        const std::string line = "   " + grid(lon + r * std::cos(angle)) + " " + grid(lat + r * std::sin(angle)) + "\n";
        if (k == 0) first = line;
        lines += line;
    }
    return lines + first;
}

std::string written(const Document& d) {
    std::string text;
    EXPECT_TRUE(osmXmlFormat().write(d, 0, [&](std::string_view piece) { text += piece; }).ok());
    return text;
}

TEST(OsmXml, DocumentsReadBackAsTheSameRingsTitleAndHoles) {
    std::mt19937 random(7);
    test::TempDir dir;
    for (int round = 0; round < 40; ++round) {
        Document d;
        d.title = round % 2 ? "Insel & \"Hafen\" <Süd>" : "Plain";
        const int outers = 1 + round % 3;
        for (int o = 0; o < outers; ++o) {
            // Larger first, as an import orders them, so the order comes back.
            const double x = -170 + round * 8 + o * 2.5, y = 10 - o * 1.5;
            d.rings.push_back(ownRingText(std::to_string(d.rings.size() + 1), starLines(random, x, y, 1.0 / (o + 1))));
            if ((round + o) % 2) d.rings.push_back(ownRingText("!" + std::to_string(d.rings.size() + 1), starLines(random, x, y, 0.2 / (o + 1))));
        }
        const std::string path = dir.file("round.osm");
        test::writeFile(path, written(d));
        const BoundaryImport back = importBoundaries(path, {}, false);
        ASSERT_TRUE(back.ok()) << back.error;
        EXPECT_EQ(back.file.title, d.title);
        ASSERT_EQ(back.file.rings.size(), d.rings.size());
        for (std::size_t k = 0; k < d.rings.size(); ++k) {
            EXPECT_EQ(back.file.rings[k].name, d.rings[k].name);
            // The same vertices, though the assembler may start and turn a ring elsewhere.
            EXPECT_EQ(back.file.rings[k].facts.vertices, d.rings[k].facts.vertices);
            EXPECT_EQ(back.file.rings[k].facts.minLon, d.rings[k].facts.minLon);
            EXPECT_EQ(back.file.rings[k].facts.maxLat, d.rings[k].facts.maxLat);
        }
    }
}

TEST(OsmXml, ObjectsHaveNegativeIdsAndTheRelationIsAMultipolygon) {
    Document d;
    d.title = "T";
    d.rings.push_back(ownRingText("1", "   1.0 1.0\n   2.0 1.0\n   2.0 2.0\n"));
    d.rings.push_back(ownRingText("!2", "   1.2 1.2\n   1.8 1.2\n   1.8 1.8\n   1.2 1.2\n"));
    const std::string xml = written(d);
    EXPECT_NE(xml.find("<node id=\"-1\" lat=\"1\" lon=\"1\"/>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<way id=\"-1\">\n    <nd ref=\"-1\"/>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<member type=\"way\" ref=\"-2\" role=\"inner\"/>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<tag k=\"type\" v=\"multipolygon\"/>"), std::string::npos);
    EXPECT_EQ(xml.find("id=\"1\""), std::string::npos);
    // The open first ring is closed by its first node.
    EXPECT_NE(xml.find("<nd ref=\"-3\"/>\n    <nd ref=\"-1\"/>\n  </way>"), std::string::npos) << xml;
}

TEST(OsmXml, VerticesOffTheGlobeAndOtherOsmKindsAreRefused) {
    Document d;
    d.rings.push_back(ownRingText("1", "   200.0 1.0\n   2.0 1.0\n   2.0 2.0\n"));
    std::string text;
    EXPECT_EQ(osmXmlFormat().write(d, 0, [&](std::string_view piece) { text += piece; }).error, kOutsideOsmRange);
    EXPECT_EQ(osmDataFormat().write(d, 0, [&](std::string_view piece) { text += piece; }).error, kOsmWritesXml);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(formatNamedBy("x.OSM.PBF"), &osmDataFormat());
    EXPECT_EQ(formatNamedBy("x.osm"), &osmXmlFormat());
}

TEST(BoundaryCommandLine, RelationsAdminLevelAndPartialAreRead) {
    CommandLineRead read = readCommandLine({"--convert", "a.osm.pbf", "--relation", "62422", "--relation", "9", "-o", "b.poly", "--partial"});
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.command.relations, (std::vector<std::int64_t>{62422, 9}));
    EXPECT_TRUE(read.command.partial);
    read = readCommandLine({"--list-boundaries", "a.osm.pbf", "--admin-level", "8"});
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.command.verb, Verb::ListBoundaries);
    EXPECT_EQ(read.command.adminLevel, "8");
    for (const char* bad : {"0", "-3", "+3", "3x", ""})
        EXPECT_FALSE(readCommandLine({"--convert", "a.pbf", "--relation", bad, "-o", "b.poly"}).ok()) << bad;
    EXPECT_FALSE(readCommandLine({"--list-boundaries", "a.pbf", "--admin-level", "eight"}).ok());
    EXPECT_FALSE(readCommandLine({"--list-boundaries", "a.pbf", "-o", "x"}).ok());
}

TEST(OsmCoordinates, AreWrittenExactlyWithAPeriod) {
    EXPECT_EQ(osmCoordinateText(134123456), "13.4123456");
    EXPECT_EQ(osmCoordinateText(130000000), "13.0");
    EXPECT_EQ(osmCoordinateText(-5), "-0.0000005");
    EXPECT_EQ(osmCoordinateText(-1800000000), "-180.0");
    EXPECT_EQ(osmCoordinateText(10), "0.000001");
}

}  // namespace
