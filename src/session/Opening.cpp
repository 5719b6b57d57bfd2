// Opening documents as transactions: read and check first, replace after;
// and choosing the ring that is loaded.
#include "session/Opening.h"

#include <algorithm>
#include <memory>

#include "formats/DocumentFormats.h"
#include "geometry/Antimeridian.h"
#include "platform/EventBreaks.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "session/RecentFiles.h"
#include "view/Progress.h"
#include "view/Transform.h"

namespace tess {

namespace {

// The document, with its first ring when that is held already.
void replaceWith(State& s, Document document, LoadedRing firstRing, const DocumentOrigin& origin) {
    endEditing(s.edit);
    s.edit.overlays.problem = {};  // a place in the document that goes
    if (s.canvas.surface) s.canvas.surface->clear();
    OpenDocument& d = s.doc;
    d.content = std::move(document);
    d.fileName = origin.fileName;
    d.ownFile = origin.ownFile;
    // Nothing of the document before stays loaded, even when this one has
    // no ring to load.
    unloadRing(d.loaded);
    if (firstRing.index == 0 && firstRing.loaded(d.content)) d.loaded = std::move(firstRing);
    startHistory(d, origin.modified);
    loadRing(s, 0);
}

// The reading's share of the work: the bytes first, then the first ring's
// vertices held as numbers.
constexpr double kBytesShare = 0.7;

}  // namespace

void replaceDocument(State& s, PolyFile file, const DocumentOrigin& origin) {
    replaceWith(s, Document{std::move(file.title), std::move(file.rings), std::move(file.frame)}, LoadedRing{},
                origin);
}

DocumentFileRead readDocumentFile(const std::string& path, bool holdAllRings,
                                  const std::function<void(double share)>& share) {
    DocumentFileRead result;
    const DocumentFormat& format = formatToRead(path);
    result.format = &format;
    try {
        DocumentRead read = format.read(path, [&](std::size_t done, std::size_t total) {
            share(kBytesShare * static_cast<double>(done) / static_cast<double>(std::max<std::size_t>(total, 1)));
        });
        result.error = std::move(read.error);
        result.note = std::move(read.note);
        if (!result.error.empty()) return result;
        result.document = Document{std::move(read.file.title), std::move(read.file.rings), std::move(read.file.frame)};
        if (result.document.ringCount() > 0) {
            const double vertices = static_cast<double>(result.document.rings.front().facts.vertices) + 1;
            loadRingNumbers(result.document, result.firstRing, 0, holdAllRings, [&](std::int64_t done) {
                share(kBytesShare + (1 - kBytesShare) * static_cast<double>(done) / vertices);
            });
        }
    } catch (const WorkCancelled&) {
        result.cancelled = true;
    } catch (const std::bad_alloc&) {
        result.error = unreadableFileMessage(path, kFileTooLarge);
    } catch (const std::exception& e) {
        // The reading may run on a thread of its own, which nothing may
        // leave by an exception: whatever else went wrong refuses the file.
        result.error = unreadableFileMessage(path, e.what());
    }
    return result;
}

bool acceptDocumentFile(State& s, const std::string& path, DocumentFileRead read) {
    if (read.cancelled) {
        resetProgress(s.progress, s.platform);
        return false;
    }
    if (!read.error.empty()) {
        resetProgress(s.progress, s.platform);
        s.platform.message(read.error);
        return false;
    }
    if (!read.note.empty()) s.platform.message(read.note);
    // An import is not in a .poly file yet: it is unsaved, and its name is
    // only a proposal.
    const bool ownFile = read.format->holdsDocuments();
    const DocumentOrigin origin = ownFile ? DocumentOrigin{path, path, false} : DocumentOrigin{polyNameFor(path), "", true};
    replaceWith(s, std::move(read.document), std::move(read.firstRing), origin);
    // However it was opened, a file of the user's own is a recent file.
    if (ownFile) addRecentFile(s.settings, path);
    return true;
}

bool openDocumentFile(State& s, const std::string& path) {
    s.platform.busyPointer();
    // The first half of the bar follows the reading; the window stays drawn.
    EventBreaks breaks(s.platform);
    std::int64_t step = 0;
    DocumentFileRead read = readDocumentFile(path, s.doc.holdAllRings, [&](double share) {
        showProgress(s.progress, ProgressPhase::Reading, static_cast<std::int64_t>(share * 1000), 1000);
        breaks.tickNow(++step);
    });
    s.platform.normalPointer();
    return acceptDocumentFile(s, path, std::move(read));
}

void openDocumentFileInBackground(State& s, const std::string& path, std::function<void(bool opened)> then) {
    if (s.work.running()) return;
    auto progress = std::make_shared<WorkProgress>();
    s.work = WorkUnderWay{std::string(kOpeningFile) + fileNameOf(path), progress};
    auto read = std::make_shared<DocumentFileRead>();
    s.platform.runInBackground(
        [read, progress, path, holdAll = s.doc.holdAllRings] {
            *read = readDocumentFile(path, holdAll, [&](double share) { progress->report(share); });
        },
        [&s, read, path, then = std::move(then)] {
            s.work = WorkUnderWay{};
            const bool opened = acceptDocumentFile(s, path, std::move(*read));
            if (then) then(opened);
        });
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
