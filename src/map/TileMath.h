// The arithmetic of web map tiles: which tile covers a place at a zoom,
// which zoom suits the view, which tiles the canvas needs and where each
// one lies on it. Tiles are the usual 256-pixel squares of the Web
// Mercator world, numbered from the north-west corner.
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

#include "view/Transform.h"
#include "view/Zoom.h"

namespace tess {

inline constexpr int kTilePixels = 256;
// Deeper than this no source has tiles; the deepest zoom's tiles are
// drawn larger instead.
inline constexpr int kDeepestTileZoom = 22;

struct TileKey {
    int z = 0, x = 0, y = 0;
    friend auto operator<=>(const TileKey&, const TileKey&) = default;
};

// Where a place lies in the world, as fractions: x from the 180th meridian
// eastwards (beyond 1 past it), y from the north edge southwards.
double worldX(double lon);
double worldY(double lat);

// The tile covering a place at zoom z, and the pixel of that tile under it.
struct TilePixel {
    TileKey tile;
    int px = 0, py = 0;
};
TilePixel tilePixelAt(double lon, double lat, int z);

// The zoom at which one tile pixel is closest to one device pixel, for
// `lonSpan` degrees of longitude shown over `devicePixels` pixels.
int tileZoomFor(double lonSpan, double devicePixels);

// The tile zoom for a view on a canvas (twips) of a device with this
// pixel ratio, kept within the zooms the source holds.
int tileZoomForView(const ViewState& v, const CanvasArea& area, double pixelRatio, int minZoom, int maxZoom);

// The tiles of zoom z over the whole canvas, widened by `around` tiles on
// every side. Columns are not wrapped (a view past the 180th meridian has
// columns beyond the world); rows stop at the world's edges.
struct TileRange {
    int z = 0;
    std::int64_t xFirst = 0, xLast = -1, yFirst = 0, yLast = -1;
    std::int64_t count() const { return (xLast - xFirst + 1) * (yLast - yFirst + 1); }
};
TileRange tilesCovering(const ViewState& v, const CanvasArea& area, int z, int around);

// The tiles of a range, those nearest the middle first, since they are
// looked at first. Empty when the range holds more than `most`.
std::vector<TileKey> tilesNearestFirst(const TileRange& r, std::int64_t most);

// The same tile with its column brought into the world.
TileKey wrapped(TileKey k);

// The tile `levels` zooms up that contains k, and the square of it (in its
// pixels) that k covers.
struct TilePart {
    TileKey tile;
    double left = 0, top = 0, size = kTilePixels;
};
TilePart ancestorPart(TileKey k, int levels);

// The square of the canvas (twips) that tile k covers, for a mapping of a
// view with a map shown.
struct CanvasRect {
    double left = 0, top = 0, right = 0, bottom = 0;
};
CanvasRect tileOnCanvas(const ViewMapping& mapping, TileKey k);

}  // namespace tess
