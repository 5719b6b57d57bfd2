#include "tools/BoundaryImport.h"

#include "editing/Redraw.h"
#include "editing/ViewCommands.h"
#include "formats/DocumentFormats.h"
#include "osm/BoundaryDocument.h"
#include "osm/OsmImport.h"
#include "platform/Messages.h"
#include "session/Opening.h"
#include "shell/FileHelpers.h"

namespace tess {

namespace {

// How much closer than the ring's fit a problem's place is shown, as Check
// Document shows its places.
constexpr double kPlaceZoom = 8.0;

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

// One pass over the file under the progress window.
template <typename Pass>
auto underProgress(BoundaryChoices& choices, const char* caption, Pass pass) {
    choices.beginWork(caption);
    auto result = pass([&](std::uint64_t done, std::uint64_t total) { return choices.working(done, total); });
    choices.endWork();
    return result;
}

}  // namespace

void importOsmBoundaryCommand(State& s, BoundaryChoices& choices, const std::function<void()>& refresh) {
    if (s.doc.modified && !s.platform.askYesNo(kChangesNotSaved)) return;
    const std::string path =
        fileDialog(s.platform, false, {{kOsmFilesFilter, "*.osm.pbf *.pbf *.osm *.osm.bz2 *.osm.gz *.opl"}}, "",
                   documentFolder(s.doc));
    if (path.empty()) return;

    const BoundaryScan scan = underProgress(choices, kListingBoundaries, [&](const OsmProgress& progress) {
        return scanBoundaries(path, progress);
    });
    if (scan.cancelled) return;
    if (!scan.error.empty() || scan.boundaries.empty()) {
        s.platform.message(scan.boundaries.empty() && scan.error.empty() ? std::string(kNoBoundaries) : scan.error);
        return;
    }
    std::string unknown;
    const std::vector<Boundary> chosen = relationsWithIds(scan.boundaries, choices.choose(scan.boundaries), unknown);
    if (chosen.empty()) return;

    const BoundaryAssembly assembly = underProgress(choices, kAssemblingOutlines, [&](const OsmProgress& progress) {
        return assembleBoundaries(path, chosen, progress);
    });
    if (assembly.cancelled) return;
    if (!assembly.error.empty()) {
        s.platform.message(assembly.error);
        return;
    }
    const std::vector<std::string> incomplete = incompleteRelations(assembly.outlines);
    if (!incomplete.empty() && !s.platform.askYesNo(joinedLines(incomplete) + "\n\n" + kImportClosingRings)) return;
    BoundaryImport import = importOutlines(assembly.outlines, true);
    if (!import.ok()) {
        s.platform.message(import.error);
        return;
    }
    for (const std::string& note : import.notes) s.platform.message(note);
    replaceDocument(s, std::move(import.file), DocumentOrigin{polyNameFor(path), "", true});
    redraw(s, true);
    if (import.problems.empty()) return;
    refresh();
    choices.listProblems(import.problems, [&](const OutlinePlace& place) {
        centreViewOn(s, place.lon, place.lat, kPlaceZoom);
        s.edit.overlays.problem = {place.lon, place.lat, s.doc.loaded.index, s.doc.history.done.size()};
        refresh();
    });
}

}  // namespace tess
