// Starts the editor window: the command line is one optional path.
#include "app/QtApplication.h"

#include <QApplication>
#include <string>
#include <vector>

#include "app/QtMainWindow.h"
#include "app/Startup.h"
#include "platform/QtPlatform.h"
#include "platform/WorkingFolder.h"

namespace tess {

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    // Lets the desktop match the window to tessaline.desktop (its icon and
    // name in the task bar), which Wayland does by this name alone.
    QGuiApplication::setDesktopFileName("tessaline");
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    QtPlatform platform;
    WindowStart start;
    start.exeDir = QCoreApplication::applicationDirPath().toStdString();
    start.commandLine = commandLinePath(args);
    QtMainWindow window(platform, start);
    window.show();
    return app.exec();
}

}  // namespace tess
