// The Web Mercator view and the tile arithmetic: a vertex is drawn on the
// tile pixel that covers it, the view keeps square pixels, zoom and pan
// keep the point under the pointer. (The tiles a known view asks for are
// counted against a tile server in QtTileServerTest.)
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "map/TileMath.h"
#include "view/Transform.h"
#include "view/WebMercator.h"
#include "view/Zoom.h"

using namespace tess;

namespace {

constexpr CanvasArea kArea{1600 * 15, 1000 * 15, kMargin};

// A view with a map, `lonSpan` degrees wide, centred on (lon, lat).
ViewState mapView(double lon, double lat, double lonSpan) {
    ViewState v;
    v.webMercator = true;
    resetFit(v);
    widenFit(v, lon - lonSpan / 2, lat);
    widenFit(v, lon + lonSpan / 2, lat + 1e-3);
    finishFit(v);
    settleView(v, kArea);
    return v;
}

double down(const CanvasArea& a) { return a.height - 2.0 * a.margin; }
double across(const CanvasArea& a) { return a.width - 2.0 * a.margin; }

}  // namespace

TEST(TileMath, aVertexIsDrawnOnTheTilePixelThatCoversIt) {
    std::mt19937 rng(21);
    std::uniform_real_distribution<double> lonIn(-179.9, 179.9), latIn(-85, 85);
    for (const int z : {1, 4, 8, 12, 16}) {
        for (int n = 0; n < 200; ++n) {
            const double lon = lonIn(rng), lat = n < 2 ? (n == 0 ? 85.0 : -85.0) : latIn(rng);
            // One tile pixel per canvas pixel at zoom z.
            const ViewState v = mapView(lon, lat, 360.0 * 1600 / (kTilePixels * std::ldexp(1.0, z)));
            const ViewMapping mapping(v, kArea.width, kArea.height, kArea.margin);
            const CanvasPoint vertex = mapping(lon, lat);
            const TilePixel covering = tilePixelAt(lon, lat, z);
            const CanvasRect tile = tileOnCanvas(mapping, covering.tile);
            // The tile's pixels as drawn (the view's bounds are single
            // precision, so they are square only to a few thousandths).
            const double wide = (tile.right - tile.left) / kTilePixels, tall = (tile.bottom - tile.top) / kTilePixels;
            // Narrower than the canvas, the whole world is shown smaller.
            if (z >= 3) {
                EXPECT_NEAR(wide, 15.0, 0.3) << "z " << z;
            }
            EXPECT_NEAR(tall / wide, 1.0, 5e-3) << "z " << z;
            EXPECT_NEAR(vertex.x, tile.left + (covering.px + 0.5) * wide, wide / 2 + 1e-6) << lon << " " << lat << " z " << z;
            EXPECT_NEAR(vertex.y, tile.top + (covering.py + 0.5) * tall, tall / 2 + 1e-6) << lon << " " << lat << " z " << z;
        }
    }
}

TEST(TileMath, theTileZoomGivesAboutOneTilePixelPerDevicePixel) {
    // The whole world over 256 pixels is zoom 0; twice the pixels, one deeper.
    EXPECT_EQ(tileZoomFor(360, 256), 0);
    EXPECT_EQ(tileZoomFor(90, 512), 3);
    EXPECT_EQ(tileZoomFor(90, 700), 3);   // 1.37 device pixels a tile pixel
    EXPECT_EQ(tileZoomFor(90, 800), 4);
    EXPECT_EQ(tileZoomFor(1e-9, 1000), kDeepestTileZoom);
    EXPECT_EQ(tileZoomFor(0, 1000), 0);
    // The device pixel ratio counts, and the source's zooms bound it.
    ViewState v;
    v.lonSpan = 90;
    const CanvasArea area{512 * 15 + 200, 100 * 15, kMargin};
    EXPECT_EQ(tileZoomForView(v, area, 1.0, 0, 19), 3);
    EXPECT_EQ(tileZoomForView(v, area, 2.0, 0, 19), 4);
    EXPECT_EQ(tileZoomForView(v, area, 2.0, 0, 2), 2);
    EXPECT_EQ(tileZoomForView(v, area, 1.0, 5, 9), 5);
}

TEST(TileMath, columnsWrapRowsStopAndAncestorsHoldTheirDescendants) {
    EXPECT_EQ(wrapped({2, -1, 3}), (TileKey{2, 3, 3}));
    EXPECT_EQ(wrapped({2, 4, 0}), (TileKey{2, 0, 0}));
    const TilePart part = ancestorPart({5, 13, 6}, 2);
    EXPECT_EQ(part.tile, (TileKey{3, 3, 1}));
    EXPECT_EQ(part.size, 64.0);
    EXPECT_EQ(part.left, 64.0);
    EXPECT_EQ(part.top, 128.0);
    // Rows stop at the world's edges, columns reach the margins and as far around as asked; too many tiles are none.
    ViewState v = mapView(0, 0, 360);
    const TileRange r = tilesCovering(v, kArea, 1, 5);
    EXPECT_EQ((std::tuple<std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t>(1, -6, 7, 0, 1)), std::tuple(r.z, r.xFirst, r.xLast, r.yFirst, r.yLast));
    EXPECT_EQ(tilesNearestFirst(r, 100).size(), static_cast<std::size_t>(r.count()));
    EXPECT_TRUE(tilesNearestFirst(r, r.count() - 1).empty());
    EXPECT_EQ(tilesNearestFirst(r, r.count()).size(), static_cast<std::size_t>(r.count()));  // as many as allowed
}

TEST(MapView, pixelsAreSquareAndZoomAndPanKeepThePointUnderThePointer) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> lonIn(-170, 170), latIn(-80, 80), spanIn(0.01, 40), x(0, kArea.width),
        y(0, kArea.height), f(1.1, 30);
    for (int n = 0; n < 300; ++n) {
        ViewState v = mapView(lonIn(rng), latIn(rng), spanIn(rng));
        auto square = [&] {
            const double height = projectedLatitude(v.maxLat) - projectedLatitude(v.minLat);
            // Square to the single precision of the bounds.
            EXPECT_NEAR(v.lonSpan / across(kArea), height / down(kArea), 2e-3 * v.lonSpan / across(kArea));
        };
        square();
        const double px = x(rng), py = y(rng);
        const GeoPoint before = geoPointAt(v, px, py, kArea);
        v.userMoved = false;
        ASSERT_TRUE(zoomAround(v, px, py, f(rng), kArea) && v.userMoved);
        const CanvasPoint after = *toCanvas(v, before.lon, before.lat, kArea.width, kArea.height);
        EXPECT_NEAR(after.x, px, 15.0);  // a pixel
        EXPECT_NEAR(after.y, py, 15.0);  // a pixel
        square();
        const GeoPoint grabbed = geoPointAt(v, px, py, kArea);
        v.userMoved = false;
        ASSERT_TRUE(panBy(v, 300, -200, kArea) && v.userMoved);
        const CanvasPoint moved = *toCanvas(v, grabbed.lon, grabbed.lat, kArea.width, kArea.height);
        if (std::fabs(v.maxLat) < 85 && std::fabs(v.minLat) < 85) {
            EXPECT_NEAR(moved.x, px + 300, 15.0);  // a pixel
            EXPECT_NEAR(moved.y, py - 200, 15.0);  // a pixel
        }
    }
}

TEST(MapView, theViewStaysInsideTheSquareWorld) {
    ViewState v = mapView(10, 50, 20);
    for (int k = 0; k < 40; ++k) zoomAround(v, kArea.width / 2, kArea.height / 2, 0.5, kArea);
    // The whole world's height at most, still with square pixels.
    const double height = projectedLatitude(v.maxLat) - projectedLatitude(v.minLat);
    EXPECT_LE(height, 360.0 + 1e-3);
    EXPECT_NEAR(v.lonSpan / across(kArea), height / down(kArea), 1e-3 * height / down(kArea));
    EXPECT_GE(v.minLat, -kMercatorLimit - 1e-3);
    EXPECT_LE(v.maxLat, kMercatorLimit + 1e-3);
    panBy(v, 0, 1e6, kArea);  // far south
    EXPECT_NEAR(v.minLat, -kMercatorLimit, 1e-3);
    int steps = 0;  // zooming in stops where the bounds' precision ends
    while (steps < 200 && zoomAround(v, kArea.width / 2, kArea.height / 2, 2, kArea)) ++steps;
    EXPECT_LT(steps, 200);
}
