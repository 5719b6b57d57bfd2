// "-": removing the ring chosen in the list, with the renumbering of the
// rest and every refusal.
#include "editing/EditFixture.h"
#include "selection/Selection.h"

namespace tess::test {
namespace {

using RemoveSelection = EditTest;

const char* kRing2Marker = "11.0 51.0";
const char* kRing3Marker = "12.0 52.0";

TEST_F(RemoveSelection, removing_ring_two_of_three_moves_ring_three_up) {
    openDocument(kThreeRings);
    chooseRing(1);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(s.doc.listCount, 2);
    EXPECT_NE(s.doc.ringTexts[1].find(kRing3Marker), std::string::npos);
    EXPECT_EQ(s.doc.ringTexts[1].find(kRing2Marker), std::string::npos);
    EXPECT_NE(s.doc.ringTexts[0].find("TEST AREA"), std::string::npos);
}

TEST_F(RemoveSelection, after_removal_no_ring_is_chosen_or_drawn_and_the_document_is_modified) {
    openDocument(kThreeRings);
    chooseRing(1);
    platform.answers.push_back(Answer::Yes);
    const int clears = canvas.clears;
    Label3_Click(s, 1);
    EXPECT_EQ(s.doc.listIndex, -1);
    EXPECT_EQ(s.doc.currentRing, -1);
    EXPECT_EQ(s.doc.lastPoint, 0);
    EXPECT_GT(canvas.clears, clears);
    EXPECT_TRUE(s.doc.modified);
    EXPECT_EQ(s.caption.back(), '+');
    EXPECT_EQ(s.edit.tool, 0);
}

TEST_F(RemoveSelection, the_entry_that_held_the_removed_ring_loads_its_new_ring) {
    openDocument(kThreeRings);
    chooseRing(1);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    chooseRing(1);
    EXPECT_EQ(s.doc.currentRing, 1);
    ASSERT_EQ(s.doc.lastPoint, 4);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[0], 12);
    EXPECT_DOUBLE_EQ(s.doc.ringLat[0], 52);
}

TEST_F(RemoveSelection, removing_the_last_ring_empties_its_element) {
    openDocument(kThreeRings);
    chooseRing(2);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    EXPECT_EQ(s.doc.listCount, 2);
    EXPECT_EQ(s.doc.ringTexts[2], "");
    EXPECT_NE(s.doc.ringTexts[1].find(kRing2Marker), std::string::npos);
}

TEST_F(RemoveSelection, removing_the_first_ring_keeps_the_rest_in_order) {
    openDocument(kThreeRings);
    chooseRing(0);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    EXPECT_EQ(s.doc.listCount, 2);
    EXPECT_NE(s.doc.ringTexts[0].find(kRing2Marker), std::string::npos);
    EXPECT_NE(s.doc.ringTexts[1].find(kRing3Marker), std::string::npos);
}

TEST_F(RemoveSelection, no_or_cancel_to_the_question_changes_nothing) {
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        openDocument(kThreeRings);
        chooseRing(1);
        const auto texts = s.doc.ringTexts;
        platform.answers.push_back(answer);
        remove_selection(s);
        EXPECT_EQ(s.doc.ringTexts, texts);
        EXPECT_EQ(s.doc.listCount, 3);
        EXPECT_EQ(s.doc.listIndex, 1);
        EXPECT_EQ(s.doc.lastPoint, 3);
        EXPECT_FALSE(s.doc.modified);
    }
}

TEST_F(RemoveSelection, a_document_of_one_ring_keeps_it) {
    openDocument("T\n1\n   10.0 50.0\n   20.0 50.0\n   20.0 60.0\n   10.0 50.0\nEND\nEND\n");
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"File must contain more than 1 polygon"});
    EXPECT_EQ(s.doc.listCount, 1);
    EXPECT_EQ(s.doc.lastPoint, 3);
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(RemoveSelection, an_empty_document_has_nothing_to_remove) {
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"File must contain more than 1 polygon"});
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(RemoveSelection, it_is_refused_while_an_outline_exists) {
    openDocument(kThreeRings);
    chooseTool(1);
    press(1000, 1000);
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Please Add (+) or Cancel (ESc) selection"});
    EXPECT_EQ(s.doc.listCount, 3);
    EXPECT_EQ(s.sel.selCount, 1);
}

TEST_F(RemoveSelection, with_no_entry_chosen_it_asks_nothing_and_changes_nothing) {
    openDocument(kThreeRings);
    chooseRing(1);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    const auto texts = s.doc.ringTexts;
    platform.shown.clear();
    Label3_Click(s, 1);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(s.doc.ringTexts, texts);
    EXPECT_EQ(s.doc.listCount, 2);
}

TEST_F(RemoveSelection, removing_while_editing_leaves_no_handles_and_the_box_unchecked) {
    openDocument(kThreeRings);
    chooseRing(0);
    checkEdit(true);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    EXPECT_EQ(existingCount(s.overlays.node), 0);
    EXPECT_FALSE(s.doc.handlesShown);
    EXPECT_FALSE(s.edit.check1);
    EXPECT_FALSE(s.edit.editMode);
    EXPECT_NE(s.doc.ringTexts[0].find(kRing2Marker), std::string::npos);
}

}  // namespace
}  // namespace tess::test
