// The polygon tools from the command line. They run the same procedures
// as the Tools menu on a State whose platform writes messages to standard
// error and answers every question No.
#include "app/BatchTools.h"

#include <iostream>
#include <new>

#include "app/Batch.h"
#include "geometry/Antimeridian.h"
#include "geometry/Check.h"
#include "geometry/Geos.h"
#include "platform/ConsolePlatform.h"
#include "platform/Messages.h"
#include "session/Opening.h"
#include "tools/AreaTools.h"
#include "tools/RingTools.h"

namespace tess {

namespace {

// Problems --check prints; a count stands for the rest.
constexpr std::size_t kMostListed = 1000;

std::int64_t vertexTotal(const std::vector<RingText>& rings) {
    std::int64_t n = 0;
    for (const RingText& r : rings) n += vertexCount(r);
    return n;
}

// Simplifies or grows the chosen ring, or every ring from the last to the
// first, so the numbers of the rings still to do stay put.
bool changeRings(State& s, const CommandLine& c) {
    const int rings = s.doc.ringCount();
    const int ring = c.ring.value_or(0);
    if (ring > rings) {
        std::cerr << "tessaline: " << c.input() << " has " << rings << " ring(s), no ring " << ring << "\n";
        return false;
    }
    const Corners corners = c.mitre ? Corners::Mitre : Corners::Round;
    const int first = ring ? ring - 1 : 0, last = ring ? ring - 1 : rings - 1;
    for (int k = last; k >= first; --k) {
        const RingChange change = c.verb == Verb::Simplify ? simplifyChange(s.doc.content.rings, k, c.metres)
                                                           : growChange(s.doc.content.rings, k, c.metres, corners);
        if (!applyRingChange(s, change)) return false;
    }
    return true;
}

int runChange(const CommandLine& c) {
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!openDocumentFile(s, c.input())) return 1;
    const std::int64_t before = vertexTotal(s.doc.content.rings);
    try {
        if (!changeRings(s, c)) return 1;
    } catch (const GeosError& e) {
        std::cerr << kToolFailed << e.what() << "\n";
        return 1;
    }
    if (!writeDocumentAs(s, c.input(), c.output, c.ring.value_or(1), false)) return 1;
    const int rings = s.doc.ringCount();
    std::cerr << "Wrote " << c.output << " (" << rings << " ring" << (rings == 1 ? "" : "s") << ", " << before << " vertices before, "
              << vertexTotal(s.doc.content.rings) << " after)\n";
    return 0;
}

int check(const CommandLine& c) {
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!openDocumentFile(s, c.input())) return 1;
    CheckReport report;
    try {
        report = checkDocument(s.doc.content.rings, kMostListed);
    } catch (const GeosError& e) {
        std::cerr << kCheckFailed << e.what() << "\n";
        return 1;
    }
    for (const Problem& p : report.problems) std::cout << describe(p) << "\n";
    if (const auto more = report.total - static_cast<std::int64_t>(report.problems.size())) std::cout << "and " << more << " more\n";
    try {
        for (const std::string& line : areaLines(s.doc.content.rings)) std::cout << line << "\n";
    } catch (const GeosError& e) {
        std::cerr << kCheckFailed << e.what() << "\n";
        return 1;
    }
    std::cerr << c.input() << ": " << report.total << (report.total == 1 ? " problem\n" : " problems\n");
    return report.total == 0 ? 0 : 1;
}

bool changeArea(State& s, const CommandLine& c) {
    switch (c.verb) {
    case Verb::Union: return applyAreaTool(s, AreaTool::Union);
    case Verb::Clip: return applyAreaTool(s, AreaTool::Clip, c.areaFile);
    case Verb::Subtract: return applyAreaTool(s, AreaTool::Subtract, c.areaFile);
    case Verb::DropHoles:
        if (const std::optional<int> removed = removeHolesSmallerThan(s, c.squareKilometres)) {
            std::cerr << holesRemovedText(*removed) << "\n";
            return true;
        }
        return false;
    case Verb::SplitAt180:
        // A document with no ring across the line is written as it is.
        if (!anyCrossesAntimeridian(s.doc.content.rings)) return true;
        return splitRingsAtAntimeridian(s);
    default: return false;
    }
}

int runAreaChange(const CommandLine& c) {
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!openDocumentFile(s, c.input())) return 1;
    const std::int64_t before = vertexTotal(s.doc.content.rings);
    if (!changeArea(s, c)) return 1;
    if (!writeDocumentAs(s, c.input(), c.output, 1, false)) return 1;
    const int rings = s.doc.ringCount();
    std::cerr << "Wrote " << c.output << " (" << rings << " ring" << (rings == 1 ? "" : "s") << ", " << before << " vertices before, "
              << vertexTotal(s.doc.content.rings) << " after)\n";
    return 0;
}

// Running out of memory, in GEOS or anywhere, ends the run with a message
// rather than an abort.
template <class Run>
int withinMemory(Run run) {
    try {
        return run();
    } catch (const std::bad_alloc&) {
        std::cerr << "tessaline: " << kNotEnoughMemory << "\n";
        return 1;
    }
}

}  // namespace

int runSimplifyOrGrow(const CommandLine& c) { return withinMemory([&] { return runChange(c); }); }
int runCheck(const CommandLine& c) { return withinMemory([&] { return check(c); }); }
int runAreaTool(const CommandLine& c) { return withinMemory([&] { return runAreaChange(c); }); }

}  // namespace tess
