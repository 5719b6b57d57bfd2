// Opening documents as transactions: read and check first, replace after;
// and choosing the ring that is loaded.
#include "session/Opening.h"

#include <algorithm>
#include <memory>

#include "formats/DocumentFormats.h"
#include "geometry/Antimeridian.h"
#include "platform/EventBreaks.h"
#include "session/RecentFiles.h"
#include "view/Progress.h"
#include "view/Transform.h"

namespace tess {

void replaceDocument(State& s, PolyFile file, const DocumentOrigin& origin) {
    endEditing(s.edit);
    if (s.canvas.surface) s.canvas.surface->clear();
    OpenDocument& d = s.doc;
    d.content = Document{std::move(file.title), std::move(file.rings), std::move(file.frame)};
    d.fileName = origin.fileName;
    d.ownFile = origin.ownFile;
    // Nothing of the document before stays loaded, even when this one has
    // no ring to load.
    unloadRing(d.loaded);
    startHistory(d, origin.modified);
    loadRing(s, 0);
}

bool openDocumentFile(State& s, const std::string& path) {
    const DocumentFormat& format = formatToRead(path);
    s.platform.busyPointer();
    // The first half of the bar follows the reading; the window stays drawn.
    EventBreaks breaks(s.platform);
    std::int64_t step = 0;
    DocumentRead read = format.read(path, [&](std::size_t done, std::size_t total) {
        showProgress(s.progress, ProgressPhase::Reading, static_cast<std::int64_t>(done >> 10),
                     static_cast<double>(total >> 10) + 1);
        breaks.tickNow(++step);
    });
    s.platform.normalPointer();
    if (!read.ok()) {
        resetProgress(s.progress, s.platform);
        s.platform.message(read.error);
        return false;
    }
    if (!read.note.empty()) s.platform.message(read.note);
    // An import is not in a .poly file yet: it is unsaved, and its name is
    // only a proposal.
    const DocumentOrigin origin = format.holdsDocuments() ? DocumentOrigin{path, path, false}
                                                          : DocumentOrigin{polyNameFor(path), "", true};
    replaceDocument(s, std::move(read.file), origin);
    // However it was opened, a file of the user's own is a recent file.
    if (format.holdsDocuments()) addRecentFile(s.settings, path);
    return true;
}

void loadRing(State& s, int k) {
    OpenDocument& d = s.doc;
    if (k < 0 || k >= d.ringCount()) return;
    removeHandles(s.edit);
    s.platform.busyPointer();
    const RingText& ring = d.content.rings[static_cast<std::size_t>(k)];
    // The first half of the bar follows the holding of a large ring, and
    // the window stays drawn meanwhile.
    EventBreaks breaks(s.platform);
    const double total = static_cast<double>(ring.facts.vertices) + 1;
    const auto progress = [&](std::int64_t done) {
        showProgress(s.progress, ProgressPhase::Reading, done, total);
        breaks.tick(done);
    };
    if (d.loaded.index != k) loadRingNumbers(d.content, d.loaded, k, d.holdAllRings, progress);
    s.platform.processEvents();
    // A background fixes the view; otherwise it fits the ring: its numbers
    // where they are held (moved vertices included), else the bounds the
    // reading found.
    if (!s.background.shown()) {
        resetFit(s.view);
        if (mayCrossAntimeridian(ring.facts)) {
            // A ring that may cross the ±180° line is fitted as it is drawn,
            // whole across it.
            ContinuousLongitude unwrap;
            forEachLoadedVertex(d.content, d.loaded, [&](double lon, double lat) { widenFit(s.view, unwrap.next(lon, lat), lat); });
        } else if (d.loaded.held()) {
            for (std::size_t i = 0; i < d.loaded.lon.size(); ++i) widenFit(s.view, d.loaded.lon[i], d.loaded.lat[i]);
        } else if (ring.facts.vertices > 0) {
            widenFit(s.view, ring.facts.minLon, ring.facts.minLat);
            widenFit(s.view, ring.facts.maxLon, ring.facts.maxLat);
        }
        finishFit(s.view);
    } else {
        setBoundLabels(s.view);
    }
    s.platform.normalPointer();
}

}  // namespace tess
