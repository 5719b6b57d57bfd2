// The batch commands. They run the window's own procedures on a State
// whose platform prints messages to standard error and answers every
// question No, so a batch run never replaces or loses anything unasked.
#include "app/Batch.h"

#include <iostream>

#include "app/BatchBoundaries.h"
#include "app/BatchTools.h"
#include "combine/Merge.h"
#include "formats/DocumentFormats.h"
#include "platform/ConsolePlatform.h"
#include "platform/Messages.h"
#include "platform/Version.h"
#include "session/Opening.h"
#include "session/Saving.h"

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
    "  or:  tessaline --combine IN... -o OUT [--title TITLE] [--union]\n"
    "  or:  tessaline --simplify METRES IN -o OUT [--ring N]\n"
    "  or:  tessaline --grow METRES IN -o OUT [--ring N] [--mitre]\n"
    "  or:  tessaline --check IN\n"
    "  or:  tessaline --list-boundaries IN.osm.pbf [--admin-level N]\n"
    "  or:  tessaline --convert IN.osm.pbf --relation ID... -o OUT [--partial]\n"
    "  or:  tessaline --union IN -o OUT\n"
    "  or:  tessaline --clip FILE IN -o OUT | --subtract FILE IN -o OUT\n"
    "  or:  tessaline --drop-holes KM2 IN -o OUT\n"
    "  or:  tessaline --split-at-180 IN -o OUT\n"
    "  or:  tessaline --render IN -o OUT.png [--ring N] [--size WxH] [--window]\n"
    "                 [--edit] [--background FILE] [--view W,S,E,N] [--proportional]\n"
    "                 [--map SOURCE] [--map-timeout SECONDS]\n"
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
    "                            which are named on standard error; OUT ending\n"
    "                            in .osm gets one OpenStreetMap multipolygon\n"
    "                            relation (OSM XML, negative ids)\n"
    "      --ring N              the ring to write as GPX (default 1)\n"
    "      --commit              rewrite every ring's coordinates in the form\n"
    "                            the editor writes after an edit\n"
    "      --relation ID         with OpenStreetMap data as IN (.osm.pbf, .osm,\n"
    "                            .osm.bz2, .osm.gz, .opl): assemble relation ID\n"
    "                            into outer rings, each followed by its holes,\n"
    "                            largest first; given again, more relations\n"
    "      --partial             write the rings that close of a relation whose\n"
    "                            member ways are missing or do not close, instead\n"
    "                            of exiting with status 1\n"
    "  --combine IN... -o OUT    join .poly files into one; rings keep their\n"
    "                            names and lines, numbers follow the new places\n"
    "                            and holes stay holes\n"
    "      --title TITLE         the title line of OUT (default Untitled)\n"
    "      --union               merge the rings where they overlap or touch,\n"
    "                            as --union does\n"
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
    "                            rings, vertices outside -180..180, -90..90;\n"
    "                            rings that cross the +-180 degree line;\n"
    "                            the first 1000 and how many more; exit\n"
    "                            status 1 when there is any. Then every\n"
    "                            ring's area in km2 and the document's total,\n"
    "                            holes taken out and overlaps counted once,\n"
    "                            on the WGS84 ellipsoid\n"
    "  --union IN -o OUT         merge the outer rings wherever they overlap or\n"
    "                            touch, into as few rings as possible, with\n"
    "                            the holes worked out again\n"
    "  --clip FILE IN -o OUT     keep only what lies inside the area of FILE\n"
    "  --subtract FILE IN -o OUT\n"
    "                            remove the area of FILE\n"
    "  --drop-holes KM2 IN -o OUT\n"
    "                            remove the holes smaller than KM2 square\n"
    "                            kilometres, and say how many went\n"
    "  --split-at-180 IN -o OUT  rewrite every ring that crosses the +-180\n"
    "                            degree line as rings on either side of it\n"
    "  --list-boundaries IN      list the relations of OpenStreetMap data tagged\n"
    "                            type=boundary or type=multipolygon, one a line:\n"
    "                            id, admin_level and name, separated by tabs\n"
    "      --admin-level N       only those whose admin_level is N\n"
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
    "      --map SOURCE          draw a map under the ring, in Web Mercator:\n"
    "                            an MBTiles file, a folder of {z}/{x}/{y}.png\n"
    "                            tiles, a tile URL with {z}, {x} and {y}, or osm\n"
    "      --map-timeout SECONDS wait at most this long for tiles (default 10),\n"
    "                            then draw what arrived and print how many\n"
    "                            tiles are missing\n"
    "  -h, --help                show this help and exit\n"
    "  -V, --version             show the version and exit\n"
    "\n"
    "OUT is replaced when it exists, unless it is read-only. It is written\n"
    "whole to a temporary file beside it and renamed over it, so a failed\n"
    "write keeps the old file.\n"
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

void wrote(const std::string& path, int rings) {
    std::cerr << "Wrote " << path << " (" << rings << " ring" << (rings == 1 ? "" : "s") << ")\n";
}

int runConvert(const CommandLine& c) {
    if (!c.relations.empty() || c.partial) return runConvertBoundaries(c);
    ConsolePlatform platform(std::cerr);
    State s(platform);
    if (!openDocumentFile(s, c.input())) return 1;
    const int ring = c.ring.value_or(1);
    if (!writeDocumentAs(s, c.input(), c.output, ring, c.commit)) return 1;
    const DocumentFormat* format = formatNamedBy(c.output);
    if (format && format->writesOneRing()) std::cerr << "Wrote " << c.output << " (ring " << ring << ")\n";
    else wrote(c.output, s.doc.ringCount());
    return 0;
}

int runCombine(const CommandLine& c) {
    ConsolePlatform platform(std::cerr);
    if (!combineFiles(platform, c.inputs, c.title.value_or("Untitled"), c.output, {}, c.mergeAreas)) return 1;
    std::cerr << "Wrote " << c.output << "\n";
    return 0;
}

}  // namespace

bool writeDocumentAs(State& s, const std::string& input, const std::string& output, int ring, bool commit) {
    const DocumentFormat* format = formatNamedBy(output);
    if (format && format != &polyFormat()) {
        if (ring > s.doc.ringCount()) {
            std::cerr << "tessaline: " << input << " has " << s.doc.ringCount() << " ring(s), no ring " << ring << "\n";
            return false;
        }
        return exportDocument(s.doc, s.platform, *format, output, ring - 1);
    }
    if (!(commit ? saveDocumentCommittedTo(s.doc, s.platform, output) : saveDocumentTo(s.doc, s.platform, output)))
        return false;
    if (!s.doc.saveNotice.empty()) std::cerr << s.doc.saveNotice << "\n";
    return true;
}

int runBatch(const CommandLine& c) {
    switch (c.verb) {
    case Verb::Help: std::cout << kUsage; return 0;
    case Verb::Version: std::cout << "tessaline " << kAppVersion << "\n" << kVersion; return 0;
    case Verb::Convert: return runConvert(c);
    case Verb::Combine: return runCombine(c);
    case Verb::Simplify:
    case Verb::Grow: return runSimplifyOrGrow(c);
    case Verb::Check: return runCheck(c);
    case Verb::ListBoundaries: return runListBoundaries(c);
    case Verb::Union:
    case Verb::Clip:
    case Verb::Subtract:
    case Verb::DropHoles:
    case Verb::SplitAt180: return runAreaTool(c);
    case Verb::Window:
    case Verb::Render: break;
    }
    return 2;
}

int runBatch(const std::vector<std::string>& args) {
    const CommandLineRead read = readCommandLine(args);
    if (!read.ok()) {
        std::cerr << "tessaline: " << read.error << "\n" << kTryHelp << "\n";
        return 2;
    }
    return runBatch(read.command);
}

}  // namespace tess
