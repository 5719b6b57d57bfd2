// The batch commands. They run the window's own procedures on a State
// whose platform prints messages to standard error and answers every
// question No, so a batch run never replaces or loses anything unasked.
#include "app/Batch.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include "combine/Merge.h"
#include "document/Reader.h"
#include "document/Writer.h"
#include "gpx/GpxReader.h"
#include "gpx/GpxWriter.h"
#include "platform/ConsolePlatform.h"
#include "platform/Files.h"
#include "platform/WorkingFolder.h"

namespace tess {

namespace {

constexpr const char* kUsage =
    "Usage: tessaline [FILE.poly]\n"
    "       tessaline --convert IN -o OUT [--ring N] [--commit]\n"
    "       tessaline --combine IN... -o OUT [--title TITLE]\n"
    "       tessaline --render IN -o OUT.png [--ring N] [--size WxH] [--window] [--edit]\n"
    "                 [--background FILE]\n"
    "\n"
    "Edit polygon filter files (.poly). With no option, opens the editor,\n"
    "on FILE when one is named.\n"
    "\n"
    "  --convert IN -o OUT   read IN (.poly or .gpx) and write OUT (.poly, or a\n"
    "                        GPX route of one ring when OUT ends in .gpx)\n"
    "      --ring N          the ring to write as GPX (default 1)\n"
    "      --commit          rewrite every ring's coordinates in the editor's form\n"
    "  --combine IN... -o OUT  join .poly files into one, rings renumbered\n"
    "      --title TITLE     the title line of OUT (default Untitled)\n"
    "  --render IN -o OUT.png  draw what the canvas shows for IN\n"
    "      --ring N          the ring to draw (default 1)\n"
    "      --size WxH        the canvas size in pixels\n"
    "      --window          draw the whole main window\n"
    "      --edit            draw the ring in edit mode, with its handles\n"
    "      --background FILE show FILE (.poly or .gpx) behind the ring\n"
    "  -h, --help            show this help and exit\n"
    "  -V, --version         show the version and exit\n";

bool contains(std::string text, std::string_view part) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; });
    return text.find(part) != std::string::npos;
}

bool endsWithGpx(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; });
    return text.ends_with(".gpx");
}

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
                std::cerr << "tessaline: " << a << " needs a value\n";
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
            try {
                o.ring = std::stoi(*v);
            } catch (...) {
                o.ring = 0;
            }
            if (o.ring < 1) {
                std::cerr << "tessaline: --ring takes a ring number from 1\n";
                return std::nullopt;
            }
        } else if (a == "--commit") {
            o.commit = true;
        } else if (a.starts_with("-") && a.size() > 1) {
            std::cerr << "tessaline: unknown option " << a << "\n" << "Try 'tessaline --help'.\n";
            return std::nullopt;
        } else {
            o.inputs.push_back(a);
        }
    }
    if (o.inputs.empty() || o.output.empty()) {
        std::cerr << "tessaline: " << args[0] << " needs an input and -o OUTPUT\n"
                  << "Try 'tessaline --help'.\n";
        return std::nullopt;
    }
    return o;
}

void prepareFolders(State& s) {
    s.exeDir = executableDir();
    s.systemDir = chooseSystemDir(s.exeDir);
}

int runConvert(const std::vector<std::string>& args) {
    auto options = parseOptions(args);
    if (!options) return 2;
    if (options->inputs.size() != 1) {
        std::cerr << "tessaline: --convert takes one input\n";
        return 2;
    }
    const std::string& in = options->inputs.front();
    const std::string& out = options->output;

    ConsolePlatform platform(std::cerr);
    State s(platform);
    prepareFolders(s);

    if (contains(in, ".gpx")) {
        if (!fileExists(in)) {
            loadgpx(s, in, 0);  // reports the missing file in its own words
            return 1;
        }
        loadgpx(s, in, 0);
        if (s.doc.listCount == 0) return 1;
    } else if (!loadpoly(s, in, 0)) {
        return 1;
    }

    if (endsWithGpx(out)) {
        if (options->ring > s.doc.listCount) {
            std::cerr << "tessaline: " << in << " has " << s.doc.listCount << " ring(s), no ring "
                      << options->ring << "\n";
            return 1;
        }
        loaddt(s, options->ring - 1);
        return savegpx2(s, out) ? 0 : 1;
    }

    if (options->commit) {
        for (int k = 0; k < s.doc.listCount; ++k) {
            loaddt(s, k);
            savecurpoly(s, k);  // a ring with too few vertices stays as read
        }
        s.doc.modified = false;
    }
    if (!savepoly(s, out, std::max(s.doc.listIndex, 0))) return 1;
    std::cerr << "Wrote " << out << " (" << s.doc.listCount << " ring"
              << (s.doc.listCount == 1 ? "" : "s") << ")\n";
    return 0;
}

int runCombine(const std::vector<std::string>& args) {
    auto options = parseOptions(args);
    if (!options) return 2;
    ConsolePlatform platform(std::cerr);
    const std::string title = options->title.value_or("Untitled");
    if (!save_merge(platform, options->inputs, title, options->output)) return 1;
    std::cerr << "Wrote " << options->output << "\n";
    return 0;
}

}  // namespace

bool isBatchCommand(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    const std::string& verb = args.front();
    return verb == "--convert" || verb == "--combine" || verb == "--help" || verb == "-h" ||
           verb == "--version" || verb == "-V";
}

int runBatch(const std::vector<std::string>& args) {
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (verb == "--version" || verb == "-V") {
        std::cout << "tessaline " << kAppVersion << "\n";
        return 0;
    }
    if (verb == "--convert") return runConvert(args);
    return runCombine(args);
}

}  // namespace tess
