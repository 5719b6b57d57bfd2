// Opening documents as transactions: read and check first, replace after;
// and choosing the ring that is loaded.
#include "session/Opening.h"

#include <algorithm>
#include <memory>

#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "platform/EventBreaks.h"
#include "state/Caption.h"
#include "view/Clearing.h"
#include "view/Plot.h"
#include "view/Progress.h"
#include "view/Transform.h"

namespace tess {

void replaceDocument(State& s, PolyFile file, const DocumentOrigin& origin) {
    clearForNewDocument(s);
    Document& d = s.doc;
    d.title = std::move(file.title);
    d.rings = std::move(file.rings);
    d.frame = std::move(file.frame);
    d.fileName = origin.fileName;
    d.ownFile = origin.ownFile;
    startHistory(s, origin.modified);
    // Nothing of the document before stays loaded, even when this one has
    // no ring to load.
    d.currentRing = -1;
    d.ringLon.clear();
    d.ringLat.clear();
    d.lastPoint = 0;
    d.ringEdited = false;
    d.movedVertices.clear();
    loadRing(s, 0);
    updateCaption(s, d.fileName);
    redraw(s, true);
}

bool openPolyFile(State& s, const std::string& path) {
    s.platform.busyPointer();
    // The first half of the bar follows the reading; the window stays drawn.
    EventBreaks breaks(s.platform);
    std::int64_t step = 0;
    PolyLoad load = readPolyFile(path, [&](std::size_t done, std::size_t total) {
        showProgress(s, 0, static_cast<std::int32_t>(done >> 10), static_cast<double>(total >> 10) + 1);
        breaks.tickNow(++step);
    });
    s.platform.normalPointer();
    if (!load.ok()) {
        resetProgress(s);
        s.platform.message(load.error);
        return false;
    }
    replaceDocument(s, std::move(load.file), {path, path, false});
    return true;
}

namespace {

// The vertices forEachVertexOf gives for a ring of these facts: its
// vertex lines, and the first once more when the ring does not end on it.
std::int64_t closedCount(const RingFacts& f) {
    const bool open = f.vertices >= 2 && (f.lastLon != f.firstLon || f.lastLat != f.firstLat);
    return f.vertices + (open ? 1 : 0);
}

// Counts the ring's vertices and fits the view to them. The ring is also
// held as numbers when the window wants it so, or when it is small enough
// to edit without a closer look. A ring not held whose facts were gathered
// when it was read is not read again.
void parseRing(State& s, const RingText& ring) {
    Document& d = s.doc;
    d.ringLon.clear();
    d.ringLat.clear();
    const bool fit = s.background.lastIndex == 0;
    const bool hold = s.holdRingNumbers;
    const std::string_view lines = ring.lines;
    const double progressTotal = static_cast<double>(lines.size() / 24 + 1);
    const RingFacts& f = ring.facts;
    if (!hold && f.known && closedCount(f) - 1 > kMaxEditableVertices) {
        d.lastPoint = closedCount(f) - 1;
        showProgress(s, 0, static_cast<std::int32_t>(std::min<std::int64_t>(d.lastPoint + 1, INT32_MAX)), progressTotal);
        if (fit) {
            widenFit(s.view, f.minLon, f.minLat);
            widenFit(s.view, f.maxLon, f.maxLat);
        }
        return;
    }
    if (hold && f.known) {
        d.ringLon.reserve(static_cast<std::size_t>(closedCount(f)));
        d.ringLat.reserve(static_cast<std::size_t>(closedCount(f)));
    }
    std::int64_t count = 0;
    EventBreaks breaks(s.platform);  // a ring of millions takes a while
    forEachVertexOf(lines, [&](double lon, double lat) {
        breaks.tick(count);
        if (++count % 1000 == 1)
            showProgress(s, 0, static_cast<std::int32_t>(std::min<std::int64_t>(count, INT32_MAX)), progressTotal);
        if (fit) widenFit(s.view, lon, lat);
        if (hold) {
            d.ringLon.push_back(lon);
            d.ringLat.push_back(lat);
        }
    });
    d.lastPoint = count - 1;
    if (d.lastPoint <= kMaxEditableVertices) holdLoadedVertices(d);
}

}  // namespace

void loadRing(State& s, int ringIndex) {
    Document& d = s.doc;
    if (ringIndex < 0 || ringIndex >= d.ringCount()) return;
    removeHandles(s);
    if (s.background.lastIndex == 0) resetFit(s.view);
    s.platform.busyPointer();
    d.currentRing = ringIndex;
    parseRing(s, d.rings[static_cast<std::size_t>(ringIndex)]);
    d.ringEdited = false;
    d.movedVertices.clear();
    s.platform.processEvents();
    if (s.background.lastIndex == 0) finishFit(s.view);
    else setBoundLabels(s.view);
    s.platform.normalPointer();
}

}  // namespace tess
