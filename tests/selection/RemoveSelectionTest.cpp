// "-": removing the ring chosen in the list, with the renumbering of the
// rest and every refusal.
#include "editing/EditFixture.h"
#include "selection/Selection.h"

namespace tess::test {
namespace {

using RemoveSelection = ThreeRingsTest;
using RemoveSelectionFromOtherDocuments = EditTest;

const char* kRing1Marker = "TEST AREA";
const char* kRing1Corner = "20.0 60.0";  // the title may pass to the next ring; this corner may not
const char* kRing2Marker = "11.0 51.0";
const char* kRing3Marker = "12.0 52.0";

// Which ring goes, the mark of its text, and the rings that are left in
// their new order.
struct RemovalCase {
    const char* name;
    int removed;
    const char* gone;
    std::vector<const char*> left;
};

void PrintTo(const RemovalCase& c, std::ostream* out) { *out << "removing the " << c.name << " ring"; }

class RemovingOneOfThree : public ThreeRingsTest, public testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovingOneOfThree, leaves_the_other_two_moved_up_in_order_and_no_copy_of_it) {
    removeRing(GetParam().removed);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(s.doc.listCount, 2);
    const std::vector<const char*>& left = GetParam().left;
    for (std::size_t i = 0; i < left.size(); ++i) {
        EXPECT_TRUE(contains(s.doc.ringTexts[i], left[i])) << "ring " << i << " should hold " << left[i];
        EXPECT_FALSE(contains(s.doc.ringTexts[i], GetParam().gone)) << "ring " << i;
    }
    if (GetParam().removed == 2) {
        EXPECT_EQ(s.doc.ringTexts[2], "") << "the last ring's element is emptied";
    }
}

INSTANTIATE_TEST_SUITE_P(RemoveSelection, RemovingOneOfThree,
                         testing::Values(RemovalCase{"first", 0, kRing1Corner, {kRing2Marker, kRing3Marker}},
                                         RemovalCase{"second", 1, kRing2Marker, {kRing1Marker, kRing3Marker}},
                                         RemovalCase{"last", 2, kRing3Marker, {kRing1Marker, kRing2Marker}}),
                         [](const testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

TEST_F(RemoveSelection, after_removal_no_ring_is_chosen_or_drawn_and_the_document_is_modified) {
    chooseRing(1);
    platform.answers.push_back(Answer::Yes);
    const int clears = canvas.clears;
    Label3_Click(s, 1);
    EXPECT_EQ(s.doc.listIndex, -1);
    EXPECT_EQ(s.doc.currentRing, -1);
    EXPECT_EQ(s.doc.lastPoint, 0);
    EXPECT_GT(canvas.clears, clears);
    expectMarkedModified();
    EXPECT_EQ(s.edit.tool, 0);
}

TEST_F(RemoveSelection, the_entry_that_held_the_removed_ring_loads_its_new_ring) {
    removeRing(1);
    chooseRing(1);
    EXPECT_EQ(s.doc.currentRing, 1);
    ASSERT_EQ(s.doc.lastPoint, 4);
    EXPECT_DOUBLE_EQ(s.doc.ringLon[0], 12);
    EXPECT_DOUBLE_EQ(s.doc.ringLat[0], 52);
}

TEST_F(RemoveSelectionFromOtherDocuments, no_or_cancel_to_the_question_changes_nothing) {
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

TEST_F(RemoveSelectionFromOtherDocuments, a_document_of_one_ring_keeps_it) {
    openDocument("T\n1\n   10.0 50.0\n   20.0 50.0\n   20.0 60.0\n   10.0 50.0\nEND\nEND\n");
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"File must contain more than 1 polygon"});
    EXPECT_EQ(s.doc.listCount, 1);
    EXPECT_EQ(s.doc.lastPoint, 3);
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(RemoveSelectionFromOtherDocuments, an_empty_document_has_nothing_to_remove) {
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"File must contain more than 1 polygon"});
    EXPECT_FALSE(s.doc.modified);
}

TEST_F(RemoveSelection, it_is_refused_while_an_outline_exists) {
    drawPolygon({{1000, 1000}});
    Label3_Click(s, 1);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Please Add (+) or Cancel (ESc) selection"});
    EXPECT_EQ(s.doc.listCount, 3);
    EXPECT_EQ(s.sel.selCount, 1);
}

TEST_F(RemoveSelection, with_no_entry_chosen_it_asks_nothing_and_changes_nothing) {
    removeRing(1);
    const auto texts = s.doc.ringTexts;
    platform.shown.clear();
    Label3_Click(s, 1);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(s.doc.ringTexts, texts);
    EXPECT_EQ(s.doc.listCount, 2);
}

TEST_F(RemoveSelection, removing_while_editing_leaves_no_handles_and_the_box_unchecked) {
    chooseRing(0);
    checkEdit(true);
    platform.answers.push_back(Answer::Yes);
    Label3_Click(s, 1);
    expectEditModeOff();
    EXPECT_FALSE(s.doc.handlesShown);
    EXPECT_TRUE(contains(s.doc.ringTexts[0], kRing2Marker));
}

}  // namespace
}  // namespace tess::test
