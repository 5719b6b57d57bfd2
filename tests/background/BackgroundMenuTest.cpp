// The Background menu: adding a .poly or GPX background, cancelling it
// (which reads the document again), and bringing back the last one.
#include <gtest/gtest.h>

#include <string>

#include "background/Background.h"
#include "gpx/GpxReader.h"
#include "document/Reader.h"
#include "support/StateFixture.h"

namespace tess {
namespace {

using test::dataFile;

const char* kBackground = "bk\n1\n   0.5 40.5\n   20.5 40.5\n   20.5 60.5\n   0.5 40.5\nEND\nEND\n";
const char* kDocument = "doc\n1\n   11.5 51.5\n   11.75 51.5\n   11.75 51.75\n   11.5 51.5\nEND\nEND\n";

class BackgroundMenu : public test::StateTest {
protected:
    void openDocument() {
        docPath = file("doc.poly", kDocument);
        ASSERT_TRUE(loadpoly(state, docPath, 0));
        state.doc.fileName = docPath;
    }
    std::string docPath;
};

TEST_F(BackgroundMenu, AddBackgroundOffersPolygonThenGpxFiles) {
    platform.dialogResults = {file("bk.poly", kBackground)};
    mbk_Click(state, mbk::Add);
    EXPECT_FALSE(platform.lastDialogWasSave);
    ASSERT_EQ(platform.lastFilters.size(), 2u);
    EXPECT_EQ(platform.lastFilters[0].description, "Polygon Files (*.poly)");
    EXPECT_EQ(platform.lastFilters[0].pattern, "*.poly");
    EXPECT_EQ(platform.lastFilters[1].description, "GPX Files (*.gpx)");
    EXPECT_EQ(platform.lastFilters[1].pattern, "*.gpx");
    EXPECT_EQ(platform.lastDefaultName, "");
}

TEST_F(BackgroundMenu, AddBackgroundFixesTheViewAndRemembersThePath) {
    openDocument();
    const std::string path = file("bk.poly", kBackground);
    platform.dialogResults = {path};
    mbk_Click(state, mbk::Add);
    EXPECT_EQ(state.bk.bkPointCount, 3);
    EXPECT_EQ(state.lastBackground, path);
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{" .5", " 40.5", " 20.5", " 60.5"}));
    EXPECT_EQ(state.doc.lastPoint, 3);  // the document is untouched
    EXPECT_FALSE(state.doc.modified);
}

TEST_F(BackgroundMenu, AGpxBackgroundGoesThroughTheGpxReaderWhateverTheCase) {
    openDocument();
    const std::string path = file("Ride.GPX", "<trkpt lat=\"45.5\" lon=\"7.5\"/><trkpt lat=\"46.5\" lon=\"8.5\"/>");
    platform.dialogResults = {path};
    mbk_Click(state, mbk::Add);
    EXPECT_EQ(state.bk.bkPointCount, 2);
    EXPECT_EQ(state.bk.bkLat[1], 46.5f);
    EXPECT_EQ(state.lastBackground, path);
    EXPECT_EQ(state.doc.fileName, docPath);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BackgroundMenu, ACancelledDialogChangesNothing) {
    state.lastBackground = "/somewhere/old.poly";
    platform.dialogResults = {""};
    mbk_Click(state, mbk::Add);
    EXPECT_EQ(state.lastBackground, "/somewhere/old.poly");
    EXPECT_EQ(state.bk.bkPointCount, 0);
}

TEST_F(BackgroundMenu, AddBackgroundRecordsThePathEvenWhenItCannotBeRead) {
    const std::string path = temp.file("gone.poly");
    platform.dialogResults = {path};
    mbk_Click(state, mbk::Add);
    EXPECT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(state.lastBackground, path);
}

TEST_F(BackgroundMenu, CancelBackgroundReadsTheDocumentAgainAndFitsItsFirstRing) {
    openDocument();
    platform.dialogResults = {file("bk.poly", kBackground)};
    mbk_Click(state, mbk::Add);
    mbk_Click(state, mbk::Cancel);
    EXPECT_EQ(state.bk.bkPointCount, 0);
    EXPECT_EQ(state.bk.bkLon.size(), 1u);
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{" 11.5", " 51.5", " 11.75", " 51.75"}));
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BackgroundMenu, CancelBackgroundAsksFirstWhenChangesAreUnsaved) {
    openDocument();
    platform.dialogResults = {file("bk.poly", kBackground)};
    mbk_Click(state, mbk::Add);
    state.doc.ringLon[1] = 11.9;  // an edit not yet saved
    state.doc.modified = true;

    platform.answers = {Answer::No};
    mbk_Click(state, mbk::Cancel);
    EXPECT_EQ(platform.last(), "Changes not saved. Continue Anyway?");
    EXPECT_EQ(state.bk.bkPointCount, 3);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 11.9);
    EXPECT_TRUE(state.doc.modified);

    platform.answers = {Answer::Yes};
    mbk_Click(state, mbk::Cancel);
    EXPECT_EQ(state.bk.bkPointCount, 0);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 11.75);  // the file's content again
    EXPECT_FALSE(state.doc.modified);
    EXPECT_EQ(state.caption, "Tessaline 2.1 " + docPath);
}

TEST_F(BackgroundMenu, CancelWithoutABackgroundDoesNothing) {
    openDocument();
    state.doc.ringLon[1] = 11.9;
    state.doc.modified = true;
    test::writeFile(docPath, "changed\n1\n   1.5 1.5\n   2.5 2.5\n   1.5 1.5\nEND\nEND\n");
    mbk_Click(state, mbk::Cancel);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 11.9);
    EXPECT_EQ(state.doc.title, "DOC");
}

TEST_F(BackgroundMenu, CancellingTheBackgroundOfANeverSavedImportKeepsItsRing) {
    const std::string gpx = file("walk.gpx", "<wpt lat=\"45.5\" lon=\"7.5\"/><wpt lat=\"46.5\" lon=\"8.5\"/>"
                                             "<wpt lat=\"46\" lon=\"9\"/>");
    loadgpx(state, gpx, 0);  // named walk.poly, which does not exist
    platform.dialogResults = {file("bk.poly", kBackground)};
    mbk_Click(state, mbk::Add);
    platform.answers = {Answer::Yes};
    mbk_Click(state, mbk::Cancel);
    EXPECT_EQ(state.bk.bkPointCount, 0);
    EXPECT_EQ(state.doc.lastPoint, 3);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 8.5);
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{" 7.5", " 45.5", " 9", " 46.5"}));
}

TEST_F(BackgroundMenu, UseLastBackgroundWithoutOneSaysSo) {
    mbk_Click(state, mbk::UseLast);
    state.lastBackground = temp.file("gone.poly");
    mbk_Click(state, mbk::UseLast);
    EXPECT_EQ(platform.shown,
              (std::vector<std::string>{"No previous background found", "No previous background found"}));
    EXPECT_EQ(state.bk.bkPointCount, 0);
}

TEST_F(BackgroundMenu, UseLastBackgroundAfterARestartLoadsItWithoutADialog) {
    const std::string path = file("bk.poly", kBackground);
    {
        test::ScriptedPlatform firstRun;
        State before(firstRun);
        before.systemDir = temp.path();
        firstRun.dialogResults = {path};
        mbk_Click(before, mbk::Add);
        state.lastBackground = before.lastBackground;  // what the settings file carries over
    }
    mbk_Click(state, mbk::UseLast);
    EXPECT_EQ(state.bk.bkPointCount, 3);
    EXPECT_EQ(state.lastBackground, path);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BackgroundMenu, UseLastBackgroundReadsAGpxFileThroughTheGpxReader) {
    state.lastBackground = dataFile("gpxpy_track-with-empty-segment.gpx");
    mbk_Click(state, mbk::UseLast);
    EXPECT_EQ(state.bk.bkPointCount, 9);
    EXPECT_EQ(state.lastBackground, dataFile("gpxpy_track-with-empty-segment.gpx"));
}

}  // namespace
}  // namespace tess
