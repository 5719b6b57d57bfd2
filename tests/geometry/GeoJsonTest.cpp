// GeoJSON in and out: the shapes read, the layout written, and real files
// that come back ring for ring.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/Reader.h"
#include "geometry/GeoJson.h"
#include "geometry/GeometryTestHelpers.h"
#include "support/TestFiles.h"

using namespace tess;
using tess::test::square;

namespace {

RingText ring(const std::string& name, const Vertices& v) { return ownRingText(name, vertexLines(v)); }

std::vector<std::string> names(const PolyFile& f) {
    std::vector<std::string> out;
    for (const RingText& r : f.rings) out.push_back(r.name);
    return out;
}

}  // namespace

TEST(GeoJson, readsFeaturesMultiPolygonsAndCollections) {
    const auto read = parseGeoJson(R"({"type":"FeatureCollection","features":[
        {"type":"Feature","properties":{"name":"Lakes"},"geometry":{"type":"MultiPolygon","coordinates":[
            [[[0,0],[1,0],[1,1],[0,0]]], [[[5,5],[6,5],[6,6],[5,5]],[[5.1,5.1],[5.2,5.2],[5.1,5.2],[5.1,5.1]]]]}},
        {"type":"Feature","properties":null,"geometry":null},
        {"type":"Feature","geometry":{"type":"Point","coordinates":[1,2]}},
        {"type":"Feature","geometry":{"type":"GeometryCollection","geometries":[
            {"coordinates":[[[7,7,100],[8,7,100],[8,8,100],[7,7,100]]],"type":"Polygon"}]}}]})");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ("Lakes", read.file.title);
    EXPECT_EQ((std::vector<std::string>{"1", "2", "!3", "4"}), names(read.file));
    EXPECT_EQ("   7.0 7.0\n   8.0 7.0\n   8.0 8.0\n   7.0 7.0\n", read.file.rings[3].lines);
}

TEST(GeoJson, keepsTheDigitsOfTheFileWhereTheyMakeAVertexLine) {
    const auto read = parseGeoJson(R"({"coordinates":[[[13.40, 52.50],[13,52],[1e-5,1.5E1],[-0,0.0],[13.40,52.50]]],"type":"Polygon"})");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ("   13.40 52.50\n   13.0 52.0\n   0.00001 15.0\n   0.0 0.0\n   13.40 52.50\n", read.file.rings[0].lines);
}

// GeoJSON that holds no area is no document (what is not GeoJSON at all is
// the reader's table).
TEST(GeoJson, refusesWhatHoldsNoArea) {
    EXPECT_EQ(0u, parseGeoJson("[1,2,3]").error.find(kNotGeoJson));
    EXPECT_EQ("No data", parseGeoJson(R"({"type":"Point","coordinates":[0,0]})").error);
    EXPECT_EQ("No data", parseGeoJson(R"({"type":"FeatureCollection","features":[]})").error);
}

TEST(GeoJson, refusesMoreRingsThanADocumentHolds) {
    std::string text = R"({"type":"MultiPolygon","coordinates":[)";
    for (int i = 0; i <= 32767; ++i) text += std::string(i ? "," : "") + "[[[0,0],[1,0],[1,1],[0,0]]]";
    text += "]}";
    EXPECT_EQ("Too many rings: a document holds at most 32,767.", parseGeoJson(text).error);
}

TEST(GeoJson, writesOneFeatureWithHolesInTheirOuterRingAndRfcWinding) {
    // Ring 1 runs clockwise; the hole !3 lies in ring 2 although it follows it only later.
    Vertices clockwise = square(0, 0, 1);
    std::reverse(clockwise.begin(), clockwise.end());
    const std::vector<RingText> rings = {ring("1", clockwise), ring("2", square(5, 5, 1)),
                                         ring("!3", square(5.2, 5.2, 0.5))};
    // Each ring's place in the document and whether winding turned it.
    EXPECT_EQ("{\"type\":\"Feature\",\"properties\":{\"name\":\"A \\\"B\\\"\",\"tessaline_rings\":[[0,1],[1,0],[2,1]]},\"geometry\":{\"type\":\"MultiPolygon\",\"coordinates\":["
              "[[[0,0],[1,0],[1,1],[0,1],[0,0]]],"
              "[[[5,5],[6,5],[6,6],[5,6],[5,5]],[[5.2,5.2],[5.2,5.7],[5.7,5.7],[5.7,5.2],[5.2,5.2]]]]}}\n",
              geoJsonText("A \"B\"", rings));
}

TEST(GeoJson, aHoleGoesToTheOuterRingThatCoversIt) {
    const std::vector<RingText> rings = {ring("1", square(5, 5, 1)), ring("2", square(0, 0, 1)),
                                         ring("!3", square(0.2, 0.2, 0.5)), ring("!4", square(50, 50, 1))};
    const GeoJsonPlan plan = planGeoJson(rings);
    ASSERT_EQ(2u, plan.polygons.size());
    EXPECT_EQ(std::vector<int>{}, plan.polygons[0].holes);
    // A hole outside every outer ring stays with the outer ring before it,
    // or the first when none comes before.
    EXPECT_EQ((std::vector<int>{2, 3}), plan.polygons[1].holes);
    const GeoJsonPlan holeFirst = planGeoJson({ring("!1", square(50, 50, 1)), ring("2", square(5, 5, 1)), ring("3", square(0, 0, 1))});
    ASSERT_EQ(2u, holeFirst.polygons.size());
    EXPECT_EQ(std::vector<int>{0}, holeFirst.polygons[0].holes);
}

TEST(GeoJson, onlyHolesCannotBeWritten) {
    EXPECT_EQ(kNoOuterRing, planGeoJson({ring("!1", square(0, 0, 1))}).error);
}

TEST(GeoJson, ringsOfFewerThanThreeVerticesAreLeftOut) {
    const GeoJsonPlan plan = planGeoJson({ring("1", {{0, 0}, {1, 1}, {0, 0}}), ring("2", {{0, 0}, {0, 0}, {1, 0}, {1, 1}})});
    EXPECT_EQ(std::vector<int>{0}, plan.leftOut);
    ASSERT_EQ(1u, plan.polygons.size());
    EXPECT_EQ(1, plan.polygons[0].outer);
}

// Property: every real file written as GeoJSON and read back has the same
// rings in the same order, holes the same holes, vertex for vertex in the
// same direction from the same first vertex (up to the closing vertex
// GeoJSON adds to an open ring), though RFC 7946 winds some the other way.
TEST(GeoJson, realFilesComeBackRingForRing) {
    for (const std::string& name : test::realPolyFiles()) {
        const PolyLoad load = readPolyFile(test::dataFile(name));
        if (!load.ok()) continue;  // refused files are the reading cases' business
        const GeoJsonRead back = parseGeoJson(geoJsonText(load.file.title, load.file.rings));
        ASSERT_TRUE(back.ok()) << back.error;
        EXPECT_EQ(load.file.title, back.file.title);
        ASSERT_EQ(load.file.rings.size(), back.file.rings.size()) << name;
        for (std::size_t k = 0; k < back.file.rings.size(); ++k) {
            EXPECT_EQ(isHoleName(load.file.rings[k].name), isHoleName(back.file.rings[k].name)) << name << " ring " << k;
            EXPECT_EQ(closed(verticesOf(load.file.rings[k].lines)), closed(verticesOf(back.file.rings[k].lines)))
                << name << " ring " << k;
        }
    }
}
