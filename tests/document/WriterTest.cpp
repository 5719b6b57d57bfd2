// Writing the document back: the commit of the current ring, the saved
// file byte for byte, holes, and saves that fail.
#include <gtest/gtest.h>


#include "document/Caption.h"
#include "document/Reader.h"
#include "document/Writer.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

using namespace tess;
using tess::test::StateTest;

class Writer : public StateTest {
protected:
    void load(const std::string& content) { ASSERT_TRUE(loadpoly(state, file("in.poly", content), 0)); }
};

TEST_F(Writer, AnUnchangedDocumentIsWrittenWithItsLinesRenumbered) {
    load("area\n1\n   1.5   51.25\n   2.5   52.25\n   1.5   51.25\nEND\nouter\n   3.0   4.0\nEND\nEND\n");
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_EQ(test::readFile(temp.file("out.poly")),
              "AREA\r\n1\r\n   1.5   51.25\r\n   2.5   52.25\r\n   1.5   51.25\r\nEND\r\n"
              "2\r\n   3.0   4.0\r\nEND\r\nEND\r\n");
}

TEST_F(Writer, UnindentedCoordinateLinesGainAnIndent) {
    load("t\n1\n10.0 10.0\n\t11.0 10.0\n10.0 10.0\nEND\nEND\n");
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_EQ(test::readFile(temp.file("out.poly")),
              "T\r\n1\r\n   10.0 10.0\r\n\t11.0 10.0\r\n   10.0 10.0\r\nEND\r\nEND\r\n");
}

TEST_F(Writer, ARingNamedWithAnExclamationMarkStaysAHole) {
    load("t\n1\n 1.0 1.0\n 9.0 1.0\n 9.0 9.0\n 1.0 1.0\nEND\n!1s\n 2.0 2.0\n 3.0 2.0\n 2.0 2.0\nEND\nEND\n");
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_NE(test::readFile(temp.file("out.poly")).find("END\r\n!2\r\n 2.0 2.0"), std::string::npos);
}

TEST_F(Writer, AHoleStaysAHoleThroughACommit) {
    load("t\n1\n 1.0 1.0\n 9.0 1.0\n 9.0 9.0\n 1.0 1.0\nEND\n!2\n 2.0 2.0\n 3.0 2.0\n 3.0 3.0\n 2.0 2.0\nEND\nEND\n");
    loaddt(state, 1);
    ASSERT_TRUE(savecurpoly(state, 1));
    EXPECT_TRUE(isHoleRing(state.doc.ringTexts[1]));
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 1));
    EXPECT_NE(test::readFile(temp.file("out.poly")).find("END\r\n!2\r\n   2.0  2.0\r\n"), std::string::npos);
}

TEST_F(Writer, TheCommitWritesItsOwnNumberForm) {
    load("t\n1\n 1.5 51.25\n 10.25 -33.5\n 0.25 -0.25\n 1.5 51.25\nEND\nEND\n");
    ASSERT_TRUE(savecurpoly(state, 0));
    EXPECT_EQ(state.doc.ringTexts[0],
              "T\r\n1\r\n   1.5  51.25\r\n   10.25 -33.5\r\n   0.25 -.25\r\n   1.5  51.25\r\n\r\n");
    EXPECT_EQ(test::readFile(temp.file("tmpfl")), state.doc.ringTexts[0]);
}

TEST_F(Writer, TheCommitOfALaterRingStartsLikeARingReadFromAFile) {
    load("t\n1\n 1.0 1.0\n 2.0 2.0\n 3.0 1.0\n 1.0 1.0\nEND\n2\n 5.0 5.0\n 6.0 5.0\n 6.0 6.0\n 5.5 5.5\nEND\nEND\n");
    loaddt(state, 1);
    ASSERT_TRUE(savecurpoly(state, 1));
    // The ring closes on its first vertex, whatever the last one held.
    EXPECT_EQ(state.doc.ringTexts[1],
              "\r\n2\r\n   5.0  5.0\r\n   6.0  5.0\r\n   6.0  6.0\r\n   5.0  5.0\r\n\r\n");
}

TEST_F(Writer, ALongRingIsCommittedInChunksThatSavingDrops) {
    std::string ring = "t\n1\n";
    for (int i = 0; i < 300; ++i) ring += " " + std::to_string(i) + ".125 1.5\n";
    load(ring + "END\nEND\n");
    ASSERT_TRUE(savecurpoly(state, 0));
    const std::string& text = state.doc.ringTexts[0];
    EXPECT_GE(std::count(text.begin(), text.end(), '\n') - 302, 3);  // the flushes' empty lines
    EXPECT_NE(text.find("\r\n\r\n   "), std::string::npos);
    state.doc.modified = false;
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 0));
    std::string saved = test::readFile(temp.file("out.poly"));
    EXPECT_EQ(saved.find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 300 + 4);  // title, number, END, END
}

TEST_F(Writer, NothingToCommitIsRefused) {
    load("t\n1\n 1.0 1.0\n 2.0 2.0\nEND\nEND\n");
    EXPECT_FALSE(savecurpoly(state, 0));
    EXPECT_EQ(platform.last(), "No Data");
    state.doc.modified = true;
    EXPECT_FALSE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_FALSE(tess::fileExists(temp.file("out.poly")));
}

TEST_F(Writer, ATitleWithAPeriodIsAlsoACoordinateLine) {
    load("t 1.5\n1\n 1.0 1.0\n 2.0 2.0\n 1.0 1.0\nEND\nEND\n");
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_EQ(test::readFile(temp.file("out.poly")),
              "T 1.5\r\n1\r\n   T 1.5\r\n 1.0 1.0\r\n 2.0 2.0\r\n 1.0 1.0\r\nEND\r\nEND\r\n");
}

TEST_F(Writer, SavingClearsTheUnsavedMark) {
    load("t\n1\n 1.0 1.0\n 2.0 2.0\n 3.0 1.0\n 1.0 1.0\nEND\nEND\n");
    state.doc.modified = true;
    ASSERT_TRUE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_FALSE(state.doc.modified);
    EXPECT_EQ(state.caption, "Tessaline 2.1 " + temp.file("out.poly"));
}

TEST_F(Writer, AFailedSaveKeepsTheOldFileAndTheUnsavedMark) {
    std::string ring = "t\n1\n";
    for (int i = 0; i < 2000; ++i) ring += " " + std::to_string(i) + ".125 1.5\n";
    load(ring + "END\nEND\n");
    const std::string target = temp.file("out.poly");
    tess::test::writeFile(target, "old content");
    state.doc.modified = true;
    {
        // A disk that fills up after 4 KB.
        tess::test::FileSizeLimit limit(4096);
        EXPECT_FALSE(savepoly(state, target, 0));
    }
    EXPECT_EQ(test::readFile(target), "old content");
    EXPECT_TRUE(state.doc.modified);
    EXPECT_NE(platform.last().find("\r\n\r\nError saving " + target), std::string::npos);
    EXPECT_EQ(tess::test::filesIn(temp.path()), 2u);  // in.poly and out.poly: no temporary left
}

TEST_F(Writer, SavingIntoAReadOnlyFolderFailsCleanly) {
    load("t\n1\n 1.0 1.0\n 2.0 2.0\n 3.0 1.0\n 1.0 1.0\nEND\nEND\n");
    EXPECT_FALSE(savepoly(state, temp.file("missing-folder/out.poly"), 0));
    EXPECT_NE(platform.last().find("Error saving "), std::string::npos);
}

TEST_F(Writer, NoRingsIsNoData) {
    EXPECT_FALSE(savepoly(state, temp.file("out.poly"), 0));
    EXPECT_EQ(platform.last(), "No data");
}

TEST_F(Writer, SavetextReplacesTheFileAndAddsALineBreak) {
    tess::test::writeFile(temp.file("s.txt"), "old");
    EXPECT_TRUE(savetext(platform, temp.file("s.txt"), "new"));
    EXPECT_EQ(test::readFile(temp.file("s.txt")), "new\r\n");
    appendText(platform, temp.file("s.txt"), "more");
    EXPECT_EQ(test::readFile(temp.file("s.txt")), "new\r\nmore\r\n");
    EXPECT_FALSE(savetext(platform, "", "x"));
}

TEST_F(Writer, SavetextIntoAFolderReportsTheError) {
    EXPECT_FALSE(savetext(platform, temp.path(), "x"));
    EXPECT_NE(platform.last().find("Error saving " + temp.path()), std::string::npos);
}

TEST_F(Writer, TheCaptionShowsTheUnsavedMark) {
    cap(state, "");
    EXPECT_EQ(state.caption, "Tessaline 2.1 ");
    state.doc.modified = true;
    cap(state, "/maps/a.poly");
    EXPECT_EQ(state.caption, "Tessaline 2.1 /maps/a.poly+");
}
