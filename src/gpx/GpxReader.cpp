// Open GPX and GPX backgrounds: the GPX file becomes the working .poly
// file, which the ordinary document or background reader then loads.
#include "gpx/GpxReader.h"

#include "background/Background.h"
#include "document/Caption.h"
#include "document/Reader.h"
#include "document/Writer.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"
#include "view/Clearing.h"
#include "view/Plot.h"

namespace tess {

bool loadgpx(State& s, const std::string& path, int mode) {
    const bool asDocument = mode == 0;
    if (asDocument && s.doc.lastPoint > 0 && s.doc.modified &&
        s.platform.askYesNoCancel(kGpxChangesQuestion) != Answer::Yes)
        return false;
    if (path.empty() || !fileExists(path)) {
        s.platform.message(std::string(kCannotFindGpx) + path);
        return false;
    }

    s.platform.busyPointer();
    const std::string polyText = gpxToPolyText(ftrim(path, 0), readWholeFile(path));
    // The working file is written before the canvas is cleared, so a
    // failed write leaves the document as it was and never loads the
    // previous import's file.
    const std::string workingFile = joinPath(s.systemDir, kGpxWorkingFile);
    if (!savetext(s.platform, workingFile, polyText)) {
        s.platform.normalPointer();
        return false;
    }

    if (asDocument) {
        clearmap(s);
        if (!loadpoly(s, workingFile, 0)) {
            s.platform.normalPointer();
            return true;  // the old document is gone all the same
        }
    } else {
        loadpolybk(s, workingFile);
    }
    s.platform.normalPointer();
    plot(s, true, mode);

    if (asDocument) {
        // The document does not exist as a .poly file yet.
        s.doc.modified = true;
        const std::string name = gpxDocumentName(path);
        cap(s, name);
        s.doc.fileName = name;
    }
    return true;
}

}  // namespace tess
