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

}  // namespace

// Each kind of problem as a case: the rings, and the problems found as the
// Check Document window lists them (ring, vertices and place).
TEST(Check, findsEachKindOfProblemWithItsRingVerticesAndPlace) {
    struct Case {
        const char* what;
        std::vector<RingText> rings;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"a sound ring", {ring("1", square(0, 0, 1))}, {}},
        {"a crossing", {ring("1", {{0, 0}, {2, 2}, {2, 0}, {0, 2}, {0, 0}})}, {"Ring 1: edges 1-2 and 3-4 cross at 1 1"}},
        {"a zigzag across its closing edge", {ring("1", {{0, 0}, {4, 0}, {4, 2}, {3, -1}, {2, 2}, {1, -1}, {0, 2}, {0, 0}})},
         {"Ring 1: edges 1-2 and 3-4 cross at 3.33333333333333 0", "Ring 1: edges 1-2 and 4-5 cross at 2.66666666666667 0",
          "Ring 1: edges 1-2 and 5-6 cross at 1.33333333333333 0", "Ring 1: edges 1-2 and 6-7 cross at 0.666666666666667 0"}},
        {"a figure eight", {ring("1", {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {-1, 0}, {-1, -1}, {0, 0}})}, {"Ring 1: edges 1-2 and 3-4 cross at 0 0"}},
        {"a repeated vertex, open", {ring("1", {{0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 1}})},
         {"Ring 1: not closed: the last vertex, 5 (0 1), is not the first", "Ring 1: vertex 3 repeats vertex 2 (1 0)"}},
        {"two distinct vertices", {ring("1", {{0, 0}, {1, 1}, {0, 0}, {1, 1}})}, {"Ring 1: fewer than three distinct vertices"}},
        {"a hole outside",
         {ring("1", square(0, 0, 1)), ring("!2", square(0.2, 0.2, 0.5)), ring("3", square(5, 5, 1)), ring("!4", square(10, 10, 1))},
         {"Ring 4: hole outside every outer ring"}},
        {"overlapping, and touching", {ring("1", square(0, 0, 1)), ring("2", square(1, 0, 1)), ring("3", square(1.5, 0.5, 1))}, {"Ring 2: overlaps ring 3"}},
        {"one inside another", {ring("1", square(0, 0, 10)), ring("2", square(1, 1, 1))}, {"Ring 1: overlaps ring 2"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> found;
        for (const Problem& p : checkDocument(c.rings)) found.push_back(describe(p));
        EXPECT_EQ(c.problems, found) << c.what;
    }
}

TEST(Check, theRealFilesHaveNoCrossings) {
    for (const char* name : {"osmium_berlin.poly", "geofabrik_germany.poly", "osmium_polygon-outer-inner.poly"}) {
        const PolyLoad load = readPolyFile(test::dataFile(name));
        ASSERT_TRUE(load.ok()) << name;
        for (const Problem& p : checkDocument(load.file.rings))
            EXPECT_NE(ProblemKind::SelfIntersection, p.kind) << name << ": " << describe(p);
    }
}
