// Reading a background: only the first ring, in single precision, with
// the view fitted to it and kept there while the document changes.
#include <gtest/gtest.h>

#include <string>

#include "background/Background.h"
#include "document/Reader.h"
#include "support/StateFixture.h"
#include "view/Plot.h"

namespace tess {
namespace {

using test::dataFile;

const char* kThreeRings =
    "three\n1\n   10.5 50.5\n   12.5 50.5\n   12.5 52.5\n   10.5 50.5\nEND\n"
    "2\n   -40 -40\n   -41.5 -40\n   -40 -41.5\nEND\n3\n   100.5 60.5\n   101.5 61.5\nEND\nEND\n";

const char* kSmallDocument = "doc\n1\n   11.5 51.5\n   11.75 51.5\n   11.75 51.75\n   11.5 51.5\nEND\n"
                             "2\n   12 52\n   12.1 52\n   12.1 52.1\n   12 52\nEND\nEND\n";

class BackgroundReader : public test::StateTest {};

TEST_F(BackgroundReader, OnlyTheFirstRingIsReadAndItsClosingPointIsKept) {
    loadpolybk(state, file("three.poly", kThreeRings));
    EXPECT_EQ(state.bk.bkPointCount, 3);
    EXPECT_EQ(state.bk.bkLon[1], 12.5f);
    EXPECT_EQ(state.bk.bkLat[2], 52.5f);
    EXPECT_EQ(state.bk.bkLon[3], state.bk.bkLon[0]);
    EXPECT_EQ(state.bk.bkLat[3], state.bk.bkLat[0]);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_FALSE(platform.pointerBusy);
}

TEST_F(BackgroundReader, PointsAreHeldInSinglePrecision) {
    loadpolybk(state, file("fine.poly", "t\n1\n   8.123456789 50.987654321\n   9.5 51.5\nEND\nEND\n"));
    EXPECT_EQ(state.bk.bkLon[0], 8.123456789f);
    EXPECT_EQ(state.bk.bkLat[0], 50.987654321f);
}

TEST_F(BackgroundReader, TheViewIsFittedToTheBackground) {
    loadpolybk(state, file("three.poly", kThreeRings));
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{" 10.5", " 50.5", " 12.5", " 52.5"}));
    EXPECT_EQ(state.view.lonSpan, 2.0f);
    EXPECT_EQ(state.view.latSpan, 2.0f);
}

TEST_F(BackgroundReader, LoadingOrSwitchingRingsLeavesTheBoundLabelsAlone) {
    loadpolybk(state, file("three.poly", kThreeRings));
    const auto labels = state.view.labels;
    const float minLon = state.view.minLon, lonSpan = state.view.lonSpan;
    ASSERT_TRUE(loadpoly(state, file("doc.poly", kSmallDocument), 0));
    EXPECT_EQ(state.view.labels, labels);
    loaddt(state, 1);
    EXPECT_EQ(state.view.labels, labels);
    EXPECT_EQ(state.view.minLon, minLon);
    EXPECT_EQ(state.view.lonSpan, lonSpan);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 12.1);
}

TEST_F(BackgroundReader, TheBackgroundIsDrawnInDarkRed) {
    loadpolybk(state, file("three.poly", kThreeRings));
    plot(state, false, 1);
    int darkRed = 0;
    for (const auto& line : surface.lines) darkRed += line.color == colors::darkRed;
    EXPECT_GT(darkRed, 0);
}

TEST_F(BackgroundReader, RealFilesShowTheirFirstRing) {
    // Berlin is one ring of 76 coordinate lines.
    loadpolybk(state, dataFile("osmium_berlin.poly"));
    EXPECT_GT(state.bk.bkPointCount, 10);
    EXPECT_EQ(state.bk.bkLon[0], state.bk.bkLon[static_cast<std::size_t>(state.bk.bkPointCount)]);
    EXPECT_GT(state.view.lonSpan, 0.0f);
}

TEST_F(BackgroundReader, HasNoVertexLimit) {
    std::string big = "big\n1\n";
    const int n = 70000;  // beyond any 16-bit counter
    for (int i = 0; i < n; ++i) big += "   " + std::to_string(i % 360) + ".5 " + std::to_string(i % 80) + ".25\n";
    big += "END\nEND\n";
    loadpolybk(state, file("big.poly", big));
    EXPECT_EQ(state.bk.bkPointCount, n - 1);
    EXPECT_EQ(state.bk.bkLon[69999], 159.5f);
}

TEST_F(BackgroundReader, AMissingFileOrAOneLetterPathIsReportedAndKeepsTheOldBackground) {
    loadpolybk(state, file("three.poly", kThreeRings));
    loadpolybk(state, temp.file("gone.poly"));
    loadpolybk(state, "a");
    const std::string cannotOpen =
        "Cannot open file.\r\n\r\nTry renaming it ( & folder) using non-Unicode asci";
    EXPECT_EQ(platform.shown, (std::vector<std::string>{cannotOpen, cannotOpen}));
    EXPECT_EQ(state.bk.bkPointCount, 3);
    EXPECT_EQ(state.bk.bkLon[1], 12.5f);
}

TEST_F(BackgroundReader, AFileWithoutEndIsNotAPolyFile) {
    const std::string path = file("notes.poly", "just some text 1.5 2.5\n");
    loadpolybk(state, path);
    EXPECT_EQ(platform.shown, (std::vector<std::string>{"Not a poly file:" + path}));
    EXPECT_EQ(state.bk.bkPointCount, 0);
    EXPECT_FALSE(platform.pointerBusy);
}

TEST_F(BackgroundReader, ASinglePointOrNoPointIsNoBackground) {
    loadpolybk(state, file("one.poly", "one\n1\n   1.5 2.5\nEND\nEND\n"));
    EXPECT_EQ(state.bk.bkPointCount, 0);
    loadpolybk(state, file("none.poly", "weekend\n1\n   1.5 2.5\nEND\nEND\n"));  // the first END is in the title
    EXPECT_EQ(state.bk.bkPointCount, 0);
}

TEST_F(BackgroundReader, LinesThatAreNotTwoNumbersAddNoStrayPoint) {
    loadpolybk(state, file("odd.poly", "AREA.V2\n1\n   10.5 50.5\n\t11.5\t51.5\r\n   12.5,52.5\n   10.5 50.5\nEND\nEND\n"));
    EXPECT_EQ(state.bk.bkPointCount, 2);
    EXPECT_EQ(state.bk.bkLon[1], 11.5f);
    EXPECT_EQ(state.view.labels[0], " 10.5");
}

TEST_F(BackgroundReader, PointsThatShareOneLongitudeDrawWithoutCrashing) {
    loadpolybk(state, file("line.poly", "line\n1\n   10.5 50.5\n   10.5 51.5\n   10.5 52.5\nEND\nEND\n"));
    EXPECT_EQ(state.view.lonSpan, 0.0f);
    ASSERT_TRUE(loadpoly(state, file("doc.poly", kSmallDocument), 0));
    plot(state, true, 0);
    EXPECT_FALSE(state.edit.busy);
    EXPECT_FALSE(platform.pointerBusy);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BackgroundReader, BinaryContentNeitherCrashesNorHangs) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += static_cast<char>((i * 7919 + i / 13) & 0xFF);
    for (std::size_t at = 50; at + 8 < bytes.size(); at += 331) bytes.replace(at, 8, " 1.5 2.5\n");
    bytes += "\nEND\n";
    loadpolybk(state, file("noise.poly", bytes));
    EXPECT_GE(state.bk.bkPointCount, 0);
    EXPECT_FALSE(platform.pointerBusy);
    plot(state, false, 1);
    EXPECT_FALSE(state.edit.busy);
}

}  // namespace
}  // namespace tess
