// Open GPX and GPX backgrounds: the points that reach the document or the
// background, the question and messages, and the names the import leaves.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "document/Reader.h"
#include "gpx/GpxReader.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

namespace tess {
namespace {

using test::dataFile;
using test::readFile;

struct Expected {
    const char* file;
    std::int64_t points;
    double firstLon, firstLat, lastLon, lastLat;
};

// Counted by hand from the files: waypoints, route points and track
// points, without the bounds corners.
const Expected kRealFiles[] = {
    {"gpsbabel_basecamp.gpx", 6, -105.46585036441684, 39.97386971488595, -105.49896240234375,
     40.00396728515625},
    {"gpxpy_gpx1.1_with_all_fields.gpx", 8, 45.6, 12.3, -20.2, 10.1},
    {"gpsbabel_expertgps.gpx", 196, -71.119277, 42.438878, -91.599667, 30.047133},
    {"gpxpy_unicode_with_bom.gpx", 1, 3.515386, 43.309634, 3.515386, 43.309634},
    {"georust_ecology-trail-and-lovers-lane-loop.gpx", 139, -122.45744, 37.79804, -122.45744, 37.79804},
    {"gpxgo_iso8859-1encoded.gpx", 8, 20.5402796, 44.2805478, 20.6774742, 44.2521762},
    {"gpxpy_track-with-empty-segment.gpx", 9, 6.0819695, 50.7772126, 6.0827203, 50.7776715},
    {"gpsbabel_bend-input.gpx", 232, -3.8922715, 43.447473, -3.8923359, 43.4473443},
};

class GpxImport : public test::StateTest {
protected:
    // The scratch folder's name in lower case, as imported names have it.
    std::string lowerFolder() const {
        std::string folder = temp.path();
        for (char& c : folder) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return folder;
    }
};

TEST_F(GpxImport, RealFilesGiveEveryPointInFileOrderClosedOnTheFirst) {
    for (const Expected& e : kRealFiles) {
        SCOPED_TRACE(e.file);
        loadgpx(state, dataFile(e.file), 0);
        const Document& d = state.doc;
        ASSERT_EQ(d.lastPoint, e.points);  // the points and the closing point
        EXPECT_DOUBLE_EQ(d.ringLon[0], e.firstLon);
        EXPECT_DOUBLE_EQ(d.ringLat[0], e.firstLat);
        const auto last = static_cast<std::size_t>(e.points - 1);
        EXPECT_DOUBLE_EQ(d.ringLon[last], e.lastLon);
        EXPECT_DOUBLE_EQ(d.ringLat[last], e.lastLat);
        EXPECT_DOUBLE_EQ(d.ringLon[last + 1], e.firstLon);
        EXPECT_DOUBLE_EQ(d.ringLat[last + 1], e.firstLat);
        EXPECT_EQ(d.listCount, 1);
        state.doc.modified = false;  // the next import asks nothing
    }
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(GpxImport, WaypointsThenRouteThenTrackKeepTheirOrder) {
    loadgpx(state, dataFile("gpsbabel_expertgps.gpx"), 0);
    const Document& d = state.doc;
    // Point 86 is the last waypoint, 87 the first route point, 133 the
    // first track point (counted from 1).
    EXPECT_DOUBLE_EQ(d.ringLat[85], 42.441727);
    EXPECT_DOUBLE_EQ(d.ringLon[86], -71.107628);
    EXPECT_DOUBLE_EQ(d.ringLat[132], 30.062183);
    EXPECT_DOUBLE_EQ(d.ringLon[132], -91.61035);
}

TEST_F(GpxImport, TheDocumentIsModifiedAndNamedAfterTheGpxFileInLowerCase) {
    const std::string path = file("Walk.GPX", "<wpt lat=\"50.5\" lon=\"8.5\"/><wpt lat=\"51\" lon=\"9\"/>"
                                              "<wpt lat=\"50\" lon=\"9.5\"/>");
    loadgpx(state, path, 0);
    // The whole path is lower-cased, folders included.
    const std::string folder = lowerFolder();
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ(state.doc.fileName, folder + "/walk.poly");
    EXPECT_EQ(state.caption, "Tessaline 2.1 " + folder + "/walk.poly+");
    EXPECT_EQ(state.doc.title, "WALK_GPX");
    EXPECT_EQ(state.doc.lastPoint, 3);
    EXPECT_DOUBLE_EQ(state.doc.ringLat[1], 51);
}

TEST_F(GpxImport, TheWorkingFileLiesInTheWorkingFolder) {
    const std::string gpx = "<wpt lat=\"50.5\" lon=\"8.5\"/>";
    loadgpx(state, file("trip.gpx", gpx), 0);
    EXPECT_EQ(readFile(temp.file("tmp.poly")), gpxToPolyText("trip.gpx", gpx) + "\r\n");
}

TEST_F(GpxImport, TheViewFitsTheImportedPoints) {
    loadgpx(state, file("box.gpx", "<wpt lat=\"50\" lon=\"8\"/><wpt lat=\"52.5\" lon=\"10.5\"/>"), 0);
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{" 8", " 50", " 10.5", " 52.5"}));
}

TEST_F(GpxImport, UnsavedChangesAskFirstAndNoOrCancelKeepTheDocument) {
    loadpoly(state, dataFile("osmium_berlin.poly"), 0);
    state.doc.fileName = "berlin.poly";
    state.doc.modified = true;
    const auto before = state.doc.ringTexts;
    const auto lastPoint = state.doc.lastPoint;
    const std::string path = file("trip.gpx", "<wpt lat=\"50.5\" lon=\"8.5\"/>");
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        platform.answers = {answer};
        loadgpx(state, path, 0);
        EXPECT_EQ(platform.last(), "Current changes not saved.\r\n\r\nContinue anyway?");
        EXPECT_EQ(state.doc.ringTexts, before);
        EXPECT_EQ(state.doc.lastPoint, lastPoint);
        EXPECT_EQ(state.doc.fileName, "berlin.poly");
    }
    platform.answers = {Answer::Yes};
    loadgpx(state, path, 0);
    EXPECT_EQ(state.doc.lastPoint, 1);
    EXPECT_EQ(state.doc.fileName, lowerFolder() + "/trip.poly");
}

TEST_F(GpxImport, ASavedDocumentIsReplacedWithoutAQuestion) {
    loadpoly(state, dataFile("osmium_berlin.poly"), 0);
    loadgpx(state, file("trip.gpx", "<wpt lat=\"50.5\" lon=\"8.5\"/>"), 0);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(state.doc.lastPoint, 1);
}

TEST_F(GpxImport, AMissingFileIsReportedAndChangesNothing) {
    loadpoly(state, dataFile("osmium_berlin.poly"), 0);
    const auto before = state.doc.ringLon;
    const std::string missing = temp.file("nowhere.gpx");
    loadgpx(state, missing, 0);
    EXPECT_EQ(platform.shown, (std::vector<std::string>{"Cannot find gpx:" + missing}));
    loadgpx(state, "", 0);
    EXPECT_EQ(platform.last(), "Cannot find gpx:");
    EXPECT_EQ(state.doc.ringLon, before);
    EXPECT_FALSE(fileExists(temp.file("tmp.poly")));
}

TEST_F(GpxImport, AFileWithoutPointsGivesAnEmptyRingAndNoMessage) {
    loadgpx(state, file("empty.gpx", "<gpx><trk><trkseg></trkseg></trk></gpx>"), 0);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_LE(state.doc.lastPoint, 0);
    EXPECT_EQ(state.doc.listCount, 1);
}

TEST_F(GpxImport, AMalformedPointNeverStopsTheImport) {
    loadgpx(state, file("odd.gpx", "<wpt lat=\"1e999\" lon=\"8.5\"/><wpt lat=\"50.5\" lon=\"8.5\"/>"
                                    "<wpt lon=\"9\" lat=\"51\"/><wpt lat=\"51.5\" lon=\"9.5\"/>"),
            0);
    EXPECT_TRUE(platform.shown.empty());
    ASSERT_EQ(state.doc.lastPoint, 2);
    EXPECT_DOUBLE_EQ(state.doc.ringLat[1], 51.5);
}

TEST_F(GpxImport, BinaryContentNeitherCrashesNorInventsPoints) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 131 + 7) & 0xFF);
    bytes += "lat=\"\x01\x02\" lon=\"\xFF\"";
    loadgpx(state, file("noise.gpx", bytes), 0);
    EXPECT_LE(state.doc.lastPoint, 0);
}

TEST_F(GpxImport, AWorkingFileThatCannotBeWrittenStopsTheImportAndKeepsTheDocument) {
    loadpoly(state, dataFile("osmium_berlin.poly"), 0);
    const auto before = state.doc.ringLon;
    state.systemDir = temp.file("missing-folder");
    loadgpx(state, file("trip.gpx", "<wpt lat=\"50.5\" lon=\"8.5\"/>"), 0);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_NE(platform.last().find("Error saving "), std::string::npos);
    EXPECT_EQ(state.doc.ringLon, before);
    EXPECT_FALSE(platform.pointerBusy);
}

TEST_F(GpxImport, AsBackgroundItNeverAsksAndLeavesNameCaptionAndDocument) {
    loadpoly(state, dataFile("osmium_berlin.poly"), 0);
    state.doc.fileName = "berlin.poly";
    state.doc.modified = true;
    state.caption = "caption";
    const auto ring = state.doc.ringLon;
    loadgpx(state, dataFile("gpxpy_track-with-empty-segment.gpx"), 1);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(state.doc.fileName, "berlin.poly");
    EXPECT_EQ(state.caption, "caption");
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ(state.doc.ringLon, ring);
    // Nine track points and the closing point.
    ASSERT_EQ(state.bk.bkPointCount, 9);
    EXPECT_FLOAT_EQ(state.bk.bkLon[0], 6.0819695f);
    EXPECT_FLOAT_EQ(state.bk.bkLat[8], 50.7776715f);
    EXPECT_FLOAT_EQ(state.bk.bkLat[9], 50.7772126f);
}

TEST_F(GpxImport, OpenGpxTwiceInARowReplacesTheFirstImport) {
    loadgpx(state, file("a.gpx", "<wpt lat=\"1.5\" lon=\"2.5\"/><wpt lat=\"3.5\" lon=\"4.5\"/>"), 0);
    platform.answers = {Answer::Yes};  // the first import is unsaved
    loadgpx(state, file("b.gpx", "<wpt lat=\"5.5\" lon=\"6.5\"/>"), 0);
    EXPECT_EQ(state.doc.lastPoint, 1);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[0], 6.5);
}

}  // namespace
}  // namespace tess
