// The mapping between longitude/latitude and canvas twips.
#include <gtest/gtest.h>

#include "view/Transform.h"

using namespace tess;

namespace {

ViewState viewOf(float minLon, float maxLon, float minLat, float maxLat) {
    ViewState v;
    resetFit(v);
    widenFit(v, minLon, minLat);
    widenFit(v, maxLon, maxLat);
    finishFit(v);
    return v;
}

}  // namespace

TEST(ViewTransform, MapsTheBoundsOntoTheMarginLines) {
    ViewState v = viewOf(10, 20, 50, 60);
    auto a = toCanvas(v, 10, 60, 5100, 3100);
    auto b = toCanvas(v, 20, 50, 5100, 3100);
    auto c = toCanvas(v, 15, 55, 5100, 3100);
    ASSERT_TRUE(a && b && c);
    EXPECT_DOUBLE_EQ(a->x, 100);
    EXPECT_DOUBLE_EQ(a->y, 100);
    EXPECT_DOUBLE_EQ(b->x, 5000);
    EXPECT_DOUBLE_EQ(b->y, 3000);
    EXPECT_DOUBLE_EQ(c->x, 2550);
    EXPECT_DOUBLE_EQ(c->y, 1550);
}

TEST(ViewTransform, StretchesWithTheCanvasWidthOnly) {
    ViewState v = viewOf(10, 20, 50, 60);
    auto wide = toCanvas(v, 15, 55, 10100, 3100);
    ASSERT_TRUE(wide);
    EXPECT_DOUBLE_EQ(wide->x, 5050);
    EXPECT_DOUBLE_EQ(wide->y, 1550);
}

TEST(ViewTransform, AZeroSpanCannotBeMapped) {
    ViewState v = viewOf(10, 10, 50, 60);
    EXPECT_FALSE(toCanvas(v, 10, 55, 5100, 3100));
}

TEST(ViewTransform, NewcoordInvertsTheMappingToSinglePrecision) {
    ViewState v = viewOf(-5.25f, 7.5f, 40.125f, 52.75f);
    EXPECT_EQ(newcoord(v, 100, 100, 5100, 3100), "-5.25 52.75");
    for (double lon : {-5.0, 0.1, 3.3333, 7.5}) {
        for (double lat : {40.2, 45.0, 52.7}) {
            auto p = toCanvas(v, lon, lat, 5100, 3100);
            float x = 0, y = 0;
            ASSERT_TRUE(splitCoordText(newcoord(v, p->x, p->y, 5100, 3100), x, y));
            EXPECT_FLOAT_EQ(x, static_cast<float>(lon));
            EXPECT_FLOAT_EQ(y, static_cast<float>(lat));
        }
    }
}

TEST(ViewTransform, NewcoordReachesBeyondTheBounds) {
    ViewState v = viewOf(10, 20, 50, 60);
    EXPECT_EQ(newcoord(v, 0, 0, 5100, 3100), "9.795918 60.34483");
}

TEST(ViewTransform, ACanvasShrunkToTheMarginsGivesNoCoordinates) {
    ViewState v = viewOf(10, 20, 50, 60);
    EXPECT_EQ(newcoord(v, 150, 150, 200, 3100), "");
    float x = 1, y = 1;
    EXPECT_FALSE(splitCoordText("", x, y));
}

TEST(ViewTransform, NegativeAndStraddlingBoundsGiveTheSameSpans) {
    EXPECT_FLOAT_EQ(viewOf(-5, -3, -5, -3).lonSpan, 2);
    EXPECT_FLOAT_EQ(viewOf(-1, 1, -1, 1).latSpan, 2);
}

TEST(ViewTransform, TheBoundLabelsUseTheSignedFieldForm) {
    ViewState v = viewOf(-0.5f, 0.25f, 51.5f, 52);
    EXPECT_EQ(v.labels, (std::array<std::string, 4>{"-.5", " 51.5", " .25", " 52"}));
}
