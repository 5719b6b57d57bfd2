// The start-up sequence of the main window.
#include "app/Startup.h"

#include <algorithm>
#include <filesystem>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/Settings.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "formats/DocumentFormats.h"
#include "editing/Redraw.h"
#include "session/Opening.h"
#include "platform/Files.h"
#include "platform/StartTimes.h"
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
        // A name given from a shell is taken in the shell's folder, which is
        // where Save As then proposes it.
        std::error_code ec;
        const std::filesystem::path given(commandLine);
        const std::string path = given.is_absolute() ? commandLine : std::filesystem::absolute(given, ec).lexically_normal().string();
        openDocumentFileInBackground(s, ec ? commandLine : path, [&s](bool opened) {
            reportStartStep("read");
            if (opened) redraw(s, true);
            reportStartStep("drawn");
        });
    }
    s.canvas.margin = kMargin;
}

WindowPosition centerWindow(int screenWidth, int screenHeight, int windowWidth,
                            int windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

WindowPlace openingPlace(const WindowPlace& area, const WindowPlace& remembered, int minWidth, int minHeight) {
    // Enough of the title bar to take hold of, after a screen went away or
    // shrank.
    constexpr int kGrip = 100;
    const WindowPlace& r = remembered;
    const bool grippable = r.width > 0 && r.left + r.width >= area.left + kGrip && r.left <= area.left + area.width - kGrip &&
                           r.top >= area.top && r.top <= area.top + area.height - kGrip / 2;
    if (grippable) return {r.left, r.top, std::min(r.width, area.width), std::min(r.height, area.height)};
    const int width = std::max(minWidth, area.width * 7 / 10), height = std::max(minHeight, area.height * 7 / 10);
    const WindowPosition at = centerWindow(area.width, area.height, width, height);
    return {area.left + std::max(0, at.left), area.top + std::max(0, at.top), width, height};
}

}  // namespace tess
