// What OpenStreetMap XML refuses to hold, the formats' names, and the batch
// verbs' words. (A document written as OSM XML and read back is checked by
// tests/scripts/osm_boundaries.sh.)
#include <gtest/gtest.h>

#include <cmath>

#include "app/CommandLine.h"
#include "formats/DocumentFormats.h"
#include "osm/BoundaryAssembly.h"
#include "osm/Boundaries.h"

using namespace tess;

namespace {

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

TEST(OsmOutlines, AreMeasuredOnTheSphere) {
    const std::string opl = std::string(TESSALINE_TEST_DATA) + "/../osm/cases/square.opl";
    const BoundaryAssembly square = assembleBoundaries(opl, scanBoundaries(opl).boundaries);
    const double r = 6371008.8, band = std::sin(52.6 * M_PI / 180) - std::sin(52.5 * M_PI / 180);
    EXPECT_NEAR(square.outlines.at(0).rings.at(0).squareMetres, r * r * (0.1 * M_PI / 180) * band, 1.0);
}

TEST(OsmCoordinates, AreWrittenExactlyWithAPeriod) {
    EXPECT_EQ(osmCoordinateText(134123456), "13.4123456");
    EXPECT_EQ(osmCoordinateText(130000000), "13.0");
    EXPECT_EQ(osmCoordinateText(-5), "-0.0000005");
    EXPECT_EQ(osmCoordinateText(10), "0.000001");
    EXPECT_EQ(osmCoordinateText(0), "0.0");
}

}  // namespace
