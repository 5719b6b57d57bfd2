// The view: the mapping between degrees and canvas twips, what a drawing
// puts on the canvas, the background drawn whole, the progress bar, and a
// drawing asked for while one runs.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <algorithm>

#include <random>

#include "background/Background.h"
#include "session/Opening.h"
#include "support/StateFixture.h"
#include "editing/Redraw.h"
#include "view/ViewArea.h"
#include "view/Transform.h"

using namespace tess;

namespace {

class ViewTest : public test::StateTest {};

TEST_F(ViewTest, canvasPositionsMapBackToThePointsWithinSinglePrecision) {
    ViewState v;
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> lon(-180, 180), lat(-90, 90);
    for (int i = 0; i < 200; ++i) {
        resetFit(v);
        const double a = lon(rng), b = lat(rng), c = lon(rng), d = lat(rng);
        widenFit(v, a, b);
        widenFit(v, c, d);
        finishFit(v);
        const auto p = toCanvas(v, a, b, 8580, 8040);
        ASSERT_TRUE(p.has_value());
        const GeoPoint back = geoPointAt(v, p->x, p->y, {8580, 8040, kMargin});
        EXPECT_NEAR(a, back.lon, 1e-9 * std::max(1.0, std::fabs(a)) + 1e-6 * v.lonSpan);
        EXPECT_NEAR(b, back.lat, 1e-9 * std::max(1.0, std::fabs(b)) + 1e-6 * v.latSpan);
    }
    EXPECT_FALSE(toCanvas(ViewState(), 1, 1, 100, 100).has_value());  // nothing fitted: no mapping
    EXPECT_FALSE(hasRoom({200, 300, kMargin}) || hasRoom({300, 200, kMargin}));  // no room inside the margin
    ViewState w;
    for (const auto& [lon, lat] : {std::pair(-0.5, 51.25), std::pair(10.0, 60.0)}) widenFit(w, lon, lat);
    setBoundLabels(w);
    EXPECT_EQ((std::array<std::string, 4>{"-.5", " 51.25", " 10", " 60"}), w.labels);
}

TEST_F(ViewTest, aRingIsDrawnEdgeByEdgeInBlueAndItsBackgroundWholeInDarkRed) {
    ASSERT_TRUE(openDocumentFile(state, file("r.poly", "t\n1\n 10.0 50.0\n 20.0 50.0\n 20.0 60.0\n 10.0 50.0\nEND\nEND\n")));
    redraw(state, false);
    ASSERT_EQ(3u, surface.lines.size());
    EXPECT_EQ(colors::blue.r, surface.lines[0].color.r);
    EXPECT_DOUBLE_EQ(100, surface.lines[0].x1);   // (10, 50): the left, bottom corner
    EXPECT_DOUBLE_EQ(3000, surface.lines[0].y1);
    EXPECT_DOUBLE_EQ(5000, surface.lines[0].x2);
    // A track is drawn as recorded, not closed: one point is one point.
    // A background that cannot be read is not remembered, and a remembered one that is gone is not shown.
    state.settings.lastBackground = temp.file("gone.poly");
    platform.dialogResults = {file("bad.poly", "bad\n1\n 1.0 1.0\n")};  // no END
    addBackground(state);
    useLastBackground(state);
    EXPECT_EQ(kNoPreviousBackground, platform.last());
    ASSERT_TRUE(loadBackgroundFile(state, file("b.gpx", "<gpx><wpt lat='1' lon='2'/></gpx>")));
    EXPECT_EQ(0, state.background.lastIndex);
    ASSERT_TRUE(loadBackgroundFile(state, file("b.poly", "bk\n1\n 0.0 40.0\n 30.0 45.0\n 30.0 70.0\nEND\nEND\n")));
    EXPECT_EQ(2, state.background.lastIndex);  // three points, from 0
    redraw(state, false);
    std::vector<test::RecordingSurface::Line> darkRed;
    for (const auto& line : surface.lines)
        if (line.color.r == colors::darkRed.r && line.color.b == colors::darkRed.b) darkRed.push_back(line);
    ASSERT_EQ(2u, darkRed.size());  // every edge, the first one included
    EXPECT_DOUBLE_EQ(100, darkRed[0].x1);
    EXPECT_EQ(0, state.view.minLon);  // the background fixes the view
    EXPECT_EQ(30, state.view.maxLon);
    EXPECT_EQ((std::array<std::string, 4>{" 0", " 40", " 30", " 70"}), state.view.labels);
    cancelBackground(state);
    EXPECT_EQ(20, state.view.maxLon);  // and the loaded ring has it back, drawn without the background
    for (const auto& line : surface.lines) EXPECT_NE(colors::darkRed.r, line.color.r);
    EXPECT_TRUE(surface.texts.empty());
    state.view.minLon = 100;
    setSpans(state.view);
    redraw(state, false);
    EXPECT_EQ(std::vector<std::string>{kOutOfViewNotice}, surface.texts);
}

// A window that resizes while a drawing runs, as a user dragging its edge.
class ResizingPlatform : public test::ScriptedPlatform {
public:
    State* state = nullptr;
    test::RecordingSurface* surface = nullptr;
    void processEvents() override {
        if (!state || resized) return;
        resized = true;
        surface->resize(2000, 1500);
        redraw(*state, false);  // the resize handler asks for a drawing
    }
    bool resized = false;
};

TEST(PlotWhileDrawing, aDrawingAskedForMeanwhileIsDrawnAfterwardsWhole) {
    ResizingPlatform platform;
    test::RecordingSurface surface(5100, 3100);
    State s(platform);
    s.canvas.surface = &surface;
    test::TempDir dir;
    test::writeFile(dir.file("r.poly"), "t\n1\n 10.0 50.0\n 20.0 50.0\n 20.0 60.0\n 10.0 50.0\nEND\nEND\n");
    ASSERT_TRUE(openDocumentFile(s, dir.file("r.poly")));
    platform.state = &s;
    platform.surface = &surface;
    platform.resized = false;
    redraw(s, false);
    ASSERT_EQ(3u, surface.lines.size());
    EXPECT_DOUBLE_EQ(1400, surface.lines[0].y1);  // drawn again, all of it, for the new size
    EXPECT_FALSE(s.canvas.drawing);
}

// A platform that notes the progress bar each time the window would be
// drawn while a file is read (before it replaces the empty document).
class WatchingPlatform : public test::ScriptedPlatform {
public:
    State* state = nullptr;
    std::vector<int> widths;
    // A window slow to draw: events are let in at most every 50 ms, so
    // a slow one is given them at every megabyte.
    void processEvents() override {
        if (state && state->doc.content.rings.empty()) widths.push_back(state->progress.barWidth);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
};

TEST(ReadingProgress, aLongReadKeepsTheWindowDrawnAndFillsTheFirstHalfOfTheBar) {
    WatchingPlatform platform;
    State s(platform);
    platform.state = &s;
    test::TempDir dir;
    std::string text = "t\n1\n";
    while (text.size() < 5'000'000) text += "   1.037846E+01   5.012345E+01\n";
    test::writeFile(dir.file("big.poly"), text + "END\nEND\n");
    ASSERT_TRUE(openDocumentFile(s, dir.file("big.poly")));
    ASSERT_GE(platform.widths.size(), 4u);  // one report for each megabyte read
    EXPECT_TRUE(std::is_sorted(platform.widths.begin(), platform.widths.end()));
    EXPECT_GT(platform.widths.front(), 15);
    EXPECT_LE(platform.widths.back(), s.progress.frameWidth / 2);
}

}  // namespace
