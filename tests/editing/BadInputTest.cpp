// Presses, drags, keys and buttons in orders no user would choose: the
// program must neither crash nor damage the document, and the outline and
// handles must stay consistent with their counts.
#include <random>

#include "editing/EditFixture.h"
#include "selection/Selection.h"

namespace tess::test {
namespace {

using BadInput = ThreeRingsTest;
using BadInputFromScratch = EditTest;

// The canvas objects always match the counts that describe them.
void expectConsistent(const State& s) {
    ASSERT_GE(s.sel.selCount, 0);
    ASSERT_LE(s.sel.selCount, kMaxSelectionPoints);
    for (int k = 1; k <= s.sel.selCount; ++k)
        ASSERT_TRUE(s.overlays.nd.exists(static_cast<std::size_t>(k))) << k;
    ASSERT_LE(s.overlays.nd.end(), static_cast<std::size_t>(s.sel.selCount) + 1);
    if (s.doc.handlesShown) {
        ASSERT_EQ(s.overlays.node.end(), static_cast<std::size_t>(s.doc.lastPoint) + 1);
    } else {
        ASSERT_EQ(s.overlays.node.end(), 1u);
    }
    ASSERT_LE(s.doc.listCount, static_cast<int>(s.doc.ringTexts.size()));
    if (s.doc.lastPoint > 0) {
        ASSERT_GT(s.doc.ringLon.size(), static_cast<std::size_t>(s.doc.lastPoint));
        ASSERT_GT(s.doc.ringLat.size(), static_cast<std::size_t>(s.doc.lastPoint));
    }
}

TEST_F(BadInput, any_button_pressed_at_any_time_with_any_tool_keeps_the_document_whole) {
    const auto texts = s.doc.ringTexts;
    for (int tool = 0; tool <= 2; ++tool) {
        chooseTool(tool);
        for (int button = 0; button <= 7; ++button) {
            press(-5000, 100000, button);
            press(0, 0, button);
            press(2550, 1550, button);
            p1_DblClick(s);
            nd_DblClick(s, button);
            expectConsistent(s);
        }
        Form_KeyDown(s, 27);
    }
    EXPECT_EQ(s.doc.ringTexts, texts);
}

TEST_F(BadInput, a_double_click_on_a_marker_of_a_one_point_outline_closes_nothing) {
    drawPolygon({{1000, 1000}});
    nd_MouseDown(s, 1);
    nd_DragDrop(s, 1);
    nd_DblClick(s, 1);
    EXPECT_EQ(s.sel.selState, 0);
    EXPECT_EQ(s.sel.selCount, 1);
    expectConsistent(s);
}

TEST_F(BadInput, drags_that_end_outside_leave_every_vertex_as_it_was) {
    checkEdit(true);
    const auto lon = s.doc.ringLon, lat = s.doc.ringLat;
    for (int i = 1; i <= 4; ++i) {
        node_MouseDown(s, i);
        p1_DragOver(s, -100000, -100000);
        p1_DragOver(s, 1e9, 1e9);
        cancelDrag(s);
    }
    EXPECT_EQ(s.doc.ringLon, lon);
    EXPECT_EQ(s.doc.ringLat, lat);
    EXPECT_FALSE(s.doc.modified);
    checkEdit(false);
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(BadInput, a_vertex_dropped_far_outside_the_view_is_stored_beyond_the_bounds) {
    checkEdit(true);
    dragHandle(2, xOf(0), yOf(40));  // ten degrees west and south of the view
    EXPECT_DOUBLE_EQ(s.doc.ringLon[2], 0);
    EXPECT_DOUBLE_EQ(s.doc.ringLat[2], 40);
}

TEST_F(BadInputFromScratch, escape_with_nothing_to_cancel_and_before_any_document_changes_nothing) {
    Form_KeyDown(s, 27);
    Form_KeyDown(s, 27);
    EXPECT_EQ(s.sel.selCount, 0);
    EXPECT_TRUE(platform.shown.empty());
    expectConsistent(s);
}

TEST_F(BadInputFromScratch, drops_and_closings_without_any_document_are_harmless) {
    node_DragDrop(s, 1);
    nd_DragDrop(s, 1);
    p1_DragOver(s, 10, 10);
    create_polygon(s);
    nd_DblClick(s, 3);
    cancelDrag(s);
    text1_KeyPress(s);
    EXPECT_TRUE(platform.shown.empty());
    expectConsistent(s);
}

TEST_F(BadInput, a_canvas_smaller_than_its_margins_mirrors_but_never_fails) {
    canvas.resize(150, 120);
    drawRectangle(10, 10, 140, 110);
    EXPECT_EQ(s.sel.selCount, 4);
    dragMarker(2, 60, 70);
    const std::string text = save_selection(s, true);
    EXPECT_EQ(text.rfind("none\r\n1\r\n", 0), 0u);
    expectConsistent(s);
}

TEST_F(BadInput, a_canvas_shrunk_to_its_margins_stores_nothing_new_anywhere) {
    checkEdit(true);
    canvas.resize(200, 200);
    const auto lon = s.doc.ringLon;
    dragHandle(1, 150, 150);
    EXPECT_EQ(s.doc.ringLon, lon);
    checkEdit(false);
    chooseTool(2);
    press(120, 120);
    press(130, 130);
    EXPECT_EQ(s.sel.selCount, 4);
    drawPolygon({{150, 150}, {160, 160}});
    Label3_Click(s, 0);
    expectConsistent(s);
}

TEST_F(BadInput, a_rubber_band_started_far_beyond_the_canvas_keeps_its_anchor_in_range) {
    chooseTool(2);
    press(1e12, -1e12);
    EXPECT_EQ(s.sel.anchorX, 2147483647);
    EXPECT_EQ(s.sel.anchorY, -2147483647 - 1);
    press(1e12, -1e12);
    EXPECT_EQ(s.sel.selCount, 4);
    expectConsistent(s);
}

// Random sequences of every action the window can deliver, with answers
// queued for every question.
TEST_F(BadInputFromScratch, random_event_sequences_keep_the_state_consistent) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 6; ++round) {
        openDocument(kThreeRings, "doc" + std::to_string(round) + ".poly");
        for (int step = 0; step < 400; ++step) {
            std::uniform_real_distribution<double> coord(-2000, 7000);
            const double x = coord(random), y = coord(random);
            const int index = static_cast<int>(random() % 8) - 1;
            switch (random() % 19) {
                case 0: press(x, y, static_cast<int>(random() % 5)); break;
                case 1: press(x, y); break;
                case 2: p1_MouseMove(s, x, y); break;
                case 3: p1_DblClick(s); break;
                case 4: node_MouseDown(s, index); break;
                case 5: nd_MouseDown(s, index); break;
                case 6: p1_DragOver(s, x, y); break;
                case 7: node_DragDrop(s, index); break;
                case 8: nd_DragDrop(s, index); break;
                case 9: cancelDrag(s); break;
                case 10: nd_DblClick(s, index); break;
                case 11: Form_KeyDown(s, random() % 2 ? 27 : index); break;
                case 12: checkEdit(random() % 2 == 0); break;
                case 13: Label2_Click(s); break;
                case 14: chooseRing(index); break;
                case 15:
                    inv_MouseDown(s, index);
                    inv_MouseUp(s, index);
                    break;
                case 16: text1_KeyPress(s); break;
                case 17:
                    platform.answers.push_back(random() % 2 ? Answer::Yes : Answer::No);
                    Label3_Click(s, 1);
                    platform.answers.clear();
                    break;
                default: Label3_Click(s, 0); break;
            }
            expectConsistent(s);
            if (HasFatalFailure()) return;
        }
        Form_KeyDown(s, 27);
        chooseTool(0);
    }
}

}  // namespace
}  // namespace tess::test
