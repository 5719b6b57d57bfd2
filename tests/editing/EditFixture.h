// Shared ground for the edit and selection tests: a canvas of fixed size
// that records what is drawn on it, and a document whose first ring fills
// the view from longitude 10 to 20 and latitude 50 to 60.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/State.h"
#include "document/Caption.h"
#include "document/Reader.h"
#include "editing/Editing.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "view/Clearing.h"
#include "view/Plot.h"
#include "view/Surface.h"

namespace tess::test {

class FakeCanvas : public Surface {
public:
    struct Line {
        double x1, y1, x2, y2;
        Rgb color;
    };
    double w = 5100, h = 3100;  // mapped area 4900 x 2900 inside the margin
    std::vector<Line> lines;
    std::vector<std::string> texts;
    int clears = 0;

    double width() const override { return w; }
    double height() const override { return h; }
    double fullWidth() const override { return w + 30; }
    void clear() override {
        ++clears;
        lines.clear();
        texts.clear();
    }
    void drawLine(double x1, double y1, double x2, double y2, Rgb color) override {
        lines.push_back({x1, y1, x2, y2, color});
    }
    void drawText(double, double, const std::string& text, Rgb) override { texts.push_back(text); }
};

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

class EditTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    FakeCanvas canvas;
    TempDir dir;
    State s{platform};

    EditTest() {
        s.canvas = &canvas;
        s.systemDir = dir.path();
        s.exeDir = dir.path();
    }

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
    // The outline of a rectangle pressed at (x1, y1), stretched and
    // completed at (x2, y2).
    void drawRectangle(double x1, double y1, double x2, double y2) {
        chooseTool(2);
        press(x1, y1);
        p1_MouseMove(s, x2, y2);
        press(x2, y2);
    }
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
    int existingCount(const ObjectFamily<SquareObject>& family) const {
        int n = 0;
        for (std::size_t i = 1; i < family.end(); ++i) n += family.exists(i) ? 1 : 0;
        return n;
    }
    int existingCount(const ObjectFamily<LineObject>& family) const {
        int n = 0;
        for (std::size_t i = 1; i < family.end(); ++i) n += family.exists(i) ? 1 : 0;
        return n;
    }
};

}  // namespace tess::test
