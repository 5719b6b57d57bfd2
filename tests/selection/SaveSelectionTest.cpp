// Save Selection: the outline written as a one-ring file, byte for byte,
// with the naming rules, the replace question and every refusal.
#include "app/FileMenu.h"
#include "editing/EditFixture.h"
#include "platform/Files.h"
#include "selection/Selection.h"

namespace tess::test {
namespace {

using SaveSelection = ThreeRingsTest;

const char* kRectangleFile =
    "none\r\n1\r\n   12.0 58.0\r\n   18.0 58.0\r\n   18.0 52.0\r\n   12.0 52.0\r\n   12.0 58.0\r\n"
    "END\r\nEND\r\n\r\n";

class SaveSelectionOfRectangle : public ThreeRingsTest {
protected:
    void SetUp() override {
        ThreeRingsTest::SetUp();
        drawInnerRectangle();
    }
    // Saves through the dialog answered with `chosen` in the scratch folder.
    std::string saveAs(const std::string& chosen) {
        platform.dialogResults.push_back(dir.file(chosen));
        return save_selection(s, false);
    }
    // Saves as `chosen` and expects the rectangle in the file `written`.
    void expectSavedAs(const std::string& chosen, const std::string& written) {
        saveAs(chosen);
        EXPECT_EQ(readFile(dir.file(written)), kRectangleFile) << chosen;
    }
};

TEST_F(SaveSelectionOfRectangle, the_file_holds_one_ring_and_two_ends_byte_for_byte) {
    EXPECT_EQ(saveAs("area.poly"), "");
    EXPECT_EQ(readFile(dir.file("area.poly")), kRectangleFile);
}

TEST_F(SaveSelectionOfRectangle, the_dialog_saves_polygon_files_and_proposes_untitled) {
    saveAs("area.poly");
    EXPECT_TRUE(platform.lastDialogWasSave);
    ASSERT_EQ(platform.lastFilters.size(), 1u);
    EXPECT_EQ(platform.lastFilters[0].description, "Polygon Files (*.poly)");
    EXPECT_EQ(platform.lastFilters[0].pattern, "*.poly");
    EXPECT_EQ(platform.lastDefaultName, "untitled.poly");
}

TEST_F(SaveSelectionOfRectangle, a_name_without_poly_gets_the_extension) {
    expectSavedAs("area", "area.poly");
    expectSavedAs("area.txt", "area.txt.poly");
    EXPECT_FALSE(fileExists(dir.file("area")));
    EXPECT_FALSE(fileExists(dir.file("area.txt")));
}

TEST_F(SaveSelectionOfRectangle, a_name_that_already_says_poly_is_kept) {
    expectSavedAs("polygons.txt", "polygons.txt");
    expectSavedAs("AREA.POLY", "AREA.POLY");
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
    saveAs("area.poly");
    EXPECT_TRUE(platform.shown.empty());

    writeFile(path, "old");
    platform.answers.push_back(Answer::No);
    saveAs("area.poly");
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Replace file?"});
    EXPECT_EQ(readFile(path), "old");

    platform.answers.push_back(Answer::Yes);
    saveAs("area.poly");
    EXPECT_EQ(readFile(path), kRectangleFile);
}

TEST_F(SaveSelectionOfRectangle, the_unsaved_mark_of_a_modified_document_stays) {
    text1_KeyPress(s);
    saveAs("area.poly");
    expectMarkedModified();
}

TEST_F(SaveSelectionOfRectangle, an_unmodified_document_stays_unmodified) {
    saveAs("area.poly");
    EXPECT_FALSE(s.doc.modified);
    EXPECT_NE(s.caption.back(), '+');
}

TEST_F(SaveSelectionOfRectangle, the_document_and_its_file_are_untouched) {
    const std::string before = readFile(s.doc.fileName);
    const auto texts = s.doc.ringTexts;
    saveAs("area.poly");
    EXPECT_EQ(readFile(s.doc.fileName), before);
    EXPECT_EQ(s.doc.ringTexts, texts);
    EXPECT_EQ(s.doc.listCount, 3);
    // The outline stays on the canvas.
    EXPECT_EQ(s.sel.selCount, 4);
    EXPECT_EQ(s.sel.selState, 2);
}

TEST_F(SaveSelectionOfRectangle, a_failed_write_is_reported_and_keeps_the_unsaved_mark) {
    text1_KeyPress(s);
    saveAs("no such folder/area.poly");
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

TEST_F(SaveSelectionOfRectangle, the_saved_selection_reads_back_as_a_one_ring_document) {
    saveAs("area.poly");
    State back{platform};
    back.systemDir = dir.path();
    ASSERT_TRUE(loadpoly(back, dir.file("area.poly"), 0));
    EXPECT_EQ(back.doc.listCount, 1);
    ASSERT_EQ(back.doc.lastPoint, 4);
    EXPECT_DOUBLE_EQ(back.doc.ringLon[2], 18);
    EXPECT_DOUBLE_EQ(back.doc.ringLat[2], 52);
}

TEST_F(SaveSelection, the_file_menu_refuses_without_an_outline) {
    mf_Click(s, mf::SaveSelection);
    EXPECT_EQ(platform.shown, std::vector<std::string>{"No selection found"});
}

TEST_F(SaveSelection, the_file_menu_closes_an_open_outline_before_saving_it) {
    drawPolygon({{xOf(11), yOf(59)}, {xOf(19), yOf(59)}, {xOf(15), yOf(51)}});
    platform.dialogResults.push_back(dir.file("tri.poly"));
    mf_Click(s, mf::SaveSelection);
    EXPECT_EQ(s.sel.selState, 2);
    EXPECT_EQ(readFile(dir.file("tri.poly")),
              "none\r\n1\r\n   11.0 59.0\r\n   19.0 59.0\r\n   15.0 51.0\r\n   11.0 59.0\r\n"
              "END\r\nEND\r\n\r\n");
}

}  // namespace
}  // namespace tess::test
