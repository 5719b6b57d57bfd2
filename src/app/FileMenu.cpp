// The File menu's commands.
#include "app/FileMenu.h"

#include "state/Caption.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/Editing.h"
#include "gpx/GpxReader.h"
#include "platform/Files.h"
#include "selection/Selection.h"
#include "shell/FileHelpers.h"
#include "view/Clearing.h"
#include "view/Plot.h"

namespace tess {

namespace {

// Nothing the user made is lost without a Yes.
bool mayDropChanges(State& s) { return !s.doc.modified || s.platform.askYesNo(kChangesNotSaved); }

void newDocument(State& s) {
    const bool yes = s.doc.modified ? s.platform.askYesNo(kChangesNotSaved)
                                    : s.platform.askYesNo(kStartNewProject);
    if (!yes) return;
    clearForNewDocument(s);
    s.doc = Document();
    s.doc.fileName = kUntitled;
    startHistory(s, false);
    s.background = Background();
    s.edit.tool = 0;
    releaseToolButton(s, 0);
    forgetBounds(s.view);
    updateCaption(s, s.doc.fileName);
    s.edit.busy = false;
}

void openPolyFileFromDialog(State& s) {
    if (!mayDropChanges(s)) return;
    const std::string path = fileDialog(s.platform, false, polyFilters(), "", documentFolder(s));
    if (isBadPolyName(path)) return;
    if (openPolyFile(s, path)) addRecentFile(s, path);
}

}  // namespace

bool openPolyPath(State& s, const std::string& path) {
    if (!mayDropChanges(s) || !openPolyFile(s, path)) return false;
    addRecentFile(s, path);
    return true;
}

namespace {

void openGpx(State& s) {
    const std::string path = fileDialog(s.platform, false, gpxFilters(), "", documentFolder(s));
    if (isBadPolyName(path)) return;
    importGpx(s, path, 0);
}

void saveSelection(State& s) {
    if (s.outline.pointCount == 0) {
        s.platform.message(kNoSelectionFound);
        return;
    }
    if (s.outline.state == 1) closeOutline(s);
    saveOutline(s, false);
}

void openRecent(State& s, int position) {
    const std::string path = s.recent[static_cast<std::size_t>(position)].caption;
    if (path.empty() || !fileExists(path)) return;
    openPolyPath(s, path);
}


}  // namespace

bool saveDocument(State& s, bool saveAs) {
    if (s.outline.pointCount > 0) {
        s.platform.message(kSaveSelectionFirst);
        return false;
    }
    if (s.doc.rings.empty()) {
        s.platform.message(kNoDataSave);
        return false;
    }
    std::string target = s.doc.fileName.empty() ? std::string(kUntitled) : s.doc.fileName;
    // An unchanged document is saved elsewhere, and one that never had a
    // folder would otherwise land wherever the program was started.
    if (!s.doc.modified || folderOf(target).empty()) saveAs = true;
    if (saveAs) {
        // The document's own name is proposed, in its own folder.
        const std::string own = s.doc.ownFile.empty() ? std::string() : fileNameOf(s.doc.ownFile);
        target = fileDialog(s.platform, true, polyFilters(), own.empty() ? std::string(kUntitled) : own, documentFolder(s));
        if (isBadPolyName(target)) return false;
    }
    target = polyFileName(target);
    // Only the document's own file is replaced without a question.
    if (target != s.doc.ownFile && !confirmReplace(s.platform, target)) return false;
    if (!saveDocumentTo(s, target)) return false;
    addRecentFile(s, target);
    return true;
}

void mf_Click(State& s, int index) {
    switch (index) {
    case mf::New: newDocument(s); break;
    case mf::OpenPoly: openPolyFileFromDialog(s); break;
    case mf::OpenGpx: openGpx(s); break;
    case mf::Save: saveDocument(s, false); break;
    case mf::SaveAs: saveDocument(s, true); break;
    case mf::SaveSelection: saveSelection(s); break;
    default:
        if (index >= mf::FirstRecent && index <= mf::LastRecent) openRecent(s, index - mf::FirstRecent);
        break;
    }
}

void addRecentFile(State& s, const std::string& path) {
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

void openDroppedFile(State& s, const std::string& path) {
    // The file system tells case apart, so the path keeps its case; only
    // the extension test ignores it.
    if (!lowerAscii(path).ends_with(".poly") || path == s.doc.fileName) return;
    if (s.doc.modified && s.platform.askYesNo(kSaveChanges)) return;
    if (openPolyFile(s, path)) addRecentFile(s, path);
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
