// The polygon tools from the command line. They run the same procedures
// as the Tools menu on a State whose platform writes messages to standard
// error and answers every question No.
#include "app/BatchTools.h"
#include "app/CommandLine.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <new>
#include <optional>

#include "session/Opening.h"
#include "session/Saving.h"
#include "geometry/Check.h"
#include "geometry/GeoJson.h"
#include "geometry/Geos.h"
#include "tools/RingTools.h"
#include "gpx/GpxReader.h"
#include "gpx/GpxWriter.h"
#include "platform/ConsolePlatform.h"

namespace tess {

namespace {

constexpr const char* kTryHelp = "Try 'tessaline --help'.\n";
// Problems --check prints; a count stands for the rest.
constexpr std::size_t kMostListed = 1000;

struct ToolOptions {
    std::string verb;
    double metres = 0;
    std::string input;
    std::string output;
    int ring = 0;  // 0: every ring
    Corners corners = Corners::Round;
};

int usageError(const std::string& text) {
    std::cerr << "tessaline: " << text << "\n" << kTryHelp;
    return 2;
}

std::optional<double> readMetres(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Parses the words after the verb; an exit status 2 after a message, or 0.
int parse(const std::vector<std::string>& args, ToolOptions& o) {
    o.verb = args.front();
    const bool takesMetres = o.verb == "--simplify" || o.verb == "--grow";
    std::size_t i = 1;
    if (takesMetres) {
        if (args.size() < 2) return usageError(o.verb + " needs a distance in metres");
        const std::optional<double> metres = readMetres(args[1]);
        if (!metres || (o.verb == "--simplify" && *metres < 0))
            return usageError(o.verb + " takes a distance in metres" + (o.verb == "--simplify" ? " from 0" : "") + ", not '" + args[1] + "'");
        o.metres = *metres;
        i = 2;
    }
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((a == "-o" || a == "--output") && hasValue) {
            o.output = args[++i];
        } else if (a == "--ring" && hasValue && o.verb != "--check") {
            const std::optional<int> ring = parseRingNumber(args[++i]);
            if (!ring) return usageError("--ring takes a ring number from 1");
            o.ring = *ring;
        } else if (a == "--mitre" && o.verb == "--grow") {
            o.corners = Corners::Mitre;
        } else if (a.starts_with("-") && a.size() > 1) {
            return usageError("unrecognized option '" + a + "'");
        } else if (o.input.empty()) {
            o.input = a;
        } else {
            return usageError(o.verb + " takes one input");
        }
    }
    if (o.input.empty()) return usageError(o.verb + " needs an input");
    if (o.verb != "--check" && o.output.empty()) return usageError(o.verb + " needs -o OUTPUT");
    return 0;
}

bool open(State& s, const std::string& path) {
    return namesGeoJsonFile(path) ? importGeoJson(s, path) : openDocumentFile(s, path);
}

bool write(State& s, const ToolOptions& o) {
    if (namesGeoJsonFile(o.output)) return exportGeoJson(s, o.output);
    if (namesGpxFile(o.output)) {
        const int ring = std::max(o.ring, 1);
        if (ring > s.doc.ringCount()) {
            std::cerr << "tessaline: " << o.input << " has " << s.doc.ringCount() << " ring(s), no ring " << ring << "\n";
            return false;
        }
        loadRing(s, ring - 1);
        return writeGpxRoute(s, o.output);
    }
    if (!saveDocumentTo(s.doc, s.platform, o.output)) return false;
    if (!s.doc.saveNotice.empty()) std::cerr << s.doc.saveNotice << "\n";
    return true;
}

std::int64_t vertexTotal(const std::vector<RingText>& rings) {
    std::int64_t n = 0;
    for (const RingText& r : rings) n += vertexCount(r);
    return n;
}

// Simplifies or grows the chosen ring, or every ring from the last to the
// first, so the numbers of the rings still to do stay put.
bool changeRings(State& s, const ToolOptions& o) {
    const int rings = s.doc.ringCount();
    if (o.ring > rings) {
        std::cerr << "tessaline: " << o.input << " has " << rings << " ring(s), no ring " << o.ring << "\n";
        return false;
    }
    const int first = o.ring ? o.ring - 1 : 0, last = o.ring ? o.ring - 1 : rings - 1;
    for (int k = last; k >= first; --k) {
        const RingChange change = o.verb == "--simplify" ? simplifyChange(s.doc.content.rings, k, o.metres)
                                                         : growChange(s.doc.content.rings, k, o.metres, o.corners);
        if (!applyRingChange(s, change)) return false;
    }
    return true;
}

int runChange(const ToolOptions& o) {
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!open(s, o.input)) return 1;
    const std::int64_t before = vertexTotal(s.doc.content.rings);
    try {
        if (!changeRings(s, o)) return 1;
    } catch (const GeosError& e) {
        std::cerr << kToolFailed << e.what() << "\n";
        return 1;
    }
    if (!write(s, o)) return 1;
    const int rings = s.doc.ringCount();
    std::cerr << "Wrote " << o.output << " (" << rings << " ring" << (rings == 1 ? "" : "s") << ", " << before << " vertices before, "
              << vertexTotal(s.doc.content.rings) << " after)\n";
    return 0;
}

int runCheck(const ToolOptions& o) {
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!open(s, o.input)) return 1;
    CheckReport report;
    try {
        report = checkDocument(s.doc.content.rings, kMostListed);
    } catch (const GeosError& e) {
        std::cerr << kCheckFailed << e.what() << "\n";
        return 1;
    }
    for (const Problem& p : report.problems) std::cout << describe(p) << "\n";
    if (const auto more = report.total - static_cast<std::int64_t>(report.problems.size())) std::cout << "and " << more << " more\n";
    std::cerr << o.input << ": " << report.total << (report.total == 1 ? " problem\n" : " problems\n");
    return report.total == 0 ? 0 : 1;
}

int runConvert(const ToolOptions& o) {
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!open(s, o.input) || !write(s, o)) return 1;
    const int rings = s.doc.ringCount();
    std::cerr << "Wrote " << o.output << " (" << rings << " ring" << (rings == 1 ? "" : "s") << ")\n";
    return 0;
}

}  // namespace

bool isToolCommand(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    const std::string& verb = args.front();
    if (verb == "--simplify" || verb == "--grow" || verb == "--check") return true;
    if (verb != "--convert") return false;
    for (std::size_t i = 1; i < args.size(); ++i)
        if (namesGeoJsonFile(args[i]) && args[i - 1] != "--title") return true;
    return false;
}

int runTool(const std::vector<std::string>& args) {
    ToolOptions o;
    if (const int status = parse(args, o)) return status;
    // Running out of memory, in GEOS or anywhere, ends the run with a
    // message rather than an abort.
    try {
        if (o.verb == "--check") return runCheck(o);
        if (o.verb == "--convert") return runConvert(o);
        return runChange(o);
    } catch (const std::bad_alloc&) {
        std::cerr << "tessaline: " << kNotEnoughMemory << "\n";
        return 1;
    }
}

}  // namespace tess
