// --render: draws what the canvas shows for a file and ring, with no one at
// the screen: messages go to standard error and questions are answered No.
#include "app/QtRender.h"
#include "app/CommandLine.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QStatusBar>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <iostream>

#include "app/QtMainWindow.h"
#include "app/QtMapMenu.h"
#include "background/Background.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "editing/Editing.h"
#include "session/Opening.h"
#include "platform/Files.h"
#include "platform/ConsolePlatform.h"
#include "editing/Redraw.h"
#include "view/Progress.h"
#include "editing/QtCanvas.h"
#include "editing/ViewCommands.h"

namespace tess {

namespace {

// Counts what the console shows, so that a refused edit fails the run.
class WatchingPlatform : public ConsolePlatform {
public:
    using ConsolePlatform::ConsolePlatform;
    void message(std::string_view text) override {
        if (text.starts_with(kTooManyNodes)) tooManyNodes = true;
        ConsolePlatform::message(text);
    }
    bool tooManyNodes = false;
};

}  // namespace

int runRender(const char* program, const CommandLine& o) {
    // No display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees the program's name alone: the command line is ours.
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(program), nullptr};
    QApplication app(qtArgc, qtArgv);
    WatchingPlatform platform(std::cerr);
    WindowStart start;
    start.exeDir = QCoreApplication::applicationDirPath().toStdString();
    start.center = false;
    start.restoreMap = false;
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
    // A map asked for that cannot be opened at all makes no picture.
    if (!o.map.empty()) {
        const auto source = sourceFromArgument(o.map, QFileInfo(QString::fromStdString(o.map)).isDir());
        if (!source || !window.mapControl()->show(*source, false)) return 1;
    }

    // A picture without the background asked for is no picture of it.
    if (!o.background.empty() && !loadBackgroundFile(s, o.background)) {
        std::cerr << "tessaline: cannot show the background " << o.background << "\n";
        return 1;
    }
    if (!openDocumentFile(s, o.input())) {
        std::cerr << "tessaline: cannot render " << o.input() << "\n";
        return 1;
    }
    const int ring = o.ring.value_or(1);
    if (ring > 1) {
        if (ring > s.doc.ringCount()) {
            std::cerr << "tessaline: " << o.input() << " has no ring " << ring << "\n";
            return 1;
        }
        chooseRing(s, ring - 1);
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
    if (!o.map.empty()) {
        // What arrived in time is drawn; the rest is counted.
        const int missing = window.mapControl()->waitForTiles(static_cast<int>(o.mapTimeout * 1000));
        if (missing > 0) {
            const QtTileLayer* layer = window.mapControl()->layer();
            const std::string reason = layer->missing() > 0 ? layer->missingReason().toStdString() : kMapTileNoAnswer;
            std::cerr << "tessaline: " << mapTilesMissingMessage(missing, reason) << "\n";
        }
    }

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
