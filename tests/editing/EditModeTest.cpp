// Entering and leaving edit mode, switching rings and typing a title.
#include "editing/EditFixture.h"

#include "document/Numbers.h"

namespace tess::test {
namespace {

using EditMode = ThreeRingsTest;
using EditModeWithOtherDocuments = EditTest;

TEST_F(EditMode, checking_edit_makes_one_handle_and_one_edge_line_per_vertex) {
    checkEdit(true);
    EXPECT_TRUE(s.edit.editMode);
    EXPECT_TRUE(s.doc.handlesShown);
    EXPECT_EQ(existingCount(s.overlays.node), 4);
    EXPECT_EQ(existingCount(s.overlays.Line1), 4);
    for (std::size_t i = 1; i <= 4; ++i) EXPECT_TRUE(s.overlays.node[i].visible) << i;
}

TEST_F(EditMode, applying_the_box_twice_while_checked_leaves_exactly_one_handle_per_vertex) {
    checkEdit(true);
    checkEdit(true);
    EXPECT_EQ(existingCount(s.overlays.node), 4);
    EXPECT_EQ(existingCount(s.overlays.Line1), 4);
    EXPECT_EQ(s.overlays.node.end(), 5u);
}

TEST_F(EditMode, handles_sit_centred_on_their_vertices_and_carry_the_coordinates) {
    checkEdit(true);
    const SquareObject& h2 = s.overlays.node[2];  // vertex 2 is 20, 60
    EXPECT_DOUBLE_EQ(h2.left, xOf(20) - 50);
    EXPECT_DOUBLE_EQ(h2.top, yOf(60) - 50);
    EXPECT_EQ(h2.tag, "20 60");
    EXPECT_EQ(h2.tip, "20 60");
    const LineObject& edge2 = s.overlays.Line1[2];  // from vertex 1 to vertex 2
    EXPECT_DOUBLE_EQ(edge2.x1, xOf(20));
    EXPECT_DOUBLE_EQ(edge2.y1, yOf(50));
    EXPECT_DOUBLE_EQ(edge2.x2, xOf(20));
    EXPECT_DOUBLE_EQ(edge2.y2, yOf(60));
}

TEST_F(EditMode, handle_one_is_blue_and_the_others_black) {
    checkEdit(true);
    EXPECT_EQ(s.overlays.node[1].fill, colors::blue);
    EXPECT_EQ(s.overlays.node[2].fill, colors::black);
    EXPECT_EQ(s.overlays.node[4].fill, colors::black);
}

TEST_F(EditMode, edit_mode_ends_with_the_pointer_tool_and_no_outline) {
    drawPolygon({{1000, 1000}, {2000, 1000}});
    checkEdit(true);
    EXPECT_EQ(s.edit.tool, 0);
    expectNoOutline();
    EXPECT_FALSE(s.edit.bttVisible[1]);
}

TEST_F(EditModeWithOtherDocuments, checking_edit_without_a_document_says_no_data_and_unchecks_without_redrawing) {
    checkEdit(true);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"No Data"});
    EXPECT_FALSE(s.edit.check1);
    EXPECT_FALSE(s.edit.editMode);
    EXPECT_EQ(canvas.clears, 0);
}

TEST_F(EditModeWithOtherDocuments, a_ring_of_1000_vertices_can_be_edited) {
    openDocument(ringFile(1001));
    ASSERT_EQ(s.doc.lastPoint, 1000);
    checkEdit(true);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(existingCount(s.overlays.node), 1000);
    EXPECT_EQ(existingCount(s.overlays.Line1), 1000);
}

TEST_F(EditModeWithOtherDocuments, a_ring_of_1001_vertices_is_refused_and_the_box_ends_unchecked) {
    openDocument(ringFile(1002));
    ASSERT_EQ(s.doc.lastPoint, 1001);
    checkEdit(true);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Too many nodes to edit "});
    expectEditModeOff();
}

TEST_F(EditMode, unchecking_removes_the_handles_and_keeps_the_dragged_vertex_in_the_ring_text) {
    checkEdit(true);
    dragHandle(2, xOf(17.5), yOf(57.5));
    checkEdit(false);
    EXPECT_FALSE(s.edit.editMode);
    EXPECT_FALSE(s.doc.handlesShown);
    EXPECT_EQ(existingCount(s.overlays.node), 0);
    EXPECT_EQ(existingCount(s.overlays.Line1), 0);
    EXPECT_TRUE(contains(s.doc.ringTexts[0], "17.5")) << s.doc.ringTexts[0];
    // Back in viewing mode the ring is drawn as blue lines again.
    ASSERT_FALSE(canvas.lines.empty());
    EXPECT_EQ(canvas.lines.front().color, colors::blue);
}

TEST_F(EditMode, the_edit_caption_flips_the_box) {
    Label2_Click(s);
    EXPECT_TRUE(s.edit.check1);
    EXPECT_TRUE(s.edit.editMode);
    EXPECT_EQ(existingCount(s.overlays.node), 4);
    Label2_Click(s);
    expectEditModeOff();
}

TEST_F(EditModeWithOtherDocuments, leaving_edit_mode_on_a_one_vertex_ring_says_no_data_and_removes_the_handles) {
    openDocument("T\n1\n   10.0 50.0\n   12.0 52.0\nEND\nEND\n");
    ASSERT_EQ(s.doc.lastPoint, 1);
    checkEdit(true);
    ASSERT_EQ(existingCount(s.overlays.node), 1);
    checkEdit(false);
    EXPECT_EQ(platform.last(), "No Data");
    EXPECT_EQ(existingCount(s.overlays.node), 0);
}

TEST_F(EditMode, choosing_another_ring_while_editing_writes_the_edits_back_first) {
    checkEdit(true);
    dragHandle(3, xOf(16), yOf(56));
    chooseRing(1);
    EXPECT_EQ(s.doc.currentRing, 1);
    EXPECT_EQ(s.doc.lastPoint, 3);
    expectEditModeOff();
    EXPECT_TRUE(contains(s.doc.ringTexts[0], "16.0")) << s.doc.ringTexts[0];
    chooseRing(0);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[3], 16);
    EXPECT_DOUBLE_EQ(s.doc.ringLat[3], 56);
}

TEST_F(EditMode, choosing_the_current_ring_again_does_nothing) {
    chooseRing(0);
    const int clears = canvas.clears;
    chooseRing(0);
    EXPECT_EQ(canvas.clears, clears);
    EXPECT_EQ(s.doc.currentRing, 0);
}

TEST_F(EditMode, the_ring_list_refuses_while_an_outline_exists_and_returns_to_the_current_ring) {
    chooseRing(0);
    drawPolygon({{1000, 1000}});
    chooseRing(2);
    EXPECT_EQ(platform.last(), "Please Add (+) or Cancel (ESc) selection");
    EXPECT_EQ(s.doc.listIndex, 0);
    EXPECT_EQ(s.doc.currentRing, 0);
    EXPECT_EQ(s.sel.selCount, 1);
}

TEST_F(EditMode, a_press_on_no_entry_of_the_ring_list_loads_nothing) {
    chooseRing(0);
    chooseRing(-1);
    EXPECT_EQ(s.doc.currentRing, 0);
    EXPECT_EQ(s.doc.lastPoint, 4);
    chooseRing(7);
    EXPECT_EQ(s.doc.currentRing, 0);
    EXPECT_EQ(s.doc.lastPoint, 4);
}

TEST_F(EditMode, typing_in_the_title_marks_the_document_modified) {
    ASSERT_FALSE(s.doc.modified);
    text1_KeyPress(s);
    expectMarkedModified();
}

}  // namespace
}  // namespace tess::test
