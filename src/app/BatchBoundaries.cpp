#include "app/BatchBoundaries.h"

#include <iostream>

#include "app/Batch.h"
#include "formats/DocumentFormats.h"
#include "osm/Boundaries.h"
#include "osm/OsmImport.h"
#include "platform/ConsolePlatform.h"
#include "session/Opening.h"

namespace tess {

namespace {

// A name on one line of its own: tabs and line breaks become blanks.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
}

}  // namespace

int runListBoundaries(const CommandLine& c) {
    const BoundaryScan scan = scanBoundaries(c.input());
    if (!scan.ok()) {
        std::cerr << scan.error << "\n";
        return 1;
    }
    const std::vector<Boundary> listed = c.adminLevel.empty() ? scan.boundaries : atAdminLevel(scan.boundaries, c.adminLevel);
    for (const Boundary& b : listed) std::cout << b.id << '\t' << oneLine(b.adminLevel) << '\t' << oneLine(b.name) << '\n';
    return 0;
}

int runConvertBoundaries(const CommandLine& c) {
    ConsolePlatform platform(std::cerr);
    const BoundaryImport import = importBoundaries(c.input(), c.relations, c.partial);
    if (!import.ok()) {
        platform.message(import.error);
        return 1;
    }
    for (const std::string& line : import.incomplete) platform.message(line);
    for (const std::string& note : import.notes) platform.message(note);
    for (const OutlinePlace& place : import.problems) platform.message(place.text);
    State s(platform);
    replaceDocument(s, import.file, DocumentOrigin{polyNameFor(c.input()), "", true});
    if (!writeDocumentAs(s, c.input(), c.output, 1, false)) return 1;
    std::cerr << "Wrote " << c.output << " (" << s.doc.ringCount() << " ring" << (s.doc.ringCount() == 1 ? "" : "s") << ")\n";
    return 0;
}

}  // namespace tess
