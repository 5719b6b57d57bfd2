#include "view/Zoom.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "view/Transform.h"
#include "view/WebMercator.h"

namespace tess {

namespace {

// Wider than this the view shows the whole earth many times over.
constexpr double kWidestSpan = 36000.0;
// A span must hold this many steps of single precision at the bounds'
// magnitude, or the bounds could no longer be told apart.
constexpr double kNarrowestSteps = 1000.0;
// Near the poles a degree of longitude shrinks to nothing; keep a floor.
constexpr double kSmallestCosine = 0.01;

bool fitted(const ViewState& v) { return v.lonSpan > 0 && v.latSpan > 0 && v.maxLon >= v.minLon; }

// A dropped vertex keeps seven significant digits: closer than a few
// pixels to a step of seven digits, it would land visibly off the pointer.
constexpr double kSevenDigitSteps = 200.0;

double narrowestSpan(double a, double b) {
    const double magnitude = std::max({std::fabs(a), std::fabs(b), 1.0});
    const double sevenDigitStep = std::pow(10.0, std::floor(std::log10(magnitude)) + 1 - 7);
    return std::max(magnitude * std::numeric_limits<float>::epsilon() * kNarrowestSteps,
                    sevenDigitStep * kSevenDigitSteps);
}

void setLonRange(ViewState& v, double minLon, double span) {
    v.minLon = static_cast<float>(minLon);
    v.maxLon = static_cast<float>(minLon + span);
}

void setLatRange(ViewState& v, double maxLat, double span) {
    v.maxLat = static_cast<float>(maxLat);
    v.minLat = static_cast<float>(maxLat - span);
}

void finish(ViewState& v) {
    setSpans(v);
    setBoundLabels(v);
}

double middleCosine(const ViewState& v) {
    const double middle = (double(v.minLat) + double(v.maxLat)) / 2.0;
    return std::max(kSmallestCosine, std::cos(middle * std::numbers::pi / 180.0));
}

// While a map is shown the latitude axis is linear in the projected
// latitude (WebMercator.h); these are the zoom, pan and shape of the view
// on that axis. The square world of the tiles is 360 projected degrees
// tall: the view never reaches past it.
constexpr double kWorldEdge = 180.0;

struct ProjectedRange {
    double bottom, top;
};

ProjectedRange projectedRange(const ViewState& v) {
    return {projectedLatitude(v.minLat), projectedLatitude(v.maxLat)};
}

// Sets the latitudes from a projected range, moved inside the world
// without changing its height where it sticks out.
void setProjectedRange(ViewState& v, double bottom, double top) {
    const double height = std::min(top - bottom, 2 * kWorldEdge);
    if (top > kWorldEdge) {
        top = kWorldEdge;
        bottom = top - height;
    }
    if (bottom < -kWorldEdge) {
        bottom = -kWorldEdge;
        top = bottom + height;
    }
    v.maxLat = static_cast<float>(latitudeOfProjected(top));
    v.minLat = static_cast<float>(latitudeOfProjected(bottom));
}

GeoPoint projectedPointAt(const ViewState& v, double x, double y, double across, double down, int margin) {
    const ProjectedRange r = projectedRange(v);
    const double lonSpan = std::fabs(double(v.maxLon) - double(v.minLon));
    return {v.minLon + (x - margin) * lonSpan / across, latitudeOfProjected(r.top - (y - margin) * (r.top - r.bottom) / down)};
}

bool zoomProjected(ViewState& v, double x, double y, double factor, const CanvasArea& area) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    const ProjectedRange r = projectedRange(v);
    const double height = r.top - r.bottom;
    if (!(height > 0)) return false;
    double f = factor;
    f = std::min(f, std::min(v.lonSpan / narrowestSpan(v.minLon, v.maxLon), v.latSpan / narrowestSpan(v.minLat, v.maxLat)));
    f = std::max(f, std::max(v.lonSpan / kWidestSpan, height / (2 * kWorldEdge)));
    if ((factor >= 1 && f < 1.001) || (factor < 1 && f > 0.999)) return false;
    const GeoPoint under = projectedPointAt(v, x, y, across, down, area.margin);
    const double lonSpan = v.lonSpan / f, newHeight = height / f;
    setLonRange(v, under.lon - (x - area.margin) / across * lonSpan, lonSpan);
    const double top = projectedLatitude(under.lat) + (y - area.margin) / down * newHeight;
    setProjectedRange(v, top - newHeight, top);
    finish(v);
    v.userMoved = true;
    return true;
}

bool panProjected(ViewState& v, double dx, double dy, const CanvasArea& area) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    const ProjectedRange r = projectedRange(v);
    const double height = r.top - r.bottom, shift = dy / down * height;
    setLonRange(v, v.minLon - dx / across * v.lonSpan, v.lonSpan);
    setProjectedRange(v, r.bottom + shift, r.top + shift);
    finish(v);
    v.userMoved = true;
    return true;
}

// Square pixels: a projected degree as tall as a degree of longitude is
// wide. After a fit the short side widens; otherwise the longitude span
// follows the height, as with proportions kept.
void squarePixels(ViewState& v, const CanvasArea& area, ShapeFix fix) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    const ProjectedRange r = projectedRange(v);
    const double height = r.top - r.bottom, middle = (r.top + r.bottom) / 2.0;
    const double lonMiddle = (double(v.minLon) + double(v.maxLon)) / 2.0;
    const double heightForLon = v.lonSpan / across * down;
    if (fix == ShapeFix::WidenShortSide && heightForLon > height) {
        const double wanted = std::min(heightForLon, 2 * kWorldEdge);
        setProjectedRange(v, middle - wanted / 2.0, middle + wanted / 2.0);
        if (wanted < heightForLon) setLonRange(v, lonMiddle - wanted / down * across / 2.0, wanted / down * across);
    } else if (height > 0) {
        const double lonSpan = std::max(height / down * across, narrowestSpan(v.minLon, v.maxLon));
        setLonRange(v, lonMiddle - lonSpan / 2.0, lonSpan);
    }
    finish(v);
}

}  // namespace

GeoPoint geoPointAt(const ViewState& v, double x, double y, const CanvasArea& area) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    if (across <= 0 || down <= 0) return {v.minLon, v.maxLat};
    if (v.webMercator) return projectedPointAt(v, x, y, across, down, area.margin);
    // The spans in double precision: the difference of two floats is exact.
    const double lonSpan = std::fabs(double(v.maxLon) - double(v.minLon));
    const double latSpan = std::fabs(double(v.maxLat) - double(v.minLat));
    return {v.minLon + (x - area.margin) * lonSpan / across, v.maxLat - (y - area.margin) * latSpan / down};
}

bool hasRoom(const CanvasArea& area) { return area.width > 2.0 * area.margin && area.height > 2.0 * area.margin; }

bool zoomAround(ViewState& v, double x, double y, double factor, const CanvasArea& area) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    if (!fitted(v) || across <= 0 || down <= 0 || !(factor > 0)) return false;
    if (v.webMercator) return zoomProjected(v, x, y, factor, area);
    // One factor for both spans, limited by whichever span reaches its
    // limit first, so the shape of the view never changes.
    double f = factor;
    const double narrowestLon = narrowestSpan(v.minLon, v.maxLon), narrowestLat = narrowestSpan(v.minLat, v.maxLat);
    f = std::min(f, std::min(v.lonSpan / narrowestLon, v.latSpan / narrowestLat));
    f = std::max(f, std::max(v.lonSpan / kWidestSpan, v.latSpan / kWidestSpan));
    // At a limit, what is left of a step is rounding: nothing to do.
    if ((factor >= 1 && f < 1.001) || (factor < 1 && f > 0.999)) return false;
    const GeoPoint under = geoPointAt(v, x, y, area);
    const double latSpan = v.latSpan / f;
    setLatRange(v, under.lat + (y - area.margin) / down * latSpan, latSpan);
    // Drawn true, the longitude span follows the latitude now in the middle,
    // around the point under the pointer rather than the middle of the view.
    const double lonSpan = v.keepProportions ? latSpan / down * across / middleCosine(v) : v.lonSpan / f;
    setLonRange(v, under.lon - (x - area.margin) / across * lonSpan, lonSpan);
    finish(v);
    v.userMoved = true;
    return true;
}

bool panBy(ViewState& v, double dx, double dy, const CanvasArea& area) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    if (!fitted(v) || across <= 0 || down <= 0 || (dx == 0 && dy == 0)) return false;
    if (v.webMercator) return panProjected(v, dx, dy, area);
    const double lonSpan = v.lonSpan, latSpan = v.latSpan;
    setLonRange(v, v.minLon - dx / across * lonSpan, lonSpan);
    setLatRange(v, v.maxLat + dy / down * latSpan, latSpan);
    finish(v);
    v.userMoved = true;
    return true;
}

void applyProportions(ViewState& v, const CanvasArea& area, ShapeFix fix) {
    const double across = area.width - 2.0 * area.margin, down = area.height - 2.0 * area.margin;
    if (!fitted(v) || across <= 0 || down <= 0) return;
    if (v.webMercator) return squarePixels(v, area, fix);
    const double k = middleCosine(v);
    const double lonForLat = v.latSpan / down * across / k;
    const double lonMiddle = (double(v.minLon) + double(v.maxLon)) / 2.0;
    const double latMiddle = (double(v.minLat) + double(v.maxLat)) / 2.0;
    // Far from the prime meridian a longitude has fewer digits to spare
    // than a latitude: the longitude span never goes below its own limit.
    const double lonNarrowest = narrowestSpan(v.minLon, v.maxLon);
    if ((fix == ShapeFix::FollowLatitude || lonForLat >= v.lonSpan) && lonForLat >= lonNarrowest) {
        setLonRange(v, lonMiddle - lonForLat / 2.0, lonForLat);
    } else {
        const double lonSpan = std::max<double>(v.lonSpan, lonNarrowest);
        setLonRange(v, lonMiddle - lonSpan / 2.0, lonSpan);
        const double latForLon = lonSpan * k / across * down;
        setLatRange(v, latMiddle + latForLon / 2.0, latForLon);
    }
    finish(v);
}

void settleView(ViewState& v, const CanvasArea& area) {
    if (v.keepProportions || v.webMercator) applyProportions(v, area, v.freshFit ? ShapeFix::WidenShortSide : ShapeFix::FollowLatitude);
    if (v.freshFit) {
        v.fitLonSpan = v.lonSpan;
        v.fitLatSpan = v.latSpan;
        v.freshFit = false;
    }
}

double zoomFactor(const ViewState& v) {
    if (v.fitLatSpan <= 0 || v.latSpan <= 0) return 1.0;
    return double(v.fitLatSpan) / double(v.latSpan);
}

}  // namespace tess
