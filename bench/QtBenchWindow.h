// A main window shown offscreen with the window's own platform, so that
// event pumps during a benchmark cost what they cost in the program, with
// one benchmark ring of `vertices` loaded.
#pragma once

#include <QApplication>

#include "BenchData.h"
#include "app/QtMainWindow.h"
#include "platform/QtPlatform.h"
#include "session/Opening.h"

namespace tess::bench {

struct LoadedWindow {
    QtPlatform platform;
    QtMainWindow window;
    explicit LoadedWindow(int vertices) : window(platform, WindowStart{scratchDir(), "", false}) {
        window.show();
        QApplication::processEvents();
        openDocumentFile(window.state(), polyFile(1, vertices));
        QApplication::processEvents();
    }
    State& state() { return window.state(); }
};

}  // namespace tess::bench
