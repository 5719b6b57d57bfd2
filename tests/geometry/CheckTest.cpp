// The document check: each kind of problem found, with its ring, its
// vertices and its place, and nothing reported on sound files.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/Reader.h"
#include "geometry/Check.h"
#include "geometry/GeometryTestHelpers.h"
#include "support/TestFiles.h"

using namespace tess;
using tess::test::square;

namespace {

RingText ring(const std::string& name, const Vertices& v) { return ownRingText(name, vertexLines(v)); }

std::vector<Problem> problemsOf(const std::vector<RingText>& rings, ProblemKind kind) {
    std::vector<Problem> out;
    for (const Problem& p : checkDocument(rings))
        if (p.kind == kind) out.push_back(p);
    return out;
}

}  // namespace

TEST(Check, aSoundRingHasNoProblem) {
    EXPECT_TRUE(checkDocument({ring("1", square(0, 0, 1))}).empty());
}

TEST(Check, aCrossingNamesBothEdgesAndThePoint) {
    // 1 (0,0) 2 (2,2) 3 (2,0) 4 (0,2): edges 1-2 and 3-4 cross at (1,1).
    const auto problems = checkDocument({ring("1", {{0, 0}, {2, 2}, {2, 0}, {0, 2}, {0, 0}})});
    ASSERT_EQ(1u, problems.size());
    const Problem& p = problems[0];
    EXPECT_EQ(ProblemKind::SelfIntersection, p.kind);
    EXPECT_EQ(0, p.ring);
    EXPECT_EQ(0, p.vertex);
    EXPECT_EQ(2, p.otherVertex);
    EXPECT_DOUBLE_EQ(1, p.place.lon);
    EXPECT_DOUBLE_EQ(1, p.place.lat);
    EXPECT_EQ("Ring 1: edges 1-2 and 3-4 cross at 1 1", describe(p));
}

TEST(Check, everyCrossingIsListed) {
    // A zigzag that crosses its own closing edge twice.
    const Vertices zigzag = {{0, 0}, {4, 0}, {4, 2}, {3, -1}, {2, 2}, {1, -1}, {0, 2}, {0, 0}};
    EXPECT_EQ(4u, problemsOf({ring("1", zigzag)}, ProblemKind::SelfIntersection).size());
}

TEST(Check, aRingThatTouchesItselfAtAVertex) {
    const Vertices figureEight = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {-1, 0}, {-1, -1}, {0, 0}};
    const auto problems = problemsOf({ring("1", figureEight)}, ProblemKind::SelfIntersection);
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ(0, problems[0].place.lon);
}

TEST(Check, repeatedVerticesAndAnOpenRing) {
    const std::vector<RingText> rings = {ring("1", {{0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 1}})};
    const auto repeated = problemsOf(rings, ProblemKind::RepeatedVertex);
    ASSERT_EQ(1u, repeated.size());
    EXPECT_EQ(2, repeated[0].vertex);
    EXPECT_EQ("Ring 1: vertex 3 repeats vertex 2 (1 0)", describe(repeated[0]));
    const auto open = problemsOf(rings, ProblemKind::NotClosed);
    ASSERT_EQ(1u, open.size());
    EXPECT_EQ(4, open[0].vertex);
}

TEST(Check, fewerThanThreeDistinctVertices) {
    const auto problems = checkDocument({ring("1", {{0, 0}, {1, 1}, {0, 0}, {1, 1}})});
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ(ProblemKind::TooFewVertices, problems[0].kind);
}

TEST(Check, aHoleOutsideEveryOuterRing) {
    const auto problems = checkDocument({ring("1", square(0, 0, 1)), ring("!2", square(0.2, 0.2, 0.5)),
                                         ring("3", square(5, 5, 1)), ring("!4", square(10, 10, 1))});
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ(ProblemKind::HoleOutside, problems[0].kind);
    EXPECT_EQ(3, problems[0].ring);
}

TEST(Check, overlappingOuterRingsButNotTouchingOnes) {
    const auto problems = checkDocument({ring("1", square(0, 0, 1)), ring("2", square(1, 0, 1)),
                                         ring("3", square(1.5, 0.5, 1))});
    ASSERT_EQ(1u, problems.size());
    EXPECT_EQ(ProblemKind::OuterOverlap, problems[0].kind);
    EXPECT_EQ(1, problems[0].ring);
    EXPECT_EQ(2, problems[0].otherRing);
    EXPECT_EQ("Ring 2: overlaps ring 3", describe(problems[0]));
}

TEST(Check, aRingInsideAnotherOuterRingOverlapsIt) {
    EXPECT_EQ(1u, problemsOf({ring("1", square(0, 0, 10)), ring("2", square(1, 1, 1))}, ProblemKind::OuterOverlap).size());
}

TEST(Check, theRealFilesHaveNoCrossings) {
    for (const char* name : {"osmium_berlin.poly", "geofabrik_germany.poly", "osmium_polygon-outer-inner.poly"}) {
        const PolyLoad load = readPolyFile(test::dataFile(name));
        ASSERT_TRUE(load.ok()) << name;
        for (const Problem& p : checkDocument(load.file.rings))
            EXPECT_NE(ProblemKind::SelfIntersection, p.kind) << name << ": " << describe(p);
    }
}
