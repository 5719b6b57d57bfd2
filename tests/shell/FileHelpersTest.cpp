// File-name helpers: cancelled names, the last part of a path, the replace
// question and the tidied dialog result.
#include <gtest/gtest.h>

#include "shell/FileHelpers.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

using namespace tess;

TEST(BadPolyName, EmptyStarAndBareExtensionCountAsCancelled) {
    EXPECT_TRUE(isBadPolyName(""));
    EXPECT_TRUE(isBadPolyName("*.poly"));
    EXPECT_TRUE(isBadPolyName("/maps/a*b.poly"));
    EXPECT_TRUE(isBadPolyName(".poly"));
}

TEST(BadPolyName, OrdinaryNamesAreUsable) {
    EXPECT_FALSE(isBadPolyName("a.poly"));
    EXPECT_FALSE(isBadPolyName("/maps/area"));
    EXPECT_FALSE(isBadPolyName("x.poly.poly"));
}

TEST(LastPathPart, ForwardAndBackSlashesGiveTheFileName) {
    EXPECT_EQ(ftrim("C:/maps/europe/area.poly"), "area.poly");
    EXPECT_EQ(ftrim("C:\\maps\\europe\\area.poly"), "area.poly");
    EXPECT_EQ(ftrim("/home/user/area.gpx"), "area.gpx");
}

TEST(LastPathPart, NameWithoutFolderAndEmptyTextStayAsTheyAre) {
    EXPECT_EQ(ftrim("area.poly"), "area.poly");
    EXPECT_EQ(ftrim(""), "");
    EXPECT_EQ(ftrim("/maps/"), "");
}

TEST(ConfirmReplace, AMissingFileIsReplacedWithoutAsking) {
    test::TempDir dir;
    test::ScriptedPlatform platform;
    EXPECT_TRUE(confirmReplace(platform, dir.file("new.poly")));
    EXPECT_TRUE(platform.shown.empty());
}

TEST(ConfirmReplace, AnExistingFileIsReplacedOnlyAfterYes) {
    test::TempDir dir;
    test::writeFile(dir.file("old.poly"), "x");
    test::ScriptedPlatform platform;
    platform.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(confirmReplace(platform, dir.file("old.poly")));
    EXPECT_TRUE(confirmReplace(platform, dir.file("old.poly")));
    ASSERT_EQ(platform.shown.size(), 2u);
    EXPECT_EQ(platform.shown[0], "Replace file?");
}

TEST(FileDialog, BlanksAroundTheNameAndNulCharactersAreRemoved) {
    test::ScriptedPlatform platform;
    platform.dialogResults = {std::string("  /maps/a.poly\0\0", 16), "   "};
    EXPECT_EQ(fileDialog(platform, false, polyFilters(), ""), "/maps/a.poly");
    EXPECT_EQ(fileDialog(platform, true, gpxFilters(), "untitled.gpx"), "");
    EXPECT_TRUE(platform.lastDialogWasSave);
    EXPECT_EQ(platform.lastDefaultName, "untitled.gpx");
}

TEST(FileDialog, FiltersNameTheirDescriptionAndPattern) {
    ASSERT_EQ(polyFilters().size(), 1u);
    EXPECT_EQ(polyFilters()[0].description, "Polygon Files (*.poly)");
    EXPECT_EQ(polyFilters()[0].pattern, "*.poly");
    EXPECT_EQ(gpxFilters()[0].description, "GPX Files (*.gpx)");
    EXPECT_EQ(gpxFilters()[0].pattern, "*.gpx");
    ASSERT_EQ(polyAndGpxFilters().size(), 2u);
    EXPECT_EQ(polyAndGpxFilters()[1].pattern, "*.gpx");
}
