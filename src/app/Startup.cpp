// The start-up sequence of the main window.
#include "app/Startup.h"

#include <algorithm>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/Settings.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "gpx/GpxReader.h"
#include "platform/Files.h"
#include "platform/WorkingFolder.h"

namespace tess {

std::string commandLinePath(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args) {
        if (!text.empty()) text += ' ';
        text += arg;
    }
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

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
    // A file that cannot be read leaves the window empty, after its message.
    // Opened as a file manager opens it, it is a recent file like any other.
    if (!commandLine.empty() && openDocumentFile(s, commandLine) && !namesGpxFile(commandLine))
        addRecentFile(s, commandLine);
    s.canvas.margin = kMargin;
}

WindowPosition centerWindow(int screenWidth, int screenHeight, int windowWidth,
                            int windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace tess
