// Dragging vertex handles and selection markers: what follows the pointer
// during the drag, and what a drop stores.
#include "editing/EditFixture.h"

#include "document/Numbers.h"

namespace tess::test {
namespace {

// Ring 1 open in edit mode, its handles shown.
class Dragging : public ThreeRingsTest {
protected:
    void SetUp() override {
        ThreeRingsTest::SetUp();
        checkEdit(true);
    }
    void expectVertex(std::size_t i, double lon, double lat) const {
        EXPECT_DOUBLE_EQ(s.doc.ringLon[i], lon) << "vertex " << i;
        EXPECT_DOUBLE_EQ(s.doc.ringLat[i], lat) << "vertex " << i;
    }
};
using DraggingOutsideEditMode = ThreeRingsTest;

TEST_F(Dragging, a_moved_handle_and_its_two_edge_lines_follow_the_pointer) {
    node_MouseDown(s, 1);
    EXPECT_TRUE(dragInProgress(s));
    p1_DragOver(s, 700, 800);
    EXPECT_DOUBLE_EQ(s.overlays.node[1].left, 650);
    EXPECT_DOUBLE_EQ(s.overlays.node[1].top, 750);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[1].x2, 700);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[1].y2, 800);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[2].x1, 700);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[2].y1, 800);
    // Nothing is stored while moving.
    EXPECT_DOUBLE_EQ(s.doc.ringLon[1], 20);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_GT(platform.eventPumps, 0);
}

TEST_F(Dragging, the_last_handle_carries_the_closing_edge_line_one) {
    node_MouseDown(s, 4);
    p1_DragOver(s, 900, 1000);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[4].x2, 900);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[1].x1, 900);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[1].y1, 1000);
    node_DragDrop(s, 4);
    EXPECT_EQ(s.doc.ringLon[0], s.doc.ringLon[4]);
    EXPECT_EQ(s.doc.ringLat[0], s.doc.ringLat[4]);
    EXPECT_FLOAT_EQ(static_cast<float>(s.doc.ringLon[0]), 10 + 800 / 490.0f);
}

TEST_F(Dragging, a_drop_stores_the_pointer_position_to_seven_digits_and_marks_the_caption) {
    dragHandle(2, 1234.567, 987.654);
    EXPECT_FALSE(dragInProgress(s));
    const float lon = static_cast<float>(10 + (1234.567 - 100) / 490.0);
    const float lat = static_cast<float>(60 - (987.654 - 100) / 290.0);
    const std::string tag = shortestText(lon) + " " + shortestText(lat);
    EXPECT_EQ(s.overlays.node[2].tag, tag);
    EXPECT_EQ(s.overlays.node[2].tip, tag);
    // The vertex holds the decimal value of its 7-digit text, so it is
    // written back exactly as the tag shows it.
    EXPECT_EQ(s.doc.ringLon[2], readDecimal(shortestText(lon)));
    EXPECT_EQ(s.doc.ringLat[2], readDecimal(shortestText(lat)));
    EXPECT_EQ(commitLonText(s.doc.ringLon[2]), shortestText(lon));
    expectMarkedModified();
    // The other vertices are untouched, and the closing copy too.
    EXPECT_DOUBLE_EQ(s.doc.ringLon[1], 20);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[0], 10);
}

TEST_F(Dragging, the_edge_lines_stay_on_the_dropped_point) {
    dragHandle(3, 2000, 1500);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[3].x2, 2000);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[4].x1, 2000);
    EXPECT_DOUBLE_EQ(s.overlays.Line1[4].y1, 1500);
}

TEST_F(Dragging, a_press_and_release_without_moving_keeps_the_vertex_and_still_marks_the_document) {
    node_MouseDown(s, 3);
    node_DragDrop(s, 3);
    expectVertex(3, 10, 60);
    EXPECT_TRUE(s.doc.modified);
}

TEST_F(Dragging, a_release_elsewhere_stores_nothing_and_leaves_the_handle_where_it_was_moved) {
    node_MouseDown(s, 2);
    p1_DragOver(s, 3000, 2000);
    cancelDrag(s);
    EXPECT_FALSE(dragInProgress(s));
    expectVertex(2, 20, 60);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_DOUBLE_EQ(s.overlays.node[2].left, 2950);
    // Moves after the drag ended carry nothing.
    p1_DragOver(s, 100, 100);
    EXPECT_DOUBLE_EQ(s.overlays.node[2].left, 2950);
}

TEST_F(Dragging, a_drop_with_no_drag_under_way_stores_nothing_but_marks_the_document) {
    node_DragDrop(s, 2);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[2], 20);
    expectMarkedModified();
}

TEST_F(Dragging, the_dragged_handle_is_stored_even_when_released_over_another) {
    node_MouseDown(s, 2);
    p1_DragOver(s, xOf(15), yOf(55));
    node_DragDrop(s, 3);
    expectVertex(2, 15, 55);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[3], 10);
}

TEST_F(Dragging, a_drop_on_a_canvas_shrunk_to_its_margins_keeps_the_vertex_and_empties_the_tag) {
    node_MouseDown(s, 2);
    p1_DragOver(s, 150, 150);
    canvas.resize(canvas.width(), 200);
    node_DragDrop(s, 2);
    EXPECT_EQ(s.overlays.node[2].tag, "");
    expectVertex(2, 20, 60);
}

TEST_F(DraggingOutsideEditMode, markers_of_an_open_outline_do_not_move) {
    drawPolygon({{1000, 1000}, {2000, 1000}});
    nd_MouseDown(s, 1);
    EXPECT_FALSE(dragInProgress(s));
    p1_DragOver(s, 3000, 3000);
    EXPECT_DOUBLE_EQ(s.overlays.nd[1].left, 950);
}

TEST_F(DraggingOutsideEditMode, marker_one_of_a_rectangle_carries_the_ends_of_segments_four_and_one) {
    drawInnerRectangle();
    nd_MouseDown(s, 1);
    ASSERT_TRUE(dragInProgress(s));
    p1_DragOver(s, xOf(11), yOf(59));
    EXPECT_DOUBLE_EQ(s.overlays.nd[1].left, xOf(11) - 50);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[4].x2, xOf(11));
    EXPECT_DOUBLE_EQ(s.overlays.Ln[4].y2, yOf(59));
    EXPECT_DOUBLE_EQ(s.overlays.Ln[1].x1, xOf(11));
    EXPECT_DOUBLE_EQ(s.overlays.Ln[1].y1, yOf(59));
    // The segments of the other corners stay.
    EXPECT_DOUBLE_EQ(s.overlays.Ln[2].x1, xOf(18));
    EXPECT_DOUBLE_EQ(s.overlays.Ln[3].x2, xOf(12));
    nd_DragDrop(s, 1);
    expectSelectionPoint(1, 11, 59);
    EXPECT_EQ(s.sel.selLon[0], s.sel.selLon[4]);
    EXPECT_EQ(s.sel.selLat[0], s.sel.selLat[4]);
    expectMarkedModified();
}

TEST_F(DraggingOutsideEditMode, a_closed_polygon_redrawn_in_open_order_still_moves_the_right_segments) {
    drawPolygon({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    create_polygon(s);
    plot(s, false, 0);  // lays the segments in the open order
    // Segment 3 now runs from marker 2 to marker 3, segment 1 from marker 1 to 3.
    nd_MouseDown(s, 3);
    p1_DragOver(s, 2500, 2500);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[3].x2, 2500);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[1].x2, 2500);
    EXPECT_NEAR(s.overlays.Ln[2].x2, 2000, 0.01);
    EXPECT_NEAR(s.overlays.Ln[2].y2, 1000, 0.01);
    nd_DragDrop(s, 3);
    // Redrawn positions carry single precision. The drop lays the figure closed again through the marker centres.
    EXPECT_NEAR(s.overlays.Ln[3].x1, 2500, 0.01);
    EXPECT_NEAR(s.overlays.Ln[3].x2, 1000, 0.01);
}

TEST_F(DraggingOutsideEditMode, the_dragged_marker_is_stored_even_when_released_over_another) {
    drawInnerRectangle();
    nd_MouseDown(s, 2);
    p1_DragOver(s, xOf(19), yOf(59));
    nd_DragDrop(s, 3);
    expectSelectionPoint(2, 19, 59);
    EXPECT_FLOAT_EQ(s.sel.selLon[3], 18);
}

TEST_F(Dragging, rectangle_markers_still_follow_after_a_vertex_was_dragged_in_edit_mode) {
    dragHandle(2, xOf(19), yOf(59));
    checkEdit(false);
    drawInnerRectangle();
    nd_MouseDown(s, 3);
    EXPECT_TRUE(dragInProgress(s));
    p1_DragOver(s, 4000, 2500);
    EXPECT_DOUBLE_EQ(s.overlays.nd[3].left, 3950);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[2].x2, 4000);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[3].x1, 4000);
}

TEST_F(DraggingOutsideEditMode, a_press_on_a_handle_that_does_not_exist_starts_no_drag) {
    node_MouseDown(s, 2);
    EXPECT_FALSE(dragInProgress(s));
    checkEdit(true);
    node_MouseDown(s, 9);
    EXPECT_FALSE(dragInProgress(s));
    nd_MouseDown(s, 1);
    EXPECT_FALSE(dragInProgress(s));
}

}  // namespace
}  // namespace tess::test
