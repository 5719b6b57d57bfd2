// The Background menu: add a background, cancel it, or bring back the
// last one.
#include "background/Background.h"

#include <algorithm>
#include <cstdint>

#include "app/FileMenu.h"
#include "document/Caption.h"
#include "document/Reader.h"
#include "gpx/GpxReader.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"
#include "view/Plot.h"
#include "view/Transform.h"

namespace tess {

namespace {

bool namesGpx(const std::string& path) {
    std::string lower = path;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower.find(".gpx") != std::string::npos;
}

void showBackground(State& s, const std::string& path) {
    if (namesGpx(path)) {
        loadgpx(s, path, 1);  // draws the background itself
        return;
    }
    loadpolybk(s, path);
    plot(s, false, 1);
}

void addBackground(State& s) {
    const std::string path = fileDialog(s.platform, false, polyAndGpxFilters(), "");
    if (isBadPolyName(path)) return;
    showBackground(s, path);
    s.lastBackground = path;
}

// A document that could not be read again (never saved, or its file gone)
// keeps its current ring; the view fits that ring instead of staying
// empty.
void fitCurrentRing(State& s) {
    resetFit(s.view);
    const auto held = static_cast<std::int64_t>(std::min(s.doc.ringLon.size(), s.doc.ringLat.size()));
    const std::int64_t last = std::min(s.doc.lastPoint, held - 1);
    for (std::int64_t i = 0; i <= last; ++i)
        widenFit(s.view, s.doc.ringLon[static_cast<std::size_t>(i)],
                 s.doc.ringLat[static_cast<std::size_t>(i)]);
    finishFit(s.view);
}

void cancelBackground(State& s) {
    if (s.bk.bkPointCount <= 0) return;
    // The document is read again from its file, which would drop edits.
    if (s.doc.modified && !s.platform.askYesNo(kChangesNotSaved)) return;
    s.bk.bkPointCount = 0;
    s.bk.bkLon.assign(1, 0.0f);
    s.bk.bkLat.assign(1, 0.0f);
    if (loadpoly(s, s.doc.fileName, 0)) {
        // The document is now what its file holds.
        s.doc.modified = false;
        cap(s, s.doc.fileName);
    } else {
        fitCurrentRing(s);
    }
    plot(s, false, 0);
}

void useLastBackground(State& s) {
    if (s.lastBackground.empty() || !fileExists(s.lastBackground)) {
        s.platform.message(kNoPreviousBackground);
        return;
    }
    showBackground(s, s.lastBackground);
}

}  // namespace

void mbk_Click(State& s, int index) {
    switch (index) {
        case mbk::Add: addBackground(s); break;
        case mbk::Cancel: cancelBackground(s); break;
        case mbk::UseLast: useLastBackground(s); break;
        default: break;
    }
}

}  // namespace tess
