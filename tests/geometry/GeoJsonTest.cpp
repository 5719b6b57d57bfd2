// GeoJSON in and out beyond the cases in tests/cases (what is read, in
// geojson-reads.txt; what is written, in the geojson-* batch cases): the
// most rings a document holds, and real files that come back ring for ring.
#include <gtest/gtest.h>


#include "document/Reader.h"
#include "geometry/GeoJson.h"
#include "support/TestFiles.h"

using namespace tess;

TEST(GeoJson, refusesMoreRingsThanADocumentHolds) {
    std::string text = R"({"type":"MultiPolygon","coordinates":[)";
    for (int i = 0; i <= 32767; ++i) text += std::string(i ? "," : "") + "[[[0,0],[1,0],[1,1],[0,0]]]";
    text += "]}";
    EXPECT_EQ("Too many rings: a document holds at most 32,767.", parseGeoJson(text).error);
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
