// Growing what cannot be grown is refused with a message; a ring that crosses itself everywhere is
// repaired and grown whole; a failure inside GEOS is a GeosError, not the tools' "Not enough memory".
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "geometry/GeometryTestHelpers.h"
#include "geometry/Grow.h"

using namespace tess;
using namespace tess::test;

namespace {

std::string refusal(const Vertices& ring, double metres) try {
    growRing(ring, metres, Corners::Round);
    return "";
} catch (const GeosError& e) {
    return e.what();
}

}  // namespace

TEST(GrowBounds, distancesBeyondTheEarthAreRefused) {
    for (double metres : {20'000'001.0, -20'000'001.0, 1e300, std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_EQ(kBeyondTheEarth, refusal(square(13, 52, 0.2), metres)) << metres;
    EXPECT_EQ("", refusal(square(13, 52, 0.2), -20'000'000.0));
}

TEST(GrowBounds, placesOffTheGlobeAreRefusedAndABayClosedByAGrowIsAHole) {
    for (const Vertices& ring : {square(10, 89.5, 1), square(10, -91, 1), square(359.5, 0, 1)}) EXPECT_EQ(kOffTheGlobe, refusal(ring, 1000));
    for (const Vertices& ring : {square(10, 89, 1), square(10, -90, 1), square(359, 0, 1), square(-360, 0, 1)}) EXPECT_EQ("", refusal(ring, 1000));
    // A square round a bay whose mouth, 55 m wide, closes at 100 m.
    const auto grown = growRing({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0.50025}, {0.2, 0.50025}, {0.2, 0.8}, {0.8, 0.8}, {0.8, 0.2},
                                 {0.2, 0.2}, {0.2, 0.49975}, {0, 0.49975}, {0, 0}}, 100, Corners::Round);
    ASSERT_EQ(2u, grown.size());
    EXPECT_TRUE(!grown[0].hole && grown[1].hole);
}

// Property: a ring of random vertices, crossing itself everywhere, grows
// into simple rings whose outer rings hold every vertex of it.
TEST(GrowBounds, aRingCrossingItselfEverywhereGrowsToHoldAllItsVertices) {
    std::mt19937 random(26);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 12; ++trial) {
        Vertices ring(static_cast<std::size_t>(10 + 5 * trial));
        for (Vertex& v : ring) v = {8 + 0.1 * unit(random), 47 + 0.1 * unit(random)};
        const auto grown = growRing(closed(ring), 50 + 100 * trial, trial % 2 ? Corners::Round : Corners::Mitre);
        Geos geos;
        std::vector<GEOSGeometry*> outers;
        for (const GrownRing& r : grown) {
            EXPECT_TRUE(isSimpleRing(r.vertices)) << "trial " << trial;
            if (!r.hole) outers.push_back(geos.polygon(r.vertices).release());
        }
        Geom all = geos.own(GEOSGeom_createCollection_r(geos.handle(), GEOS_MULTIPOLYGON, outers.data(), static_cast<unsigned>(outers.size())));
        for (const Vertex& v : ring) {
            Geom point = geos.own(GEOSGeom_createPointFromXY_r(geos.handle(), v.lon, v.lat));
            EXPECT_TRUE(geos.check(GEOSIntersects_r(geos.handle(), all.get(), point.get()))) << "trial " << trial;
        }
    }
}

TEST(GrowBounds, aRingWithoutAreaGrowsToNothing) {
    // Three vertices on a meridian, straight in metres too: the repair leaves a line, no area.
    EXPECT_TRUE(growRing({{10, 50}, {10, 51}, {10, 52}, {10, 50}}, 100, Corners::Round).empty());
}

TEST(GrowBounds, aFailureInsideGeosIsAGeosErrorWithItsMessage) {
    Geos geos;
    try {
        geos.own(GEOSGeom_createLinearRing_r(geos.handle(), GEOSCoordSeq_create_r(geos.handle(), 2, 2)));  // too short
        FAIL() << "an open ring was made";
    } catch (const GeosError& e) {
        EXPECT_NE(std::string(e.what()).find("LinearRing"), std::string::npos) << e.what();
    }
}
