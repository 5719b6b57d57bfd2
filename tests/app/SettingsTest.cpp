// The settings file: what is saved is read back, a file however broken is
// read without harm, and two windows keep what the other one changed.
#include <gtest/gtest.h>

#include "app/Preferences.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/WindowLayout.h"
#include "platform/Files.h"
#include "platform/WorkingFolder.h"
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
        {marker + "\r\n" + std::string(kMaxSettingsLine + 1, 'a') + "\r\n/" + std::string(kMaxSettingsLine - 1, 'b') + "\r\n", "",
         "/" + std::string(kMaxSettingsLine - 1, 'b'), ""},
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
// layout older versions read; it is on until the user turns it off, and a
// broken file leaves it on.
TEST_F(SettingsTest, KeepProportionsIsRememberedBesideTheSettingsWithoutChangingThem) {
    loadPreferences(state);
    EXPECT_TRUE(state.view.keepProportions);
    state.view.keepProportions = false;
    writeSettingsFile(state);
    const std::string settings = test::readFile(path());
    ASSERT_TRUE(savePreferences(state));
    EXPECT_EQ(settings, test::readFile(path()));
    State next(platform);
    next.settings.systemDir = temp.path();
    next.view.keepProportions = true;
    loadPreferences(next);
    EXPECT_FALSE(next.view.keepProportions);
    // A file of 64 KiB is read; a larger one is none of ours.
    const std::string prefs = temp.file(kPreferencesFileName), text = test::readFile(prefs);
    for (const std::size_t size : {std::size_t{64 * 1024}, std::size_t{64 * 1024 + 1}}) {
        test::writeFile(prefs, text + std::string(size - text.size(), '\n'));
        next.view.keepProportions = true;
        loadPreferences(next);
        EXPECT_EQ(size > 64 * 1024, next.view.keepProportions) << size;
    }
    EXPECT_TRUE(parsePreferences("keep_proportions\n\x01=false\n").keepProportions);
    EXPECT_FALSE(parsePreferences("other=1\r\n\t  keep_proportions = false \r\n").keepProportions);
    ASSERT_TRUE(deleteFile(prefs) && makeFolder(prefs));  // a folder in its place: the save fails
    EXPECT_FALSE(savePreferences(next));
}

// The canvas fills the window but for the ring list's column on its left,
// 20 pixels on its right and the rows below; the ring list ends with it.
TEST(WindowLayoutTest, theCanvasFollowsTheWindowAndTheListTheCanvas) {
    WindowLayout l;
    for (const auto& [width, height] : {std::pair(12000, 9000), std::pair(500, 500)}) {  // too small: the sizes stay
        layoutForWindow(l, width, height);
        EXPECT_EQ(std::pair(12000 - 300, 9000 - 1000), std::pair(l.canvasLeft + l.canvasWidth, l.canvasTop + l.canvasHeight));
        EXPECT_EQ(l.canvasTop + l.canvasHeight, l.listTop + l.listHeight);
    }
}

// The window opens where it closed while enough of it is on a screen to
// take hold of, no larger than the screen; else at 70 % in the middle.
TEST(WindowPlaceTest, IsTheOneRememberedWhileItCanBeGrabbedElseSeventyPercentInTheMiddle) {
    const WindowPlace screen{0, 30, 1000, 800};
    EXPECT_EQ(openingPlace(screen, {}, 650, 480), (WindowPlace{150, 150, 700, 560}));
    EXPECT_EQ(openingPlace(screen, {100, 100, 500, 400}, 650, 480), (WindowPlace{100, 100, 500, 400}));
    EXPECT_EQ(openingPlace(screen, {-20, 40, 3000, 2000}, 650, 480), (WindowPlace{-20, 40, 1000, 800}));
    EXPECT_EQ(openingPlace(screen, {-400, 30, 500, 400}, 650, 480), (WindowPlace{-400, 30, 500, 400}));  // just enough to grab
    for (const WindowPlace gone : {WindowPlace{1950, 100, 500, 400}, WindowPlace{-450, 100, 500, 400},
                                   WindowPlace{100, 0, 500, 400}, WindowPlace{100, 790, 500, 400}})
        EXPECT_EQ(openingPlace(screen, gone, 650, 480), (WindowPlace{150, 150, 700, 560}));
    EXPECT_EQ(openingPlace({0, 0, 600, 400}, {}, 650, 480), (WindowPlace{0, 0, 650, 480}));

    Preferences placed;
    placed.window = {-8, 20, 900, 700};
    EXPECT_EQ(parsePreferences(preferencesText(placed)).window, placed.window);
    for (const char* broken : {"window=1,2,3\n", "window=1,2,3,4,5\n", "window=1,2,0,4\n", "window=a,2,3,4\n"})
        EXPECT_EQ(parsePreferences(broken).window, WindowPlace{}) << broken;
}
