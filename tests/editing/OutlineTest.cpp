// Closing the selection outline and cancelling it with Escape.
#include "editing/EditFixture.h"

namespace tess::test {
namespace {

using Outline = ThreeRingsTest;

constexpr int kEscape = 27;

TEST_F(Outline, three_presses_then_escape_leave_nothing_and_the_next_press_starts_afresh) {
    drawPolygon({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    Form_KeyDown(s, kEscape);
    expectNoOutline();
    // The tool and its indicator stay.
    EXPECT_EQ(s.edit.tool, 1);
    EXPECT_TRUE(s.edit.bttVisible[1]);
    press(3000, 1500);
    EXPECT_EQ(s.sel.selCount, 1);
    EXPECT_EQ(s.overlays.nd[1].fill, colors::magenta);
}

TEST_F(Outline, a_double_click_on_marker_two_closes_three_points_back_to_the_first) {
    drawPolygon({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    nd_DblClick(s, 2);
    EXPECT_EQ(s.sel.selCount, 3);
    EXPECT_EQ(s.sel.selState, 2);
    expectLine(s.overlays.Ln[3], 2000, 2000, 1000, 1000);
    ASSERT_TRUE(s.overlays.Ln.exists(1));
    EXPECT_TRUE(s.overlays.Ln[1].visible);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[1].x1, 1000);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[1].x2, 2000);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[1].y2, 1000);
}

TEST_F(Outline, closing_adds_no_point_and_leaves_element_zero) {
    chooseTool(1);
    s.sel.selLon[0] = 77;
    press(1000, 1000);
    press(2000, 1000);
    create_polygon(s);
    EXPECT_EQ(s.sel.selCount, 2);
    EXPECT_EQ(s.sel.selState, 2);
    EXPECT_FLOAT_EQ(s.sel.selLon[0], 77);
}

TEST_F(Outline, closing_one_point_changes_nothing) {
    drawPolygon({{1000, 1000}});
    create_polygon(s);
    nd_DblClick(s, 1);
    EXPECT_EQ(s.sel.selCount, 1);
    EXPECT_EQ(s.sel.selState, 0);
    EXPECT_FALSE(s.overlays.Ln.exists(1));
}

TEST_F(Outline, closing_a_closed_outline_again_keeps_it_closed) {
    drawRectangle(1000, 1000, 2000, 2000);
    create_polygon(s);
    EXPECT_EQ(s.sel.selState, 2);
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[4].x2, 1000);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[4].y2, 1000);
}

TEST_F(Outline, escape_hides_a_lone_rubber_band_and_the_next_press_starts_a_new_one) {
    chooseTool(2);
    press(1000, 1000);
    Form_KeyDown(s, kEscape);
    EXPECT_FALSE(s.overlays.Shape1.visible);
    press(3000, 2000);
    EXPECT_TRUE(s.overlays.Shape1.visible);
    EXPECT_EQ(s.sel.anchorX, 3000);
    EXPECT_EQ(s.sel.selCount, 0);
}

TEST_F(Outline, escape_removes_a_closed_rectangle) {
    drawRectangle(1000, 1000, 2000, 2000);
    Form_KeyDown(s, kEscape);
    expectNoOutline();
}

TEST_F(Outline, escape_with_nothing_to_cancel_changes_nothing) {
    const std::string ring0 = s.doc.ringTexts[0];
    Form_KeyDown(s, kEscape);
    EXPECT_EQ(s.sel.selCount, 0);
    EXPECT_FALSE(s.overlays.Shape1.visible);
    EXPECT_EQ(s.doc.ringTexts[0], ring0);
    EXPECT_EQ(s.doc.lastPoint, 4);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(Outline, other_keys_leave_the_outline_alone) {
    drawPolygon({{1000, 1000}, {2000, 1000}});
    for (int key : {13, 32, 8, 46, 0, 26, 28, -27})
        Form_KeyDown(s, key);
    EXPECT_EQ(s.sel.selCount, 2);
    EXPECT_EQ(existingCount(s.overlays.nd), 2);
}

TEST_F(Outline, escape_during_a_marker_drag_ends_the_drag_with_the_outline) {
    drawRectangle(1000, 1000, 2000, 2000);
    nd_MouseDown(s, 2);
    p1_DragOver(s, 2500, 800);
    Form_KeyDown(s, kEscape);
    EXPECT_FALSE(dragInProgress(s));
    p1_DragOver(s, 2600, 900);
    nd_DragDrop(s, 2);
    EXPECT_EQ(s.sel.selCount, 0);
    EXPECT_EQ(existingCount(s.overlays.nd), 0);
}

}  // namespace
}  // namespace tess::test
