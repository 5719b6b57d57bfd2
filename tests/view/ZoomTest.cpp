// Zoom, pan and proportions over many random views and points, and the
// thinning of long chains of lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>

#include "app/StatusLine.h"
#include "support/StateFixture.h"
#include "session/Opening.h"
#include "view/LineThinner.h"
#include "view/Transform.h"
#include "view/ViewArea.h"
#include "editing/ViewCommands.h"
#include "view/Zoom.h"

using namespace tess;

namespace {

constexpr CanvasArea kArea{8580, 8040, kMargin};

ViewState fittedView(std::mt19937& rng) {
    std::uniform_real_distribution<double> lon(-179, 170), lat(-80, 75), span(0.001, 9);
    ViewState v;
    resetFit(v);
    const double x = lon(rng), y = lat(rng);
    widenFit(v, x, y);
    widenFit(v, x + span(rng), y + span(rng));
    finishFit(v);
    settleView(v, kArea);
    return v;
}

CanvasPoint at(const ViewState& v, GeoPoint g) { return *toCanvas(v, g.lon, g.lat, kArea.width, kArea.height); }

TEST(Zoom, thePointUnderThePointerStaysThereAndZoomingBackRestoresTheView) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> x(0, kArea.width), y(0, kArea.height), f(1.1, 50);
    for (int i = 0; i < 2000; ++i) {
        ViewState v = fittedView(rng);
        const ViewState fitted = v;
        const double px = x(rng), py = y(rng), factor = f(rng);
        const GeoPoint under = geoPointAt(v, px, py, kArea);
        if (!zoomAround(v, px, py, factor, kArea)) continue;
        ASSERT_TRUE(v.userMoved);
        const CanvasPoint p = at(v, under);
        // Single-precision bounds place a point to within a pixel.
        ASSERT_NEAR(px, p.x, kTwipsPerPixel);
        ASSERT_NEAR(py, p.y, kTwipsPerPixel);
        const double zoomed = zoomFactor(v);  // less than asked for at the limit
        EXPECT_GT(zoomed, 1.0);
        EXPECT_LE(zoomed, factor * 1.001);  // spans are single precision
        zoomAround(v, px, py, 1 / zoomed, kArea);
        EXPECT_NEAR(fitted.lonSpan, v.lonSpan, fitted.lonSpan * 1e-3);
        EXPECT_NEAR(fitted.minLat, v.minLat, fitted.latSpan * 1e-3);
        EXPECT_NEAR(1.0, zoomFactor(v), 1e-3);
    }
}

TEST(Zoom, stopsWhereSinglePrecisionCouldNoLongerPlaceTheBounds) {
    std::mt19937 rng(3);
    ViewState v = fittedView(rng);
    for (int i = 0; i < 200; ++i) zoomAround(v, 4000, 4000, 10, kArea);
    EXPECT_LT(v.minLon, v.maxLon);
    EXPECT_LT(v.minLat, v.maxLat);
    EXPECT_FALSE(zoomAround(v, 4000, 4000, 10, kArea));
    for (int i = 0; i < 200; ++i) zoomAround(v, 4000, 4000, 0.1, kArea);
    EXPECT_LE(v.lonSpan, 36000.f);
    // Near Berlin the view stops when its latitude span comes down to a
    // thousand single-precision steps of 52 degrees, before its longitude
    // span comes to 200 steps of a longitude's seventh digit (0.002).
    ViewState berlin;
    resetFit(berlin);
    widenFit(berlin, 13.3, 52.4);
    widenFit(berlin, 13.5, 52.6);
    finishFit(berlin);
    settleView(berlin, kArea);
    while (zoomAround(berlin, 4000, 4000, 2, kArea)) {}
    EXPECT_NEAR(52.6 * FLT_EPSILON * 1000, berlin.latSpan, 1e-4);
    EXPECT_GT(berlin.lonSpan, 0.002);
}

TEST(Zoom, panningFollowsThePointer) {
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        ViewState v = fittedView(rng);
        const GeoPoint under = geoPointAt(v, 3000, 2000, kArea);
        ASSERT_TRUE(panBy(v, 1500, -700, kArea));
        const CanvasPoint p = at(v, under);
        ASSERT_NEAR(4500, p.x, kTwipsPerPixel);
        ASSERT_NEAR(1300, p.y, kTwipsPerPixel);
        EXPECT_TRUE(v.userMoved);
    }
}

TEST(Zoom, keptProportionsShowADegreeOfLongitudeAsWideAsOnTheGroundAndKeepTheFitInView) {
    std::mt19937 rng(11);
    for (int i = 0; i < 500; ++i) {
        ViewState v = fittedView(rng);
        const ViewState fitted = v;
        v.keepProportions = true;
        v.freshFit = true;
        settleView(v, kArea);
        const double across = kArea.width - 2 * kMargin, down = kArea.height - 2 * kMargin;
        const double k = std::cos((double(v.minLat) + v.maxLat) / 2 * M_PI / 180);
        ASSERT_NEAR(v.latSpan / down, v.lonSpan * k / across, v.latSpan / down * 1e-4);
        EXPECT_LE(v.minLon, fitted.minLon + 1e-4);
        EXPECT_GE(v.maxLon, fitted.maxLon - 1e-4);
        EXPECT_LE(v.minLat, fitted.minLat + 1e-4);
        EXPECT_GE(v.maxLat, fitted.maxLat - 1e-4);
        const ViewState settled = v;
        settleView(v, kArea);  // settling again changes nothing
        EXPECT_NEAR(settled.lonSpan, v.lonSpan, settled.lonSpan * 1e-5);
    }
}

// Every point of a random walk lies within a pixel of a line drawn, and
// nothing is drawn wholly beside the canvas.
TEST(LineThinning, drawsEveryPointWithinAPixelAndNothingBesideTheCanvas) {
    std::mt19937 rng(13);
    std::normal_distribution<double> step(0, 40);
    test::RecordingSurface surface(3000, 2000);
    LineThinner lines(surface, colors::blue, 3000, 2000);
    std::vector<CanvasPoint> walk{{1500, 1000}};
    for (int i = 0; i < 20000; ++i) walk.push_back({walk.back().x + step(rng), walk.back().y + step(rng)});
    for (const CanvasPoint& p : walk) lines.lineTo(p.x, p.y);
    lines.finishRun();
    EXPECT_LT(surface.lines.size(), walk.size() / 2);
    auto distance = [](const CanvasPoint& p, const test::RecordingSurface::Line& l) {
        const double dx = l.x2 - l.x1, dy = l.y2 - l.y1, len = dx * dx + dy * dy;
        const double t = len == 0 ? 0 : std::clamp(((p.x - l.x1) * dx + (p.y - l.y1) * dy) / len, 0.0, 1.0);
        return std::hypot(p.x - l.x1 - t * dx, p.y - l.y1 - t * dy);
    };
    for (const auto& l : surface.lines) {
        const bool beside = (l.x1 < -60 && l.x2 < -60) || (l.x1 > 3060 && l.x2 > 3060) ||
                            (l.y1 < -60 && l.y2 < -60) || (l.y1 > 2060 && l.y2 > 2060);
        EXPECT_FALSE(beside);
    }
    for (const CanvasPoint& p : walk) {
        if (p.x < 0 || p.x > 3000 || p.y < 0 || p.y > 2000) continue;
        double nearest = 1e18;
        for (const auto& l : surface.lines) nearest = std::min(nearest, distance(p, l));
        ASSERT_LE(nearest, kTwipsPerPixel * 1.5) << p.x << " " << p.y;
    }
}

}  // namespace

namespace {

// The view commands as the View menu, Check Document and --render use them.
class ViewCommandsTest : public test::StateTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(openDocumentFile(state, file("r.poly", "t\n1\n 10.0 50.0\n 20.0 50.0\n 20.0 60.0\n 10.0 60.0\n 10.0 50.0\nEND\nEND\n")));
    }
    GeoPoint middle() { return geoPointAt(state.view, surface.width() / 2, surface.height() / 2, canvasArea(state.canvas)); }
};

TEST_F(ViewCommandsTest, zoomInAndOutKeepTheMiddleOfTheCanvasAndUndoEachOther) {
    const ViewState fitted = state.view;
    const GeoPoint before = middle();
    zoomIn(state);
    EXPECT_NEAR(2.0, zoomFactor(state.view), 1e-3);
    EXPECT_EQ("Zoom 2\xC3\x97", statusLine(state, std::nullopt).zoom);
    EXPECT_TRUE(statusLine(state, std::pair(2000.0, 1500.0)).pointer.starts_with("Lon "));
    EXPECT_NEAR(before.lon, middle().lon, 1e-4);
    EXPECT_NEAR(before.lat, middle().lat, 1e-4);
    zoomOut(state);
    EXPECT_NEAR(fitted.minLon, state.view.minLon, 1e-4);
    EXPECT_NEAR(fitted.maxLat, state.view.maxLat, 1e-4);
    // Below ten the status bar gives a decimal, below one two.
    for (const auto& [factor, told] : {std::pair(1.26, "Zoom 1.3\xC3\x97"), std::pair(10.0, "Zoom 13\xC3\x97"),
                                       std::pair(1 / 50.4, "Zoom 0.25\xC3\x97")}) {
        zoomAt(state, surface.width() / 2, surface.height() / 2, factor);
        EXPECT_EQ(told, statusLine(state, std::nullopt).zoom);
    }
}

TEST_F(ViewCommandsTest, aPlaceIsCentredAtLeastAsCloseAsAsked) {
    centreViewOn(state, 12.5, 51.0, 8.0);
    EXPECT_NEAR(12.5, middle().lon, 1e-3);
    EXPECT_NEAR(51.0, middle().lat, 1e-3);
    EXPECT_GE(zoomFactor(state.view), 8.0 * 0.999);
}

TEST_F(ViewCommandsTest, boundsShownAreTheLabelsAndARingBesideThemIsNoMistake) {
    showBounds(state, 30.0, 10.0, 31.0, 11.0);
    EXPECT_EQ(" 30", state.view.labels[0]);
    EXPECT_EQ(" 11", state.view.labels[3]);
    EXPECT_TRUE(std::find(surface.texts.begin(), surface.texts.end(), kOutOfViewNotice) == surface.texts.end());
}

TEST_F(ViewCommandsTest, keepingProportionsWidensTheViewAtOnceAndIsRemembered) {
    const float lonSpan = state.view.lonSpan, latSpan = state.view.latSpan;
    setKeepProportions(state, true);
    EXPECT_TRUE(state.view.keepProportions);
    EXPECT_TRUE(state.view.lonSpan > lonSpan || state.view.latSpan > latSpan);
    setKeepProportions(state, false);  // the view stays as it is
    EXPECT_FALSE(state.view.keepProportions);
    EXPECT_TRUE(state.view.lonSpan > lonSpan || state.view.latSpan > latSpan);
}

}  // namespace
