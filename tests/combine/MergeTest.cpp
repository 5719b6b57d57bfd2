// The merged file, byte for byte: renumbering, titles, chunked rings,
// holes, files without END, and the failures a merge can meet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combine/Merge.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

namespace tess {
namespace {

using test::readFile;
using test::ScriptedPlatform;
using test::TempDir;
using test::writeFile;

std::string merge(const std::vector<std::string>& texts, const std::string& title = "MY AREA") {
    ScriptedPlatform platform;
    std::vector<std::string_view> views(texts.begin(), texts.end());
    return mergeTexts(platform, views, title);
}

const std::string kRingA = "   10.5   50.25\r\n   11.5   50.25\r\n   10.5   50.25\r\n";
const std::string kRingB = "   -1.5E-01   5.15E+01\r\n   -0.25   51.75\r\n";

TEST(Merge, RingsOfTwoFilesAreNumberedOnAcrossFilesUnderTheWindowTitle) {
    const std::string a = "FIRST FILE\r\n1\r\n" + kRingA + "END\r\nEND\r\n";
    const std::string b = "SECOND FILE\r\n1\r\n" + kRingB + "END\r\nEND\r\n";
    EXPECT_EQ(merge({a, b}),
              "MY AREA\r\n1\r\n" + kRingA + "END\r\n2\r\n" + kRingB + "END\r\nEND\r\n");
}

TEST(Merge, TheTitlesOfTheInputFilesAreDropped) {
    const std::string out = merge({"FIRST FILE\n1\n" + kRingA + "END\nEND\n",
                                   "SECOND FILE\n1\n" + kRingB + "END\nEND\n"});
    EXPECT_EQ(out.find("FIRST FILE"), std::string::npos);
    EXPECT_EQ(out.find("SECOND FILE"), std::string::npos);
    EXPECT_EQ(out.rfind("MY AREA", 0), 0u);
}

TEST(Merge, LineFeedOnlyInputIsWrittenWithCarriageReturns) {
    EXPECT_EQ(merge({"T\n1\n   1.5   2.5\nEND\nEND\n"}), "MY AREA\r\n1\r\n   1.5   2.5\r\nEND\r\nEND\r\n");
}

TEST(Merge, SeveralRingsOfOneFileKeepTheirOrder) {
    const std::string a = "T\n1\n" + kRingA + "END\n2\n" + kRingB + "END\nEND\n";
    const std::string b = "U\n7\n" + kRingA + "END\nEND\n";
    EXPECT_EQ(merge({a, b}), "MY AREA\r\n1\r\n" + kRingA + "END\r\n2\r\n" + kRingB + "END\r\n3\r\n" +
                                 kRingA + "END\r\nEND\r\n");
}

TEST(Merge, AFirstFileRingWithoutANumericNameIsNamedAfterTheTitle) {
    EXPECT_EQ(merge({"T\nouter\n" + kRingA + "END\nEND\n"}),
              "MY AREA\r\nMY AREA\r\n" + kRingA + "END\r\nEND\r\n");
}

TEST(Merge, ALaterFileRingWithoutANumericNameGetsNoNameLine) {
    EXPECT_EQ(merge({"T\n1\n" + kRingA + "END\nEND\n", "U\nouter\n" + kRingB + "END\nEND\n"}),
              "MY AREA\r\n1\r\n" + kRingA + "END\r\n" + kRingB + "END\r\nEND\r\n");
}

TEST(Merge, ARingNamedWithAnExclamationMarkStaysAHoleUnderItsNewNumber) {
    const std::string a = "T\n1\n" + kRingA + "END\n!2\n" + kRingB + "END\nEND\n";
    const std::string b = "U\n1\n" + kRingA + "END\n!hole\n" + kRingB + "END\nEND\n";
    EXPECT_EQ(merge({a, b}), "MY AREA\r\n1\r\n" + kRingA + "END\r\n!2\r\n" + kRingB + "END\r\n3\r\n" +
                                 kRingA + "END\r\n!4\r\n" + kRingB + "END\r\nEND\r\n");
}

TEST(Merge, AFileWithoutEndAddsNothingButItsRingNamesStillCount) {
    const std::string a = "T\n1\n" + kRingA + "END\nEND\n";
    const std::string broken = "U\n1\n" + kRingA + "2\n" + kRingB;  // no END at all
    const std::string c = "V\n1\n" + kRingB + "END\nEND\n";
    EXPECT_EQ(merge({a, broken, c}), "MY AREA\r\n1\r\n" + kRingA + "END\r\n4\r\n" + kRingB + "END\r\nEND\r\n");
}

TEST(Merge, ARingLongerThanTwoThousandCharactersLeavesAnEmptyLineAtEachCut) {
    // 24 characters and a line break per line. The buffer starts with the
    // title and the name (7 characters) and goes out before a line is added
    // once it holds more than 2000: after line 77 (7 + 77 * 26 = 2009),
    // then after every further 77 lines (77 * 26 = 2002).
    std::vector<std::string> lines;
    std::string ring;
    for (int i = 0; i < 200; ++i) {
        std::string line = "   10." + std::to_string(100000 + i) + "   50.123456";
        ASSERT_EQ(line.size(), 24u);
        lines.push_back(line + "\r\n");
        ring += line + "\n";
    }
    auto join = [&](int from, int to) {
        std::string s;
        for (int i = from; i < to; ++i) s += lines[i];
        return s;
    };
    const std::string expected = "MY AREA\r\n1\r\n" + join(0, 77) + "\r\n" + join(77, 154) + "\r\n" +
                                 join(154, 200) + "END\r\nEND\r\n";
    EXPECT_EQ(merge({"T\n1\n" + ring + "END\nEND\n"}, "MY AREA"), expected);
}

TEST(Merge, CoordinateLinesWithoutIndentationGetThreeBlanks) {
    EXPECT_EQ(merge({"T\n1\n10.5 50.25\n\t11.5\t50.25\n  10.5 50.25\nEND\nEND\n"}),
              "MY AREA\r\n1\r\n   10.5 50.25\r\n   \t11.5\t50.25\r\n  10.5 50.25\r\nEND\r\nEND\r\n");
}

TEST(Merge, WholeNumberVerticesAreKeptWithADecimalPoint) {
    EXPECT_EQ(merge({"T\n1\n   10   50\n   -11   50\n10 50\nEND\nEND\n"}),
              "MY AREA\r\n1\r\n   10.0   50.0\r\n   -11.0   50.0\r\n   10.0 50.0\r\nEND\r\nEND\r\n");
}

TEST(Merge, RingEndsInAnyCaseOrWithBlanksAreWrittenAsEnd) {
    EXPECT_EQ(merge({"T\n1\n" + kRingA + "end \n2\n" + kRingB + "  End\nend\n"}),
              "MY AREA\r\n1\r\n" + kRingA + "END\r\n2\r\n" + kRingB + "END\r\nEND\r\n");
}

TEST(Merge, BlankLinesInTheInputAreSkipped) {
    EXPECT_EQ(merge({"T\n\n1\n   \n" + kRingA + "\t\nEND\n\nEND\n"}),
              "MY AREA\r\n1\r\n" + kRingA + "END\r\nEND\r\n");
}

TEST(Merge, ATitleThatStartsWithANumberIsNotTakenForARing) {
    EXPECT_EQ(merge({"2020 BORDERS\n1\n" + kRingA + "END\nEND\n", "3 V1.2\n1\n" + kRingB + "END\nEND\n"}),
              "MY AREA\r\n1\r\n" + kRingA + "END\r\n2\r\n" + kRingB + "END\r\nEND\r\n");
}

TEST(Merge, TheTitleLeadsTheOutputEvenWhenTheFirstFileGivesNothing) {
    EXPECT_EQ(merge({"", "U\n1\n" + kRingB + "END\nEND\n"}), "MY AREA\r\n1\r\n" + kRingB + "END\r\nEND\r\n");
    EXPECT_EQ(merge({"T\n1\n" + kRingA}), "MY AREA\r\nEND\r\n");
}

TEST(Merge, UnicodeTitlesSurvive) {
    EXPECT_EQ(merge({"t\n1\n" + kRingA + "END\nEND\n"}, "Zürich Süd"),
              "Zürich Süd\r\n1\r\n" + kRingA + "END\r\nEND\r\n");
}

TEST(Merge, EventsRunOnceAtEveryRingEnd) {
    ScriptedPlatform platform;
    const std::string a = "T\n1\n" + kRingA + "END\n2\n" + kRingB + "END\nEND\n";
    mergeTexts(platform, {a}, "X");
    EXPECT_EQ(platform.eventPumps, 2);
}

TEST(MergeProgress, CaptionShowsTheWholePercentBeforeEachFile) {
    EXPECT_EQ(mergeProgressText(0, 2), " 0%");
    EXPECT_EQ(mergeProgressText(1, 2), " 50%");
    EXPECT_EQ(mergeProgressText(1, 3), " 33%");
    EXPECT_EQ(mergeProgressText(2, 3), " 66%");
    EXPECT_EQ(mergeProgressText(29, 100), " 29%");
}

TEST(SaveMerge, WritesTheMergedFileAndReportsProgressPerFile) {
    TempDir dir;
    writeFile(dir.file("a.poly"), "A\n1\n" + kRingA + "END\nEND\n");
    writeFile(dir.file("b.poly"), "B\n1\n" + kRingB + "END\nEND\n");
    ScriptedPlatform platform;
    std::vector<std::string> captions;
    const bool ok = save_merge(platform, {dir.file("a.poly"), dir.file("b.poly")}, "TITLE",
                               dir.file("untitled.poly"), [&](const std::string& c) { captions.push_back(c); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(readFile(dir.file("untitled.poly")),
              "TITLE\r\n1\r\n" + kRingA + "END\r\n2\r\n" + kRingB + "END\r\nEND\r\n");
    EXPECT_EQ(captions, (std::vector<std::string>{" 0%", " 50%"}));
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_FALSE(platform.pointerBusy);
}

TEST(SaveMerge, AnEmptyListAsksForFilesAndWritesNothing) {
    TempDir dir;
    ScriptedPlatform platform;
    EXPECT_FALSE(save_merge(platform, {}, "TITLE", dir.file("untitled.poly")));
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Please add Files"});
    EXPECT_EQ(readFile(dir.file("untitled.poly")), "");
}

TEST(SaveMerge, AnExistingOutputIsReplacedWhole) {
    TempDir dir;
    writeFile(dir.file("untitled.poly"), std::string(100000, 'x'));
    writeFile(dir.file("a.poly"), "A\n1\n" + kRingA + "END\nEND\n");
    ScriptedPlatform platform;
    EXPECT_TRUE(save_merge(platform, {dir.file("a.poly")}, "T", dir.file("untitled.poly")));
    EXPECT_EQ(readFile(dir.file("untitled.poly")), "T\r\n1\r\n" + kRingA + "END\r\nEND\r\n");
}

TEST(SaveMerge, AVanishedFileIsLeftOutAndNamedInAMessage) {
    TempDir dir;
    writeFile(dir.file("b.poly"), "B\n1\n" + kRingB + "END\nEND\n");
    ScriptedPlatform platform;
    EXPECT_TRUE(save_merge(platform, {dir.file("gone.poly"), dir.file("b.poly")}, "T", dir.file("out.poly")));
    EXPECT_EQ(readFile(dir.file("out.poly")), "T\r\n1\r\n" + kRingB + "END\r\nEND\r\n");
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0], std::string(kFilesLeftOut) + "\r\n" + dir.file("gone.poly"));
}

TEST(SaveMerge, AFolderChosenAsAFileIsLeftOutWithoutACrash) {
    TempDir dir;
    writeFile(dir.file("b.poly"), "B\n1\n" + kRingB + "END\nEND\n");
    ScriptedPlatform platform;
    EXPECT_TRUE(save_merge(platform, {dir.path(), dir.file("b.poly")}, "T", dir.file("out.poly")));
    EXPECT_EQ(readFile(dir.file("out.poly")), "T\r\n1\r\n" + kRingB + "END\r\nEND\r\n");
    EXPECT_EQ(platform.shown.size(), 1u);
}

TEST(SaveMerge, AFailedWriteIsReportedAndKeepsNothingHalfWritten) {
    TempDir dir;
    writeFile(dir.file("a.poly"), "A\n1\n" + kRingA + "END\nEND\n");
    writeFile(dir.file("blocker"), "a file where a folder should be");
    const std::string output = dir.file("blocker") + "/untitled.poly";
    ScriptedPlatform platform;
    EXPECT_FALSE(save_merge(platform, {dir.file("a.poly")}, "T", output));
    ASSERT_EQ(platform.shown.size(), 1u);
    const std::string& text = platform.shown[0];
    const std::string tail = "\r\n\r\nError saving " + output;
    ASSERT_GT(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(readFile(dir.file("blocker")), "a file where a folder should be");
    EXPECT_FALSE(platform.pointerBusy);
}

}  // namespace
}  // namespace tess
