// The settings file: what is written, and that any file, however broken,
// is read without harm.
#include <gtest/gtest.h>

#include "app/Settings.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

using namespace tess;

class SettingsTest : public test::StateTest {
protected:
    std::string path() { return temp.file("tessaline.dat"); }
    // Reads a settings file with exactly this content.
    void load(const std::string& content) {
        test::writeFile(path(), content);
        loaddat(state);
    }
};

TEST_F(SettingsTest, SavedFileHoldsTheMarkerEightLinesAndAFinalEmptyLine) {
    state.recent[0].caption = "/maps/a.poly";
    state.recent[2].caption = "/maps/c.poly";
    state.mergeTitle = "MERGED";
    state.lastBackground = "/maps/bk.gpx";
    savedata(state);
    EXPECT_EQ(test::readFile(path()),
              "\xA3)*(\r\n/maps/a.poly\r\n\r\n/maps/c.poly\r\n\r\n\r\nMERGED\r\n/maps/bk.gpx\r\n\r\n");
}

TEST_F(SettingsTest, WhatIsSavedIsReadBack) {
    for (int i = 0; i < kRecentCount; ++i) state.recent[static_cast<std::size_t>(i)].caption = "/maps/" + std::to_string(i) + ".poly";
    state.mergeTitle = "Übersicht";
    state.lastBackground = "/maps/bk.poly";
    savedata(state);

    State fresh(platform);
    fresh.systemDir = temp.path();
    loaddat(fresh);
    for (int i = 0; i < kRecentCount; ++i)
        EXPECT_EQ(fresh.recent[static_cast<std::size_t>(i)].caption, "/maps/" + std::to_string(i) + ".poly");
    EXPECT_EQ(fresh.mergeTitle, "Übersicht");
    EXPECT_EQ(fresh.lastBackground, "/maps/bk.poly");
}

TEST_F(SettingsTest, AMissingFileLeavesEverythingEmpty) {
    state.recent[1].caption = "stale";
    loaddat(state);
    for (const RecentEntry& e : state.recent) EXPECT_EQ(e.caption, "");
    EXPECT_EQ(state.mergeTitle, "");
    EXPECT_EQ(state.lastBackground, "");
}

TEST_F(SettingsTest, ASettingsFileReplacedByAFolderReadsAsNoneAndCannotBeSaved) {
    ASSERT_TRUE(makeFolder(path()));
    loaddat(state);
    EXPECT_EQ(state.recent[0].caption, "");
    state.mergeTitle = "kept";
    savedata(state);  // reported, not fatal
    EXPECT_TRUE(folderExists(path()));
    EXPECT_NE(platform.last().find("Error saving " + path()), std::string::npos);
}

TEST_F(SettingsTest, AShortFileFillsWhatItHasAndEmptiesTheRest) {
    load("\xA3)*(\r\n/maps/a.poly\r\n/maps/b.poly");
    EXPECT_EQ(state.recent[0].caption, "/maps/a.poly");
    EXPECT_EQ(state.recent[1].caption, "/maps/b.poly");
    EXPECT_EQ(state.recent[2].caption, "");
    EXPECT_EQ(state.mergeTitle, "");
}

TEST_F(SettingsTest, AnEmptyFileReadsAsNoSettings) {
    load("");
    EXPECT_EQ(state.recent[0].caption, "");
    EXPECT_EQ(state.lastBackground, "");
}

TEST_F(SettingsTest, LinesWithBinaryBytesReadAsEmpty) {
    std::string junk = "\xA3)*(\r\n";
    junk += std::string("ab\0cd", 5) + "\r\n";
    junk += "/maps/ok.poly\r\n";
    for (int i = 0; i < 300; ++i) junk += static_cast<char>(i * 37 % 256);
    load(junk);
    EXPECT_EQ(state.recent[0].caption, "");
    EXPECT_EQ(state.recent[1].caption, "/maps/ok.poly");
}

TEST_F(SettingsTest, AHugeFileIsIgnored) {
    std::string huge = "\xA3)*(\r\n/maps/a.poly\r\n";
    huge += std::string(kMaxSettingsBytes, 'x');
    load(huge);
    EXPECT_EQ(state.recent[0].caption, "");
}

TEST_F(SettingsTest, AnOverlongLineReadsAsEmpty) {
    load("\xA3)*(\r\n" + std::string(kMaxSettingsLine + 1, 'a') + "\r\n/maps/b.poly\r\n");
    EXPECT_EQ(state.recent[0].caption, "");
    EXPECT_EQ(state.recent[1].caption, "/maps/b.poly");
}

TEST_F(SettingsTest, AFileEditedWithBareLineFeedsStillReads) {
    load("\xA3)*(\n/maps/a.poly\n\n\n\n\nTITLE\n/maps/bk.poly\n");
    EXPECT_EQ(state.recent[0].caption, "/maps/a.poly");
    EXPECT_EQ(state.mergeTitle, "TITLE");
    EXPECT_EQ(state.lastBackground, "/maps/bk.poly");
}

TEST_F(SettingsTest, AnEmptyLineSixGivesAnEmptyMergeTitle) {
    state.mergeTitle = "old";
    load("\xA3)*(\r\n\r\n\r\n\r\n\r\n\r\n\r\n/maps/bk.poly\r\n\r\n");
    EXPECT_EQ(state.mergeTitle, "");
    EXPECT_EQ(state.lastBackground, "/maps/bk.poly");
}
