// Growing and shrinking rings by metres on the ground.
#include <gtest/gtest.h>

#include "geometry/AreaTestHelpers.h"
#include "geometry/GeometryTestHelpers.h"
#include "geometry/Grow.h"
#include "geometry/LocalProjection.h"

using namespace tess;
using namespace tess::test;

namespace {

// The nearest and furthest a grown ring's outline comes to the ring, in
// metres around the ring's centre: over its vertices and the middles of
// its edges, where arcs drawn as chords come nearest.
struct Reach {
    double nearest = 1e300, furthest = 0;
};

Reach reachOf(const std::vector<GrownRing>& grown, const Vertices& ring) {
    const LocalProjection projection = LocalProjection::around(ring);
    Geos geos;
    Geom outline = geos.lineString(projection.forward(ring));
    Reach reach;
    auto measure = [&](Vertex at) {
        Geom point = geos.own(GEOSGeom_createPointFromXY_r(geos.handle(), at.lon, at.lat));
        double distance = 0;
        if (!GEOSDistance_r(geos.handle(), point.get(), outline.get(), &distance)) throw GeosError(geos.lastError());
        reach.nearest = std::min(reach.nearest, distance);
        reach.furthest = std::max(reach.furthest, distance);
    };
    for (const GrownRing& r : grown) {
        const Vertices metres = projection.forward(r.vertices);
        for (std::size_t i = 0; i + 1 < metres.size(); ++i) {
            measure(metres[i]);
            measure({(metres[i].lon + metres[i + 1].lon) / 2, (metres[i].lat + metres[i + 1].lat) / 2});
        }
    }
    return reach;
}

}  // namespace

// How far an outline moves is the margin properties' below; here its kind
// and shape: round corners add arcs, mitred ones keep a square a square,
// and a shrink takes area, all of it past the middle.
TEST(Grow, roundCornersAddArcsMitredOnesKeepASquareAndAShrinkTakesArea) {
    const Vertices ring = square(13, 52, 0.2);
    const auto round = growRing(ring, 2000, Corners::Round);
    ASSERT_EQ(1u, round.size());
    EXPECT_FALSE(round[0].hole);
    EXPECT_GT(round[0].vertices.size(), 20u);
    EXPECT_EQ(5u, growRing(ring, 2000, Corners::Mitre)[0].vertices.size());
    const auto shrunk = growRing(ring, -1000, Corners::Mitre);
    ASSERT_EQ(1u, shrunk.size());
    EXPECT_LT(areaOf(shrunk[0].vertices), areaOf(ring));
    EXPECT_EQ(5u, shrunk[0].vertices.size());
    EXPECT_TRUE(growRing(square(13, 52, 0.01), -5000, Corners::Round).empty());  // past the middle: nothing
}

TEST(Grow, aHoleGrowsInwardSoTheAreaCoveredGrows) {
    const Vertices hole = square(13, 52, 0.2);
    const auto grown = growRing(hole, 1000, Corners::Round, true);
    ASSERT_EQ(1u, grown.size());
    EXPECT_TRUE(grown[0].hole);
    EXPECT_LT(areaOf(grown[0].vertices), areaOf(hole));
    const auto shrunk = growRing(hole, -1000, Corners::Round, true);
    EXPECT_GT(areaOf(shrunk[0].vertices), areaOf(hole));
}


TEST(Grow, shrinkingAWaistSplitsTheRing) {
    // Two squares joined by a narrow neck about 200 m wide.
    const Vertices dumbbell = {{0, 0}, {0.1, 0}, {0.1, 0.049}, {0.2, 0.049}, {0.2, 0}, {0.3, 0}, {0.3, 0.1},
                               {0.2, 0.1}, {0.2, 0.051}, {0.1, 0.051}, {0.1, 0.1}, {0, 0.1}, {0, 0}};
    const auto pieces = growRing(dumbbell, -500, Corners::Mitre);
    EXPECT_EQ(2u, pieces.size());
}

TEST(Grow, aSelfCrossingRingIsRepairedFirst) {
    const Vertices bowTie = {{0, 0}, {0.1, 0.1}, {0.1, 0}, {0, 0.1}, {0, 0}};
    const auto grown = growRing(bowTie, 100, Corners::Round);
    ASSERT_FALSE(grown.empty());
    for (const auto& r : grown) EXPECT_TRUE(isSimpleRing(r.vertices));
}

// Property: growing or shrinking a random star-shaped ring gives valid
// rings, and growing never loses area.
TEST(Grow, alwaysGivesValidRings) {
    std::mt19937 random(16);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 30; ++trial) {
        const Vertices ring = randomRing(random, -3, 56, 0.15, 10 + static_cast<int>(unit(random) * 200));
        const double metres = (unit(random) - 0.3) * 8000;
        const Corners corners = unit(random) < 0.5 ? Corners::Round : Corners::Mitre;
        const auto result = growRing(ring, metres, corners);
        for (const auto& r : result) EXPECT_TRUE(isSimpleRing(r.vertices)) << "trial " << trial;
        if (metres > 0) {
            ASSERT_FALSE(result.empty());
            EXPECT_GT(areaOf(result[0].vertices), areaOf(ring));
        }
    }
}

// Property: on rings with detail far finer than the distance, which is
// left out for speed, the outline never comes nearer the ring than asked,
// nor more than 5.5 % further (this ring has no corner sharp enough for a
// mitre to reach beyond that); for outer rings and holes, growing and
// shrinking, round corners and mitred.
TEST(Grow, keepsTheMarginAskedAndLittleMore) {
    struct Case {
        double metres;
        Corners corners;
        bool hole;
    };
    const Case cases[] = {{3000, Corners::Round, false}, {-3000, Corners::Round, false}, {3000, Corners::Round, true},
                          {-2000, Corners::Round, true}, {3000, Corners::Mitre, false}, {-3000, Corners::Mitre, true}};
    // About 33 km across, with ripples of 100 m and 30 m.
    const Vertices ring = wavyCircle(-3, 56, 0.3, 4000, 0.001);
    for (const Case& c : cases) {
        const auto grown = growRing(ring, c.metres, c.corners, c.hole);
        ASSERT_FALSE(grown.empty());
        const Reach reach = reachOf(grown, ring);
        const double asked = std::abs(c.metres);
        EXPECT_GE(reach.nearest, asked - 0.01) << c.metres << (c.hole ? " hole" : "");
        EXPECT_LE(reach.furthest, asked * 1.055) << c.metres << (c.hole ? " hole" : "");
    }
}

TEST(Grow, roundCornersComeNoNearerThanAsked) {
    const Vertices ring = square(13, 52, 0.2);
    for (double metres : {500.0, 5000.0, -5000.0}) {
        const Reach reach = reachOf(growRing(ring, metres, Corners::Round), ring);
        EXPECT_GE(reach.nearest, std::abs(metres) - 0.01) << metres;
        EXPECT_LE(reach.furthest, std::abs(metres) * 1.055) << metres;
    }
}
