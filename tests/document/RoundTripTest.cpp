// Real files written by others survive a load and a save: the same rings
// in the same order with the same coordinate lines, renumbered, holes
// kept, CRLF line ends and a closing END.
#include <gtest/gtest.h>

#include "document/Reader.h"
#include "document/Writer.h"
#include "support/StateFixture.h"

using namespace tess;
using tess::test::StateTest;

namespace {

std::vector<std::string> linesOf(std::string text) {
    std::erase(text, '\r');
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t eol = text.find('\n', pos);
        if (eol == std::string::npos) eol = text.size();
        lines.push_back(text.substr(pos, eol - pos));
        pos = eol + 1;
    }
    return lines;
}

std::string trimmed(const std::string& line) {
    auto first = line.find_first_not_of(" \t");
    auto last = line.find_last_not_of(" \t");
    return first == std::string::npos ? "" : line.substr(first, last - first + 1);
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    return s;
}

// The coordinate lines of every ring (title excluded), trimmed, and the
// names, for a well-formed file.
struct FileOutline {
    std::vector<std::string> coordinates;
    std::vector<bool> holes;
};

FileOutline outlineOf(const std::string& text, bool written) {
    FileOutline o;
    auto lines = linesOf(text);
    bool expectName = true;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string t = trimmed(lines[i]);
        if (t.empty()) continue;
        if (upper(t) == "END") {
            expectName = true;
            continue;
        }
        if (expectName) {
            if (t.find('.') != std::string::npos) break;  // past the closing END
            o.holes.push_back(t.front() == '!');
            if (written) {
                EXPECT_EQ(t, (t.front() == '!' ? "!" : "") + std::to_string(o.holes.size()));
            }
            expectName = false;
            continue;
        }
        if (t.find('.') != std::string::npos) {
            o.coordinates.push_back(written ? t : upper(t));
        }
    }
    return o;
}

class RoundTrip : public StateTest, public testing::WithParamInterface<const char*> {};

}  // namespace

TEST_P(RoundTrip, KeepsRingsCoordinatesAndHoles) {
    const std::string in = tess::test::dataFile(GetParam());
    ASSERT_TRUE(loadpoly(state, in, 0)) << platform.last();
    const std::string out = temp.file("out.poly");
    ASSERT_TRUE(savepoly(state, out, 0));
    const std::string written = tess::test::readFile(out);

    FileOutline before = outlineOf(tess::test::readFile(in), false);
    FileOutline after = outlineOf(written, true);
    EXPECT_EQ(after.holes, before.holes);
    EXPECT_EQ(after.coordinates, before.coordinates);

    EXPECT_TRUE(written.ends_with("END\r\nEND\r\n"));
    for (const auto& line : linesOf(written)) {
        if (line.find('.') != std::string::npos) {
            EXPECT_TRUE(line.front() == ' ' || line.front() == '\t') << line;
        }
    }
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), std::count(written.begin(), written.end(), '\r'));
}

TEST_P(RoundTrip, ACommittedRingReadsBackToTheSameVertices) {
    ASSERT_TRUE(loadpoly(state, tess::test::dataFile(GetParam()), 0));
    std::vector<double> lon(state.doc.ringLon.begin(), state.doc.ringLon.begin() + state.doc.lastPoint);
    std::vector<double> lat(state.doc.ringLat.begin(), state.doc.ringLat.begin() + state.doc.lastPoint);
    ASSERT_TRUE(savecurpoly(state, 0));
    loaddt(state, 0);
    ASSERT_EQ(static_cast<std::size_t>(state.doc.lastPoint), lon.size());
    for (std::size_t i = 0; i < lon.size(); ++i) {
        EXPECT_DOUBLE_EQ(state.doc.ringLon[i], lon[i]);
        EXPECT_DOUBLE_EQ(state.doc.ringLat[i], lat[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(RealFiles, RoundTrip,
                         testing::Values("osmium_polygon-outer-inner.poly", "osmium_polygon-crlf.poly",
                                         "osmium_polygon-us-alaska.poly", "geofabrik_south-africa.poly",
                                         "geofabrik_west.poly", "geofabrik_nepal.poly",
                                         "osmfr_turkey_mediterranean.poly", "osmosis_testPolygon.poly",
                                         "mapsforge_siberian-federal-district.poly", "mapsforge_austria.poly",
                                         "osmium_missing-end-polygon.poly", "osmium_berlin.poly"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(StateTest, AUtf8TitleSurvivesALoadAndASave) {
    ASSERT_TRUE(loadpoly(state, tess::test::dataFile("mapsforge_siberian-federal-district.poly"), 0));
    EXPECT_EQ(state.doc.title, "Сибирский федеральный округ");
}

TEST_F(StateTest, AFileWithoutAnyEndCannotBeLoaded) {
    EXPECT_FALSE(loadpoly(state, tess::test::dataFile("osmium_missing-end-ring.poly"), 0));
    EXPECT_EQ(platform.last(), "Cannot find END");
}
