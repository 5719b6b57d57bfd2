#include "tools/ImportExport.h"

#include "editing/Redraw.h"
#include "formats/DocumentFormats.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "shell/FileHelpers.h"

namespace tess {

namespace {

// The document's file name with another ending, as an export proposes it.
std::string proposedName(const OpenDocument& d, const DocumentFormat& format) {
    std::string name = fileNameOf(d.fileName.empty() ? std::string(kUntitled) : d.fileName);
    if (lowerAscii(name).ends_with(".poly")) name.resize(name.size() - 5);
    return name + format.endings().front();
}

// The save dialog for an export, its ending added when it has none, and
// the question before an existing file is replaced; empty when cancelled.
std::string exportPath(State& s, const DocumentFormat& format) {
    std::string path = fileDialog(s.platform, true, {format.filter()}, proposedName(s.doc, format), documentFolder(s.doc));
    if (path.empty()) return {};
    if (!format.namesFile(path)) path += format.endings().front();
    return confirmReplace(s.platform, path) ? path : std::string();
}

}  // namespace

void importGeoJsonCommand(State& s) {
    if (s.doc.modified && !s.platform.askYesNo(kChangesNotSaved)) return;
    const std::string path = fileDialog(s.platform, false, {geoJsonFormat().filter()}, "", documentFolder(s.doc));
    if (path.empty()) return;
    openDocumentFileInBackground(s, path, [&s](bool opened) {
        if (opened) redraw(s, true);
    });
}

void exportGeoJsonCommand(State& s) {
    const std::string path = exportPath(s, geoJsonFormat());
    if (!path.empty()) exportDocument(s.doc, s.platform, geoJsonFormat(), path);
}

void convertToGpxCommand(State& s) {
    const std::string path = exportPath(s, gpxFormat());
    if (!path.empty()) exportDocument(s.doc, s.platform, gpxFormat(), path, s.doc.loaded.index);
}

}  // namespace tess
