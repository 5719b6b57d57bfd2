// The tool buttons: which tool is active, its red indicator, and the end
// of edit mode they bring.
#include "editing/EditFixture.h"

namespace tess::test {
namespace {

using ToolButtons = ThreeRingsTest;
using ToolButtonsWithoutDocument = EditTest;

TEST_F(ToolButtons, pressing_draws_the_button_flat_and_releasing_restores_it) {
    inv_MouseDown(s, 1);
    EXPECT_TRUE(s.edit.invPressed[1]);
    EXPECT_EQ(s.edit.tool, 1);
    inv_MouseUp(s, 1);
    EXPECT_FALSE(s.edit.invPressed[1]);
}

TEST_F(ToolButtons, the_polygon_and_rectangle_tools_show_their_indicator_and_the_pointer_none) {
    chooseTool(1);
    EXPECT_EQ(s.edit.bttVisible, (std::array<bool, 3>{false, true, false}));
    chooseTool(2);
    EXPECT_EQ(s.edit.bttVisible, (std::array<bool, 3>{false, false, true}));
    chooseTool(0);
    EXPECT_EQ(s.edit.bttVisible, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(s.edit.tool, 0);
}

TEST_F(ToolButtons, a_tool_button_ends_edit_mode_and_keeps_the_dragged_vertex) {
    checkEdit(true);
    dragHandle(1, xOf(12), yOf(52));
    chooseTool(1);
    expectEditModeOff();
    EXPECT_DOUBLE_EQ(s.doc.ringLon[1], 12);
    EXPECT_DOUBLE_EQ(s.doc.ringLat[1], 52);
}

TEST_F(ToolButtons, releasing_a_tool_button_discards_the_outline_in_progress) {
    drawPolygon({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    chooseTool(1);
    expectNoOutline();
}

TEST_F(ToolButtons, releasing_a_tool_button_leaves_the_rubber_band_shown) {
    chooseTool(2);
    press(1000, 1000);
    chooseTool(2);
    EXPECT_TRUE(s.overlays.Shape1.visible);
}

TEST_F(ToolButtons, buttons_outside_the_three_tools_are_ignored) {
    chooseTool(2);
    inv_MouseDown(s, 3);
    inv_MouseUp(s, -1);
    EXPECT_EQ(s.edit.tool, 2);
    EXPECT_TRUE(s.edit.bttVisible[2]);
}

TEST_F(ToolButtonsWithoutDocument, a_tool_button_without_a_document_only_chooses_the_tool) {
    chooseTool(1);
    EXPECT_EQ(s.edit.tool, 1);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(s.doc.lastPoint, 0);
}

}  // namespace
}  // namespace tess::test
