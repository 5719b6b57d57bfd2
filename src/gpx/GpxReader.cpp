// Open GPX and GPX backgrounds: the points of a GPX file become a new
// document of one ring, or the background.
#include "gpx/GpxReader.h"

#include <new>

#include "editing/Redraw.h"
#include "editing/ViewCommands.h"
#include "document/Messages.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"

namespace tess {

namespace {

// The GPX file's text, or the message that refuses it.
bool readGpx(State& s, const std::string& path, std::string& text) {
    if (path.empty() || !fileExists(path)) {
        s.platform.message(std::string(kCannotFindGpx) + path);
        return false;
    }
    FileRead read = readFile(path);
    if (!read.ok()) {
        s.platform.message(unreadableFileMessage(path, read.error));
        return false;
    }
    text = std::move(read.text);
    return true;
}

bool importAsBackground(State& s, const std::string& path, const std::string& text) {
    std::vector<float> lon, lat;
    const GpxScan scan = forEachGpxPoint(text, [&](const GpxPointText& p) {
        lon.push_back(static_cast<float>(readDecimal(p.lon)));
        lat.push_back(static_cast<float>(readDecimal(p.lat)));
    });
    const std::string note = gpxScanMessage(path, scan);
    if (!note.empty()) s.platform.message(note);
    if (lon.empty()) {
        if (note.empty()) s.platform.message(kNoDataSave);
        return false;
    }
    setBackground(s, std::move(lon), std::move(lat));
    return true;
}

}  // namespace

bool openDocumentFile(State& s, const std::string& path) {
    if (namesGpxFile(path)) return importGpx(s, path, 0);
    if (!openPolyFile(s, path)) return false;
    redraw(s, true);
    return true;
}

bool importGpx(State& s, const std::string& path, int mode) {
    const bool asDocument = mode == 0;
    if (asDocument && s.doc.modified && s.platform.askYesNoCancel(kGpxChangesQuestion) != Answer::Yes)
        return false;
    std::string text;
    if (!readGpx(s, path, text)) return false;
    try {
        if (!asDocument) return importAsBackground(s, path, text);
        GpxImport import = gpxToPolyFile(fileNameOf(path), text);
        text = std::string();
        const std::string note = gpxScanMessage(path, import.scan);
        if (!note.empty()) s.platform.message(note);
        if (import.file.rings.empty()) {
            if (note.empty()) s.platform.message(kNoDataSave);
            return false;
        }
        // The document is not in a .poly file yet: it is unsaved, and its
        // name is only a proposal.
        replaceDocument(s, std::move(import.file), {gpxDocumentName(path), "", true});
        redraw(s, true);
    } catch (const std::bad_alloc&) {
        s.platform.message(unreadableFileMessage(path, kFileTooLarge));
        return false;
    }
    return true;
}

}  // namespace tess
