// Outlines measured on the sphere and coordinates written exactly. (What
// OSM XML is written and refuses to hold are batch cases in tests/cases; a
// document written as OSM XML and read back is checked by
// tests/scripts/osm_boundaries.sh.)
#include <gtest/gtest.h>

#include <cmath>

#include "osm/BoundaryAssembly.h"
#include "osm/Boundaries.h"

using namespace tess;

namespace {

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
