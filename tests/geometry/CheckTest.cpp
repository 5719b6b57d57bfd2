// The document check: each kind of problem found, with its ring, its
// vertices and its place, and nothing reported on sound files.
#include <gtest/gtest.h>

#include <sstream>

#include "document/Reader.h"
#include "geometry/Check.h"
#include "geometry/GeometryTestHelpers.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

// "NAME: lon lat, lon lat, ...; NAME: ..." as rings.
std::vector<RingText> ringsOf(const std::string& text) {
    std::vector<RingText> rings;
    std::istringstream in(text);
    for (std::string ring; std::getline(in, ring, ';');) {
        const auto colon = ring.find(':');
        Vertices vertices;
        std::istringstream coordinates(ring.substr(colon + 1));
        for (std::string pair; std::getline(coordinates, pair, ',');) {
            std::istringstream numbers(pair);
            Vertex v;
            numbers >> v.lon >> v.lat;
            vertices.push_back(v);
        }
        const std::string name = ring.substr(0, colon);
        rings.push_back(ownRingText(name.substr(name.find_first_not_of(' ')), vertexLines(vertices)));
    }
    return rings;
}

}  // namespace

// Each kind of problem as a row of tests/cases/check-problems.txt: the
// rings, and the problems found as the Check Document window lists them
// (ring, vertices and place).
TEST(Check, findsEachKindOfProblemWithItsRingVerticesAndPlace) {
    for (const test::TableRow& row : test::tableRows("check-problems.txt")) {
        std::string found;
        for (const Problem& p : checkDocument(ringsOf(row.input))) found += (found.empty() ? "" : " | ") + describe(p);
        EXPECT_EQ(row.expected, found.empty() ? "none" : found) << "check-problems.txt:" << row.line;
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
