// Reading a background: the first ring of a file of any kind the program
// reads (a GPX file's points as they come), in single precision, with the
// view fitted to it.
#include "background/Background.h"

#include "formats/DocumentFormats.h"
#include "platform/Messages.h"
#include "editing/ViewCommands.h"
#include "view/Progress.h"

namespace tess {

bool loadBackgroundFile(State& s, const std::string& path) {
    const DocumentFormat& format = formatToRead(path);
    resetProgress(s.progress, s.platform);
    s.platform.busyPointer();
    const DocumentRead read = format.read(path, {});
    s.platform.normalPointer();
    if (!read.ok()) {
        const bool noEnd = read.error == kCannotFindEnd;
        s.platform.message(noEnd ? fileMessage(kNotAPolyFile, path) : read.error);
        return false;
    }
    if (!read.note.empty()) s.platform.message(read.note);
    std::vector<float> lon, lat;
    forEachLine(read.file.rings.front().lines, [&](std::string_view line) {
        double x = 0, y = 0;
        if (readRingLine(line, x, y) != LineKind::Vertex) return;
        lon.push_back(static_cast<float>(x));
        lat.push_back(static_cast<float>(y));
    });
    // A track is drawn as it was recorded, not closed on its first point.
    if (&format == &gpxFormat() && lon.size() >= 2) {
        lon.pop_back();
        lat.pop_back();
    }
    setBackground(s, std::move(lon), std::move(lat));
    return true;
}

}  // namespace tess
