// Simplifying a ring in metres.
#include <gtest/gtest.h>

#include "geometry/AreaTestHelpers.h"
#include "geometry/GeometryTestHelpers.h"
#include "geometry/LocalProjection.h"
#include "geometry/Simplify.h"

using namespace tess;
using namespace tess::test;

TEST(LocalProjection, goesThereAndBackAndMeasuresMetres) {
    const LocalProjection p({-4.5, 57.3});
    const Vertex v{-3.9, 57.8};
    const Vertex back = p.inverse(p.forward(v));
    EXPECT_NEAR(v.lon, back.lon, 1e-9);
    EXPECT_NEAR(v.lat, back.lat, 1e-9);
    // A degree of latitude is about 111.2 km on the mean sphere.
    EXPECT_NEAR(111195, p.forward({-4.5, 58.3}).lat, 1);
    // East of the centre, a degree of longitude shrinks with cos(latitude).
    EXPECT_NEAR(111195 * std::cos(57.3 * std::numbers::pi / 180), p.forward({-3.5, 57.3}).lon, 20);
}

TEST(Simplify, aLargerToleranceNeverKeepsMore) {
    const Vertices ring = wavyCircle(-4, 57, 0.5, 5000, 0.01);
    std::size_t last = ring.size();
    for (double metres : {1.0, 10.0, 100.0, 1000.0, 10000.0}) {
        const std::size_t kept = simplifyRing(ring, metres).size();
        EXPECT_LE(kept, last) << metres;
        last = kept;
    }
}

TEST(Simplify, toleranceIsMetresOnTheGround) {
    // A square at 60 degrees north whose east side has 20 teeth 50 m deep
    // (0.0009 degrees of longitude there): 40 m keeps them, 60 m removes them.
    const double tooth = 50 / (111195 * 0.5);
    Vertices ring = {{10, 60}, {10.1, 60}};
    for (int i = 1; i <= 40; ++i) ring.push_back({10.1 + (i % 2) * tooth, 60 + 0.1 * i / 41});
    ring.insert(ring.end(), {{10.1, 60.1}, {10, 60.1}, {10, 60}});
    EXPECT_GE(simplifyRing(ring, 40).size(), 40u);
    EXPECT_EQ(5u, simplifyRing(ring, 60).size());
}

TEST(Simplify, nothingToDoForNoToleranceOrTooFewVertices) {
    const Vertices open = {{0, 0}, {1, 0}, {1, 1}};
    EXPECT_EQ(closed(open), simplifyRing(open, 1000));
    const Vertices ring = wavyCircle(0, 0, 1, 100, 0.01);
    EXPECT_EQ(ring, simplifyRing(ring, 0));
    EXPECT_EQ(ring, simplifyRing(ring, -5));
    const Vertices line = {{0, 0}, {1, 1}};
    EXPECT_EQ(closed(line), simplifyRing(line, 10));
}

// Property: over random star-shaped rings, whatever the tolerance (up to
// far more than the ring), the result is a simple closed ring of the
// original vertices.
TEST(Simplify, givesASimpleClosedRingOfTheOriginalVertices) {
    std::mt19937 random(15);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 60; ++trial) {
        const Vertices ring = randomRing(random, 5, 45, 1.2, 20 + static_cast<int>(unit(random) * 400));
        ASSERT_TRUE(isSimpleRing(ring));
        const double metres = std::pow(10, 1 + 6 * unit(random));
        const Vertices simple = simplifyRing(ring, metres);
        EXPECT_TRUE(isSimpleRing(simple) && simple.size() >= 4) << "trial " << trial << ", " << metres << " m";
        EXPECT_EQ(simple.front(), simple.back());
        for (const Vertex& v : simple) EXPECT_NE(ring.end(), std::find(ring.begin(), ring.end(), v));
    }
}
