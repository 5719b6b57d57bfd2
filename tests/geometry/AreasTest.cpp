// The laws of union, clip, subtract and small holes, over seeded random
// rings and the real files, measured on the ellipsoid.
#include <gtest/gtest.h>

#include "document/PolyText.h"
#include "geometry/Antimeridian.h"
#include "geometry/AreaTestHelpers.h"
#include "geometry/Areas.h"
#include "geometry/Measure.h"

using namespace tess;
using namespace tess::test;

namespace {

using Rings = std::vector<RingText>;

// Two random rings that overlap (most of the time), near each other.
// A random ring near (lon, lat), written within -180..180.
Rings randomNear(std::mt19937& random, double lon, double lat) {
    std::uniform_real_distribution<double> near(-1.2, 1.2);
    std::uniform_int_distribution<int> n(5, 60);
    return {ringText("r", wrapped(randomRing(random, lon + near(random), lat + near(random), 1.5, n(random))))};
}

Rings joined(Rings a, const Rings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

// Property, on pairs of random rings near Greenwich and across the ±180°
// line: the union and the intersection together hold both areas; a clip
// never grows, and with what subtract keeps makes the whole; every ring
// written stays within -180..180.
TEST(Areas, unionClipAndSubtractAccountForEverySquareMetre) {
    std::mt19937 random(2301);
    std::uniform_real_distribution<double> lat(-60, 60);
    for (int trial = 0; trial < 200; ++trial) {
        const double lon = trial % 3 == 0 ? 179.5 : trial % 40, y = lat(random);
        const Rings first = randomNear(random, lon, y), second = randomNear(random, lon, y);
        const double a = documentArea(first), b = documentArea(second);
        const Rings both = unionOfRings(joined(first, second)), inside = clipRings(first, second), outside = subtractRings(first, second);
        const double in = inside.empty() ? 0 : documentArea(inside), out = outside.empty() ? 0 : documentArea(outside);
        expectRelativelyNear(a + b, documentArea(both) + in, 1e-9);
        EXPECT_LE(in, a * (1 + 1e-12));
        expectRelativelyNear(a, in + out, 1e-9);
        for (const RingText& r : joined(joined(both, inside), outside))
            for (const Vertex& v : verticesOf(r.lines)) EXPECT_LE(std::abs(v.lon), 180);
    }
}

TEST(Areas, removingHolesNeverShrinksTheArea) {
    std::mt19937 random(2304);
    std::uniform_real_distribution<double> threshold(0, 3000);
    for (int trial = 0; trial < 60; ++trial) {
        Rings doc{ringText("outer", randomRing(random, 10, 50, 3, 30))};
        for (int h = 0; h < 4; ++h) doc.push_back(ringText("!hole", randomRing(random, 9 + h * 0.7, 50, 0.3, 8)));
        const double km2 = threshold(random);
        const HolesRemoved kept = removeSmallHoles(doc, km2 * 1e6);
        EXPECT_GE(documentArea(kept.rings), documentArea(doc) * (1 - 1e-12));
        EXPECT_EQ(doc.size(), kept.rings.size() + static_cast<std::size_t>(kept.removed));
        for (const RingText& r : kept.rings) EXPECT_TRUE(!isHoleName(r.name) || ringTextArea(r) >= km2 * 1e6);
    }
}

TEST(Areas, aUnionOfOverlappingShapesHasNoHoleThatNoInputHad) {
    std::mt19937 random(2305);
    for (int trial = 0; trial < 40; ++trial) {
        Rings doc;
        for (int k = 0; k < 2 + trial % 7; ++k) doc = joined(doc, randomNear(random, 0, 0));
        const Rings merged = unionOfRings(doc);
        // Each hole of the union shares no area with any input ring.
        for (const RingText& r : merged)
            EXPECT_TRUE(!isHoleName(r.name) || documentArea(clipRings({ringText("h", closedVerticesOf(r.lines))}, doc)) < 1e-3);
        expectRelativelyNear(documentArea(doc), documentArea(merged), 1e-9);
    }
}

TEST(Areas, aNewHoleIsNamedAfterItsOuterRing) {
    // A frame of four bars leaves a hole in its middle.
    const Rings bars{ringText("frame", {{0, 0}, {3, 0}, {3, 1}, {0, 1}, {0, 0}}), ringText("2", {{2, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 0}}),
                     ringText("3", {{0, 2}, {3, 2}, {3, 3}, {0, 3}, {0, 2}}), ringText("4", {{0, 0}, {1, 0}, {1, 3}, {0, 3}, {0, 0}})};
    const Rings merged = unionOfRings(bars);
    ASSERT_EQ(2u, merged.size());
    EXPECT_EQ("frame", merged[0].name);
    EXPECT_EQ("!frame", merged[1].name);
    EXPECT_EQ("!2", unionOfRings({bars[1], bars[2], bars[3], bars[0]}).at(1).name);
}

TEST(Areas, theUnionOfARealFileKeepsItsAreaAndAClipWithItselfKeepsItWhole) {
    int files = 0;
    for (const std::string& path : realFiles()) {
        const PolyParse parse = parsePolyText(readFile(path));
        if (!parse.ok()) continue;
        const Rings& rings = parse.file.rings;
        const double area = documentArea(rings);
        if (area <= 0) continue;
        SCOPED_TRACE(path);
        expectRelativelyNear(area, documentArea(unionOfRings(rings)), 1e-9);
        expectRelativelyNear(area, documentArea(clipRings(rings, rings)), 1e-9);
        EXPECT_TRUE(subtractRings(rings, rings).empty());
        ++files;
    }
    EXPECT_GT(files, 20);
}

TEST(Areas, theSplitAtTheLineKeepsTheAreaAndNoPieceSpansMoreThanHalfATurn) {
    std::mt19937 random(2306);
    std::uniform_real_distribution<double> centre(178, 182), lat(-70, 70);
    for (int trial = 0; trial < 150; ++trial) {
        const Vertices ring = wrapped(randomRing(random, centre(random), lat(random), 2.5, 30));
        const std::vector<Vertices> pieces = splitAtAntimeridian(ring);
        double sum = 0;
        for (const Vertices& piece : pieces) {
            sum += ringArea(piece);
            const auto [west, east] = std::minmax_element(piece.begin(), piece.end(), [](Vertex a, Vertex b) { return a.lon < b.lon; });
            EXPECT_TRUE(-180 <= west->lon && east->lon <= 180 && east->lon - west->lon <= 180);
        }
        expectRelativelyNear(ringArea(ring), sum, 1e-9);
        // A ring that winds back and forth across the line has more pieces.
        if (crossesAntimeridian(ring)) EXPECT_GE(pieces.size(), 2u);
        else EXPECT_EQ(std::vector<Vertices>{ring}, pieces);  // one that does not cross stays as it is
    }
}

// The smallest ring, a triangle, is split at the line and measured; a ring
// more than half a turn wide may cross it, whatever its first vertices say.
TEST(Areas, aTriangleAcrossTheLineIsSplitAndMeasured) {
    const Vertices triangle{{179, 10}, {-179, 10}, {179.5, 12}, {179, 10}};
    EXPECT_EQ(splitAtAntimeridian(triangle).size(), 2u);
    const Vertices open{{0, 0}, {1, 0}, {0, 1}};  // not closed: still a triangle
    EXPECT_TRUE(signedArea2(open) != 0 && ringArea(open) > 0);
    RingFacts wide;
    wide.known = true;
    wide.minLon = -100, wide.maxLon = 80.5;
    EXPECT_TRUE(mayCrossAntimeridian(wide));
    wide.maxLon = 80;  // half a turn exactly does not
    EXPECT_FALSE(mayCrossAntimeridian(wide));
    wide.maxLon = 180;  // one that reaches the line itself may
    EXPECT_TRUE(mayCrossAntimeridian(wide));
}

// Two triangles that overlap count their overlap once in the document's
// area, as two squares do.
TEST(Areas, overlappingTrianglesCountTheirOverlapOnce) {
    const Vertices a{{0, 0}, {1, 0}, {0, 1}, {0, 0}}, b{{0.5, 0}, {1.5, 0}, {0.5, 1}, {0.5, 0}};
    const double both = documentArea({ringText("1", a), ringText("2", b)});
    EXPECT_LT(both, ringArea(a) + ringArea(b) - 0.1 * ringArea(a));
}

