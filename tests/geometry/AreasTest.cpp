// The laws of union, clip, subtract and small holes, over seeded random
// rings and the real files, measured on the ellipsoid.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "document/PolyText.h"
#include "geometry/Antimeridian.h"
#include "geometry/AreaTestHelpers.h"
#include "geometry/Areas.h"
#include "geometry/Geos.h"
#include "geometry/Measure.h"
#include "support/TestFiles.h"

using namespace tess;
using namespace tess::test;

namespace {

using Rings = std::vector<RingText>;

void expectRelativelyNear(double expected, double actual, double relative) {
    EXPECT_NEAR(expected, actual, relative * std::abs(expected)) << "relative " << (actual - expected) / expected;
}

// Two random rings that overlap (most of the time), near each other.
struct Pair {
    Rings a, b;
};
Pair randomPair(std::mt19937& random, double lonCentre = 0) {
    std::uniform_real_distribution<double> lon(-20, 20), lat(-60, 60), near(-1.2, 1.2);
    const double x = lonCentre ? lonCentre : lon(random), y = lat(random);
    std::uniform_int_distribution<int> n(5, 60);
    return {{ringText("a", randomRing(random, x, y, 1.5, n(random)))},
            {ringText("b", randomRing(random, x + near(random), y + near(random), 1.5, n(random)))}};
}

Rings joined(Rings a, const Rings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The .poly files of the tests and, when it is there, the shared set of
// real files beside the repository.
std::vector<std::string> realFiles() {
    std::vector<std::string> out;
    for (const std::string& folder : {dataFile(""), dataFile("../../../shared/realdata/poly")}) {
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".poly" && std::filesystem::file_size(entry.path()) < 2'000'000)
                out.push_back(entry.path().string());
    }
    return out;
}

}  // namespace

TEST(Areas, theUnionAndTheIntersectionTogetherHoldBothAreas) {
    std::mt19937 random(2301);
    for (int trial = 0; trial < 150; ++trial) {
        const Pair p = randomPair(random);
        const double a = documentArea(p.a), b = documentArea(p.b);
        const double both = documentArea(unionOfRings(joined(p.a, p.b)));
        const Rings common = clipRings(p.a, p.b);
        const double shared = common.empty() ? 0 : documentArea(common);
        expectRelativelyNear(a + b, both + shared, 1e-9);
    }
}

TEST(Areas, theLawsHoldAcrossTheAntimeridianToo) {
    std::mt19937 random(2302);
    for (int trial = 0; trial < 60; ++trial) {
        Pair p = randomPair(random, 179.5);
        for (RingText* r : {&p.a[0], &p.b[0]}) *r = ringText(r->name, wrapped(closedVerticesOf(r->lines)));
        const double a = documentArea(p.a), b = documentArea(p.b);
        const Rings common = clipRings(p.a, p.b);
        const double shared = common.empty() ? 0 : documentArea(common);
        expectRelativelyNear(a + b, documentArea(unionOfRings(joined(p.a, p.b))) + shared, 1e-9);
        // Every ring the tools write stays within -180..180.
        for (const RingText& r : joined(unionOfRings(joined(p.a, p.b)), common))
            for (const Vertex& v : verticesOf(r.lines)) EXPECT_LE(std::abs(v.lon), 180);
    }
}

TEST(Areas, aClipNeverGrowsAndWhatItLeavesOutIsWhatSubtractKeeps) {
    std::mt19937 random(2303);
    for (int trial = 0; trial < 150; ++trial) {
        const Pair p = randomPair(random);
        const double a = documentArea(p.a);
        const Rings inside = clipRings(p.a, p.b), outside = subtractRings(p.a, p.b);
        const double in = inside.empty() ? 0 : documentArea(inside), out = outside.empty() ? 0 : documentArea(outside);
        EXPECT_LE(in, a * (1 + 1e-12));
        expectRelativelyNear(a, in + out, 1e-9);
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
        for (const RingText& r : kept.rings)
            if (isHoleName(r.name)) {
                EXPECT_GE(ringTextArea(r), km2 * 1e6);
            }
    }
}

TEST(Areas, aUnionOfOverlappingShapesHasNoHoleThatNoInputHad) {
    std::mt19937 random(2305);
    Geos geos;
    for (int trial = 0; trial < 40; ++trial) {
        Rings doc;
        std::uniform_int_distribution<int> count(2, 8);
        std::uniform_real_distribution<double> spread(-1.5, 1.5);
        const int n = count(random);
        for (int k = 0; k < n; ++k) doc.push_back(ringText(std::to_string(k + 1), randomRing(random, spread(random), spread(random), 1.5, 12)));
        const Rings merged = unionOfRings(doc);
        for (const RingText& r : merged) {
            if (!isHoleName(r.name)) continue;
            // A point inside the hole lies inside no input ring.
            Geom hole = geos.polygon(closedVerticesOf(r.lines));
            Geom inside = geos.own(GEOSPointOnSurface_r(geos.handle(), hole.get()));
            for (const RingText& input : doc) {
                Geom area = geos.polygon(closedVerticesOf(input.lines));
                EXPECT_FALSE(geos.check(GEOSContains_r(geos.handle(), area.get(), inside.get())));
            }
        }
        expectRelativelyNear(documentArea(doc), documentArea(merged), 1e-9);
    }
}

TEST(Areas, twoOverlappingSquaresBecomeOneRingWithNoIsland) {
    const Rings doc{ringText("west", {{10, 50}, {11, 50}, {11, 51}, {10, 51}, {10, 50}}),
                    ringText("east", {{10.5, 50.5}, {11.5, 50.5}, {11.5, 51.5}, {10.5, 51.5}, {10.5, 50.5}})};
    const Rings merged = unionOfRings(doc);
    ASSERT_EQ(1u, merged.size());
    EXPECT_EQ("west", merged[0].name);
    EXPECT_EQ(9u, closedVerticesOf(merged[0].lines).size());
}

TEST(Areas, aRingTheUnionLeavesAsItWasKeepsItsText) {
    const Rings doc{ringText("alone", {{0, 0}, {1, 0}, {1, 1}, {0, 0}}), ringText("!inside", {{0.5, 0.1}, {0.8, 0.1}, {0.8, 0.3}, {0.5, 0.1}}),
                    ringText("far", {{5, 5}, {6, 5}, {6, 6}, {5, 5}})};
    const Rings merged = unionOfRings(doc);
    ASSERT_EQ(3u, merged.size());
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(doc[k].name, merged[k].name);
        EXPECT_EQ(doc[k].lines.data(), merged[k].lines.data());
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
    const Rings numbered = unionOfRings({bars[1], bars[2], bars[3], bars[0]});
    ASSERT_EQ(2u, numbered.size());
    EXPECT_EQ("!2", numbered[1].name);
}

TEST(Areas, selfCrossingRingsAreRepairedBeforeTheyAreJoined) {
    const Rings bowtie{ringText("bow", {{0, 0}, {2, 2}, {2, 0}, {0, 2}, {0, 0}}), ringText("box", {{1.5, 0}, {3, 0}, {3, 2}, {1.5, 2}, {1.5, 0}})};
    const Rings merged = unionOfRings(bowtie);
    EXPECT_FALSE(merged.empty());
    EXPECT_GT(documentArea(merged), documentArea({bowtie[1]}));
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
            EXPECT_FALSE(crossesAntimeridian(piece));
            double west = 180, east = -180;
            for (const Vertex& v : piece) west = std::min(west, v.lon), east = std::max(east, v.lon);
            EXPECT_LE(east - west, 180);
            EXPECT_GE(west, -180);
            EXPECT_LE(east, 180);
        }
        expectRelativelyNear(ringArea(ring), sum, 1e-9);
        // A ring that winds back and forth across the line has more pieces.
        if (crossesAntimeridian(ring)) EXPECT_GE(pieces.size(), 2u);
        else EXPECT_EQ(1u, pieces.size());
    }
}
