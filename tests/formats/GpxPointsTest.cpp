// Which parts of a GPX text are points, as the table tests/cases/gpx-points.txt,
// and the title a GPX import takes.
#include <gtest/gtest.h>

#include <string>

#include "formats/Gpx.h"
#include "support/TestFiles.h"

namespace {

using namespace tess;

TEST(GpxPoints, areTheStartTagsOfPointsOutsideOtherMarkup) {
    for (const test::TableRow& row : test::tableRows("gpx-points.txt")) {
        std::string points;
        const GpxScan scan = forEachGpxPoint(row.input, [&](const GpxPointText& p) {
            points += (points.empty() ? "" : ", ") + std::string(p.lon) + " " + std::string(p.lat);
        });
        std::string found = points.empty() ? "none" : points;
        if (scan.passedOver) found += "; " + std::to_string(scan.passedOver) + " passed over";
        if (!scan.whole()) found += "; broken at " + scan.brokenAt;
        EXPECT_EQ(row.expected, found) << "gpx-points.txt:" << row.line;
    }
}

TEST(GpxImport, isTitledAfterItsFileWithoutTheEndingWhateverTheNameLength) {
    for (const auto& [name, title] : {std::pair("walk.GPX", "walk"), std::pair("a", "a"), std::pair(".gpx.gpx", ".gpx")})
        EXPECT_EQ(title, gpxToPolyFile(name, R"(<wpt lat="1" lon="2"/>)").file.title) << name;
}

}  // namespace
