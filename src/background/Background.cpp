// The Background menu: add a background, cancel it, or bring back the
// last one.
#include "background/Background.h"

#include <algorithm>
#include <cstdint>

#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "formats/DocumentFormats.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"
#include "editing/HandlesInView.h"
#include "editing/Redraw.h"
#include "editing/ViewCommands.h"

namespace tess {

namespace {

bool showBackground(State& s, const std::string& path) {
    const bool shown = loadBackgroundFile(s, path);
    if (!shown) return false;
    handlesFollowView(s);
    redraw(s, false);
    return shown;
}

}  // namespace

void addBackground(State& s) {
    const std::string path = fileDialog(s.platform, false, readableFilters(), "", documentFolder(s.doc));
    if (isBadPolyName(path)) return;
    if (showBackground(s, path)) s.settings.lastBackground = path;
}

void cancelBackground(State& s) {
    if (s.background.lastIndex <= 0) return;
    s.background = Background();
    // The view goes back to the loaded ring. The document is not read
    // again, so nothing the user changed is touched and nothing needs asking.
    fitViewToRing(s);
    handlesFollowView(s);
    redraw(s, false);
}

void useLastBackground(State& s) {
    if (s.settings.lastBackground.empty() || !fileExists(s.settings.lastBackground)) {
        s.platform.message(kNoPreviousBackground);
        return;
    }
    showBackground(s, s.settings.lastBackground);
}


}  // namespace tess
