// Editing on the state, as the window drives it: edit mode and its limits,
// dragging vertex handles and outline markers, drawing outlines, "+", "-",
// choosing rings and saving a selection.
#include <gtest/gtest.h>

#include "state/TitleTyping.h"
#include "app/FileMenu.h"
#include "app/StatusLine.h"
#include "background/Background.h"
#include "combine/Merge.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "editing/ViewCommands.h"
#include "selection/Selection.h"
#include "support/StateFixture.h"
#include "editing/Redraw.h"
#include "view/Zoom.h"

using namespace tess;

namespace {

// Ring 1 spans the view 10..20 x 50..60; ring 2 is open (its last vertex
// is not its first) and lies inside it.
constexpr const char* kTwoRings =
    "t\n1\n 10.0 50.0\n 20.0 50.0\n 20.0 60.0\n 10.0 60.0\n 10.0 50.0\nEND\n"
    "!2\n 12.0 52.0\n 18.0 52.0\n 15.0 58.0\nEND\nEND\n";

class EditingTest : public test::StateTest {
protected:
    void SetUp() override { ASSERT_TRUE(openDocumentFile(state, file("doc.poly", kTwoRings))); }
    // Canvas position of a map point in the view shown.
    double xOf(double lon) const { return 100 + (lon - state.view.minLon) / state.view.lonSpan * 4900; }
    double yOf(double lat) const { return 100 + (state.view.maxLat - lat) / state.view.latSpan * 2900; }
    void edit(bool on) { setEditMode(state, on); }
    void choose(int ring) { chooseRing(state, ring); }
    void dragHandle(int index, double x, double y) {
        pressOnHandle(state, index);
        dragOverCanvas(state, x, y);
        dropOnHandle(state);
    }
    void tool(Tool t) { chooseTool(state, t); }
    void press(double lon, double lat) { pressOnCanvas(state, xOf(lon), yOf(lat)); }
    std::string ringText(int k) { return std::string(state.doc.content.rings[static_cast<std::size_t>(k)].lines); }
};

TEST_F(EditingTest, aDraggedVertexKeepsTheSevenDigitsItsHandleShows) {
    edit(true);
    ASSERT_TRUE(state.edit.handlesShown);
    EXPECT_TRUE(state.edit.overlays.handles[1].visible);
    EXPECT_DOUBLE_EQ(yOf(50), state.edit.overlays.handles[1].top + 50);  // each handle on its vertex
    EXPECT_DOUBLE_EQ(xOf(20), state.edit.overlays.handles[1].left + 50);
    pressOnHandle(state, 999);  // no such handle: no drag
    EXPECT_EQ(DragKind::None, state.edit.drag);
    dragHandle(2, xOf(17.123456), yOf(55.5));
    EXPECT_EQ("17.12346 55.5", handleTip(state.edit.overlays.handles[2]));
    EXPECT_DOUBLE_EQ(17.12346, state.doc.loaded.lon[2]);
    EXPECT_EQ("doc.poly+ (" + temp.path() + ") — Tessaline 2.1", windowCaption(state.doc));
    edit(false);  // leaving edit mode writes the ring back
    EXPECT_NE(std::string::npos, ringText(0).find("17.12346  55.5"));
    edit(true);
    dragHandle(1, xOf(11), yOf(51));
    ASSERT_TRUE(openDocumentFile(state, file("again.poly", kTwoRings)));  // the move goes with its document
    ASSERT_TRUE(saveDocumentTo(state.doc, state.platform, temp.file("again.poly")));
    EXPECT_EQ(kTwoRings, test::readFile(temp.file("again.poly")));
}

// While a handle is dragged, the edge that ends at its vertex and the one
// that starts there follow the pointer; the closing vertex's next edge is
// the first.
TEST_F(EditingTest, theTwoEdgesMeetingADraggedVertexFollowThePointer) {
    edit(true);
    const std::int64_t last = state.doc.loaded.lastPoint;
    // Drawn, the first edge ends on the first handle.
    const LineObject& first = state.edit.overlays.edgeLines[1];
    const SquareObject& handle = state.edit.overlays.handles[1];
    EXPECT_TRUE(first.visible);
    EXPECT_EQ(std::make_pair(first.x2, first.y2), std::make_pair(handle.left + 50, handle.top + 50));
    for (const std::int64_t k : {last - 1, last}) {
        pressOnHandle(state, static_cast<int>(k));
        dragOverCanvas(state, 1234, 2345);
        const LineObject& into = state.edit.overlays.edgeLines[static_cast<std::size_t>(k)];
        const LineObject& out = state.edit.overlays.edgeLines[k == last ? 1 : static_cast<std::size_t>(k + 1)];
        EXPECT_EQ(std::make_pair(into.x2, into.y2), std::make_pair(1234.0, 2345.0)) << k;
        EXPECT_EQ(std::make_pair(out.x1, out.y1), std::make_pair(1234.0, 2345.0)) << k;
        cancelDrag(state);
    }
}

TEST_F(EditingTest, theClosingHandleMovesTheFirstVertexWithIt) {
    edit(true);
    dragHandle(4, xOf(11), yOf(51));
    EXPECT_EQ(11, state.doc.loaded.lon[0]);
    EXPECT_EQ(11, state.doc.loaded.lon[4]);
    dragHandle(1, xOf(19), yOf(51));
    pressOnHandle(state, 3);
    cancelDrag(state);  // released elsewhere: nothing stored, and the drag is over
    EXPECT_TRUE(!dragInProgress(state) && state.doc.loaded.lon[2] == 20);
    pressOnHandle(state, 3);
    dropOnMarker(state);  // released over an outline marker: the drag ends all the same
    EXPECT_FALSE(dragInProgress(state));
    edit(false);
    EXPECT_FALSE(state.edit.overlays.handles.exists(1));  // the handles go with edit mode
}

TEST_F(EditingTest, anOpenRingKeepsEveryVertexThroughDragsAndCommits) {
    zoomIn(state);
    choose(1);
    EXPECT_NEAR(1.0, zoomFactor(state.view), 1e-6);  // a ring chosen after a zoom is shown whole
    ASSERT_EQ(3, state.doc.loaded.lastPoint);  // closed in memory by a copy of its first vertex
    edit(true);
    dragHandle(3, xOf(12), yOf(53));  // the closing handle
    dragHandle(2, xOf(15), yOf(57));
    choose(0);
    // The moved lines are rewritten; the others stay as they were read.
    EXPECT_EQ("   12.0  53.0\n 18.0 52.0\n   15.0  57.0\n", ringText(1));
    EXPECT_TRUE(isHoleName(state.doc.content.rings[1].name));
}

TEST_F(EditingTest, editModeRefusesAnEmptyDocumentAndRingsTooLargeToEdit) {
    std::string big = "big\n1\n";
    for (int i = 0; i <= 1000; ++i) big += " " + std::to_string(10 + i / 1000.0) + " 50.5\n";
    ASSERT_TRUE(openDocumentFile(state, file("big.poly", big + "END\nEND\n")));
    edit(true);
    EXPECT_EQ(std::string(kTooManyNodes) + "\r\n" + kZoomInToEditLine, platform.last());
    EXPECT_FALSE(state.edit.editBoxChecked || state.edit.editing || state.edit.handlesShown);
    tool(Tool::Polygon);
    ASSERT_TRUE(loadBackgroundFile(state, temp.file("doc.poly")));
    platform.answers = {Answer::Yes};  // Start a new project?
    newDocument(state);
    EXPECT_TRUE(state.edit.tool == Tool::Pointer && !state.background.shown());  // New starts afresh
    edit(true);
    EXPECT_EQ(kNoData, platform.last());
    tool(Tool::Polygon);
    pressOnCanvas(state, 300, 300);  // no view: no place to take
    EXPECT_EQ(kNoCoordinates, platform.last());
}

TEST_F(EditingTest, aPolygonOutlineBecomesTheNewLastRingAndIsLoaded) {
    edit(true);
    dragHandle(1, xOf(19), yOf(51));
    tool(Tool::Polygon);  // a tool ends edit mode, and the move stays
    EXPECT_FALSE(state.edit.editBoxChecked || state.edit.editing || state.edit.handlesShown);
    EXPECT_EQ(19, state.doc.loaded.lon[1]);
    press(12, 58);
    press(18, 58);
    EXPECT_TRUE(state.edit.overlays.markers[1].visible && state.edit.overlays.markers[2].visible);
    EXPECT_EQ(colors::magenta.b, state.edit.overlays.markers[1].fill.b);  // the first point stands out
    EXPECT_DOUBLE_EQ(xOf(12), state.edit.overlays.segments[2].x1);          // a segment joins it to the next
    EXPECT_NE(colors::magenta.b, state.edit.overlays.markers[2].fill.b);
    press(15, 52);
    doubleClickOnCanvas(state);
    ASSERT_EQ(OutlineState::Closed, state.edit.outline.state);
    const auto centre = [&](int k) { return std::pair(state.edit.overlays.markers[k].left + 50, state.edit.overlays.markers[k].top + 50); };
    const auto ends = [&](int k) { const LineObject& l = state.edit.overlays.segments[k]; return std::pair(std::pair(l.x1, l.y1), std::pair(l.x2, l.y2)); };
    EXPECT_TRUE(state.edit.overlays.segments[1].visible);
    EXPECT_EQ(centre(1), ends(1).first);  // the closing segment, from the first point
    surface.resize(2550, 1550);
    redraw(state, false);  // a redraw places every marker and segment again
    EXPECT_EQ("12 58", markerTip(state.edit.overlays.markers[1]));
    EXPECT_EQ("15 52", markerTip(state.edit.overlays.markers[3]));
    EXPECT_EQ(std::pair(centre(1), centre(2)), ends(2));
    EXPECT_EQ(std::pair(centre(2), centre(3)), ends(3));
    EXPECT_EQ(std::pair(centre(1), centre(3)), ends(1));  // closed on the first point
    choose(1);
    EXPECT_EQ(kAddOrCancel, platform.last());  // an outline pins the ring it was drawn over
    addOutlineAsRing(state);
    ASSERT_EQ(3, state.doc.ringCount());
    EXPECT_EQ(2, state.doc.loaded.index);
    EXPECT_EQ("   12.0 58.0\n   18.0 58.0\n   15.0 52.0\n   12.0 58.0\n", ringText(2));
    EXPECT_EQ(0, state.edit.outline.pointCount);
    EXPECT_EQ(Tool::Pointer, state.edit.tool);  // back to the pointer
    EXPECT_FALSE(state.edit.toolIndicatorShown);
    EXPECT_TRUE(state.doc.modified);
    undoLast(state);
    EXPECT_EQ("Redo Add Ring 3", redoCaption(state.doc));
    EXPECT_EQ(0, state.doc.loaded.index);  // the ring shown before "+"
}

// A view whose west or south edge lies on 0 has bounds all the same; an
// open outline of two points is added, closed by its first point.
TEST_F(EditingTest, anOutlineOfTwoPointsOverAViewFromZeroIsAdded) {
    ASSERT_TRUE(openDocumentFile(state, file("zero.poly", "z\n1\n 0.0 0.0\n 10.0 0.0\n 10.0 10.0\n 0.0 0.0\nEND\nEND\n")));
    ASSERT_EQ(0.0f, state.view.minLon);
    ASSERT_EQ(0.0f, state.view.minLat);
    tool(Tool::Polygon);
    press(2, 1);
    press(8, 7);
    addOutlineAsRing(state);
    EXPECT_EQ(2, state.doc.ringCount()) << platform.last();
}

TEST_F(EditingTest, aRectangleHasFourCornersAndMarkersDragItsPoints) {
    tool(Tool::Rectangle);
    press(11, 59);
    EXPECT_EQ(100, state.edit.overlays.rubberBand.width);  // a small square until the pointer moves
    stretchRubberBand(state, xOf(19), yOf(51));
    press(0, 0);  // the second press completes the band as last stretched
    ASSERT_EQ(4, state.edit.outline.pointCount);
    for (std::size_t k = 1; k <= 4; ++k) EXPECT_TRUE(state.edit.overlays.markers[k].visible) << k;
    EXPECT_FALSE(state.edit.overlays.rubberBand.visible);
    pressOnMarker(state, 1);
    dragOverCanvas(state, xOf(12), yOf(52));
    // The sides from and to the dragged corner follow the pointer.
    const auto pointer = std::pair(xOf(12), yOf(52));
    EXPECT_EQ(pointer, std::pair(state.edit.overlays.segments[1].x1, state.edit.overlays.segments[1].y1));
    EXPECT_EQ(pointer, std::pair(state.edit.overlays.segments[4].x2, state.edit.overlays.segments[4].y2));
    dropOnMarker(state);
    EXPECT_FLOAT_EQ(12, state.edit.outline.lon[1]);
    EXPECT_FALSE(state.doc.modified);  // the outline is not the document
    EXPECT_EQ("none\r\n1\r\n   12.0 52.0\r\n   19.0 59.0\r\n   19.0 51.0\r\n   11.0 51.0\r\n   12.0 52.0\r\nEND\r\nEND\r\n",
              *outlineFileText(state));
    // After a zoom each side runs from its corner's marker to the next one's.
    zoomAt(state, 2000, 1500, 1.5);
    const Overlays& o = state.edit.overlays;
    const auto centre = [&](std::size_t k) { return std::pair(o.markers[k].left + 50, o.markers[k].top + 50); };
    for (std::size_t k = 1; k <= 4; ++k) {
        const LineObject& side = o.segments[k];
        EXPECT_EQ(std::pair(centre(k), centre(k % 4 + 1)), std::pair(std::pair(side.x1, side.y1), std::pair(side.x2, side.y2))) << k;
    }
    EXPECT_EQ("19 51", markerTip(o.markers[3]));
    edit(true);  // edit mode takes the outline away
    EXPECT_EQ(0, state.edit.outline.pointCount);
    EXPECT_FALSE(state.edit.overlays.markers.exists(1));
}

TEST_F(EditingTest, anOutlineBecomesCoordinatesOnlyInAViewWithExtent) {
    // A bound of zero is a bound like any other; a view of no width or height has none.
    for (const auto& [ring, added] : std::vector<std::pair<const char*, bool>>{
             {" 0.0 5.0\n 10.0 6.0", true}, {" 5.0 0.0\n 6.0 10.0", true}, {" 0.0 5.0\n 0.0 6.0", false}}) {
        ASSERT_TRUE(openDocumentFile(state, file("z.poly", std::string("t\n1\n") + ring + "\nEND\nEND\n")));
        tool(Tool::Rectangle);
        press(0, 0);
        pressOnCanvas(state, 300, 300);
        addOutlineAsRing(state);
        EXPECT_EQ(added ? 2 : 1, state.doc.ringCount()) << ring;
        EXPECT_EQ(added, platform.last() != kNoLatLon) << ring;
        EXPECT_EQ(added, !statusLine(state, std::pair(300.0, 300.0)).pointer.empty()) << ring;  // no place either
        pressEscape(state);
    }
}

TEST_F(EditingTest, anOutlineHoldsFiveHundredPointsAtMost) {
    tool(Tool::Polygon);
    press(10, 50);  // even one point is an outline to keep or cancel before a save
    EXPECT_FALSE(saveDocument(state, SaveMode::Save));
    EXPECT_EQ(kSaveSelectionFirst, platform.last());
    for (int i = 0; i < 510; ++i) press(10 + i / 60.0, 50 + i % 7);
    EXPECT_EQ(kMaxSelectionPoints, state.edit.outline.pointCount);
    pressEscape(state);
    EXPECT_EQ(0, state.edit.outline.pointCount);
}

TEST_F(EditingTest, plusRefusesARingBeyondTheMostADocumentHolds) {
    state.doc.content.rings.resize(kMaxRings, state.doc.content.rings[0]);
    tool(Tool::Rectangle);
    press(11, 59);
    press(19, 51);
    addOutlineAsRing(state);
    EXPECT_EQ(kTooManyRings, platform.last());
    EXPECT_EQ(kMaxRings, state.doc.ringCount());
}

TEST_F(EditingTest, aFileOfMoreRingsThanTheLimitIsRefusedWithOrWithoutItsClosingEnd) {
    std::string rings;
    for (int k = 0; k <= kMaxRings; ++k) rings += "1\n 1 1\nEND\n";
    for (const char* end : {"END\n", ""}) {
        EXPECT_FALSE(openDocumentFile(state, file("many.poly", "t\n" + rings + end)));
        EXPECT_EQ(kTooManyRings, platform.last());
        EXPECT_EQ(2, state.doc.ringCount());  // the open document stays
        EXPECT_FALSE(combineFiles(platform, {temp.file("many.poly")}, "t", temp.file("combined.poly")));
        EXPECT_EQ(kTooManyRings, platform.last());
    }
    rings.resize(rings.size() - 11);
    EXPECT_TRUE(openDocumentFile(state, file("many.poly", "t\n" + rings)));
    EXPECT_TRUE(combineFiles(platform, {temp.file("many.poly")}, "t", temp.file("combined.poly")));  // the most a document holds
}

TEST_F(EditingTest, minusRemovesTheLoadedRingAndShowsTheOneInItsPlace) {
    choose(0);
    edit(true);
    tool(Tool::Rectangle);  // no outline begun
    platform.answers = {Answer::No, Answer::Yes};
    removeLoadedRing(state);
    EXPECT_EQ(2, state.doc.ringCount());
    removeLoadedRing(state);
    ASSERT_EQ(1, state.doc.ringCount());
    EXPECT_EQ("Undo Remove Ring 1", undoCaption(state.doc));
    EXPECT_EQ(Tool::Pointer, state.edit.tool);
    EXPECT_EQ(0, state.doc.loaded.index);
    EXPECT_EQ(3u, surface.lines.size());  // the ring in its place, the first, is drawn
    EXPECT_FALSE(state.edit.editBoxChecked);
    removeLoadedRing(state);
    EXPECT_EQ(kMoreThanOne, platform.last());
    EXPECT_TRUE(saveDocument(state, SaveMode::Save));  // a document without its loaded ring still saves
}

TEST_F(EditingTest, aTitleEditMarksTheDocumentAndIsSaved) {
    state.doc.content.title = "Typed";
    titleTyped(state.doc);
    undoLast(state);  // the typing not yet filed is what Undo takes back
    EXPECT_EQ("t", state.doc.content.title);
    EXPECT_FALSE(state.doc.modified);
    state.doc.content.title = "New title";
    titleTyped(state.doc);
    EXPECT_TRUE(state.doc.modified);
    EXPECT_TRUE(saveDocument(state, SaveMode::Save));
    EXPECT_EQ("New title\n1\n", test::readFile(temp.file("doc.poly")).substr(0, 12));
}

}  // namespace
