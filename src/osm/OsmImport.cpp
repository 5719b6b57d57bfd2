#include "osm/OsmImport.h"

#include <algorithm>

#include "osm/BoundaryDocument.h"
#include "platform/Messages.h"

namespace tess {

namespace {

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

std::vector<Boundary> relationsWithIds(const std::vector<Boundary>& found, const std::vector<std::int64_t>& ids,
                                       std::string& error) {
    std::vector<Boundary> chosen;
    for (std::int64_t id : ids) {
        const auto at = std::find_if(found.begin(), found.end(), [&](const Boundary& b) { return b.id == id; });
        if (at == found.end()) {
            error = relationNotFoundMessage(id);
            return {};
        }
        chosen.push_back(*at);
    }
    return chosen;
}

BoundaryImport importOutlines(const std::vector<BoundaryOutline>& outlines, bool partial) {
    BoundaryImport result;
    const std::vector<std::string> incomplete = incompleteRelations(outlines);
    if (!incomplete.empty() && !partial) {
        result.error = joinedLines(incomplete);
        return result;
    }
    BoundaryDocument document = outlineDocument(outlines);
    if (!document.ok()) {
        result.error = incomplete.empty() ? document.error : joinedLines(incomplete) + "\n" + document.error;
        return result;
    }
    result.file = std::move(document.file);
    result.incomplete = incomplete;
    result.notes = nestedRelations(outlines);
    result.problems = problemPlaces(outlines);
    return result;
}

BoundaryImport importBoundaries(const std::string& path, const std::vector<std::int64_t>& ids, bool partial,
                                const OsmProgress& progress) {
    BoundaryImport result;
    // Listing is one pass of three.
    const OsmProgress listing = [&](std::uint64_t done, std::uint64_t total) {
        return !progress || progress(done, 3 * total);
    };
    const OsmProgress assembling = [&](std::uint64_t done, std::uint64_t total) {
        return !progress || progress(total / 2 + done, total / 2 * 3);
    };
    const BoundaryScan scan = scanBoundaries(path, listing);
    result.cancelled = scan.cancelled;
    result.error = scan.error;
    if (!scan.ok()) return result;
    std::vector<Boundary> chosen;
    if (!ids.empty()) chosen = relationsWithIds(scan.boundaries, ids, result.error);
    else if (scan.boundaries.size() == 1) chosen = scan.boundaries;
    else result.error = scan.boundaries.empty() ? std::string(kNoBoundaries) : chooseRelationsMessage(scan.boundaries.size());
    if (!result.error.empty()) return result;

    const BoundaryAssembly assembly = assembleBoundaries(path, chosen, assembling);
    result.cancelled = assembly.cancelled;
    result.error = assembly.error;
    if (!assembly.ok()) return result;
    return importOutlines(assembly.outlines, partial);
}

}  // namespace tess
