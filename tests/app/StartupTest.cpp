// The start-up sequence: working folder, settings, the command-line file.
#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/Startup.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

using namespace tess;

class StartupTest : public test::StateTest {};

TEST(CommandLine, DoubleQuotesAreRemoved) {
    EXPECT_EQ(commandLinePath({"\"/maps/my area.poly\""}), "/maps/my area.poly");
    EXPECT_EQ(commandLinePath({"/maps/\"x\".poly"}), "/maps/x.poly");
}

TEST(CommandLine, SeveralWordsWithoutQuotesFormOnePath) {
    EXPECT_EQ(commandLinePath({"/maps/my", "area.poly"}), "/maps/my area.poly");
    EXPECT_EQ(commandLinePath({}), "");
}

TEST(CenterWindow, TheWindowSitsInTheMiddleOfTheScreen) {
    const WindowPosition p = centerWindow(1920, 1080, 653, 660);
    EXPECT_EQ(p.left, (1920 - 653) / 2);
    EXPECT_EQ(p.top, (1080 - 660) / 2);
}

TEST_F(StartupTest, WithoutArgumentsTheCaptionNamesOnlyTheProgram) {
    startup(state, temp.path(), "");
    EXPECT_EQ(state.caption, "Tessaline 2.1 ");
    EXPECT_EQ(state.doc.listCount, 0);
    EXPECT_EQ(state.doc.currentRing, -1);
    EXPECT_EQ(state.progress.barWidth, 15);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(StartupTest, TheWorkingFolderIsCreatedBesideTheProgram) {
    startup(state, temp.path(), "");
    EXPECT_EQ(state.systemDir, temp.file("system"));
    EXPECT_TRUE(folderExists(temp.file("system")));
}

TEST_F(StartupTest, TheSettingsOfTheLastRunAreRead) {
    makeFolder(temp.file("system"));
    test::writeFile(temp.file("system/tessaline.dat"), "\xA3)*(\r\n/maps/a.poly\r\n\r\n\r\n\r\n\r\nM\r\nB\r\n\r\n");
    startup(state, temp.path(), "");
    EXPECT_EQ(state.recent[0].caption, "/maps/a.poly");
    EXPECT_EQ(state.mergeTitle, "M");
    EXPECT_EQ(state.lastBackground, "B");
}

TEST_F(StartupTest, TheCommandLineFileIsOpenedAndDrawn) {
    const std::string path = test::dataFile("osmium_berlin.poly");
    startup(state, temp.path(), path);
    EXPECT_EQ(state.doc.fileName, path);
    EXPECT_EQ(state.caption, "Tessaline 2.1 " + path);
    EXPECT_GE(state.doc.listCount, 1);
    EXPECT_GT(state.doc.lastPoint, 0);
    EXPECT_EQ(surface.lines.size(), static_cast<std::size_t>(state.doc.lastPoint));
}

TEST_F(StartupTest, AMissingCommandLineFileIsReportedAndStillNamed) {
    const std::string path = temp.file("gone.poly");
    startup(state, temp.path(), path);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].rfind("Cannot open file.", 0), 0u);
    EXPECT_EQ(state.doc.fileName, path);
    EXPECT_EQ(state.doc.lastPoint, 0);
}
