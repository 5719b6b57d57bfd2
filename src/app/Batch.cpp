// The batch commands. They run the window's own procedures on a State
// whose platform prints messages to standard error and answers every
// question No, so a batch run never replaces or loses anything unasked.
#include "app/Batch.h"

#include "app/BatchTools.h"
#include "app/CommandLine.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include "combine/Merge.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "gpx/GpxReader.h"
#include "gpx/GpxWriter.h"
#include "platform/ConsolePlatform.h"
#include "platform/Files.h"

namespace tess {

namespace {

// The --help text. scripts/make-manpage.sh turns it into the manual page
// docs/tessaline.1, so its layout is kept regular: usage lines first, then
// paragraphs, and headings ending in ":" followed by entries that start two
// blanks in (six for the options of a command) with their text from the
// 28th column on.
constexpr const char* kUsage =
    "Usage: tessaline [FILE]\n"
    "  or:  tessaline --convert IN -o OUT [--ring N] [--commit]\n"
    "  or:  tessaline --combine IN... -o OUT [--title TITLE]\n"
    "  or:  tessaline --simplify METRES IN -o OUT [--ring N]\n"
    "  or:  tessaline --grow METRES IN -o OUT [--ring N] [--mitre]\n"
    "  or:  tessaline --check IN\n"
    "  or:  tessaline --render IN -o OUT.png [--ring N] [--size WxH] [--window]\n"
    "                 [--edit] [--background FILE] [--view W,S,E,N] [--proportional]\n"
    "  or:  tessaline --help | --version\n"
    "\n"
    "Tessaline is an editor for polygon filter files (.poly), the plain text\n"
    "files that cut map extracts out of larger data. With no option it opens\n"
    "the editor window, on FILE when one is named; the whole command line is\n"
    "taken as that one path, with double quotes removed. The commands below\n"
    "run the editor's own procedures without a window, so they need no display.\n"
    "\n"
    "Commands:\n"
    "  --convert IN -o OUT       read IN (.poly, GPX when its name ends in .gpx,\n"
    "                            GeoJSON when it ends in .geojson or .json) and\n"
    "                            write OUT: a .poly file, GeoJSON (one\n"
    "                            MultiPolygon Feature) when OUT ends in .geojson\n"
    "                            or .json, or a GPX 1.1 route of one ring when\n"
    "                            OUT ends in .gpx; a .poly file is written as\n"
    "                            read but for the repairs other tools need,\n"
    "                            which are named on standard error\n"
    "      --ring N              the ring to write as GPX (default 1)\n"
    "      --commit              rewrite every ring's coordinates in the form\n"
    "                            the editor writes after an edit\n"
    "  --combine IN... -o OUT    join .poly files into one; rings keep their\n"
    "                            names and lines, numbers follow the new places\n"
    "                            and holes stay holes\n"
    "      --title TITLE         the title line of OUT (default Untitled)\n"
    "  --simplify METRES IN -o OUT\n"
    "                            thin every ring: drop the vertices that lie\n"
    "                            within METRES on the ground of the line their\n"
    "                            neighbours draw, never letting a ring cross\n"
    "                            itself\n"
    "      --ring N              simplify ring N only\n"
    "  --grow METRES IN -o OUT   widen the area of every ring by METRES on the\n"
    "                            ground (holes get smaller); a negative\n"
    "                            distance shrinks it\n"
    "      --ring N              grow ring N only\n"
    "      --mitre               sharp corners instead of round ones\n"
    "  --check IN                list what makes IN doubtful, one problem a\n"
    "                            line with its ring and vertex numbers: rings\n"
    "                            that cross themselves, repeated vertices, open\n"
    "                            rings, rings of fewer than three vertices, holes\n"
    "                            outside every outer ring, overlapping outer\n"
    "                            rings; exit status 1 when there is any\n"
    "  --render IN -o OUT.png    draw what the canvas shows for IN (.poly or\n"
    "                            .gpx) into a PNG image\n"
    "      --ring N              the ring to draw (default 1)\n"
    "      --size WxH            the canvas size in pixels\n"
    "      --window              draw the whole main window, not only the canvas\n"
    "      --edit                draw the ring in edit mode, with the handles of\n"
    "                            the vertices in view\n"
    "      --background FILE     show FILE (.poly or .gpx) behind the ring\n"
    "      --view W,S,E,N        show these bounds (degrees west, south, east,\n"
    "                            north) instead of the ring's fit\n"
    "      --proportional        show a degree of longitude as wide as it is on\n"
    "                            the ground\n"
    "  -h, --help                show this help and exit\n"
    "  -V, --version             show the version and exit\n"
    "\n"
    "OUT is replaced when it exists. It is written whole to a temporary file\n"
    "beside it and renamed over it, so a failed write keeps the old file.\n"
    "Any question the editor would ask on the way is answered No.\n"
    "\n"
    "Exit status:\n"
    "  0                         success\n"
    "  1                         a file could not be read or written, or\n"
    "                            --check found a problem\n"
    "  2                         the command line was wrong\n"
    "\n"
    "Files:\n"
    "  system/tessaline.dat      recent files, combine title and last\n"
    "                            background, in the folder system beside the\n"
    "                            program when it can be written, else in\n"
    "                            $XDG_DATA_HOME/tessaline (by default\n"
    "                            ~/.local/share/tessaline)\n"
    "  system/tessaline.ini      preferences (Keep Proportions), beside it\n"
    "  share/tessaline/help/tessaline-help.html\n"
    "                            the help page the Help menu opens, beside the\n"
    "                            program's bin folder\n"
    "\n"
    "Home page: <https://tessaline.example.org/>\n";

constexpr const char* kVersion =
    "Copyright (C) 2026 the Tessaline developers.\n"
    "Free to use and share. There is NO WARRANTY, to the extent permitted by law.\n";

constexpr const char* kTryHelp = "Try 'tessaline --help'.\n";

struct Options {
    std::vector<std::string> inputs;
    std::string output;
    std::optional<std::string> title;
    int ring = 1;
    bool commit = false;
};

// Parses the options shared by the verbs; nullopt after a message.
std::optional<Options> parseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                std::cerr << "tessaline: " << a << " needs a value\n" << kTryHelp;
                return std::nullopt;
            }
            return args[++i];
        };
        if (a == "-o" || a == "--output") {
            auto v = value();
            if (!v) return std::nullopt;
            o.output = *v;
        } else if (a == "--title") {
            auto v = value();
            if (!v) return std::nullopt;
            o.title = *v;
        } else if (a == "--ring") {
            auto v = value();
            if (!v) return std::nullopt;
            const std::optional<int> ring = parseRingNumber(*v);
            if (!ring) {
                std::cerr << "tessaline: --ring takes a ring number from 1\n" << kTryHelp;
                return std::nullopt;
            }
            o.ring = *ring;
        } else if (a == "--commit") {
            o.commit = true;
        } else if (a.starts_with("-") && a.size() > 1) {
            std::cerr << "tessaline: unrecognized option '" << a << "'\n" << kTryHelp;
            return std::nullopt;
        } else {
            o.inputs.push_back(a);
        }
    }
    if (o.inputs.empty() || o.output.empty()) {
        std::cerr << "tessaline: " << args[0] << " needs an input and -o OUTPUT\n"
                  << kTryHelp;
        return std::nullopt;
    }
    return o;
}

int runConvert(const std::vector<std::string>& args) {
    auto options = parseOptions(args);
    if (!options) return 2;
    if (options->inputs.size() != 1) {
        std::cerr << "tessaline: --convert takes one input\n" << kTryHelp;
        return 2;
    }
    const std::string& in = options->inputs.front();
    const std::string& out = options->output;

    ConsolePlatform platform(std::cerr);
    State s(platform);

    if (!openDocumentFile(s, in)) return 1;
    const int rings = s.doc.ringCount();

    if (namesGpxFile(out)) {
        if (options->ring > rings) {
            std::cerr << "tessaline: " << in << " has " << rings << " ring(s), no ring " << options->ring << "\n";
            return 1;
        }
        loadRing(s, options->ring - 1);
        return writeGpxRoute(s, out) ? 0 : 1;
    }

    if (!(options->commit ? saveDocumentCommittedTo(s.doc, s.platform, out) : saveDocumentTo(s.doc, s.platform, out))) return 1;
    if (!s.doc.saveNotice.empty()) std::cerr << s.doc.saveNotice << "\n";
    std::cerr << "Wrote " << out << " (" << rings << " ring" << (rings == 1 ? "" : "s") << ")\n";
    return 0;
}

int runCombine(const std::vector<std::string>& args) {
    auto options = parseOptions(args);
    if (!options) return 2;
    ConsolePlatform platform(std::cerr);
    const std::string title = options->title.value_or("Untitled");
    if (!combineFiles(platform, options->inputs, title, options->output)) return 1;
    std::cerr << "Wrote " << options->output << "\n";
    return 0;
}

}  // namespace

bool isBatchCommand(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    // Anything that looks like an option is ours to answer, so a mistyped
    // option is reported instead of being opened as a file name; "--" and a
    // lone "-" stay paths for the editor.
    const std::string& first = args.front();
    return first.size() > 1 && first[0] == '-' && first != "--";
}

int runBatch(const std::vector<std::string>& args) {
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (verb == "--version" || verb == "-V") {
        std::cout << "tessaline " << kAppVersion << "\n" << kVersion;
        return 0;
    }
    if (isToolCommand(args)) return runTool(args);
    if (verb == "--convert") return runConvert(args);
    if (verb == "--combine") return runCombine(args);
    std::cerr << "tessaline: unrecognized option '" << verb << "'\n" << kTryHelp;
    return 2;
}

}  // namespace tess
