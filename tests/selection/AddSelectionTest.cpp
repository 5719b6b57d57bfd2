// "+": the selection outline appended to the document as a new ring.
#include "document/Writer.h"
#include "editing/EditFixture.h"
#include "selection/Selection.h"
#include "view/Transform.h"

namespace tess::test {
namespace {

using AddSelection = ThreeRingsTest;
using AddSelectionFromScratch = EditTest;

TEST_F(AddSelection, a_rectangle_becomes_a_new_current_ring_of_five_coordinate_lines) {
    drawInnerRectangle();
    Label3_Click(s, 0);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(s.doc.listCount, 4);
    EXPECT_EQ(s.doc.listIndex, 3);
    EXPECT_EQ(s.doc.currentRing, 3);
    EXPECT_EQ(s.doc.ringTexts[3],
              "none\r\n1\r\n   12.0 58.0\r\n   18.0 58.0\r\n   18.0 52.0\r\n   12.0 52.0\r\n"
              "   12.0 58.0\r\nEND\r\n");
    ASSERT_EQ(s.doc.lastPoint, 4);
    const double lon[] = {12, 18, 18, 12, 12}, lat[] = {58, 58, 52, 52, 58};
    for (std::size_t i = 0; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(s.doc.ringLon[i], lon[i]) << i;
        EXPECT_DOUBLE_EQ(s.doc.ringLat[i], lat[i]) << i;
    }
}

TEST_F(AddSelection, after_adding_the_outline_is_gone_the_pointer_is_back_and_the_document_is_modified) {
    drawRectangle(1000, 1000, 2000, 2000);
    Label3_Click(s, 0);
    expectNoOutline();
    EXPECT_EQ(s.edit.tool, 0);
    EXPECT_EQ(s.edit.bttVisible, (std::array<bool, 3>{false, false, false}));
    expectMarkedModified();
}

TEST_F(AddSelection, an_open_outline_of_two_points_is_added_as_three_coordinate_lines) {
    drawPolygon({{xOf(11), yOf(59)}, {xOf(19), yOf(51)}});
    Label3_Click(s, 0);
    EXPECT_EQ(s.doc.listCount, 4);
    EXPECT_EQ(s.doc.lastPoint, 2);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[2], 11);
    EXPECT_DOUBLE_EQ(s.doc.ringLat[2], 59);
}

TEST_F(AddSelection, a_single_point_asks_for_a_polygon_and_changes_nothing) {
    drawPolygon({{1000, 1000}});
    Label3_Click(s, 0);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Please create a Polygon."});
    EXPECT_EQ(s.doc.listCount, 3);
    EXPECT_EQ(s.sel.selCount, 1);
    EXPECT_EQ(s.edit.tool, 1);
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(AddSelection, no_outline_at_all_asks_for_a_polygon) {
    Label3_Click(s, 0);
    EXPECT_EQ(platform.last(), "Please create a Polygon.");
    EXPECT_EQ(s.doc.listCount, 3);
}

TEST_F(AddSelection, the_added_ring_is_saved_with_the_others) {
    drawInnerRectangle();
    Label3_Click(s, 0);
    const std::string out = dir.file("out.poly");
    ASSERT_TRUE(savepoly(s, out, s.doc.listIndex));
    State back{platform};
    back.systemDir = dir.path();
    ASSERT_TRUE(loadpoly(back, out, 3));
    EXPECT_EQ(back.doc.listCount, 4);
    ASSERT_EQ(back.doc.lastPoint, 4);
    EXPECT_DOUBLE_EQ(back.doc.ringLon[1], 18);
    EXPECT_DOUBLE_EQ(back.doc.ringLat[2], 52);
}

TEST_F(AddSelection, two_additions_in_a_row_number_the_rings_on) {
    drawRectangle(1000, 1000, 2000, 2000);
    Label3_Click(s, 0);
    // The view now fits the added ring; any rectangle will do.
    drawRectangle(1500, 1500, 2500, 2500);
    Label3_Click(s, 0);
    EXPECT_EQ(s.doc.listCount, 5);
    EXPECT_EQ(s.doc.currentRing, 4);
    EXPECT_TRUE(contains(s.doc.ringTexts[3], "END"));
    EXPECT_TRUE(contains(s.doc.ringTexts[4], "END"));
}

TEST_F(AddSelectionFromScratch, an_outline_over_a_background_alone_becomes_the_first_ring) {
    resetFit(s.view);
    widenFit(s.view, 10, 50);
    widenFit(s.view, 20, 60);
    finishFit(s.view);
    drawInnerRectangle();
    Label3_Click(s, 0);
    EXPECT_EQ(s.doc.listCount, 1);
    EXPECT_EQ(s.doc.currentRing, 0);
    EXPECT_EQ(s.doc.lastPoint, 4);
    EXPECT_TRUE(s.doc.modified);
}

TEST_F(AddSelection, a_zero_bound_pair_appends_no_ring) {
    drawRectangle(1000, 1000, 2000, 2000);
    s.view.minLat = 0;
    s.view.maxLat = 0;
    const auto texts = s.doc.ringTexts;
    Label3_Click(s, 0);
    EXPECT_EQ(platform.last(), kNoLatLon);
    EXPECT_EQ(s.doc.listCount, 3);
    EXPECT_EQ(s.doc.ringTexts, texts);
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(AddSelection, labels_other_than_plus_and_minus_do_nothing) {
    drawRectangle(1000, 1000, 2000, 2000);
    Label3_Click(s, 2);
    Label3_Click(s, -1);
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_EQ(s.doc.listCount, 3);
    EXPECT_TRUE(platform.shown.empty());
}

}  // namespace
}  // namespace tess::test
