// What the reader learns about a ring on its one pass (vertex count,
// bounds, first and last vertex, the lines to repair) must be what reading
// the ring's lines again finds, and a ring written as it stands must come
// out exactly as one written line by line: over every real file and over
// random texts of every line kind and line end.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "document/PolyText.h"
#include "session/Opening.h"
#include "document/Writer.h"
#include "support/PolyTexts.h"
#include "support/StateFixture.h"

using namespace tess;

namespace {

RingFacts factsFound(std::string_view lines) {
    std::vector<double> lons, lats;
    RingFacts facts;
    forEachLine(lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        if (parseCoordinateLine(line, lon, lat) != LineParse::Ok) return;
        lons.push_back(lon);
        lats.push_back(lat);
        std::string written;
        if (appendRepairedVertexLine(written, line)) ++facts.linesToRepair;
    });
    facts.vertices = static_cast<std::int64_t>(lons.size());
    facts.checksum = factsOf(lines).checksum;  // the lines read again on their own
    if (lons.empty()) return facts;
    facts.minLon = *std::min_element(lons.begin(), lons.end());
    facts.maxLon = *std::max_element(lons.begin(), lons.end());
    facts.minLat = *std::min_element(lats.begin(), lats.end());
    facts.maxLat = *std::max_element(lats.begin(), lats.end());
    facts.firstLon = lons.front(), facts.firstLat = lats.front();
    facts.lastLon = lons.back(), facts.lastLat = lats.back();
    return facts;
}

// The same rings with lines of their own and nothing known about them:
// the writer takes every line on its own.
std::vector<RingText> readLineByLine(const std::vector<RingText>& rings) {
    std::vector<RingText> plain = rings;
    for (RingText& ring : plain) setOwnLines(ring, std::string(ring.lines));
    return plain;
}

auto factList(const RingFacts& f) {
    return std::tuple(f.vertices, f.minLon, f.minLat, f.maxLon, f.maxLat, f.firstLon, f.firstLat, f.lastLon, f.lastLat,
                      f.linesToRepair, f.checksum);
}

void expectFactsHold(const PolyFile& file) {
    for (std::size_t k = 0; k < file.rings.size(); ++k) {
        const RingFacts& known = file.rings[k].facts;
        const RingFacts found = factsFound(file.rings[k].lines);
        ASSERT_TRUE(known.known) << "ring " << k + 1;
        EXPECT_EQ(factList(found), factList(known)) << "ring " << k + 1;
    }
    EXPECT_EQ(polyText(file.title, readLineByLine(file.rings), file.frame), polyText(file.title, file.rings, file.frame));
}

class RealFileFacts : public testing::TestWithParam<std::string> {};

TEST_P(RealFileFacts, areWhatReadingTheRingsAgainFinds) {
    const PolyParse parse = parsePolyText(test::readFile(test::dataFile(GetParam())));
    if (!parse.ok()) GTEST_SKIP() << "refused: " << static_cast<int>(parse.problem);
    expectFactsHold(parse.file);
}

INSTANTIATE_TEST_SUITE_P(Data, RealFileFacts, testing::ValuesIn(test::realPolyFiles()), [](const auto& info) { return test::asTestName(info.param); });

// A ring too large to edit is counted and fitted from its facts; it must
// come out as when its lines are read again.
class LargeRingFacts : public test::StateTest, public testing::WithParamInterface<std::string> {};

TEST_P(LargeRingFacts, countAndFitTheLoadedRingAsItsLinesDo) {
    ASSERT_TRUE(openDocumentFile(state, test::dataFile(GetParam())));
    for (int k = 0; k < state.doc.ringCount(); ++k) {
        const auto ku = static_cast<std::size_t>(k);
        loadRing(state, k);
        const std::int64_t lastPoint = state.doc.loaded.lastPoint;
        const ViewState view = state.view;
        RingText& ring = state.doc.content.rings[ku];
        const RingFacts& f = ring.facts;  // the view holds the whole ring
        EXPECT_TRUE(view.minLon <= f.minLon + 1e-4 && view.maxLon >= f.maxLon - 1e-4 && view.minLat <= f.minLat + 1e-4 &&
                    view.maxLat >= f.maxLat - 1e-4) << "ring " << k + 1;
        setOwnLines(ring, std::string(ring.lines));
        loadRing(state, k);
        EXPECT_EQ(lastPoint, state.doc.loaded.lastPoint) << "ring " << k + 1;
        EXPECT_EQ(std::tuple(view.minLon, view.minLat, view.maxLon, view.maxLat, view.labels),
                  std::tuple(state.view.minLon, state.view.minLat, state.view.maxLon, state.view.maxLat, state.view.labels))
            << "ring " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Data, LargeRingFacts,
                         testing::Values("geofabrik_germany.poly", "osmfr_quebec.poly",
                                         "mapsforge_siberian-federal-district.poly"));

TEST(RingFacts, holdForRandomTextsOfEveryLineKindAndLineEnd) {
    std::mt19937 random(16);
    int read = 0;
    for (int n = 0; n < 3000; ++n) {
        const std::string text = test::randomPolyText(random);
        const PolyParse parse = parsePolyText(text);
        if (!parse.ok()) continue;
        ++read;
        expectFactsHold(parse.file);
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << "text: " << testing::PrintToString(text);
            return;
        }
    }
    EXPECT_GT(read, 1000);
}

}  // namespace
