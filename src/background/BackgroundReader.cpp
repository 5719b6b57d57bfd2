// Reading a background: the first ring of a .poly file, in single
// precision, with the view fitted to it.
#include <algorithm>
#include <cstdint>

#include "background/Background.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "view/Progress.h"
#include "editing/ViewCommands.h"

namespace tess {

bool showPolyBackground(State& s, const std::string& path) {
    resetProgress(s.progress, s.platform);
    s.platform.busyPointer();
    PolyLoad load = readPolyFile(path);
    s.platform.normalPointer();
    if (!load.ok()) {
        const bool noEnd = load.error == kCannotFindEnd;
        s.platform.message(noEnd ? std::string(kNotAPolyFile) + path : load.error);
        return false;
    }
    const std::string_view lines = load.file.rings.front().lines;
    std::vector<float> lon, lat;
    forEachLine(lines, [&](std::string_view line) {
        double x = 0, y = 0;
        if (parseCoordinateLine(line, x, y) != LineParse::Ok) return;
        lon.push_back(static_cast<float>(x));
        lat.push_back(static_cast<float>(y));
    });
    setBackground(s, std::move(lon), std::move(lat));
    return true;
}

}  // namespace tess
