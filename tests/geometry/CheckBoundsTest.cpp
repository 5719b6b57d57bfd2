// The check on documents built to make it slow or large: every place a ring meets itself is found,
// the listing stops where asked while the count goes on, piles of rings name each ring once.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "geometry/Check.h"
#include "geometry/GeometryTestHelpers.h"

using namespace tess;
using tess::test::square;

namespace {

RingText ring(const std::string& name, const Vertices& v) { return ownRingText(name, vertexLines(v)); }

// The places a closed ring meets itself, found the slow way: every pair of
// edges of some length intersected by GEOS. A point inside both edges is
// one crossing of that pair; meetings at vertices, and the ends of shared
// stretches, count once each however many pairs reach them.
std::int64_t meetingsByEveryPair(const Vertices& ring) {
    Geos geos;
    std::vector<std::size_t> edges;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i)
        if (ring[i] != ring[i + 1]) edges.push_back(i);
    std::int64_t crossings = 0;
    std::set<std::pair<double, double>> atVertices;
    for (std::size_t p = 0; p < edges.size(); ++p) {
        for (std::size_t q = p + 1; q < edges.size(); ++q) {
            const std::size_t i = edges[p], j = edges[q];
            Geom a = geos.lineString({ring[i], ring[i + 1]}), b = geos.lineString({ring[j], ring[j + 1]});
            Geom common = geos.own(GEOSIntersection_r(geos.handle(), a.get(), b.get()));
            if (GEOSisEmpty_r(geos.handle(), common.get())) continue;
            // A point, or the ends of a shared stretch; neighbours share a vertex anyway.
            const Vertices ends = geos.vertices(common.get());
            const bool neighbours = q == p + 1 || (p == 0 && q == edges.size() - 1);
            const Vertex shared = q == p + 1 ? ring[j] : ring[i];
            auto vertex = [&](Vertex v) { return v == ring[i] || v == ring[i + 1] || v == ring[j] || v == ring[j + 1]; };
            if (ends.size() == 1 && !vertex(ends[0])) ++crossings;
            else
                for (const Vertex& end : ends)
                    if (!neighbours || end != shared) atVertices.insert({end.lon, end.lat});
        }
    }
    return crossings + static_cast<std::int64_t>(atVertices.size());
}

Vertices randomRing(std::mt19937& random, int n, int grid) {
    std::uniform_int_distribution<int> step(0, grid);
    Vertices v(static_cast<std::size_t>(n));
    for (Vertex& x : v) x = {10 + 0.25 * step(random), 50 + 0.25 * step(random)};
    return closed(v);
}

}  // namespace

// Property: on random rings of a coarse grid (so edges touch at vertices,
// run along each other and double back), the check counts every place the
// slow way finds.
TEST(CheckBounds, everyPlaceARingMeetsItselfIsCounted) {
    std::mt19937 random(26);
    for (int trial = 0; trial < 300; ++trial) {
        const Vertices v = randomRing(random, 4 + trial % 40, trial % 3 == 0 ? 3 : 12);
        const std::vector<Problem> all = checkDocument({ring("1", v)});
        if (std::any_of(all.begin(), all.end(), [](const Problem& p) { return p.kind == ProblemKind::TooFewVertices; })) continue;
        const auto listed = std::count_if(all.begin(), all.end(), [](const Problem& p) { return p.kind == ProblemKind::SelfIntersection; });
        EXPECT_EQ(meetingsByEveryPair(v), listed) << "trial " << trial << ":\n" << vertexLines(v);
        EXPECT_EQ(static_cast<std::int64_t>(all.size()), checkDocument({ring("1", v)}, 0).total) << "trial " << trial;
    }
}

TEST(CheckBounds, theListingStopsWhereAskedAndTheCountGoesOn) {
    std::mt19937 random(4);
    const std::vector<RingText> rings = {ring("1", randomRing(random, 60, 1000)), ring("2", square(20, 20, 1))};
    const std::vector<Problem> all = checkDocument(rings);
    const CheckReport first = checkDocument(rings, 20);
    ASSERT_EQ(std::make_pair(static_cast<std::int64_t>(all.size()), std::size_t{20}), std::make_pair(first.total, first.problems.size()));
    for (std::size_t k = 0; k < 20; ++k) EXPECT_EQ(describe(all[k]), describe(first.problems[k])) << k;
    // In the ring's order: by the first edge, then the second.
    for (std::size_t k = 1; k < all.size(); ++k)
        EXPECT_LE(std::make_pair(all[k - 1].vertex, all[k - 1].otherVertex), std::make_pair(all[k].vertex, all[k].otherVertex));
}

// Property: in documents of random squares, piled up and apart, each ring
// names the first later ring it shares area with, as trying every pair
// finds; squares that only touch share none.
TEST(CheckBounds, eachRingNamesTheFirstLaterRingItOverlaps) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 20; ++trial) {
        std::vector<Vertices> squares;
        std::vector<RingText> rings;
        for (int k = 0; k < 60; ++k) squares.push_back(square(random() % (4 + trial * 4), random() % 3, 1.0 + random() % 2)),
                                     rings.push_back(ring("1", squares.back()));
        auto share = [](const Vertices& a, const Vertices& b) {
            return a[0].lon < b[2].lon && b[0].lon < a[2].lon && a[0].lat < b[2].lat && b[0].lat < a[2].lat;
        };
        std::string expected, found;
        for (std::size_t a = 0; a < squares.size(); ++a)
            for (std::size_t b = a + 1; b < squares.size(); ++b)
                if (share(squares[a], squares[b])) {
                    expected += "Ring " + std::to_string(a + 1) + ": overlaps ring " + std::to_string(b + 1) + "\n";
                    break;
                }
        for (const Problem& p : checkDocument(rings)) found += describe(p) + "\n";
        EXPECT_EQ(expected, found) << "trial " << trial;
    }
}

TEST(CheckBounds, coordinatesBeyondTheGlobeAreListedOnceARing) {
    const std::vector<Problem> problems = checkDocument({ring("1", {{200, 50}, {201, 50}, {201, 91}, {200, 50}}), ring("2", square(0, 0, 1))});
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ("Ring 1: vertex 1 (200 50) lies outside -180..180, -90..90, and 3 more", describe(problems[0]));
    EXPECT_EQ("Ring 1: vertex 2 (180 90.5) lies outside -180..180, -90..90",
              describe(checkDocument({ring("1", {{0, 0}, {180, 90.5}, {-180, -90}, {0, 0}})})[0]));
}

TEST(CheckBounds, aHoleTheOuterRingsCoverTogetherIsInside) {
    const std::vector<Problem> problems = checkDocument({ring("1", square(0, 0, 1)), ring("2", square(1, 0, 1)),
                                                        ring("!3", square(0.75, 0.25, 0.5)), ring("!4", square(1.75, 0.25, 0.5))});
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ("Ring 4: hole outside every outer ring", describe(problems[0]));
}
