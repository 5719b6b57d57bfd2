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

int runWindow(const char* program, const CommandLine& command) {
    // Qt sees the program's name alone: the command line is ours.
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(program), nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(kApplicationTitle);
    // Lets the desktop match the window to tessaline.desktop (its icon and
    // name in the task bar), which Wayland does by this name alone.
    QGuiApplication::setDesktopFileName("tessaline");
    QtPlatform platform;
    WindowStart start;
    start.placeOnScreen = true;
    start.exeDir = QCoreApplication::applicationDirPath().toStdString();
    if (!command.inputs.empty()) start.commandLine = command.input();
    QtMainWindow window(platform, start);
    window.show();
    return app.exec();
}

}  // namespace tess
