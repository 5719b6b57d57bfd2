// The commands around the document: the program started as a user starts it, start-up,
// the names Save and Open GPX choose, the recent files, the combine list
// and the small file-name helpers.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "app/FileMenu.h"
#include "background/Background.h"
#include "app/Startup.h"
#include "combine/ChosenFiles.h"
#include "combine/Merge.h"
#include "platform/Messages.h"
#include "formats/Gpx.h"
#include "platform/Files.h"
#include "tools/ImportExport.h"
#include "session/Opening.h"
#include "session/RecentFiles.h"
#include "support/StateFixture.h"

using namespace tess;

namespace {

// The program itself, started as a user starts it.
int runProgram(const std::string& arguments, std::string& out) {
    FILE* pipe = popen((std::string(TESSALINE_BINARY) + " " + arguments + " 2>&1").c_str(), "r");
    char buffer[256];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    return WEXITSTATUS(pclose(pipe));
}

// The batch cases run the verbs; the picture needs the window's own painter.
TEST(Program, rendersAPictureFromTheCommandLine) {
    test::TempDir dir;
    std::string out;
    EXPECT_EQ(0, runProgram("--render " + test::dataFile("gpsbabel_basecamp.gpx") + " -o " + dir.file("t.png"), out)) << out;
    EXPECT_TRUE(test::readFile(dir.file("t.png")).starts_with("\x89PNG"));
}

class Commands : public test::StateTest {};

TEST_F(Commands, startUpOpensTheFileOnTheCommandLineOrStaysEmpty) {
    startup(state, temp.path(), test::dataFile("gpsbabel_basecamp.gpx"));
    EXPECT_EQ(1, state.doc.ringCount());
    EXPECT_EQ(15, state.progress.barWidth);  // the drawing's full bar went
    EXPECT_TRUE(state.view.keepProportions);   // the preferences' default, with no file of them
    EXPECT_TRUE(state.doc.modified);
    State empty(platform);
    startup(empty, temp.path(), temp.file("missing.poly"));
    EXPECT_EQ(kCannotOpenFile, platform.last());
    EXPECT_EQ("Tessaline 2.1", windowCaption(empty.doc));
    EXPECT_EQ(temp.path(), empty.settings.exeDir);  // where the help page is looked for
    EXPECT_EQ(-1, empty.doc.loaded.index);
    EXPECT_EQ(100, centerWindow(1000, 800, 800, 600).left);
    // A read that failed or was cancelled takes its progress back.
    for (const bool cancelled : {false, true}) {
        empty.progress.barWidth = 400;
        DocumentFileRead failed;
        failed.cancelled = cancelled;
        failed.error = cancelled ? "" : "broken";
        EXPECT_FALSE(acceptDocumentFile(empty, temp.file("x.poly"), std::move(failed)));
        EXPECT_EQ(15, empty.progress.barWidth) << cancelled;
    }
}

TEST_F(Commands, saveAsksBeforeReplacingItsOwnFileOnceItIsReadOnly) {
    const std::string path = file("own.poly", "t\n1\n   10.0 50.0\n   11.0 50.0\n   11.0 51.0\n   10.0 50.0\nEND\nEND\n");
    ASSERT_TRUE(openDocumentFile(state, path));
    ::chmod(path.c_str(), 0444);
    state.doc.content.title = "changed";
    state.doc.modified = true;
    platform.answers = {Answer::No};
    EXPECT_FALSE(saveDocument(state, SaveMode::Save));
    EXPECT_EQ(kReplaceReadOnlyFile, platform.last());
    EXPECT_TRUE(test::readFile(path).starts_with("t\n"));
    platform.answers = {Answer::Yes};
    EXPECT_TRUE(saveDocument(state, SaveMode::Save));
    EXPECT_TRUE(test::readFile(path).starts_with("changed\n"));
    EXPECT_TRUE(isReadOnlyFile(path));
}

TEST_F(Commands, saveWritesOnlyPolyFilesAndAsksBeforeReplacingAnotherFile) {
    ASSERT_TRUE(openDocumentFile(state, file("Walk.GPX", test::readFile(test::dataFile("gpsbabel_basecamp.gpx")))));
    EXPECT_EQ(temp.file("Walk.poly"), state.doc.fileName);
    EXPECT_EQ("Walk", state.doc.content.title);
    file("Walk.poly", "old");
    platform.answers = {Answer::No};
    EXPECT_FALSE(saveDocument(state, SaveMode::Save));
    EXPECT_EQ(kReplaceFile, platform.last());
    EXPECT_EQ("old", test::readFile(temp.file("Walk.poly")));
    // Open, Open GPX, Import GeoJSON and Background ask for a file to open; the exports for one to save.
    for (auto command : {chooseAndImportGpx, importGeoJsonCommand, chooseAndOpenPolyFile, addBackground, exportGeoJsonCommand, convertToGpxCommand}) {
        const bool saves = command == exportGeoJsonCommand || command == convertToGpxCommand;
        platform.dialogResults = {""};
        platform.answers = {Answer::Yes};
        platform.lastDialogWasSave = !saves;
        command(state);
        EXPECT_EQ(saves, platform.lastDialogWasSave);
    }
    // Save As proposes the name the document goes by, beside the file it came from.
    platform.dialogResults = {""};
    EXPECT_FALSE(saveDocument(state, SaveMode::SaveAs));
    EXPECT_EQ("Walk.poly", platform.lastDefaultName);
    EXPECT_EQ(temp.path(), platform.lastInitialDir);
    for (const auto& [typed, written] : std::vector<std::pair<std::string, std::string>>{
             {"b.gpx", "b.gpx.poly"}, {"c", "c.poly"}, {"D.POLY", "D.POLY"}, {"e.poly.gpx", "e.poly.gpx.poly"}}) {
        platform.dialogResults = {temp.file(typed)};
        EXPECT_TRUE(saveDocument(state, SaveMode::SaveAs));
        EXPECT_EQ(temp.file(written), state.doc.fileName);
        EXPECT_EQ(written + " (" + temp.path() + ") — Tessaline 2.1", windowCaption(state.doc));
    }
    EXPECT_FALSE(std::filesystem::exists(temp.file("b.gpx")));
    platform.dialogResults = {temp.file("no/folder.poly")};
    state.doc.modified = true;
    EXPECT_FALSE(saveDocument(state, SaveMode::SaveAs));  // fails: the name and the mark stay
    EXPECT_TRUE(platform.last().starts_with("Error saving \r\n" + temp.file("no/folder.poly") + "\r\n")) << platform.last();
    EXPECT_EQ(temp.file("e.poly.gpx.poly"), state.doc.fileName);
    EXPECT_TRUE(state.doc.modified);
}

TEST_F(Commands, convertToGpxWritesTheLoadedRingAsARouteWhereTheUserSays) {
    ASSERT_TRUE(openDocumentFile(state, test::dataFile("osmium_berlin.poly")));
    platform.dialogResults = {temp.file("route.gpx")};
    convertToGpxCommand(state);
    const std::string route = test::readFile(temp.file("route.gpx"));
    std::size_t points = 0;
    for (auto at = route.find("<rtept "); at != std::string::npos; at = route.find("<rtept ", at + 1)) ++points;
    EXPECT_EQ(111u, points);  // 110 vertices and the first again
    EXPECT_TRUE(route.ends_with("</rte></gpx>\r\n"));
    platform.dialogResults = {test::dataFile("gpsbabel_basecamp.gpx")};
    platform.shown.clear();
    chooseAndImportGpx(state);  // over a document without changes: no question, and a sound file: no note
    EXPECT_EQ(std::vector<std::string>{}, platform.shown);
}

TEST_F(Commands, closingAsksToSaveAndACancelledSaveKeepsTheWindowOpen) {
    ASSERT_TRUE(openDocumentFile(state, test::dataFile("osmium_berlin.poly")));
    state.doc.fileName = kUntitled;  // a document that never had a file
    state.doc.modified = true;
    platform.answers = {Answer::Yes, Answer::Cancel, Answer::No};
    platform.dialogResults = {""};
    EXPECT_FALSE(mayClose(state));  // Yes, then the save dialog cancelled
    EXPECT_FALSE(mayClose(state));  // Cancel
    EXPECT_TRUE(mayClose(state));   // No gives the changes up
}

TEST_F(Commands, recentFilesMoveToTheTopAndOnlyExistingOnesAreEnabled) {
    const std::string a = file("a.poly", "x"), b = file("b.poly", test::readFile(test::dataFile("osmium_berlin.poly")));
    for (const std::string& path : {a, b, std::string("/gone.poly"), a}) addRecentFile(state.settings, path);
    EXPECT_EQ(a, state.settings.recent[0].path);
    EXPECT_EQ("/gone.poly", state.settings.recent[1].path);
    EXPECT_EQ(b, state.settings.recent[2].path);
    EXPECT_FALSE(state.settings.recent[1].enabled);
    EXPECT_TRUE(state.settings.recent[2].enabled && !state.settings.recent[3].enabled);
    state.settings.recent[4].path = b;
    openRecentFile(state, kRecentCount - 1);
    EXPECT_EQ(b, state.doc.fileName);
}

TEST(ChosenFilesList, refusesOnlyAPathAlreadyChosen) {
    ChosenFiles chosen;
    EXPECT_TRUE(addChosenFile(chosen, "/m", "berlin.poly"));
    EXPECT_TRUE(addChosenFile(chosen, "/m", "lin.poly"));
    EXPECT_TRUE(addChosenFile(chosen, "/n", "berlin.poly"));
    EXPECT_FALSE(addChosenFile(chosen, "/m", "berlin.poly"));
    removeChosenFiles(chosen, {0, 7, 0});
    EXPECT_EQ((std::vector<std::string>{"/m/lin.poly", "/n/berlin.poly"}), chosen.paths);
    EXPECT_TRUE(addChosenFile(chosen, "/m", "berlin.poly"));
}

// A combine of no files asks for some; one that cannot be written says so
// and writes nothing; its progress is told in percent.
TEST(Combine, ofNoFilesAsksForSomeAndAFailedWriteIsNoCombine) {
    test::ScriptedPlatform platform;
    EXPECT_FALSE(combineFiles(platform, {}, "t", "/tmp/never.poly"));
    EXPECT_EQ(kPleaseAddFiles, platform.last());
    EXPECT_FALSE(combineFiles(platform, {test::dataFile("osmium_berlin.poly")}, "t", "/nowhere/at/all.poly"));
    EXPECT_TRUE(platform.last().starts_with(kErrorSaving)) << platform.last();
    EXPECT_EQ(" 50%", mergeProgressText(1, 2));
    EXPECT_EQ(" 0%", mergeProgressText(3, 0));
}

}  // namespace

