#include "editing/HandlesInView.h"

#include <vector>

#include "document/LoadedRing.h"
#include "editing/Clearing.h"
#include "view/Transform.h"
#include "view/ViewArea.h"

namespace tess {

namespace {

// Calls take(k) for every handle k whose vertex lies inside the canvas,
// until take returns false. A view without span cannot place anything;
// every vertex counts as in view then, as if the ring were fitted.
template <class Take>
void forEachHandleInView(const State& s, Take take) {
    const LoadedRing& r = s.doc.loaded;
    if (!r.held() || r.lastPoint < 1) return;
    const CanvasArea area = canvasArea(s.canvas);
    const ViewMapping mapping(s.view, area.width, area.height, area.margin);
    const double* lon = r.lon.data();
    const double* lat = r.lat.data();
    for (std::int64_t k = 1; k <= r.lastPoint; ++k) {
        bool inView = true;
        if (mapping.valid()) {
            const CanvasPoint p = mapping(lon[k], lat[k]);
            inView = p.x >= 0 && p.x <= area.width && p.y >= 0 && p.y <= area.height;
        }
        if (inView && !take(k)) return;
    }
}

}  // namespace

std::size_t edgeLineAfter(std::int64_t k, std::int64_t lastPoint) {
    return k + 1 > lastPoint ? 1 : static_cast<std::size_t>(k + 1);
}

std::int64_t countHandlesInView(const State& s, std::int64_t stopAbove) {
    std::int64_t count = 0;
    forEachHandleInView(s, [&](std::int64_t) { return ++count <= stopAbove; });
    return count;
}

bool makeHandlesInView(State& s) {
    removeHandles(s.edit);
    settleView(s.view, canvasArea(s.canvas));
    std::vector<std::int64_t> inView;
    forEachHandleInView(s, [&](std::int64_t k) {
        inView.push_back(k);
        return inView.size() <= static_cast<std::size_t>(kMaxEditableVertices);
    });
    s.edit.tooManyInView = inView.size() > static_cast<std::size_t>(kMaxEditableVertices);
    if (s.edit.tooManyInView) return false;
    for (const std::int64_t k : inView) {
        const auto i = static_cast<std::size_t>(k);
        s.edit.overlays.handles.create(i);
        s.edit.overlays.edgeLines.create(i);
        s.edit.overlays.edgeLines.create(edgeLineAfter(k, s.doc.loaded.lastPoint));
        s.edit.handlesShown = true;
    }
    return true;
}

void handlesFollowView(State& s) {
    if (s.edit.editing) makeHandlesInView(s);
}

}  // namespace tess
