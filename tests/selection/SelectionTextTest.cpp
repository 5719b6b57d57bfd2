// The selection outline as ring text: the lines, their form and the
// coordinates read back from the markers.
#include "editing/EditFixture.h"
#include "selection/Selection.h"
#include "view/Transform.h"

namespace tess::test {
namespace {

using SelectionText = ThreeRingsTest;

const char* kRectangleRing =
    "none\r\n1\r\n   12.0 58.0\r\n   18.0 58.0\r\n   18.0 52.0\r\n   12.0 52.0\r\n   12.0 58.0\r\nEND\r\n";

TEST_F(SelectionText, a_rectangle_gives_five_indented_lines_clockwise_from_the_top_left) {
    drawInnerRectangle();
    EXPECT_EQ(save_selection(s, true), kRectangleRing);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(SelectionText, an_open_outline_of_two_points_closes_on_its_first_point) {
    drawPolygon({{xOf(12.5), yOf(57.25)}, {xOf(17), yOf(53)}});
    EXPECT_EQ(save_selection(s, true),
              "none\r\n1\r\n   12.5 57.25\r\n   17.0 53.0\r\n   12.5 57.25\r\nEND\r\n");
}

TEST_F(SelectionText, a_dragged_marker_is_read_where_it_stands) {
    drawInnerRectangle();
    dragMarker(2, xOf(19), yOf(59));
    EXPECT_EQ(save_selection(s, true),
              "none\r\n1\r\n   12.0 58.0\r\n   19.0 59.0\r\n   18.0 52.0\r\n   12.0 52.0\r\n"
              "   12.0 58.0\r\nEND\r\n");
}

TEST_F(SelectionText, coordinates_carry_at_most_seven_significant_digits) {
    drawPolygon({{1234.567, 987.654}, {2345.678, 1876.543}});
    const std::string text = save_selection(s, true);
    EXPECT_TRUE(contains(text, "   12.31544 56.93913\r\n")) << text;
}

TEST_F(SelectionText, negative_and_whole_numbers_keep_a_period) {
    EXPECT_EQ(selectionCoordLine(-5, -0.25f), "   -5.0 -0.25");
    EXPECT_EQ(selectionCoordLine(0, 180), "   0.0 180.0");
    EXPECT_EQ(selectionCoordLine(13.40625f, 52.5f), "   13.40625 52.5");
}

TEST_F(SelectionText, a_zero_longitude_pair_is_refused_with_the_escape_hint) {
    drawPolygon({{1000, 1000}, {2000, 1000}});
    s.view.minLon = 0;
    s.view.maxLon = 0;
    EXPECT_EQ(save_selection(s, true), "");
    EXPECT_EQ(platform.shown,
              std::vector<std::string>{"No Latitude/Longitude Data\r\n\r\nPress ESC to cancel selection"});
}

TEST_F(SelectionText, a_zero_latitude_pair_is_refused_too) {
    drawRectangle(1000, 1000, 2000, 2000);
    s.view.minLat = 0;
    s.view.maxLat = 0;
    EXPECT_EQ(save_selection(s, true), "");
    EXPECT_EQ(platform.last(), kNoLatLon);
}

TEST_F(SelectionText, on_a_canvas_shrunk_to_its_margins_the_stored_coordinates_are_used) {
    drawInnerRectangle();
    canvas.resize(200, 200);
    EXPECT_EQ(save_selection(s, true), kRectangleRing);
}

}  // namespace
}  // namespace tess::test
