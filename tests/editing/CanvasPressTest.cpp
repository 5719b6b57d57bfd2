// Presses on the empty canvas: every state of the selection outline the
// polygon and rectangle tools build.
#include "editing/EditFixture.h"

#include "document/Numbers.h"

namespace tess::test {
namespace {

using CanvasPress = ThreeRingsTest;
using CanvasPressWithoutDocument = EditTest;

TEST_F(CanvasPress, the_first_polygon_point_is_a_light_magenta_marker_without_a_segment) {
    drawPolygon({{xOf(12), yOf(58)}});
    EXPECT_EQ(s.sel.selCount, 1);
    EXPECT_EQ(s.sel.selState, 0);
    ASSERT_TRUE(s.overlays.nd.exists(1));
    const SquareObject& m = s.overlays.nd[1];
    EXPECT_EQ(m.fill, colors::magenta);
    EXPECT_TRUE(m.visible);
    EXPECT_DOUBLE_EQ(m.left, xOf(12) - 50);
    EXPECT_DOUBLE_EQ(m.top, yOf(58) - 50);
    expectSelectionPoint(1, 12, 58);
    EXPECT_EQ(existingCount(s.overlays.Ln), 0);
}

TEST_F(CanvasPress, further_polygon_points_open_the_outline_with_a_red_segment_each) {
    drawPolygon({{xOf(12), yOf(58)}, {xOf(18), yOf(58)}, {xOf(15), yOf(52)}});
    EXPECT_EQ(s.sel.selCount, 3);
    EXPECT_EQ(s.sel.selState, 1);
    EXPECT_EQ(s.overlays.nd[2].fill, colors::red);
    EXPECT_FALSE(s.overlays.Ln.exists(1));
    const LineObject& seg3 = s.overlays.Ln[3];
    EXPECT_TRUE(seg3.visible);
    EXPECT_EQ(seg3.color, colors::red);
    expectLine(seg3, xOf(18), yOf(58), xOf(15), yOf(52));
    expectSelectionPoint(3, 15, 52);
}

TEST_F(CanvasPress, points_are_stored_in_single_precision) {
    drawPolygon({{1234.567, 987.654}});
    const double lon = 10 + (1234.567 - 100) / 490.0;
    const double lat = 60 - (987.654 - 100) / 290.0;
    // At most 7 significant digits: the text newcoord writes, read back.
    EXPECT_EQ(s.sel.selLon[1], static_cast<float>(readDecimal(shortestText(static_cast<float>(lon)))));
    EXPECT_EQ(s.sel.selLat[1], static_cast<float>(readDecimal(shortestText(static_cast<float>(lat)))));
    EXPECT_NEAR(s.sel.selLon[1], lon, 1e-5);
    EXPECT_NEAR(s.sel.selLat[1], lat, 1e-5);
}

TEST_F(CanvasPress, the_polygon_tool_takes_500_points_and_ignores_the_501st) {
    chooseTool(1);
    for (int i = 0; i < 500; ++i) press(200 + i * 9, 300 + (i % 2) * 1000);
    EXPECT_EQ(s.sel.selCount, 500);
    EXPECT_EQ(s.sel.selState, 1);
    press(4800, 2800);
    EXPECT_EQ(s.sel.selCount, 500);
    EXPECT_EQ(existingCount(s.overlays.nd), 500);
    EXPECT_EQ(existingCount(s.overlays.Ln), 499);
    EXPECT_FALSE(s.overlays.nd.exists(501));
}

TEST_F(CanvasPress, a_closed_outline_takes_no_more_points) {
    drawPolygon({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    create_polygon(s);
    press(3000, 2500);
    EXPECT_EQ(s.sel.selCount, 3);
    EXPECT_EQ(s.sel.selState, 2);
}

TEST_F(CanvasPress, right_and_middle_presses_do_nothing_with_any_tool) {
    for (int tool = 0; tool <= 2; ++tool) {
        chooseTool(tool);
        press(1000, 1000, 2);
        press(1000, 1000, 4);
        EXPECT_EQ(s.sel.selCount, 0);
        EXPECT_FALSE(s.overlays.Shape1.visible);
    }
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(CanvasPress, the_pointer_tool_does_nothing_on_the_empty_canvas) {
    press(1000, 1000);
    EXPECT_EQ(s.sel.selCount, 0);
    EXPECT_FALSE(s.overlays.Shape1.visible);
    EXPECT_EQ(s.overlays.nd.end(), 1u);
}

TEST_F(CanvasPressWithoutDocument, drawing_before_any_view_is_fitted_asks_for_a_background) {
    drawPolygon({{1000, 1000}});
    chooseTool(2);
    press(1000, 1000);
    const std::string expected = "No coordinates found.\r\n\r\nPlease load a background file.";
    EXPECT_EQ(platform.shown, (std::vector<std::string>{expected, expected}));
    EXPECT_EQ(s.sel.selCount, 0);
    EXPECT_FALSE(s.overlays.Shape1.visible);
}

TEST_F(CanvasPressWithoutDocument, the_pointer_tool_before_any_view_is_fitted_says_nothing) {
    press(1000, 1000);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(CanvasPress, the_first_rectangle_press_shows_a_rubber_band_at_the_rounded_anchor) {
    chooseTool(2);
    press(1000.5, 1001.5);
    const RectObject& band = s.overlays.Shape1;
    EXPECT_TRUE(band.visible);
    EXPECT_DOUBLE_EQ(band.left, 1000.5);
    EXPECT_DOUBLE_EQ(band.top, 1001.5);
    EXPECT_DOUBLE_EQ(band.width, 100);
    EXPECT_DOUBLE_EQ(band.height, 100);
    EXPECT_EQ(s.sel.anchorX, 1000);  // halves go to the even neighbour
    EXPECT_EQ(s.sel.anchorY, 1002);
    EXPECT_EQ(s.sel.selCount, 0);
}

TEST_F(CanvasPress, the_second_rectangle_press_makes_four_corners_clockwise_from_the_top_left) {
    drawInnerRectangle();
    EXPECT_FALSE(s.overlays.Shape1.visible);
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_EQ(s.sel.selState, 2);
    const float lon[] = {12, 18, 18, 12}, lat[] = {58, 58, 52, 52};
    for (std::size_t k = 1; k <= 4; ++k) {
        expectSelectionPoint(k, lon[k - 1], lat[k - 1]);
        EXPECT_TRUE(s.overlays.nd[k].visible);
        EXPECT_TRUE(s.overlays.Ln[k].visible);
        EXPECT_EQ(s.overlays.nd[k].fill, colors::red);
    }
    EXPECT_EQ(s.sel.selLon[0], s.sel.selLon[4]);
    EXPECT_EQ(s.sel.selLat[0], s.sel.selLat[4]);
    // Segment 4 closes the figure from the bottom-left back to the top-left.
    expectLine(s.overlays.Ln[4], xOf(12), yOf(52), xOf(12), yOf(58));
    EXPECT_DOUBLE_EQ(s.overlays.nd[3].left, xOf(18) - 50);
    EXPECT_DOUBLE_EQ(s.overlays.nd[3].top, yOf(52) - 50);
}

TEST_F(CanvasPress, the_rectangle_is_taken_as_last_stretched_wherever_the_second_press_lands) {
    chooseTool(2);
    press(xOf(18), yOf(52));
    p1_MouseMove(s, xOf(12), yOf(58));  // stretched up and to the left
    press(4000, 2900);
    expectSelectionPoint(1, 12, 58);
    expectSelectionPoint(3, 18, 52);
}

TEST_F(CanvasPress, a_rectangle_without_stretching_is_100_twips_square) {
    chooseTool(2);
    press(1000, 1000);
    press(3000, 3000);
    EXPECT_DOUBLE_EQ(s.overlays.nd[3].left, 1100 - 50);
    EXPECT_DOUBLE_EQ(s.overlays.nd[3].top, 1100 - 50);
}

TEST_F(CanvasPress, rectangle_presses_do_nothing_over_points_of_the_polygon_tool) {
    drawPolygon({{1000, 1000}, {2000, 1000}});
    s.edit.tool = 2;  // switched without releasing a button, which would clear them
    press(3000, 2000);
    press(3500, 2500);
    EXPECT_EQ(s.sel.selCount, 2);
    EXPECT_FALSE(s.overlays.Shape1.visible);
}

TEST_F(CanvasPress, a_rectangle_over_a_kept_rubber_band_of_another_tool_still_completes) {
    chooseTool(2);
    press(1000, 1000);
    p1_MouseMove(s, 1500, 1400);
    press(0, 0);
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[2].x1, 1500);
    EXPECT_DOUBLE_EQ(s.overlays.Ln[2].y2, 1400);
}

TEST_F(CanvasPress, a_double_click_closes_an_open_polygon_at_the_double_clicked_point) {
    // The last press is the first press of the double-click.
    drawPolygon({{1000, 1000}, {2000, 1000}, {2000, 2000}, {1000, 2000}});
    p1_DblClick(s);
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_EQ(s.sel.selState, 2);
    expectLine(s.overlays.Ln[4], 1000, 2000, 1000, 1000);
}

TEST_F(CanvasPress, a_double_click_on_a_one_point_outline_closes_nothing) {
    drawPolygon({{1000, 1000}});
    p1_DblClick(s);
    EXPECT_EQ(s.sel.selCount, 1);
    EXPECT_EQ(s.sel.selState, 0);
    press(2000, 1000);
    EXPECT_EQ(s.sel.selState, 1);
}

TEST_F(CanvasPress, a_double_click_with_another_tool_closes_nothing) {
    drawPolygon({{1000, 1000}, {2000, 1000}});
    s.edit.tool = 0;
    p1_DblClick(s);
    EXPECT_EQ(s.sel.selState, 1);
}

TEST_F(CanvasPress, on_a_canvas_shrunk_to_its_margins_points_keep_their_old_coordinates) {
    chooseTool(1);
    s.sel.selLon[1] = 3;
    s.sel.selLat[1] = 4;
    canvas.resize(200, canvas.height());  // exactly twice the margin: nothing can be mapped
    press(100, 100);
    EXPECT_EQ(s.sel.selCount, 1);
    EXPECT_TRUE(s.overlays.nd.exists(1));
    expectSelectionPoint(1, 3, 4);
}

}  // namespace
}  // namespace tess::test
