// The File menu's commands.
#include "app/FileMenu.h"

#include <algorithm>
#include <cctype>

#include "document/Caption.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "document/Writer.h"
#include "editing/Editing.h"
#include "gpx/GpxReader.h"
#include "platform/Files.h"
#include "selection/Selection.h"
#include "shell/FileHelpers.h"
#include "view/Clearing.h"
#include "view/Plot.h"

namespace tess {

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Nothing the user made is lost without a Yes.
bool mayDropChanges(State& s) { return !s.doc.modified || s.platform.askYesNo(kChangesNotSaved); }

void newDocument(State& s) {
    const bool yes = s.doc.modified ? s.platform.askYesNo(kChangesNotSaved)
                                    : s.platform.askYesNo(kStartNewProject);
    if (!yes) return;
    clearmap(s);
    unloadpnts(s);
    s.doc.listCount = 0;
    s.doc.listIndex = -1;
    s.doc.lastPoint = 0;
    s.bk.bkPointCount = 0;
    s.edit.tool = 0;
    inv_MouseUp(s, 0);
    s.view.labels = {"0000", "0000", "0000", "0000"};
    s.doc.currentRing = -1;
    s.doc.fileName = kUntitled;
    s.doc.modified = false;
    cap(s, s.doc.fileName);
    s.edit.busy = false;
    s.edit.check1 = false;
    s.edit.editMode = false;
}

void openPolyFile(State& s) {
    if (!mayDropChanges(s)) return;
    const std::string path = fileDialog(s.platform, false, polyFilters(), "");
    if (isBadPolyName(path)) return;
    s.doc.currentRing = -1;
    s.doc.fileName = path;
    cap(s, s.doc.fileName);
    unloadpnts(s);
    if (!loadpoly(s, path, 0)) return;
    s.doc.modified = false;  // the changes were given up before the dialog
    s.doc.fileName = path;
    plot(s, true, 0);
    updatmf(s, path);
    cap(s, path);
}

void openGpx(State& s) {
    const std::string path = fileDialog(s.platform, false, gpxFilters(), "");
    if (isBadPolyName(path)) return;
    // A declined import keeps the document under its own name, so a later
    // save cannot write it over a file named after the GPX file.
    if (!loadgpx(s, path, 0)) return;
    std::string name = path;
    for (auto at = name.find(".gpx"); at != std::string::npos; at = name.find(".gpx", at + 5))
        name.replace(at, 4, ".poly");
    s.doc.fileName = name;
}

void saveSelection(State& s) {
    if (s.sel.selCount == 0) {
        s.platform.message(kNoSelectionFound);
        return;
    }
    if (s.sel.selState == 1) create_polygon(s);
    save_selection(s, false);
}

void openRecent(State& s, int position) {
    const std::string path = s.recent[static_cast<std::size_t>(position)].caption;
    if (!path.empty() && fileExists(path)) {
        if (!mayDropChanges(s)) return;
        s.doc.currentRing = -1;
        s.doc.fileName = path;
        if (loadpoly(s, path, 0)) s.doc.modified = false;
        plot(s, true, 0);
    }
    cap(s, s.doc.fileName);
}

}  // namespace

bool saveDocument(State& s, bool saveAs) {
    if (s.sel.selCount > 0) {
        s.platform.message(kSaveSelectionFirst);
        return false;
    }
    if (s.doc.lastPoint == 0) {
        s.platform.message(kNoDataSave);
        return false;
    }
    if (s.doc.fileName.empty()) s.doc.fileName = kUntitled;
    if (!s.doc.modified) saveAs = true;
    // A document that never had a file of its own would otherwise land in
    // whatever folder the program was started from.
    if (folderOf(s.doc.fileName).empty()) saveAs = true;

    std::string target = s.doc.fileName;
    if (saveAs) {
        target = fileDialog(s.platform, true, polyFilters(), kUntitled);
        if (isBadPolyName(target)) return false;
        if (!contains(lowerAscii(target), ".poly")) target += ".poly";
    }
    if (!contains(lowerAscii(target), "poly")) target += ".poly";
    if (saveAs && !confirmReplace(s.platform, target)) return false;

    s.doc.fileName = target;
    return savepoly(s, s.doc.fileName, s.doc.listIndex);
}

void mf_Click(State& s, int index) {
    switch (index) {
    case mf::New: newDocument(s); break;
    case mf::OpenPoly: openPolyFile(s); break;
    case mf::OpenGpx: openGpx(s); break;
    case mf::Save: saveDocument(s, false); break;
    case mf::SaveAs: saveDocument(s, true); break;
    case mf::SaveSelection: saveSelection(s); break;
    default:
        if (index >= mf::FirstRecent && index <= mf::LastRecent) openRecent(s, index - mf::FirstRecent);
        break;
    }
}

void updatmf(State& s, const std::string& path) {
    cap(s, path);
    auto& recent = s.recent;
    int found = -1;
    for (int k = 0; k < kRecentCount; ++k) {
        if (recent[static_cast<std::size_t>(k)].caption == path) {
            found = k;
            break;
        }
    }
    if (found != 0) {
        const int from = found > 0 ? found : kRecentCount - 1;
        for (int k = from; k > 0; --k)
            recent[static_cast<std::size_t>(k)].caption = recent[static_cast<std::size_t>(k - 1)].caption;
        recent[0].caption = path;
    }
    for (RecentEntry& entry : recent) entry.enabled = !entry.caption.empty() && fileExists(entry.caption);
}

void loadole(State& s, std::string& path) {
    // The file system tells case apart, so the path keeps its case; only
    // the extension test ignores it.
    if (path.size() < 5 || lowerAscii(path.substr(path.size() - 5)) != ".poly") return;
    if (path == s.doc.fileName) return;
    if (s.doc.modified && s.platform.askYesNo(kSaveChanges)) return;
    s.doc.fileName = path;
    cap(s, s.doc.fileName);
    clearmap(s);
    s.edit.check1 = false;
    s.edit.editMode = false;
    s.doc.currentRing = -1;
    s.edit.busy = true;
    if (loadpoly(s, path, 0)) s.doc.modified = false;
    cap(s, s.doc.fileName);
    s.edit.busy = false;
    plot(s, true, 0);
    s.edit.busy = false;
}

bool mayClose(State& s) {
    if (!s.doc.modified) return true;
    switch (s.platform.askYesNoCancel(kFileNotSaved)) {
    case Answer::Yes: return saveDocument(s, false);
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

}  // namespace tess
