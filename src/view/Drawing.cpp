#include "view/Drawing.h"

#include <cmath>

#include "geometry/Antimeridian.h"
#include "platform/EventBreaks.h"
#include "view/LineThinner.h"

namespace tess {

namespace {

// Drawing calls take single-precision positions.
CanvasPoint single(CanvasPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

}  // namespace

std::int64_t progressStep(std::int64_t n) {
    if (n > 1000) return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(n) / 10.0));
    if (n < 10) return 1;
    return 10;
}

void drawBackground(Surface& surface, const ViewMapping& mapping, const Background& background) {
    if (!background.shown()) return;
    LineThinner lines(surface, colors::darkRed, surface.width(), surface.height());
    const auto last = static_cast<std::size_t>(background.lastIndex);
    for (std::size_t k = 0; k <= last && k < background.lon.size() && k < background.lat.size(); ++k) {
        const CanvasPoint p = single(mapping(background.lon[k], background.lat[k]));
        lines.lineTo(p.x, p.y);
    }
    lines.finishRun();
}

bool drawLoadedRing(Surface& surface, const ViewMapping& mapping, const Document& d, const LoadedRing& r,
                    const std::vector<std::size_t>& edgesAbove, Platform& platform,
                    const std::function<void(std::int64_t)>& progress) {
    const std::int64_t step = progressStep(r.lastPoint);
    std::int64_t untilProgress = 1;  // counts down to the next report
    const double fullWidth = surface.fullWidth();
    LineThinner lines(surface, colors::blue, surface.width(), surface.height());
    EventBreaks breaks(platform);
    bool inView = false;
    std::size_t nextAbove = 0;  // the edges above met as the vertices pass
    std::int64_t i = 0;
    // A ring across the ±180° line is drawn as one shape, its longitudes
    // running on past the line instead of jumping back across the map.
    ContinuousLongitude unwrap(r.loaded(d) && mayCrossAntimeridian(d.rings[static_cast<std::size_t>(r.index)].facts));
    forEachLoadedVertex(d, r, [&](double lon, double lat) {
        if (--untilProgress == -1) {
            untilProgress = step - 1;
            if (progress && step > 1) progress(i);
        }
        breaks.tick(i);
        const CanvasPoint p = single(mapping(unwrap.next(lon, lat), lat));
        if (p.x > -1 && p.x <= fullWidth) inView = true;
        const auto k = static_cast<std::size_t>(i);
        while (nextAbove < edgesAbove.size() && edgesAbove[nextAbove] < k) ++nextAbove;
        const bool above = nextAbove < edgesAbove.size() && edgesAbove[nextAbove] == k;
        if (i == 0 || above) lines.moveTo(p.x, p.y);
        else lines.lineTo(p.x, p.y);
        ++i;
    });
    lines.finishRun();
    return inView;
}

}  // namespace tess
