// Drawing: what plot draws and places, in which colours, with which
// progress, and how it ends on trouble.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "view/Plot.h"
#include "view/Progress.h"
#include "view/Transform.h"
#include "support/StateFixture.h"

using namespace tess;

class PlotTest : public test::StateTest {
protected:
    // A ring with n + 1 vertices around the view 10..20 x 50..60, closed.
    void ring(std::int64_t n) {
        state.doc.ringLon.assign(static_cast<std::size_t>(n + 1), 0);
        state.doc.ringLat.assign(static_cast<std::size_t>(n + 1), 0);
        for (std::int64_t i = 0; i < n; ++i) {
            const double t = 6.283185307179586 * static_cast<double>(i) / static_cast<double>(n);
            state.doc.ringLon[static_cast<std::size_t>(i)] = 15 + 5 * std::cos(t);
            state.doc.ringLat[static_cast<std::size_t>(i)] = 55 + 5 * std::sin(t);
        }
        state.doc.ringLon[static_cast<std::size_t>(n)] = state.doc.ringLon[0];
        state.doc.ringLat[static_cast<std::size_t>(n)] = state.doc.ringLat[0];
        state.doc.lastPoint = n;
        view(10, 20, 50, 60);
    }
    void view(float minLon, float maxLon, float minLat, float maxLat) {
        state.view.minLon = minLon;
        state.view.maxLon = maxLon;
        state.view.minLat = minLat;
        state.view.maxLat = maxLat;
        setSpans(state.view);
    }
    void makeHandles() {
        for (std::int64_t i = 1; i <= state.doc.lastPoint; ++i) {
            state.overlays.node.create(static_cast<std::size_t>(i));
            state.overlays.Line1.create(static_cast<std::size_t>(i));
        }
        state.doc.handlesShown = true;
    }
    // An outline of the given tool with markers and segments ready, drawn
    // over the view 10..20 x 50..60 (index 0 of the coordinates is unused).
    void outline(int tool, int selState, std::initializer_list<float> lon, std::initializer_list<float> lat) {
        view(10, 20, 50, 60);
        state.edit.tool = tool;
        state.sel.selCount = static_cast<int>(lon.size()) - 1;
        state.sel.selState = selState;
        std::copy(lon.begin(), lon.end(), state.sel.selLon.begin());
        std::copy(lat.begin(), lat.end(), state.sel.selLat.begin());
        for (std::size_t i = 1; i <= static_cast<std::size_t>(state.sel.selCount); ++i) {
            state.overlays.nd.create(i);
            state.overlays.Ln.create(i);
        }
        plot(state, false, 0);
    }
    static void expectEnds(const LineObject& line, double x1, double y1, double x2, double y2) {
        EXPECT_DOUBLE_EQ(line.x1, x1);
        EXPECT_DOUBLE_EQ(line.y1, y1);
        EXPECT_DOUBLE_EQ(line.x2, x2);
        EXPECT_DOUBLE_EQ(line.y2, y2);
    }
};

TEST_F(PlotTest, TheRingIsDrawnAsBlueLinesThroughTheMappedVertices) {
    ring(4);
    plot(state, false, 0);
    ASSERT_EQ(surface.lines.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto from = toCanvas(state.view, state.doc.ringLon[i], state.doc.ringLat[i], 5100, 3100);
        const auto to = toCanvas(state.view, state.doc.ringLon[i + 1], state.doc.ringLat[i + 1], 5100, 3100);
        EXPECT_NEAR(surface.lines[i].x1, from->x, 1e-3);
        EXPECT_NEAR(surface.lines[i].y1, from->y, 1e-3);
        EXPECT_NEAR(surface.lines[i].x2, to->x, 1e-3);
        EXPECT_NEAR(surface.lines[i].y2, to->y, 1e-3);
        EXPECT_EQ(surface.lines[i].color, colors::blue);
    }
    EXPECT_EQ(surface.clears, 1);
    EXPECT_FALSE(state.edit.busy);
    EXPECT_FALSE(platform.pointerBusy);
}

TEST_F(PlotTest, TheBackgroundIsADarkRedPolylineDrawnFirst) {
    ring(4);
    state.bk.bkLon = {0, 10, 20, 20};
    state.bk.bkLat = {0, 50, 50, 60};
    state.bk.bkPointCount = 3;
    plot(state, false, 0);
    ASSERT_EQ(surface.lines.size(), 6u);
    EXPECT_EQ(surface.lines[0].color, colors::darkRed);
    EXPECT_EQ(surface.lines[1].color, colors::darkRed);
    EXPECT_DOUBLE_EQ(surface.lines[0].x1, 100);
    EXPECT_DOUBLE_EQ(surface.lines[0].y1, 3000);
    EXPECT_DOUBLE_EQ(surface.lines[1].x2, 5000);
    EXPECT_DOUBLE_EQ(surface.lines[1].y2, 100);
    EXPECT_EQ(surface.lines[2].color, colors::blue);
}

TEST_F(PlotTest, NoRingAndNoBackgroundOnlyClearsTheCanvas) {
    plot(state, true, 0);
    EXPECT_EQ(surface.clears, 1);
    EXPECT_TRUE(surface.lines.empty());
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(PlotTest, ARingOutsideTheViewGetsTheNotice) {
    ring(4);
    view(100, 110, 50, 60);
    plot(state, false, 0);
    EXPECT_EQ(surface.lines.size(), 4u);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0], "Change background to see selected poly");
}

TEST_F(PlotTest, ARingAboveTheViewButWithinItsLongitudesGetsNoNotice) {
    ring(4);
    view(10, 20, 0, 5);
    plot(state, false, 0);
    EXPECT_TRUE(surface.texts.empty());
}

TEST_F(PlotTest, AZeroSpanEndsTheDrawingAndRestoresTheFlags) {
    ring(4);
    view(10, 10, 50, 60);
    plot(state, false, 0);
    EXPECT_TRUE(surface.lines.empty());
    EXPECT_FALSE(state.edit.busy);
    EXPECT_FALSE(platform.pointerBusy);
    EXPECT_EQ(surface.texts.size(), 1u);
}

TEST_F(PlotTest, APlotRequestedWhileOneRunsDoesNothing) {
    ring(4);
    state.edit.busy = true;
    plot(state, false, 0);
    EXPECT_EQ(surface.clears, 0);
    EXPECT_TRUE(state.edit.busy);
}

TEST_F(PlotTest, AMillionVertexRingIsDrawnWhole) {
    ring(1'000'000);
    plot(state, false, 0);
    EXPECT_EQ(surface.lines.size(), 1'000'000u);
    EXPECT_EQ(platform.eventPumps, 1000);
}

TEST_F(PlotTest, EventsRunEveryThousandVertices) {
    ring(1500);
    plot(state, false, 0);
    EXPECT_EQ(platform.eventPumps, 2);  // at vertices 1 and 1001
}

TEST_F(PlotTest, TheFullBarShowsForATenthOfASecondThenShrinks) {
    ring(100);
    state.progress.frameWidth = 924;
    const auto start = std::chrono::steady_clock::now();
    plot(state, true, 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(state.progress.barWidth, 15);
}

TEST_F(PlotTest, WithoutProgressTheBarIsLeftAlone) {
    ring(100);
    state.progress.barWidth = 231;
    plot(state, false, 0);
    EXPECT_EQ(state.progress.barWidth, 231);
}

TEST_F(PlotTest, ProgressOfTheNineHundredTwentyFourUnitFrame) {
    state.progress.frameWidth = 924;
    struct Step { int phase, done; double total; int width; };
    for (const Step& s : {Step{0, 50, 100, 231}, Step{50, 50, 100, 693}, Step{50, 100, 100, 924}, Step{0, 0, 0, 15}}) {
        rec(state, s.phase, s.done, s.total);
        EXPECT_EQ(state.progress.barWidth, s.width) << s.phase << " " << s.done << " " << s.total;
    }
}

TEST_F(PlotTest, InEditModeHandlesAreCentredOnTheirVerticesWithTheirCoordinates) {
    ring(4);
    state.doc.ringLon = {10, 20, 20, 10, 10};
    state.doc.ringLat = {50, 50, 60, 60, 50};
    makeHandles();
    state.edit.check1 = true;
    state.edit.editMode = true;
    plot(state, false, 0);
    EXPECT_TRUE(surface.lines.empty());
    const SquareObject& h2 = state.overlays.node[2];
    EXPECT_DOUBLE_EQ(h2.left, 5000 - 50);
    EXPECT_DOUBLE_EQ(h2.top, 100 - 50);
    EXPECT_TRUE(h2.visible);
    EXPECT_EQ(h2.tag, "20 60");
    EXPECT_EQ(h2.tip, "20 60");
    expectEnds(state.overlays.Line1[2], 5000, 3000, 5000, 100);
    EXPECT_TRUE(state.overlays.Line1[2].visible);
    EXPECT_EQ(state.edit.handleCount, 4);
    EXPECT_EQ(state.overlays.node[1].fill, colors::blue);
    EXPECT_EQ(state.overlays.node[2].fill, colors::black);
}

TEST_F(PlotTest, HandlesStayHiddenUntilEditModeIsAccepted) {
    ring(4);
    makeHandles();
    state.edit.check1 = true;
    plot(state, false, 0);
    EXPECT_FALSE(state.overlays.node[1].visible);
}

TEST_F(PlotTest, LinesOnlyDrawsTheRingAndLeavesTheHandlesWhereTheyWere) {
    ring(4);
    makeHandles();
    state.overlays.node[2].left = 7;
    state.edit.check1 = true;
    plot(state, false, 1);
    EXPECT_EQ(surface.lines.size(), 4u);
    EXPECT_DOUBLE_EQ(state.overlays.node[2].left, 7);
}

TEST_F(PlotTest, MissingHandlesEndTheDrawingQuietly) {
    ring(4);
    state.edit.check1 = true;
    plot(state, false, 0);
    EXPECT_FALSE(state.edit.busy);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(PlotTest, ThePolygonToolLaysSegmentsInDrawingOrder) {
    outline(1, 0, {0, 10, 20, 20}, {0, 60, 60, 50});
    EXPECT_DOUBLE_EQ(state.overlays.nd[1].left, 50);
    EXPECT_DOUBLE_EQ(state.overlays.nd[1].top, 50);
    EXPECT_TRUE(state.overlays.nd[3].visible);
    EXPECT_EQ(state.overlays.nd[2].tag, "20 60");
    expectEnds(state.overlays.Ln[3], 5000, 100, 5000, 3000);
}

TEST_F(PlotTest, AClosedOutlineJoinsTheLastPointToTheFirst) {
    outline(1, 2, {0, 10, 20, 20}, {0, 60, 60, 50});
    expectEnds(state.overlays.Ln[1], 100, 100, 5000, 3000);
}

TEST_F(PlotTest, TheRectangleToolJoinsEachMarkerToTheNext) {
    outline(2, 2, {10, 10, 20, 20, 10}, {50, 60, 60, 50, 50});
    expectEnds(state.overlays.Ln[4], 100, 3000, 100, 100);
    EXPECT_DOUBLE_EQ(state.overlays.Ln[1].x2, 5000);
    EXPECT_DOUBLE_EQ(state.overlays.Ln[1].y2, 100);
}

TEST_F(PlotTest, PlotredSkipsAMissingSegmentAndGoesOn) {
    state.sel.selCount = 3;
    for (std::size_t i = 1; i <= 3; ++i) state.overlays.nd.create(i);
    state.overlays.Ln.create(2);
    state.overlays.Ln.create(3);
    state.overlays.nd[1].left = 0;
    state.overlays.nd[1].top = 0;
    state.overlays.nd[3].left = 200;
    state.overlays.nd[3].top = 300;
    plotred(state);
    expectEnds(state.overlays.Ln[3], 250, 350, 50, 50);
}
