// File names as the dialogs and the file menu take them.
#include <gtest/gtest.h>

#include "document/Numbers.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"
#include "support/ScriptedPlatform.h"

namespace {

using namespace tess;

TEST(FileNames, aCancelledOrWildcardDialogAnswerIsNoName) {
    for (const char* bad : {"", "*.poly", "/m/a*b.poly", ".poly"}) EXPECT_TRUE(isBadPolyName(bad)) << bad;
    EXPECT_FALSE(isBadPolyName("/m/area"));
}

TEST(FileNames, theLastPartOfAPathIsFoundAfterEitherSlash) {
    EXPECT_EQ("area.poly", fileNameOf("C:\\maps\\area.poly"));
    EXPECT_EQ("a.gpx", fileNameOf("/h/a.gpx"));
}

// The same file under two names is found by the file system, a name not yet
// written by the names alone; two files are never the same.
TEST(FileNames, theSameFileIsFoundUnderEitherName) {
    EXPECT_TRUE(sameFile("/m/new.poly", "/m/new.poly"));
    EXPECT_TRUE(sameFile("/tmp", "/tmp/."));
    EXPECT_FALSE(sameFile("/tmp", "/"));
    EXPECT_FALSE(sameFile("", ""));
}

TEST(FileNames, onlyAsciiCapitalsAreLowered) { EXPECT_EQ("azaz@[`{\xC3\x89", lowerAscii("AZaz@[`{\xC3\x89")); }

TEST(FileDialog, answersLoseBlanksAroundAndAnythingAfterANul) {
    test::ScriptedPlatform platform;
    platform.dialogResults = {std::string("  /m/a b.poly \0", 15)};
    EXPECT_EQ("/m/a b.poly", fileDialog(platform, false, polyFilters(), ""));
}

}  // namespace
