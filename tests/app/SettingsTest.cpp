// The settings file: what is saved is read back, a file however broken is
// read without harm, and two windows keep what the other one changed.
#include <gtest/gtest.h>

#include "app/Preferences.h"
#include "app/Settings.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

using namespace tess;

class SettingsTest : public test::StateTest {
protected:
    std::string path() { return temp.file("tessaline.dat"); }
    State window() { State s(platform); s.settings.systemDir = temp.path(); readSettingsFile(s); return s; }
    static void setRecent(State& s, const std::array<std::string, kRecentCount>& captions) {
        for (std::size_t i = 0; i < captions.size(); ++i) s.settings.recent[i].path = captions[i];
    }
};

TEST_F(SettingsTest, WhatIsSavedIsReadBackLineForLine) {
    setRecent(state, {"/a.poly", "/Übersicht b.poly", "", "", ""});
    state.settings.mergeTitle = "MERGED";
    state.settings.lastBackground = "/bk.gpx";
    writeSettingsFile(state);
    EXPECT_EQ(test::readFile(path()), "\xA3)*(\r\n/a.poly\r\n/Übersicht b.poly\r\n\r\n\r\n\r\nMERGED\r\n/bk.gpx\r\n\r\n");
    const State fresh = window();
    EXPECT_EQ(settingsText(fresh), settingsText(state));
    EXPECT_EQ(settingsText(fresh.settings.atStart), settingsText(state));
}

TEST_F(SettingsTest, ABrokenFileGivesOnlyTheLinesThatCanBeOurs) {
    const std::string marker = kSettingsMarker;
    struct Case { std::string content, first, second, title; };
    const Case cases[] = {
        {"", "", "", ""}, {marker + "\r\n/a.poly\r\n/b.poly", "/a.poly", "/b.poly", ""},
        {marker + "\n/a.poly\n\n\n\n\nTITLE\n", "/a.poly", "", "TITLE"},
        {marker + "\r\n" + std::string("a\0b", 3) + "\r\n/ok.poly\r\n\x01\xff\x80", "", "/ok.poly", ""},
        {marker + "\r\n" + std::string(kMaxSettingsLine + 1, 'a') + "\r\n/b.poly\r\n", "", "/b.poly", ""},
        {marker + "\r\n/a.poly\r\n" + std::string(kMaxSettingsBytes, 'x'), "", "", ""},
    };
    for (const Case& c : cases) {
        setRecent(state, {"stale", "stale", "stale", "stale", "stale"});
        test::writeFile(path(), c.content);
        readSettingsFile(state);
        EXPECT_EQ(state.settings.recent[0].path + "|" + state.settings.recent[1].path + "|" + state.settings.mergeTitle,
                  c.first + "|" + c.second + "|" + c.title) << c.content.substr(0, 40);
    }
    ASSERT_TRUE(deleteFile(path()) && makeFolder(path()));  // a folder in its place is never replaced
    writeSettingsFile(state);
    EXPECT_TRUE(platform.last().starts_with(std::string("Error saving \r\n") + path() + "\r\n")) << platform.last();
}

TEST_F(SettingsTest, TwoWindowsKeepWhatTheOtherAddedOrChanged) {
    test::writeFile(path(), settingsText(SettingsSnapshot{{"/a", "/b", "/c", "/d", "/e"}, "T0", "B0"}));
    State first = window(), second = window();
    setRecent(first, {"/f", "/a", "/b", "/c", "/d"});
    first.settings.mergeTitle = "T1";
    setRecent(second, {"/g", "/h", "/a", "/b", "/c"});
    second.settings.lastBackground = "B2";
    for (State* closing : {&first, &second}) writeSettingsFile(*closing);
    EXPECT_EQ(test::readFile(path()), settingsText(SettingsSnapshot{{"/g", "/h", "/f", "/a", "/b"}, "T1", "B2"}) + "\r\n");
    // An entry both added appears once; empty and repeated entries of the file are skipped.
    const SettingsSnapshot atStart{{"/a"}, "T", "B"}, mine{{"/x", "/a"}, "T", "B"};
    const SettingsSnapshot file{{"/x", "", "/a", "/a", "/y"}, "T2", "B2"}, merged{{"/x", "/a", "/y"}, "T2", "B2"};
    EXPECT_EQ(mergedSettingsText(atStart, mine, settingsText(file)), settingsText(merged));
}

// Keep Proportions lives in a file of its own, so tessaline.dat keeps the
// layout older versions read; a broken file leaves the default.
TEST_F(SettingsTest, KeepProportionsIsRememberedBesideTheSettingsWithoutChangingThem) {
    state.view.keepProportions = true;
    writeSettingsFile(state);
    const std::string settings = test::readFile(path());
    ASSERT_TRUE(savePreferences(state));
    EXPECT_EQ(settings, test::readFile(path()));
    State next(platform);
    next.settings.systemDir = temp.path();
    loadPreferences(next);
    EXPECT_TRUE(next.view.keepProportions);
    EXPECT_FALSE(parsePreferences("keep_proportions\n\x01=true\n").keepProportions);
    EXPECT_TRUE(parsePreferences("other=1\r\n keep_proportions = 1 \r\n").keepProportions);
}
