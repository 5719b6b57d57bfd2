// Tools, "Convert to GPX", and the route writer behind it.
#include "gpx/GpxWriter.h"

#include "document/Messages.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"

namespace tess {

bool writeGpxRoute(State& s, const std::string& path) {
    AtomicFile file(path);
    writeGpxRoute(s.doc.content, s.doc.loaded, [&](std::string_view piece) { file.write(piece); });
    const std::string error = file.commit();
    s.platform.processEvents();
    if (error.empty()) return true;
    s.platform.message(errorSavingMessage(error, path));
    return false;
}

void convertToGpx(State& s) {
    const std::string path = fileDialog(s.platform, true, gpxFilters(), kGpxProposedName, documentFolder(s.doc));
    if (isBadPolyName(path)) return;
    writeGpxRoute(s, path);
}

}  // namespace tess
