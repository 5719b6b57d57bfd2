#include "document/LoadedRing.h"

namespace tess {

namespace {

constexpr std::int64_t kEditableVertices = 1000;

// The vertices forEachVertexOf gives for a ring of these facts: its vertex
// lines, and the first once more when the ring does not end on it.
std::int64_t closedCount(const RingFacts& f) {
    const bool open = f.vertices >= 2 && (f.lastLon != f.firstLon || f.lastLat != f.firstLat);
    return f.vertices + (open ? 1 : 0);
}

}  // namespace

void unloadRing(LoadedRing& r) { r = LoadedRing(); }

void loadRingNumbers(const Document& d, LoadedRing& r, int k, bool holdAll, const VertexProgress& progress) {
    unloadRing(r);
    if (k < 0 || k >= d.ringCount()) return;
    r.index = k;
    const RingText& ring = d.rings[static_cast<std::size_t>(k)];
    const std::int64_t count = closedCount(ring.facts.known ? ring.facts : factsOf(ring.lines));
    r.lastPoint = count - 1;
    if (!holdAll && r.lastPoint > kEditableVertices) return;
    r.lon.reserve(static_cast<std::size_t>(count));
    r.lat.reserve(static_cast<std::size_t>(count));
    std::int64_t done = 0;
    forEachVertexOf(ring.lines, [&](double lon, double lat) {
        r.lon.push_back(lon);
        r.lat.push_back(lat);
        if (progress && ++done % 1000 == 1) progress(done);
    });
}

void holdVertices(const Document& d, LoadedRing& r) {
    if (r.held() || !r.loaded(d)) return;
    r.lon.clear();
    r.lat.clear();
    forEachVertexOf(d.rings[static_cast<std::size_t>(r.index)].lines, [&](double lon, double lat) {
        r.lon.push_back(lon);
        r.lat.push_back(lat);
    });
}

}  // namespace tess
