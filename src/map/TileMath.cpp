#include "map/TileMath.h"

#include <algorithm>
#include <cmath>

#include "state/Surface.h"
#include "view/WebMercator.h"

namespace tess {

namespace {

double tilesAcross(int z) { return std::ldexp(1.0, z); }

// The longitude and projected latitude of a tile corner.
double cornerLon(std::int64_t x, int z) { return static_cast<double>(x) / tilesAcross(z) * 360.0 - 180.0; }
double cornerProjected(std::int64_t y, int z) { return 180.0 - static_cast<double>(y) / tilesAcross(z) * 360.0; }

}  // namespace

double worldX(double lon) { return (lon + 180.0) / 360.0; }

double worldY(double lat) { return (180.0 - projectedLatitude(lat)) / 360.0; }

TilePixel tilePixelAt(double lon, double lat, int z) {
    const double n = tilesAcross(z);
    const double fx = worldX(lon) * n, fy = std::clamp(worldY(lat) * n, 0.0, n - 1e-9);
    const auto tx = static_cast<std::int64_t>(std::floor(fx)), ty = static_cast<std::int64_t>(std::floor(fy));
    TilePixel p;
    p.tile = {z, static_cast<int>(tx), static_cast<int>(ty)};
    // A fraction below 1 times 256 stays below 256: no pixel past the tile.
    p.px = static_cast<int>((fx - static_cast<double>(tx)) * kTilePixels);
    p.py = static_cast<int>((fy - static_cast<double>(ty)) * kTilePixels);
    return p;
}

int tileZoomFor(double lonSpan, double devicePixels) {
    if (!(lonSpan > 0) || !(devicePixels > 0)) return 0;
    const double z = std::log2(devicePixels / kTilePixels * 360.0 / lonSpan);
    if (!std::isfinite(z)) return 0;
    return static_cast<int>(std::clamp(std::round(z), 0.0, double(kDeepestTileZoom)));
}

int tileZoomForView(const ViewState& v, const CanvasArea& area, double pixelRatio, int minZoom, int maxZoom) {
    const double devicePixels = (area.width - 2.0 * area.margin) / kTwipsPerPixel * pixelRatio;
    return std::clamp(tileZoomFor(v.lonSpan, devicePixels), minZoom, std::max(minZoom, maxZoom));
}

TileRange tilesCovering(const ViewState& v, const CanvasArea& area, int z, int around) {
    TileRange r;
    r.z = z;
    if (!hasRoom(area)) return r;
    const GeoPoint northWest = geoPointAt(v, 0, 0, area);
    const GeoPoint southEast = geoPointAt(v, area.width, area.height, area);
    const double n = tilesAcross(z);
    const double west = worldX(northWest.lon) * n, east = worldX(southEast.lon) * n;
    const double north = worldY(northWest.lat) * n, south = worldY(southEast.lat) * n;
    if (!std::isfinite(west) || !std::isfinite(east) || !(east > west)) return r;
    r.xFirst = static_cast<std::int64_t>(std::floor(west)) - around;
    r.xLast = static_cast<std::int64_t>(std::ceil(east)) - 1 + around;
    const auto lastRow = static_cast<std::int64_t>(n) - 1;
    r.yFirst = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(north)) - around);
    r.yLast = std::min<std::int64_t>(lastRow, static_cast<std::int64_t>(std::ceil(south)) - 1 + around);
    return r;
}

std::vector<TileKey> tilesNearestFirst(const TileRange& r, std::int64_t most) {
    std::vector<TileKey> keys;
    if (r.xLast < r.xFirst || r.yLast < r.yFirst || r.count() > most) return keys;
    keys.reserve(static_cast<std::size_t>(r.count()));
    for (std::int64_t y = r.yFirst; y <= r.yLast; ++y)
        for (std::int64_t x = r.xFirst; x <= r.xLast; ++x) keys.push_back({r.z, static_cast<int>(x), static_cast<int>(y)});
    const double cx = double(r.xFirst + r.xLast) / 2.0, cy = double(r.yFirst + r.yLast) / 2.0;
    auto distance = [&](const TileKey& k) { return std::hypot(k.x - cx, k.y - cy); };
    std::stable_sort(keys.begin(), keys.end(), [&](const TileKey& a, const TileKey& b) { return distance(a) < distance(b); });
    return keys;
}

TileKey wrapped(TileKey k) {
    const std::int64_t n = std::int64_t{1} << k.z;
    k.x = static_cast<int>(((k.x % n) + n) % n);
    return k;
}

TilePart ancestorPart(TileKey k, int levels) {
    TilePart part;
    part.tile = {k.z - levels, k.x >> levels, k.y >> levels};
    part.size = std::ldexp(double(kTilePixels), -levels);
    const int mask = (1 << levels) - 1;
    part.left = (k.x & mask) * part.size;
    part.top = (k.y & mask) * part.size;
    return part;
}

CanvasRect tileOnCanvas(const ViewMapping& mapping, TileKey k) {
    const CanvasPoint nw = mapping.onProjected(cornerLon(k.x, k.z), cornerProjected(k.y, k.z));
    const CanvasPoint se = mapping.onProjected(cornerLon(k.x + std::int64_t{1}, k.z), cornerProjected(k.y + std::int64_t{1}, k.z));
    return {nw.x, nw.y, se.x, se.y};
}

}  // namespace tess
