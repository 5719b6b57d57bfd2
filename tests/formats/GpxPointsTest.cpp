// Which parts of a GPX text are points, as a table: the text, the points
// it holds ("lon lat" each, as written), how many point tags were passed
// over, and the line where the markup breaks off.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "formats/Gpx.h"

namespace {

using namespace tess;

struct Case {
    const char* text;
    std::vector<std::string> points;
    int passedOver = 0;
    const char* brokenAt = "";
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.text; }

const Case kCases[] = {
    {R"(<gpx:trkpt lat="1.0" lon="2.0"/>)", {"2.0 1.0"}},  // a prefixed point at the very start
    {R"(<wpt lat="1" lon="2"/><rtept lon='4' lat='3'/>)", {"2 1", "4 3"}},
    {R"(<wpt lat = " 1.5 "  lon="&#50;.5"/>)", {"2.5 1.5"}},
    {R"(<mywpt lat="1" lon="2"/><wptx lat="1" lon="2"/><x:y:wpt lat="1" lon="2"/>)", {}},
    {R"(<trk><desc>wpt lat="1" lon="2"</desc></trk>)", {}},
    {R"(<!-- <wpt lat="1" lon="2"/> --><wpt lat="3" lon="4"/>)", {"4 3"}},
    {R"(<![CDATA[ <wpt lat="1" lon="2"/> ]]>)", {}},
    {R"(<?pi <wpt lat="1" lon="2"/> ?>)", {}},
    {R"(<!DOCTYPE gpx [ <!ENTITY e "<wpt lat='1' lon='2'/>"> ]><wpt lat="5" lon="6"/>)", {"6 5"}},
    {R"(<wpt lat="1" lon="east"/><wpt lat="1e999" lon="2"/><wpt lat="1"/>)", {}, 3},
    {R"(<wpt lat="1" lon="2"/><!-- cut off)", {"2 1"}, 0, "line 1: a comment that is not closed"},
    {"<wpt lat=\"1\" lon=\"2\"/>\n<wpt lat=\"3\"", {"2 1"}, 0, "line 2: a tag that is not closed"},
    {"<wpt lat=\"1\" lon=\"2\"/>\n<gpx>\n<wpt", {"2 1"}, 0, "line 3: a tag that is not closed"},
    {R"(<wpt lat=1 lon="2"/>)", {}, 0, "line 1: an attribute value that is not quoted or not closed"},
};

class GpxPoints : public testing::TestWithParam<Case> {};

TEST_P(GpxPoints, areTheStartTagsOfPointsOutsideOtherMarkup) {
    const Case& c = GetParam();
    std::vector<std::string> found;
    const GpxScan scan = forEachGpxPoint(c.text, [&](const GpxPointText& p) {
        found.push_back(std::string(p.lon) + " " + std::string(p.lat));
    });
    EXPECT_EQ(c.points, found) << c.text;
    EXPECT_EQ(c.passedOver, scan.passedOver) << c.text;
    EXPECT_EQ(std::string(c.brokenAt), scan.brokenAt) << c.text;
}

// Each case is named by its row, so a failure says which line of the table it was.
INSTANTIATE_TEST_SUITE_P(Table, GpxPoints, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return "row" + std::to_string(info.index + 1);
                         });

TEST(GpxImport, isTitledAfterItsFileWithoutTheEndingWhateverTheNameLength) {
    const std::string point = R"(<wpt lat="1" lon="2"/>)";
    EXPECT_EQ("walk", gpxToPolyFile("walk.GPX", point).file.title);
    EXPECT_EQ("a", gpxToPolyFile("a", point).file.title);
    EXPECT_EQ(".gpx", gpxToPolyFile(".gpx.gpx", point).file.title);
}

}  // namespace
