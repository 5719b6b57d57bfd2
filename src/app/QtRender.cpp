// --render IN -o OUT.png [--ring N] [--size WxH] [--window]
//          [--background FILE] [--view W,S,E,N] [--proportional] [--edit]
// Draws what the canvas shows for a file and ring, with no one at the
// screen: messages go to standard error and questions are answered No.
#include "app/QtRender.h"
#include "app/CommandLine.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QStatusBar>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <iostream>

#include "app/QtMainWindow.h"
#include "background/Background.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "editing/Editing.h"
#include "gpx/GpxReader.h"
#include "platform/Files.h"
#include "platform/ConsolePlatform.h"
#include "editing/Redraw.h"
#include "view/Progress.h"
#include "editing/QtCanvas.h"
#include "editing/ViewCommands.h"

namespace tess {

namespace {

struct RenderOptions {
    std::string input, output, background;
    int ring = 1;
    int width = 0, height = 0;  // canvas pixels; 0 keeps the design size
    bool window = false;
    bool edit = false;
    bool proportional = false;
    std::optional<std::array<double, 4>> view;  // west, south, east, north
};

const char* kUsage =
    "usage: tessaline --render IN -o OUT.png [--ring N] [--size WxH] [--window]\n"
    "                 [--background FILE] [--view W,S,E,N] [--proportional] [--edit]\n"
    "Try 'tessaline --help'.\n";

bool parseSize(const std::string& text, int& w, int& h) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    char* end = nullptr;
    const long pw = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + x) return false;
    const long ph = std::strtol(text.c_str() + x + 1, &end, 10);
    if (*end != '\0' || pw < 1 || ph < 1 || pw > 10000 || ph > 10000) return false;
    w = static_cast<int>(pw);
    h = static_cast<int>(ph);
    return true;
}

// "WEST,SOUTH,EAST,NORTH" in degrees, west below east, south below north.
bool parseBounds(const std::string& text, std::array<double, 4>& bounds) {
    std::size_t from = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t comma = k < 3 ? text.find(',', from) : text.size();
        if (comma == std::string::npos) return false;
        const std::string part = text.substr(from, comma - from);
        char* end = nullptr;
        bounds[k] = std::strtod(part.c_str(), &end);
        if (part.empty() || *end != '\0' || !std::isfinite(bounds[k]) || std::fabs(bounds[k]) > 1e6) return false;
        from = comma + 1;
    }
    return bounds[0] < bounds[2] && bounds[1] < bounds[3];
}

bool parse(const std::vector<std::string>& args, RenderOptions& o) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "-o") {
            if (!value(o.output)) return false;
        } else if (a == "--ring") {
            if (!value(v)) return false;
            const std::optional<int> ring = parseRingNumber(v);
            if (!ring) return false;
            o.ring = *ring;
        } else if (a == "--size") {
            if (!value(v) || !parseSize(v, o.width, o.height)) return false;
        } else if (a == "--background") {
            if (!value(o.background)) return false;
        } else if (a == "--window") {
            o.window = true;
        } else if (a == "--edit") {
            o.edit = true;
        } else if (a == "--proportional") {
            o.proportional = true;
        } else if (a == "--view") {
            std::array<double, 4> bounds{};
            if (!value(v) || !parseBounds(v, bounds)) return false;
            o.view = bounds;
        } else if (!a.empty() && a[0] == '-') {
            return false;
        } else if (o.input.empty()) {
            o.input = a;
        } else {
            return false;
        }
    }
    return !o.input.empty() && !o.output.empty();
}

// Counts what the console shows, so that a refused edit fails the run.
class WatchingPlatform : public ConsolePlatform {
public:
    using ConsolePlatform::ConsolePlatform;
    void message(std::string_view text) override {
        if (text == kTooManyNodes) tooManyNodes = true;
        ConsolePlatform::message(text);
    }
    bool tooManyNodes = false;
};

}  // namespace

int runRender(int argc, char** argv, const std::vector<std::string>& args) {
    RenderOptions o;
    if (!parse(args, o)) {
        std::cerr << kUsage;
        return 2;
    }
    // No display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WatchingPlatform platform(std::cerr);
    WindowStart start;
    start.exeDir = QCoreApplication::applicationDirPath().toStdString();
    start.center = false;
    QtMainWindow window(platform, start);
    State& s = window.state();
    // The picture depends on the command line alone, not on the
    // preferences of whoever runs it.
    s.view.keepProportions = o.proportional;
    if (o.width > 0) {
        // The canvas is as large as asked, even below the size at which the
        // window's controls have room.
        window.setMinimumSize(1, 1);
        const WindowLayout& l = window.layout();
        const int statusHeight = window.statusBar()->sizeHint().height();
        // Rounded up, so that the canvas is never a pixel short.
        auto pixelsFor = [](int twips) { return (twips + kTwipsPerPixel - 1) / kTwipsPerPixel; };
        window.resize(pixelsFor(o.width * kTwipsPerPixel + l.canvasLeft + 300),
                      pixelsFor(o.height * kTwipsPerPixel + l.canvasTop + 1000) + statusHeight);
    }
    if (o.window) {
        window.show();
        QApplication::processEvents();
    }
    window.windowResized();

    // A picture without the background asked for is no picture of it.
    if (!o.background.empty() && !loadBackgroundFile(s, o.background)) {
        std::cerr << "tessaline: cannot show the background " << o.background << "\n";
        return 1;
    }
    if (!openDocumentFile(s, o.input)) {
        std::cerr << "tessaline: cannot render " << o.input << "\n";
        return 1;
    }
    if (o.ring > 1) {
        if (o.ring > s.doc.ringCount()) {
            std::cerr << "tessaline: " << o.input << " has no ring " << o.ring << "\n";
            return 1;
        }
        chooseRing(s, o.ring - 1);
    }
    redraw(s, false);
    resetProgress(s.progress, s.platform);  // the loader's half bar would otherwise stay in the picture
    if (o.view) showBounds(s, (*o.view)[0], (*o.view)[1], (*o.view)[2], (*o.view)[3]);
    if (o.edit) {
        setEditMode(s, true);
        resetProgress(s.progress, s.platform);
    }
    window.syncFromState();
    QApplication::processEvents();

    const QImage picture = o.window ? window.grab().toImage() : window.canvas()->grab().toImage();
    // Written whole through a temporary file, like every file we write.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = picture.save(&buffer, "PNG");
    const std::string error = encoded ? writeWholeFile(o.output, std::string_view(png.constData(), static_cast<std::size_t>(png.size())))
                                      : std::string("cannot encode the picture");
    if (!error.empty()) {
        std::cerr << "tessaline: cannot write " << o.output << ": " << error << "\n";
        return 1;
    }
    return platform.tooManyNodes ? 1 : 0;
}

}  // namespace tess
