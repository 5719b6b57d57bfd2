// The File menu without a window: new, open, save, the recent files,
// dropped files and the close guard.
#include <gtest/gtest.h>

#include "app/FileMenu.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

using namespace tess;

namespace {
const char* kSquare =
    "AREA\n1\n   10.0   50.0\n   20.0   50.0\n   20.0   60.0\n   10.0   60.0\n   10.0   50.0\nEND\nEND\n";
}

class FileMenuTest : public test::StateTest {
protected:
    std::string square(const std::string& name) { return file(name, kSquare); }
    void open(const std::string& path) {
        platform.dialogResults.push_back(path);
        mf_Click(state, mf::OpenPoly);
    }
    // Opens a fresh square file and marks it as changed.
    std::string openChanged(const std::string& name = "a.poly") {
        const std::string path = square(name);
        open(path);
        state.doc.modified = true;
        return path;
    }
    // Opens square files with these names in turn and returns their paths.
    std::vector<std::string> openAll(std::initializer_list<const char*> names) {
        std::vector<std::string> paths;
        for (const char* n : names) paths.push_back(square(n));
        for (const auto& p : paths) open(p);
        return paths;
    }
    // Asks whether the window may close and answers the question with this.
    bool mayCloseAnswering(Answer answer) {
        platform.answers = {answer};
        return mayClose(state);
    }
    std::vector<std::string> recentCaptions() {
        std::vector<std::string> out;
        for (const RecentEntry& e : state.recent) out.push_back(e.caption);
        return out;
    }
};

TEST_F(FileMenuTest, OpenLoadsTheFileAndPutsItFirstInTheRecentFiles) {
    const std::string path = square("a.poly");
    open(path);
    EXPECT_EQ(state.doc.fileName, path);
    EXPECT_EQ(state.doc.listCount, 1);
    EXPECT_EQ(state.doc.lastPoint, 4);
    EXPECT_EQ(state.recent[0].caption, path);
    EXPECT_TRUE(state.recent[0].enabled);
    EXPECT_EQ(state.caption, "Tessaline 2.1 " + path);
    EXPECT_EQ(surface.lines.size(), 4u);
    EXPECT_EQ(platform.lastFilters[0].description, "Polygon Files (*.poly)");
    EXPECT_FALSE(platform.lastDialogWasSave);
}

TEST_F(FileMenuTest, ACancelledOpenDialogChangesNothing) {
    const std::string path = square("a.poly");
    open(path);
    open("");
    EXPECT_EQ(state.doc.fileName, path);
    EXPECT_EQ(state.doc.lastPoint, 4);
}

TEST_F(FileMenuTest, OpenWithUnsavedChangesAsksAndNoKeepsTheDocument) {
    const std::string a = openChanged(), b = square("b.poly");
    platform.answers = {Answer::No};
    mf_Click(state, mf::OpenPoly);
    EXPECT_EQ(platform.last(), "Changes not saved. Continue Anyway?");
    EXPECT_EQ(state.doc.fileName, a);
    EXPECT_TRUE(state.doc.modified);

    platform.answers = {Answer::Yes};
    open(b);
    EXPECT_EQ(state.doc.fileName, b);
    EXPECT_FALSE(state.doc.modified);
    EXPECT_EQ(state.caption, "Tessaline 2.1 " + b);
}

TEST_F(FileMenuTest, OpenGpxDeclinedKeepsTheDocumentAndItsName) {
    const std::string a = openChanged();
    const std::string gpx = file("a.gpx", "<gpx><wpt lat=\"1.5\" lon=\"2.5\"/></gpx>");
    platform.dialogResults.push_back(gpx);
    platform.answers = {Answer::No};
    mf_Click(state, mf::OpenGpx);
    EXPECT_EQ(state.doc.fileName, a);
    EXPECT_EQ(state.doc.lastPoint, 4);

    platform.dialogResults.push_back(gpx);
    platform.answers = {Answer::Yes};
    mf_Click(state, mf::OpenGpx);
    EXPECT_EQ(state.doc.fileName, temp.path() + "/a.poly");
}

TEST_F(FileMenuTest, NewAsksToStartAndEmptiesTheDocument) {
    open(square("a.poly"));
    platform.answers = {Answer::Yes};
    mf_Click(state, mf::New);
    EXPECT_EQ(platform.last(), "Start a new project?");
    EXPECT_EQ(state.doc.fileName, "untitled.poly");
    EXPECT_EQ(state.doc.listCount, 0);
    EXPECT_EQ(state.doc.lastPoint, 0);
    EXPECT_EQ(state.doc.currentRing, -1);
    EXPECT_EQ(state.view.labels[0], "0000");
    EXPECT_EQ(state.view.labels[3], "0000");
    EXPECT_EQ(state.caption, "Tessaline 2.1 untitled.poly");
}

TEST_F(FileMenuTest, NewWithUnsavedChangesAndNoKeepsTheDocument) {
    const std::string a = openChanged();
    platform.answers = {Answer::No};
    mf_Click(state, mf::New);
    EXPECT_EQ(platform.last(), "Changes not saved. Continue Anyway?");
    EXPECT_EQ(state.doc.fileName, a);
    EXPECT_EQ(state.doc.lastPoint, 4);
}

TEST_F(FileMenuTest, SaveWithAnOutlineAsksForTheSelectionFirst) {
    open(square("a.poly"));
    state.sel.selCount = 3;
    mf_Click(state, mf::Save);
    EXPECT_EQ(platform.last(), "Save Selection");
}

TEST_F(FileMenuTest, SaveWithNoRingSaysNoData) {
    mf_Click(state, mf::SaveAs);
    EXPECT_EQ(platform.last(), "No data");
}

TEST_F(FileMenuTest, SaveOfAnUnchangedDocumentShowsTheSaveDialog) {
    open(square("a.poly"));
    const std::string target = temp.file("copy.poly");
    platform.dialogResults = {target};
    mf_Click(state, mf::Save);
    EXPECT_TRUE(platform.lastDialogWasSave);
    EXPECT_EQ(platform.lastDefaultName, "untitled.poly");
    EXPECT_TRUE(fileExists(target));
    EXPECT_EQ(state.doc.fileName, target);
}

TEST_F(FileMenuTest, SaveOfAModifiedDocumentWithoutExtensionWritesPolyWithoutAsking) {
    open(square("a.poly"));
    state.doc.fileName = temp.file("area");
    state.doc.modified = true;
    mf_Click(state, mf::Save);
    EXPECT_TRUE(fileExists(temp.file("area.poly")));
    EXPECT_FALSE(state.doc.modified);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(FileMenuTest, SaveAsAppendsTheExtensionOnlyWhenMissing) {
    open(square("a.poly"));
    platform.dialogResults = {temp.file("area.txt")};
    mf_Click(state, mf::SaveAs);
    EXPECT_TRUE(fileExists(temp.file("area.txt.poly")));
    platform.dialogResults = {temp.file("AREA.POLY")};
    mf_Click(state, mf::SaveAs);
    EXPECT_TRUE(fileExists(temp.file("AREA.POLY")));
    EXPECT_FALSE(fileExists(temp.file("AREA.POLY.poly")));
}

TEST_F(FileMenuTest, SaveAsOverAnExistingFileAsksAndNoKeepsIt) {
    open(square("a.poly"));
    const std::string other = file("other.poly", "OLD");
    platform.dialogResults = {other};
    platform.answers = {Answer::No};
    mf_Click(state, mf::SaveAs);
    EXPECT_EQ(platform.last(), "Replace file?");
    EXPECT_EQ(test::readFile(other), "OLD");
}

TEST_F(FileMenuTest, SaveSelectionWithoutOutlineSaysSo) {
    mf_Click(state, mf::SaveSelection);
    EXPECT_EQ(platform.last(), "No selection found");
}

TEST_F(FileMenuTest, ReopeningTheThirdRecentFileMovesItFirst) {
    const auto paths = openAll({"1.poly", "2.poly", "3.poly", "4.poly", "5.poly"});
    EXPECT_EQ(recentCaptions(), (std::vector<std::string>{paths[4], paths[3], paths[2], paths[1], paths[0]}));
    open(paths[2]);
    EXPECT_EQ(recentCaptions(), (std::vector<std::string>{paths[2], paths[4], paths[3], paths[1], paths[0]}));
}

TEST_F(FileMenuTest, ASixthFileDropsTheOldest) {
    const auto paths = openAll({"1.poly", "2.poly", "3.poly", "4.poly", "5.poly", "6.poly"});
    EXPECT_EQ(recentCaptions(), (std::vector<std::string>{paths[5], paths[4], paths[3], paths[2], paths[1]}));
}

TEST_F(FileMenuTest, ADeletedRecentFileIsDisabledAfterTheNextOpen) {
    const std::string a = square("a.poly"), b = square("b.poly");
    open(a);
    deleteFile(a);
    open(b);
    EXPECT_EQ(state.recent[1].caption, a);
    EXPECT_FALSE(state.recent[1].enabled);
    EXPECT_TRUE(state.recent[0].enabled);
    EXPECT_FALSE(state.recent[2].enabled);
}

TEST_F(FileMenuTest, ARecentEntryReopensItsFileWithoutReordering) {
    const auto paths = openAll({"a.poly", "b.poly"});
    mf_Click(state, mf::FirstRecent + 1);
    EXPECT_EQ(state.doc.fileName, paths[0]);
    EXPECT_EQ(state.doc.lastPoint, 4);
    EXPECT_EQ(state.recent[0].caption, paths[1]);
}

TEST_F(FileMenuTest, ARecentEntryWhoseFileIsGoneOnlyRefreshesTheCaption) {
    const auto paths = openAll({"a.poly", "b.poly"});
    deleteFile(paths[0]);
    mf_Click(state, mf::FirstRecent + 1);
    EXPECT_EQ(state.doc.fileName, paths[1]);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(FileMenuTest, ARecentEntryWithUnsavedChangesAsksFirst) {
    const auto paths = openAll({"a.poly", "b.poly"});
    state.doc.modified = true;
    platform.answers = {Answer::No};
    mf_Click(state, mf::FirstRecent + 1);
    EXPECT_EQ(platform.last(), "Changes not saved. Continue Anyway?");
    EXPECT_EQ(state.doc.fileName, paths[1]);
    EXPECT_TRUE(state.doc.modified);
}

TEST_F(FileMenuTest, ADroppedPolyFileIsLoadedButNotAddedToTheRecentFiles) {
    std::string path = square("Area.POLY");
    const std::string original = path;
    loadole(state, path);
    EXPECT_EQ(state.doc.fileName, original);
    EXPECT_EQ(state.doc.lastPoint, 4);
    EXPECT_EQ(state.recent[0].caption, "");
    EXPECT_FALSE(state.edit.busy);
}

TEST_F(FileMenuTest, DroppingTheOpenFileAgainOrAnotherKindDoesNothing) {
    std::string path = square("a.poly");
    loadole(state, path);
    state.doc.lastPoint = 0;
    loadole(state, path);
    EXPECT_EQ(state.doc.lastPoint, 0);
    std::string gpx = file("a.gpx", "<gpx/>");
    loadole(state, gpx);
    EXPECT_EQ(state.doc.fileName, path);
}

TEST_F(FileMenuTest, ADropWithUnsavedChangesAndYesLoadsNothing) {
    std::string a = square("a.poly"), b = square("b.poly");
    loadole(state, a);
    state.doc.modified = true;
    platform.answers = {Answer::Yes};
    loadole(state, b);
    EXPECT_EQ(platform.last(), "Save changes");
    EXPECT_EQ(state.doc.fileName, a);
}

TEST_F(FileMenuTest, ADroppedFileThatIsMissingIsReported) {
    std::string gone = temp.file("gone.poly");
    loadole(state, gone);
    ASSERT_FALSE(platform.shown.empty());
    EXPECT_EQ(platform.shown[0].rfind("Cannot open file.", 0), 0u);
    EXPECT_FALSE(state.edit.busy);
}

TEST_F(FileMenuTest, CloseWithoutChangesClosesWithoutAsking) {
    EXPECT_TRUE(mayClose(state));
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(FileMenuTest, CloseWithChangesAndCancelKeepsTheWindow) {
    openChanged();
    EXPECT_FALSE(mayCloseAnswering(Answer::Cancel));
    EXPECT_EQ(platform.last(), "File not saved . Save file ?");
}

TEST_F(FileMenuTest, CloseWithChangesAndNoClosesWithoutSaving) {
    const std::string a = openChanged();
    state.doc.title = "CHANGED";
    EXPECT_TRUE(mayCloseAnswering(Answer::No));
    EXPECT_EQ(test::readFile(a), kSquare);
}

TEST_F(FileMenuTest, CloseWithChangesAndYesSavesThenCloses) {
    const std::string a = openChanged();
    state.doc.title = "CHANGED";
    EXPECT_TRUE(mayCloseAnswering(Answer::Yes));
    EXPECT_EQ(test::readFile(a).rfind("CHANGED", 0), 0u);
    EXPECT_FALSE(state.doc.modified);
}

TEST_F(FileMenuTest, CloseWithChangesYesAndAFailedSaveKeepsTheWindow) {
    state.doc.modified = true;  // a typed title, but no ring to save
    EXPECT_FALSE(mayCloseAnswering(Answer::Yes));
    EXPECT_EQ(platform.last(), "No data");
}

TEST_F(FileMenuTest, SavingADocumentThatNeverHadAFileAsksWhereToPutIt) {
    open(square("a.poly"));
    state.doc.fileName = "untitled.poly";
    state.doc.modified = true;
    const std::string target = temp.file("chosen.poly");
    platform.dialogResults = {target};
    mf_Click(state, mf::Save);
    EXPECT_TRUE(platform.lastDialogWasSave);
    EXPECT_TRUE(fileExists(target));
    EXPECT_EQ(state.doc.fileName, target);
}
