// Reading a background: the first ring of a .poly file, in single
// precision, with the view fitted to it.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "background/Background.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "platform/Files.h"
#include "view/Progress.h"
#include "view/Transform.h"

namespace tess {

namespace {

bool isLetter(char c, char upper) { return c == upper || c == upper - 'A' + 'a'; }

// Where the first "END" stands, in any letter case. Coordinates never hold
// an N, so looking for the N first skips them at memchr speed.
std::size_t firstEnd(std::string_view text) {
    std::size_t upper = text.find('N'), lower = text.find('n');
    for (;;) {
        const std::size_t at = std::min(upper, lower);
        if (at == std::string_view::npos) return text.size();
        if (at >= 1 && at + 1 < text.size() && isLetter(text[at - 1], 'E') && isLetter(text[at + 1], 'D'))
            return at - 1;
        if (at == upper) upper = text.find('N', at + 1);
        else lower = text.find('n', at + 1);
    }
}

}  // namespace

void loadpolybk(State& s, const std::string& path) {
    resetFit(s.view);
    rec(s, 0, 0, 0);
    if (path.size() < 2 || !fileExists(path)) {
        s.platform.message(kCannotOpenFile);
        return;
    }
    std::string text = readWholeFile(path);
    s.doc.titleEnabled = true;
    if (text.find('\r') != std::string::npos) std::erase(text, '\r');
    if (text.find("END") == std::string::npos) {
        s.platform.message(std::string(kNotAPolyFile) + path);
        s.platform.normalPointer();
        return;
    }

    s.platform.busyPointer();
    const std::string_view ring = std::string_view(text).substr(0, firstEnd(text));
    auto& bkLon = s.bk.bkLon;
    auto& bkLat = s.bk.bkLat;
    // The arrays end up with one element per line; they grow while the
    // lines are read, which spares a separate pass to count them.
    bkLon.resize(std::max<std::size_t>(bkLon.size(), ring.size() / 24 + 1));
    bkLat.resize(bkLon.size());

    std::size_t count = 0;
    std::size_t lineCount = 0;
    std::size_t pos = 0;
    while (pos <= ring.size()) {
        ++lineCount;
        std::size_t eol = ring.find('\n', pos);
        if (eol == std::string_view::npos) eol = ring.size();
        const std::string_view line = ring.substr(pos, eol - pos);
        pos = eol + 1;
        if (line.find('.') == std::string_view::npos) continue;
        // A line without two numbers (a title such as "AREA.V2", a value
        // beyond range) would put a stray point into the view; it is left
        // out.
        double lon = 0, lat = 0;
        if (parseCoordinateLine(line, lon, lat) != LineParse::Ok) continue;
        if (count >= bkLon.size()) {
            bkLon.resize(bkLon.size() * 2);
            bkLat.resize(bkLon.size());
        }
        bkLon[count] = static_cast<float>(lon);
        bkLat[count] = static_cast<float>(lat);
        widenFit(s.view, lon, lat);
        ++count;
    }

    bkLon.resize(std::max(lineCount, count));
    bkLat.resize(bkLon.size());

    s.platform.processEvents();
    setBoundLabels(s.view);
    // A file without points leaves no background (0), never -1, which the
    // document readers would take for a background that fixes the view.
    const std::int64_t last = static_cast<std::int64_t>(count) - 1;
    s.bk.bkPointCount = static_cast<std::int32_t>(std::clamp<std::int64_t>(last, 0, INT32_MAX));
    setSpans(s.view);
    s.platform.normalPointer();
}

}  // namespace tess
