// The File menu's commands.
#include "app/FileMenu.h"

#include "document/Numbers.h"
#include "session/Opening.h"
#include "session/RecentFiles.h"
#include "session/Saving.h"
#include "editing/Editing.h"
#include "formats/DocumentFormats.h"
#include "platform/Files.h"
#include "selection/Selection.h"
#include "shell/FileHelpers.h"
#include "editing/Redraw.h"
#include "view/Transform.h"

namespace tess {

namespace {

// Nothing the user made is lost without a Yes.
bool mayDropChanges(State& s) { return !s.doc.modified || s.platform.askYesNo(kChangesNotSaved); }

// Opens the file as the document, reading it away from the window, and
// shows it once it is read.
void openAndShow(State& s, const std::string& path) {
    openDocumentFileInBackground(s, path, [&s](bool opened) {
        if (opened) redraw(s, true);
    });
}

}  // namespace

void newDocument(State& s) {
    const bool yes = s.doc.modified ? s.platform.askYesNo(kChangesNotSaved)
                                    : s.platform.askYesNo(kStartNewProject);
    if (!yes) return;
    // A new document comes in as every other does, with no background
    // and the pointer tool.
    s.background = Background();
    forgetBounds(s.view);
    PolyFile empty;
    empty.title = "Title";
    replaceDocument(s, std::move(empty), {kUntitled, "", false});
    redraw(s, true);
    s.edit.tool = Tool::Pointer;
    s.edit.toolIndicatorShown = false;
}

void chooseAndOpenPolyFile(State& s) {
    if (!mayDropChanges(s)) return;
    const std::string path = fileDialog(s.platform, false, polyFilters(), "", documentFolder(s.doc));
    if (isBadPolyName(path)) return;
    openAndShow(s, path);
}

void openPolyPath(State& s, const std::string& path) {
    if (mayDropChanges(s)) openAndShow(s, path);
}

void chooseAndImportGpx(State& s) {
    const std::string path = fileDialog(s.platform, false, {gpxFormat().filter()}, "", documentFolder(s.doc));
    if (isBadPolyName(path)) return;
    if (s.doc.modified && s.platform.askYesNoCancel(kGpxChangesQuestion) != Answer::Yes) return;
    openAndShow(s, path);
}

void saveSelectionCommand(State& s) {
    if (s.edit.outline.pointCount == 0) {
        s.platform.message(kNoSelectionFound);
        return;
    }
    if (s.edit.outline.state == OutlineState::Open) closeOutline(s);
    saveOutlineAsFile(s);
}

void openRecentFile(State& s, int position) {
    const std::string path = s.settings.recent[static_cast<std::size_t>(position)].path;
    if (path.empty() || !fileExists(path)) return;
    openPolyPath(s, path);
}

bool saveDocument(State& s, SaveMode mode) {
    if (s.edit.outline.pointCount > 0) {
        s.platform.message(kSaveSelectionFirst);
        return false;
    }
    if (s.doc.content.rings.empty()) {
        s.platform.message(kNoDataSave);
        return false;
    }
    std::string target = s.doc.fileName.empty() ? std::string(kUntitled) : s.doc.fileName;
    // An unchanged document is saved elsewhere, and one that never had a
    // folder would otherwise land wherever the program was started.
    if (!s.doc.modified || folderOf(target).empty()) mode = SaveMode::SaveAs;
    if (mode == SaveMode::SaveAs) {
        // The document's own name is proposed, in its own folder: an
        // imported file's is the .poly name beside it.
        target = fileDialog(s.platform, true, polyFilters(), fileNameOf(target), documentFolder(s.doc));
        if (isBadPolyName(target)) return false;
    }
    target = polyFileName(target);
    // Only the document's own file is replaced without a question, and
    // only while it may be written.
    const bool ownWritableFile = target == s.doc.ownFile && !isReadOnlyFile(target);
    if (!ownWritableFile && !confirmReplace(s.platform, target)) return false;
    if (!saveDocumentTo(s.doc, s.platform, target)) return false;
    addRecentFile(s.settings, target);
    return true;
}

void openDroppedFile(State& s, const std::string& path) {
    // Any kind of file the program reads, told by its name's ending in any
    // letter case; the path itself keeps its case, which the file system
    // tells apart.
    if (!formatNamedBy(path) || path == s.doc.fileName) return;
    if (s.doc.modified && s.platform.askYesNo(kSaveChanges)) return;
    openAndShow(s, path);
}

bool mayClose(State& s) {
    if (!s.doc.modified) return true;
    switch (s.platform.askYesNoCancel(kFileNotSaved)) {
    case Answer::Yes: return saveDocument(s, SaveMode::Save);
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

}  // namespace tess
