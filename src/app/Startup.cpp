// The start-up sequence of the main window.
#include "app/Startup.h"

#include <algorithm>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/Settings.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "formats/DocumentFormats.h"
#include "editing/Redraw.h"
#include "session/Opening.h"
#include "platform/Files.h"
#include "platform/WorkingFolder.h"

namespace tess {

void startup(State& s, const std::string& exeDir, const std::string& commandLine) {
    s.doc.loaded.index = -1;
    s.edit.editing = false;
    s.edit.editBoxChecked = false;
    s.doc.fileName.clear();

    s.progress.barWidth = 15;

    s.settings.exeDir = exeDir;
    s.settings.systemDir = chooseSystemDir(exeDir);
    if (fileExists(joinPath(s.settings.systemDir, kSettingsFileName))) readSettingsFile(s);
    loadPreferences(s);

    clearLeftovers(s.settings.systemDir);
    // A file that cannot be read leaves the window empty, after its
    // message. It is read away from the window, which shows at once.
    if (!commandLine.empty()) {
        openDocumentFileInBackground(s, commandLine, [&s](bool opened) {
            if (opened) redraw(s, true);
        });
    }
    s.canvas.margin = kMargin;
}

WindowPosition centerWindow(int screenWidth, int screenHeight, int windowWidth,
                            int windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace tess
