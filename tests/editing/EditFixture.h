// Shared ground for the edit and selection tests: the scripted state of
// StateTest, a document whose first ring fills the view from longitude 10
// to 20 and latitude 50 to 60, the gestures that build an outline, and the
// checks many tests make of what is left on the canvas.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "document/Caption.h"
#include "document/Reader.h"
#include "editing/Editing.h"
#include "selection/Selection.h"
#include "support/StateFixture.h"
#include "view/Clearing.h"
#include "view/Plot.h"

namespace tess::test {

// Ring 1 is a square, ring 2 a triangle, ring 3 another square.
inline const char* kThreeRings =
    "TEST AREA\n1\n   10.0 50.0\n   20.0 50.0\n   20.0 60.0\n   10.0 60.0\n   10.0 50.0\nEND\n"
    "2\n   11.0 51.0\n   19.0 51.0\n   15.0 59.0\n   11.0 51.0\nEND\n"
    "3\n   12.0 52.0\n   18.0 52.0\n   18.0 58.0\n   12.0 58.0\n   12.0 52.0\nEND\nEND\n";

// A closed ring of `vertices` coordinate lines (the last repeats the first)
// spread over the same view.
inline std::string ringFile(int vertices) {
    std::string text = "BIG\n1\n";
    const int distinct = vertices - 1;
    for (int i = 0; i < vertices; ++i) {
        const double a = 2 * 3.14159265358979 * (i % distinct) / distinct;
        text += "   " + std::to_string(15 + 5 * std::cos(a)) + " " + std::to_string(55 + 5 * std::sin(a)) + "\n";
    }
    return text + "END\nEND\n";
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class EditTest : public StateTest {
protected:
    // Short names: almost every line of these tests reaches into them.
    State& s = state;
    RecordingSurface& canvas = surface;
    TempDir& dir = temp;

    // Opens the text as the document the way the File menu does, without
    // the progress pause.
    void openDocument(const std::string& text, const std::string& name = "doc.poly") {
        const std::string path = dir.file(name);
        writeFile(path, text);
        s.doc.currentRing = -1;
        s.doc.fileName = path;
        ASSERT_TRUE(loadpoly(s, path, 0));
        plot(s, false, 0);
        cap(s, path);
    }

    // Canvas position of a map point while the view shows 10..20, 50..60.
    static double xOf(double lon) { return 100 + (lon - 10) * 490; }
    static double yOf(double lat) { return 100 + (60 - lat) * 290; }

    void checkEdit(bool on) {
        s.edit.check1 = on;
        Check1_MouseUp(s);
    }
    void chooseTool(int index) {
        inv_MouseDown(s, index);
        inv_MouseUp(s, index);
    }
    void press(double x, double y, int button = 1) { p1_MouseDown(s, button, x, y); }
    void chooseRing(int index) {
        s.doc.listIndex = index;
        List1_MouseDown(s);
    }
    // "-" on the ring chosen in the list, answered Yes.
    void removeRing(int index) {
        chooseRing(index);
        platform.answers.push_back(Answer::Yes);
        Label3_Click(s, 1);
    }
    // An open outline: the polygon tool, then one press per point.
    void drawPolygon(std::initializer_list<std::pair<double, double>> points) {
        chooseTool(1);
        for (const auto& [x, y] : points) press(x, y);
    }
    // The outline of a rectangle pressed at (x1, y1), stretched and
    // completed at (x2, y2).
    void drawRectangle(double x1, double y1, double x2, double y2) {
        chooseTool(2);
        press(x1, y1);
        p1_MouseMove(s, x2, y2);
        press(x2, y2);
    }
    // The rectangle from 12, 58 to 18, 52: inside ring 1, with whole-degree corners.
    void drawInnerRectangle() { drawRectangle(xOf(12), yOf(58), xOf(18), yOf(52)); }
    void dragHandle(int index, double x, double y) {
        node_MouseDown(s, index);
        p1_DragOver(s, x, y);
        node_DragDrop(s, index);
    }
    void dragMarker(int index, double x, double y) {
        nd_MouseDown(s, index);
        p1_DragOver(s, x, y);
        nd_DragDrop(s, index);
    }

    template <class Object>
    static int existingCount(const ObjectFamily<Object>& family) {
        int n = 0;
        for (std::size_t i = 1; i < family.end(); ++i) n += family.exists(i) ? 1 : 0;
        return n;
    }

    void expectSelectionPoint(std::size_t k, float lon, float lat) const {
        EXPECT_FLOAT_EQ(s.sel.selLon[k], lon) << "point " << k;
        EXPECT_FLOAT_EQ(s.sel.selLat[k], lat) << "point " << k;
    }
    static void expectLine(const LineObject& line, double x1, double y1, double x2, double y2) {
        EXPECT_DOUBLE_EQ(line.x1, x1);
        EXPECT_DOUBLE_EQ(line.y1, y1);
        EXPECT_DOUBLE_EQ(line.x2, x2);
        EXPECT_DOUBLE_EQ(line.y2, y2);
    }
    // No outline points, no markers and no segments are left.
    void expectNoOutline() const {
        EXPECT_EQ(s.sel.selCount, 0);
        EXPECT_EQ(s.sel.selState, 0);
        EXPECT_EQ(existingCount(s.overlays.nd), 0);
        EXPECT_EQ(existingCount(s.overlays.Ln), 0);
    }
    // The box is unchecked, edit mode is off and no handle is left.
    void expectEditModeOff() const {
        EXPECT_FALSE(s.edit.check1);
        EXPECT_FALSE(s.edit.editMode);
        EXPECT_EQ(existingCount(s.overlays.node), 0);
    }
    void expectMarkedModified() const {
        EXPECT_TRUE(s.doc.modified);
        EXPECT_EQ(s.caption.back(), '+');
    }
};

// Most tests start from the three-ring document, open and drawn.
class ThreeRingsTest : public EditTest {
protected:
    void SetUp() override { openDocument(kThreeRings); }
};

}  // namespace tess::test
