// The area tools through the state: one undoable step each, the file
// asked for, what is told, and the status bar's size of the loaded ring.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/StatusLine.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "geometry/Antimeridian.h"
#include "geometry/Areas.h"
#include "session/Opening.h"
#include "tools/AreaTools.h"
#include "support/StateFixture.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kSquares =
    "Squares\nwest\n   10.0 50.0\n   11.0 50.0\n   11.0 51.0\n   10.0 51.0\n   10.0 50.0\nEND\n"
    "east\n   10.5 50.5\n   11.5 50.5\n   11.5 51.5\n   10.5 51.5\n   10.5 50.5\nEND\n"
    "!3\n   10.1 50.1\n   10.11 50.1\n   10.11 50.11\n   10.1 50.11\n   10.1 50.1\nEND\nEND\n";
const std::string kFarAway = "Far\n1\n   30.0 10.0\n   31.0 10.0\n   31.0 11.0\n   30.0 10.0\nEND\nEND\n";
const std::string kAcross = "Across\n1\n   179.0 60.0\n   -179.0 60.0\n   -179.0 61.0\n   179.0 61.0\n   179.0 60.0\nEND\nEND\n";

class AreaTools : public StateTest {
protected:
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const RingText& r : state.doc.content.rings) out.push_back(r.name);
        return out;
    }
};

}  // namespace

TEST_F(AreaTools, aUnionIsOneStepThatUndoGivesBackExactly) {
    ASSERT_TRUE(openDocumentFile(state, file("s.poly", kSquares)));
    const auto before = state.doc.content.rings;
    ASSERT_TRUE(applyAreaTool(state, AreaTool::Union));
    EXPECT_EQ((std::vector<std::string>{"west", "!3"}), names());
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ(0, state.doc.loaded.index);
    EXPECT_EQ("Undo Union", undoCaption(state.doc));
    undoLast(state);
    ASSERT_EQ(before.size(), state.doc.content.rings.size());
    for (std::size_t k = 0; k < before.size(); ++k) EXPECT_EQ(before[k].lines.data(), state.doc.content.rings[k].lines.data());
    EXPECT_FALSE(state.doc.modified);
    redoLast(state);
    EXPECT_EQ(2, state.doc.ringCount());
}

TEST_F(AreaTools, aToolThatChangesNothingOrWouldLeaveNothingMakesNoStep) {
    ASSERT_TRUE(openDocumentFile(state, file("f.poly", kFarAway)));
    ASSERT_TRUE(applyAreaTool(state, AreaTool::Union));
    EXPECT_FALSE(applyAreaTool(state, AreaTool::Clip, file("s.poly", kSquares)));
    EXPECT_EQ(kNothingLeftOfArea, platform.last());
    EXPECT_FALSE(canUndo(state.doc));
    // An outline begun, even of one point, is added or cancelled first.
    chooseTool(state, Tool::Polygon);
    pressOnCanvas(state, 2000, 1500);
    ASSERT_EQ(1, state.edit.outline.pointCount);
    areaToolCommand(state, AreaTool::Union);
    EXPECT_EQ(kAddOrCancel, platform.last());
}

TEST_F(AreaTools, clipAndSubtractAskForTheFileAndSplitTheAreaBetweenThem) {
    ASSERT_TRUE(openDocumentFile(state, file("s.poly", kSquares)));
    const double whole = documentArea(state.doc.content.rings);
    platform.dialogResults.push_back(file("clip.poly", "Clip\n1\n   10.0 50.0\n   12.0 50.0\n   12.0 50.5\n   10.0 50.0\nEND\nEND\n"));
    areaToolCommand(state, AreaTool::Clip);
    const double inside = documentArea(state.doc.content.rings);
    EXPECT_EQ("Undo Clip to File", undoCaption(state.doc));
    undoLast(state);
    ASSERT_TRUE(applyAreaTool(state, AreaTool::Subtract, temp.file("clip.poly")));
    EXPECT_NEAR(whole, inside + documentArea(state.doc.content.rings), whole * 1e-9);
    EXPECT_FALSE(applyAreaTool(state, AreaTool::Clip, temp.file("missing.poly")));
}

TEST_F(AreaTools, smallHolesGoAndTheirCountIsTold) {
    ASSERT_TRUE(openDocumentFile(state, file("s.poly", kSquares)));
    EXPECT_EQ(0, removeHolesSmallerThan(state, 0.5).value());
    EXPECT_FALSE(canUndo(state.doc));
    EXPECT_EQ(1, removeHolesSmallerThan(state, 1.5).value());
    EXPECT_EQ((std::vector<std::string>{"west", "east"}), names());
    EXPECT_EQ("Undo Remove Holes", undoCaption(state.doc));
    EXPECT_EQ("1 hole was removed.", holesRemovedText(1));
    EXPECT_EQ("4 holes were removed.", holesRemovedText(4));
}

TEST_F(AreaTools, aRingAcrossTheLineIsSplitIntoRingsOnEitherSide) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kAcross)));
    ASSERT_TRUE(splitRingsAtAntimeridian(state));
    ASSERT_EQ(2, state.doc.ringCount());
    for (const RingText& r : state.doc.content.rings) EXPECT_FALSE(crossesAntimeridian(verticesOf(r.lines)));
    EXPECT_FALSE(splitRingsAtAntimeridian(state));
    EXPECT_EQ(kNoRingCrossesLine, platform.last());
    EXPECT_EQ(2, state.doc.ringCount());
}

// The smallest rings' vertices as they are; a last vertex repeating the first counts once.
TEST_F(AreaTools, theStatusBarCountsTheVerticesOfTheSmallestRings) {
    ASSERT_TRUE(openDocumentFile(state, file("one.poly", "One\n1\n 10.0 50.0\nEND\n2\n 10.0 50.0\n 11.0 50.0\nEND\n"
                                                          "3\n 10.0 50.0\n 10.0 50.0\nEND\nEND\n")));
    for (const auto& [ring, told] : {std::pair(0, "1 vertex, 0.000 km\xC2\xB2, 0.000 km around"), std::pair(1, "2 vertices,"), std::pair(2, "1 vertex,")}) {
        loadRing(state, ring);
        const std::string shown = statusLine(state, std::nullopt).ring;
        EXPECT_TRUE(shown.starts_with("Ring " + std::to_string(ring + 1) + ": " + told)) << shown;
    }
}

TEST(QuantityTexts, groupThousandsAndKeepDecimalsWhereTheyCount) {
    for (const test::TableRow& row : test::tableRows("quantity-texts.txt")) {
        const auto blank = row.input.find(' ');
        const std::string kind = row.input.substr(0, blank);
        const double value = std::stod(row.input.substr(blank + 1));
        const std::string text = kind == "count" ? groupedNumber(static_cast<std::int64_t>(value))
                                 : kind == "km2"  ? squareKilometresText(value)
                                                  : kilometresText(value);
        EXPECT_EQ(row.expected, text) << "quantity-texts.txt:" << row.line;
    }
}

TEST_F(AreaTools, theStatusBarTellsTheLoadedRingsAreaAndLengthAndFollowsAMovedVertex) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kAcross)));
    // 2° by 1° across the line at 60°N; Planimeter -R gives 12,246.28 km²
    // and 442.66 km for the same cell.
    EXPECT_EQ("Ring 1: 4 vertices, 12,246 km\xC2\xB2, 442.7 km around", statusLine(state, std::nullopt).ring);
    ASSERT_TRUE(openDocumentFile(state, test::dataFile("geofabrik_germany.poly")));
    EXPECT_TRUE(statusLine(state, std::nullopt).ring.starts_with("Ring 1: 1,488 vertices, ")) << statusLine(state, std::nullopt).ring;
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kAcross)));
    // Its slanting edge drawn straight: Planimeter along 2000 points of
    // each edge gives 15,323.49 km².
    makeChange(state, moveVertex(state.doc, 1, -178.0, 60.0));
    EXPECT_NE(std::string::npos, statusLine(state, std::nullopt).ring.find("15,323 km")) << statusLine(state, std::nullopt).ring;
    undoLast(state);
    EXPECT_NE(std::string::npos, statusLine(state, std::nullopt).ring.find("12,246 km"));
}


TEST_F(AreaTools, takeAMovedVertexNotYetWrittenIntoItsRing) {
    ASSERT_TRUE(openDocumentFile(state, file("s.poly", kSquares)));
    applyChange(state.doc, moveVertex(state.doc, 1, 12.0, 50.0));
    ASSERT_TRUE(applyAreaTool(state, AreaTool::Union));
    EXPECT_NE(std::string::npos, std::string(state.doc.content.rings[0].lines).find("   12.0  50.0\n"));
}
