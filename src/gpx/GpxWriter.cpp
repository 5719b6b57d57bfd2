// Tools, "Convert to GPX", and the route writer behind it.
#include "gpx/GpxWriter.h"

#include "document/Writer.h"
#include "shell/FileHelpers.h"

namespace tess {

bool savegpx2(State& s, const std::string& path) {
    return savetext(s.platform, path, gpxRouteText(s.doc.ringLon, s.doc.ringLat, s.doc.lastPoint));
}

void convertToGpx(State& s) {
    const std::string path = fileDialog(s.platform, true, gpxFilters(), kGpxProposedName);
    if (isBadPolyName(path)) return;
    savegpx2(s, path);
}

}  // namespace tess
