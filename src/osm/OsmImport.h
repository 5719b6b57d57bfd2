// From chosen relations to a document, the same for the window, the batch
// commands and an OpenStreetMap file opened as a document: incomplete
// relations refuse the import unless the rings that close are wanted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/PolyText.h"
#include "osm/BoundaryAssembly.h"

namespace tess {

struct BoundaryImport {
    PolyFile file;
    std::string error;                  // nothing imported: the message
    std::vector<std::string> incomplete;  // imported in part: the relations that are incomplete
    std::vector<std::string> notes;       // imported, with this to tell (relations left out)
    std::vector<OutlinePlace> problems; // where the outlines are incomplete
    bool cancelled = false;
    bool ok() const { return error.empty() && !cancelled; }
};

// The relations of `found` with these ids, in the order given; an id that
// is not among them sets `error`.
std::vector<Boundary> relationsWithIds(const std::vector<Boundary>& found, const std::vector<std::int64_t>& ids,
                                       std::string& error);

// The outlines as a document. An incomplete relation refuses it, with one
// line for each, unless `partial`.
BoundaryImport importOutlines(const std::vector<BoundaryOutline>& outlines, bool partial);

// Lists the file, assembles the relations `ids` (every boundary of the
// file when there are none, which must then be exactly one) and makes the
// document; progress runs over the three passes.
BoundaryImport importBoundaries(const std::string& path, const std::vector<std::int64_t>& ids, bool partial,
                                const OsmProgress& progress = {});

}  // namespace tess
