// Save Selection: the outline written as a one-ring file, byte for byte,
// with the naming rules, the replace question and every refusal.
#include "app/FileMenu.h"
#include "editing/EditFixture.h"
#include "platform/Files.h"
#include "selection/Selection.h"

namespace tess::test {
namespace {

using SaveSelection = EditTest;

const char* kRectangleFile =
    "none\r\n1\r\n   12.0 58.0\r\n   18.0 58.0\r\n   18.0 52.0\r\n   12.0 52.0\r\n   12.0 58.0\r\n"
    "END\r\nEND\r\n\r\n";

class SaveSelectionOfRectangle : public EditTest {
protected:
    void SetUp() override {
        openDocument(kThreeRings);
        drawRectangle(xOf(12), yOf(58), xOf(18), yOf(52));
    }
};

TEST_F(SaveSelectionOfRectangle, the_file_holds_one_ring_and_two_ends_byte_for_byte) {
    platform.dialogResults.push_back(dir.file("area.poly"));
    EXPECT_EQ(save_selection(s, false), "");
    EXPECT_EQ(readFile(dir.file("area.poly")), kRectangleFile);
}

TEST_F(SaveSelectionOfRectangle, the_dialog_saves_polygon_files_and_proposes_untitled) {
    platform.dialogResults.push_back(dir.file("area.poly"));
    save_selection(s, false);
    EXPECT_TRUE(platform.lastDialogWasSave);
    ASSERT_EQ(platform.lastFilters.size(), 1u);
    EXPECT_EQ(platform.lastFilters[0].description, "Polygon Files (*.poly)");
    EXPECT_EQ(platform.lastFilters[0].pattern, "*.poly");
    EXPECT_EQ(platform.lastDefaultName, "untitled.poly");
}

TEST_F(SaveSelectionOfRectangle, a_name_without_poly_gets_the_extension) {
    platform.dialogResults.push_back(dir.file("area"));
    platform.dialogResults.push_back(dir.file("area.txt"));
    save_selection(s, false);
    save_selection(s, false);
    EXPECT_EQ(readFile(dir.file("area.poly")), kRectangleFile);
    EXPECT_EQ(readFile(dir.file("area.txt.poly")), kRectangleFile);
    EXPECT_FALSE(fileExists(dir.file("area")));
    EXPECT_FALSE(fileExists(dir.file("area.txt")));
}

TEST_F(SaveSelectionOfRectangle, a_name_that_already_says_poly_is_kept) {
    platform.dialogResults.push_back(dir.file("polygons.txt"));
    platform.dialogResults.push_back(dir.file("AREA.POLY"));
    save_selection(s, false);
    save_selection(s, false);
    EXPECT_EQ(readFile(dir.file("polygons.txt")), kRectangleFile);
    EXPECT_EQ(readFile(dir.file("AREA.POLY")), kRectangleFile);
}

TEST_F(SaveSelectionOfRectangle, a_cancelled_or_unusable_name_writes_nothing) {
    for (const std::string& name : {std::string(), std::string("*.poly"), std::string(".poly")})
        platform.dialogResults.push_back(name);
    for (int i = 0; i < 3; ++i) save_selection(s, false);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_FALSE(fileExists(".poly"));
    EXPECT_FALSE(fileExists(dir.file("untitled.poly")));
}

TEST_F(SaveSelectionOfRectangle, saving_twice_to_one_name_asks_to_replace) {
    const std::string path = dir.file("area.poly");
    platform.dialogResults.push_back(path);
    save_selection(s, false);
    EXPECT_TRUE(platform.shown.empty());

    writeFile(path, "old");
    platform.dialogResults.push_back(path);
    platform.answers.push_back(Answer::No);
    save_selection(s, false);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Replace file?"});
    EXPECT_EQ(readFile(path), "old");

    platform.dialogResults.push_back(path);
    platform.answers.push_back(Answer::Yes);
    save_selection(s, false);
    EXPECT_EQ(readFile(path), kRectangleFile);
}

TEST_F(SaveSelectionOfRectangle, the_unsaved_mark_of_a_modified_document_stays) {
    text1_KeyPress(s);
    platform.dialogResults.push_back(dir.file("area.poly"));
    save_selection(s, false);
    EXPECT_TRUE(s.doc.modified);
    EXPECT_EQ(s.caption.back(), '+');
}

TEST_F(SaveSelectionOfRectangle, an_unmodified_document_stays_unmodified) {
    platform.dialogResults.push_back(dir.file("area.poly"));
    save_selection(s, false);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_NE(s.caption.back(), '+');
}

TEST_F(SaveSelectionOfRectangle, the_document_and_its_file_are_untouched) {
    const std::string before = readFile(s.doc.fileName);
    const auto texts = s.doc.ringTexts;
    platform.dialogResults.push_back(dir.file("area.poly"));
    save_selection(s, false);
    EXPECT_EQ(readFile(s.doc.fileName), before);
    EXPECT_EQ(s.doc.ringTexts, texts);
    EXPECT_EQ(s.doc.listCount, 3);
    // The outline stays on the canvas.
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_EQ(s.sel.selState, 2);
}

TEST_F(SaveSelectionOfRectangle, a_failed_write_is_reported_and_keeps_the_unsaved_mark) {
    text1_KeyPress(s);
    platform.dialogResults.push_back(dir.file("no such folder/area.poly"));
    save_selection(s, false);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_NE(platform.shown[0].find("Error saving "), std::string::npos);
    EXPECT_TRUE(s.doc.modified);
}

TEST_F(SaveSelectionOfRectangle, a_zero_bound_pair_opens_no_dialog_and_writes_nothing) {
    s.view.minLon = 0;
    s.view.maxLon = 0;
    save_selection(s, false);
    EXPECT_EQ(platform.shown, std::vector<std::string>{kNoLatLon});
    EXPECT_EQ(platform.lastDefaultName, "");
}

TEST_F(SaveSelection, the_file_menu_refuses_without_an_outline) {
    openDocument(kThreeRings);
    mf_Click(s, mf::SaveSelection);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"No selection found"});
}

TEST_F(SaveSelection, the_file_menu_closes_an_open_outline_before_saving_it) {
    openDocument(kThreeRings);
    chooseTool(1);
    press(xOf(11), yOf(59));
    press(xOf(19), yOf(59));
    press(xOf(15), yOf(51));
    platform.dialogResults.push_back(dir.file("tri.poly"));
    mf_Click(s, mf::SaveSelection);
    EXPECT_EQ(s.sel.selState, 2);
    EXPECT_EQ(readFile(dir.file("tri.poly")),
              "none\r\n1\r\n   11.0 59.0\r\n   19.0 59.0\r\n   15.0 51.0\r\n   11.0 59.0\r\n"
              "END\r\nEND\r\n\r\n");
}

TEST_F(SaveSelection, the_saved_selection_reads_back_as_a_one_ring_document) {
    openDocument(kThreeRings);
    drawRectangle(xOf(12), yOf(58), xOf(18), yOf(52));
    platform.dialogResults.push_back(dir.file("area.poly"));
    save_selection(s, false);
    State back{platform};
    back.systemDir = dir.path();
    ASSERT_TRUE(loadpoly(back, dir.file("area.poly"), 0));
    EXPECT_EQ(back.doc.listCount, 1);
    ASSERT_EQ(back.doc.lastPoint, 4);
    EXPECT_DOUBLE_EQ(back.doc.ringLon[2], 18);
    EXPECT_DOUBLE_EQ(back.doc.ringLat[2], 52);
}

}  // namespace
}  // namespace tess::test
