// Reading .poly files: the split at END, the lenient coordinate lines, and
// every way a load can fail.
#include <gtest/gtest.h>

#include "document/Reader.h"
#include "support/StateFixture.h"

using namespace tess;
using tess::test::StateTest;

namespace {

const char* kTwoRings =
    "test\n"
    "1\n"
    "   1.0   2.0\n"
    "   3.0   4.0\n"
    "   5.0   6.5\n"
    "   1.0   2.0\n"
    "END\n"
    "2\n"
    "   10.0   20.0\n"
    "   30.0   40.0\n"
    "   10.0   20.0\n"
    "END\n"
    "END\n";

}  // namespace

class Reader : public StateTest {
protected:
    bool load(const std::string& content) { return loadpoly(state, file("a.poly", content), 0); }
};

TEST_F(Reader, SplitsTheFileIntoRingsAndParsesTheFirst) {
    ASSERT_TRUE(load(kTwoRings));
    EXPECT_EQ(state.doc.listCount, 2);
    EXPECT_EQ(state.doc.listIndex, 0);
    ASSERT_EQ(state.doc.ringTexts.size(), 4u);
    EXPECT_EQ(state.doc.ringTexts[2], "\n");
    EXPECT_EQ(state.doc.ringTexts[3], "\n");
    EXPECT_EQ(state.doc.title, "TEST");
    EXPECT_EQ(state.doc.lastPoint, 3);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[2], 5.0);
    EXPECT_DOUBLE_EQ(state.doc.ringLat[2], 6.5);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[3], state.doc.ringLon[0]);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_FALSE(platform.pointerBusy);
}

TEST_F(Reader, FitsTheViewToTheRingAndShowsTheBounds) {
    ASSERT_TRUE(load(kTwoRings));
    EXPECT_FLOAT_EQ(state.view.minLon, 1);
    EXPECT_FLOAT_EQ(state.view.maxLon, 5);
    EXPECT_FLOAT_EQ(state.view.minLat, 2);
    EXPECT_FLOAT_EQ(state.view.maxLat, 6.5);
    EXPECT_FLOAT_EQ(state.view.lonSpan, 4);
    EXPECT_FLOAT_EQ(state.view.latSpan, 4.5);
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{" 1", " 2", " 5", " 6.5"}));
}

TEST_F(Reader, ReadsEveryNumberFormRealFilesUse) {
    ASSERT_TRUE(load("t\n1\n"
                     "   -1.5E-01   5.15E+01\n"  // exponent form, three-blank indent
                     "\t-0.15\t51.5\n"           // tabs
                     "-1.5e-1 5.15d1\r\n"        // lower case, D exponent, CRLF
                     "\n"                        // blank line
                     "1 2\n"                     // no period: not a coordinate line
                     "1.0 2.0 3.0\n"             // three numbers
                     "END\nEND\n"));
    ASSERT_EQ(state.doc.lastPoint, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(state.doc.ringLon[i], -0.15) << i;
        EXPECT_DOUBLE_EQ(state.doc.ringLat[i], 51.5) << i;
    }
    EXPECT_DOUBLE_EQ(state.doc.ringLon[3], 1.0);
    EXPECT_DOUBLE_EQ(state.doc.ringLat[3], 2.03);
}

TEST_F(Reader, LowerCaseEndSplitsLikeCapitals) {
    ASSERT_TRUE(load("t\n1\n 1.0 1.0\n 2.0 1.0\n 2.0 2.0\n 1.0 1.0\nend\n2\n 3.0 3.0\nEND\nEND\n"));
    EXPECT_EQ(state.doc.listCount, 2);
}

TEST_F(Reader, OnlyLowerCaseEndFillsTheListThenStops) {
    EXPECT_FALSE(load("t\n1\n 1.0 1.0\nend\nend\n"));
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Cannot find END"});
    EXPECT_EQ(state.doc.listCount, 1);
    EXPECT_EQ(state.doc.title, "T");
    EXPECT_EQ(state.doc.lastPoint, 0);
}

TEST_F(Reader, ATitleWithEndInItSplitsThere) {
    ASSERT_TRUE(load("Weekend trip\n1\n 1.0 1.0\n 2.0 2.0\nEND\nEND\n"));
    EXPECT_EQ(state.doc.title, "WEEK");
    EXPECT_EQ(state.doc.listCount, 2);
    EXPECT_EQ(state.doc.lastPoint, -1);
}

TEST_F(Reader, AMissingClosingEndKeepsTheLastRing) {
    ASSERT_TRUE(load("t\n1\n 1.0 1.0\n 2.0 1.0\n 1.0 1.0\nEND\n2\n 5.0 5.0\n 6.0 5.0\n 5.0 5.0\nEND\n"));
    EXPECT_EQ(state.doc.listCount, 2);
}

TEST_F(Reader, AMissingFileIsReported) {
    EXPECT_FALSE(loadpoly(state, temp.file("nothing.poly"), 0));
    EXPECT_EQ(platform.last(), "Cannot open file.\r\n\r\nTry renaming it ( & folder) using non-Unicode asci");
}

TEST_F(Reader, ABadFirstRingLineStopsTheLoad) {
    EXPECT_FALSE(load("t\n1\n 1.0 1.0\n 1.5,2.5\nEND\nEND\n"));
    EXPECT_EQ(platform.last(), "Error. Check poly file ");
    EXPECT_FALSE(platform.pointerBusy);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[0], 1.0);  // what was read before the error stays
}

TEST_F(Reader, ATitleWithAPeriodAndNoBlankIsAnError) {
    EXPECT_FALSE(load("area.v2\n1\n 1.0 1.0\nEND\nEND\n"));
    EXPECT_EQ(platform.last(), "Error. Check poly file ");
}

TEST_F(Reader, TooManyRingsAreRefusedAndTheDocumentStays) {
    ASSERT_TRUE(load(kTwoRings));
    std::string many = "t\n";
    for (int i = 0; i < 32768; ++i) many += "1\n 1.0 1.0\nEND\n";
    many += "END\n";
    EXPECT_FALSE(load(many));
    EXPECT_EQ(platform.last(), "Error. Check poly file ");
    EXPECT_EQ(state.doc.listCount, 2);
    EXPECT_EQ(state.doc.title, "TEST");
}

TEST_F(Reader, TheLargestRingCountLoads) {
    std::string many = "t\n";
    for (int i = 0; i < 32767; ++i) many += "1\n 1.0 1.0\n 2.0 2.0\nEND\n";
    many += "END\n";
    EXPECT_TRUE(load(many));
    EXPECT_EQ(state.doc.listCount, 32767);
}

TEST_F(Reader, BinaryContentNeitherCrashesNorHangs) {
    std::string junk;
    for (int i = 0; i < 100000; ++i) junk.push_back(static_cast<char>((i * 7919) % 256));
    junk += std::string("\0\0END\0.\0 \0END", 14);
    load(junk);  // whatever it reports, it returns
    SUCCEED();
}

TEST_F(Reader, NulBytesInsideLinesAreJustCharacters) {
    ASSERT_TRUE(load(std::string("t\0x\n1\n 1.0 2.0\n 3.0\0 4.0\n 1.0 2.0\nEND\nEND\n", 42)));
    EXPECT_EQ(state.doc.lastPoint, 2);
}

TEST_F(Reader, OneHugeLineWithoutEndIsRefused) {
    EXPECT_FALSE(load(std::string(20'000'000, '7')));
    EXPECT_EQ(platform.last(), "Cannot find END");
}

TEST_F(Reader, ANumberTooLongToReadIsAnError) {
    EXPECT_FALSE(load("t\n1\n " + std::string(5000, '9') + ".0 1.0\nEND\nEND\n"));
    EXPECT_EQ(platform.last(), "Error. Check poly file ");
}

TEST_F(Reader, ChoosingARingParsesOnlyThatRing) {
    ASSERT_TRUE(load(kTwoRings));
    loaddt(state, 1);
    EXPECT_EQ(state.doc.lastPoint, 2);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 30.0);
    EXPECT_FLOAT_EQ(state.view.maxLat, 40);
    EXPECT_EQ(state.view.labels[3], " 40");
}

TEST_F(Reader, ChoosingARingSkipsItsUnreadableLines) {
    ASSERT_TRUE(load("t\n1\n 1.0 1.0\n 2.0 2.0\nEND\n2\n 5.0 5.0\n 6.0,6.0\n 7.0 7.0\nEND\nEND\n"));
    loaddt(state, 1);
    EXPECT_EQ(state.doc.lastPoint, 1);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[1], 7.0);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(Reader, ABackgroundFixesTheViewWhileRingsLoad) {
    state.bk.bkPointCount = 3;
    state.view.minLon = -10;
    state.view.maxLon = 10;
    state.view.minLat = 40;
    state.view.maxLat = 60;
    state.view.lonSpan = 20;
    state.view.latSpan = 20;
    state.view.labels = {"-10", " 40", " 10", " 60"};
    ASSERT_TRUE(load(kTwoRings));
    loaddt(state, 1);
    EXPECT_FLOAT_EQ(state.view.minLon, -10);
    EXPECT_FLOAT_EQ(state.view.lonSpan, 20);
    EXPECT_EQ(state.view.labels, (std::array<std::string, 4>{"-10", " 40", " 10", " 60"}));
}

TEST_F(Reader, RingsOfAnySizeLoad) {
    std::string big = "t\n1\n";
    for (int i = 0; i < 70000; ++i) big += " " + std::to_string(i) + ".5 1.5\n";
    big += "END\nEND\n";
    ASSERT_TRUE(load(big));
    EXPECT_EQ(state.doc.lastPoint, 69999);
    EXPECT_DOUBLE_EQ(state.doc.ringLon[69999], 69999.5);
}

TEST(SplitRings, RemovesCarriageReturnsAndUpperCasesAsciiOnly) {
    auto rings = splitRings("t\xc3\xa9st\r\n1\r\n 1.0 2.0\r\nend\r\nEND\r\n");
    ASSERT_EQ(rings.size(), 3u);
    EXPECT_EQ(rings[0], "T\xc3\xa9ST\n1\n 1.0 2.0\n");
    EXPECT_EQ(rings[1], "\n");
}
