// Opening documents as transactions: read and check first, replace after.
#include "document/Reader.h"

#include <algorithm>
#include <new>

#include "document/Caption.h"
#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "platform/Files.h"
#include "view/Clearing.h"
#include "view/Plot.h"
#include "view/Progress.h"
#include "view/Transform.h"

namespace tess {

PolyLoad readPolyFile(const std::string& path) {
    PolyLoad load;
    if (!fileExists(path) && !folderExists(path)) {
        load.error = kCannotOpenFile;
        return load;
    }
    try {
        FileRead read = readFile(path);
        if (!read.ok()) {
            load.error = unreadableFileMessage(path, read.error);
            return load;
        }
        PolyParse parse = parsePolyText(read.text);
        read.text = std::string();  // the rings hold what is needed
        if (!parse.ok()) {
            load.error = polyProblemMessage(parse, path);
            return load;
        }
        load.file = std::move(parse.file);
    } catch (const std::bad_alloc&) {
        load.error = unreadableFileMessage(path, kFileTooLarge);
    }
    return load;
}

void replaceDocument(State& s, PolyFile file, const DocumentOrigin& origin) {
    clearForNewDocument(s);
    Document& d = s.doc;
    d.title = std::move(file.title);
    upperAscii(d.title);
    d.titleEnabled = true;
    d.ringTexts = std::move(file.rings);
    d.fileName = origin.fileName;
    d.ownFile = origin.ownFile;
    d.modified = origin.modified;
    d.currentRing = -1;
    loaddt(s, 0);
    cap(s, d.fileName);
    plot(s, true, 0);
}

bool loadpoly(State& s, const std::string& path) {
    s.platform.busyPointer();
    PolyLoad load = readPolyFile(path);
    s.platform.normalPointer();
    if (!load.ok()) {
        s.platform.message(load.error);
        return false;
    }
    replaceDocument(s, std::move(load.file), {path, path, false});
    return true;
}

namespace {

// Counts the ring's vertices and fits the view to them. The ring is also
// held as numbers when the window wants it so, or when it is small enough
// to edit without a closer look.
void parseRing(State& s, std::string_view lines) {
    Document& d = s.doc;
    d.ringLon.clear();
    d.ringLat.clear();
    const bool fit = s.bk.bkPointCount == 0;
    const bool hold = s.holdRingNumbers;
    std::int64_t count = 0;
    forEachVertexOf(lines, [&](double lon, double lat) {
        if (++count % 1000 == 1) rec(s, 0, static_cast<std::int32_t>(std::min<std::int64_t>(count, INT32_MAX)),
                                     static_cast<double>(lines.size() / 24 + 1));
        if (fit) widenFit(s.view, lon, lat);
        if (hold) {
            d.ringLon.push_back(lon);
            d.ringLat.push_back(lat);
        }
    });
    d.lastPoint = count - 1;
    if (d.lastPoint <= kMaxEditableVertices) holdLoadedVertices(d);
}

}  // namespace

void loaddt(State& s, int ringIndex) {
    Document& d = s.doc;
    if (ringIndex < 0 || ringIndex >= d.ringCount()) return;
    removeHandles(s);
    if (s.bk.bkPointCount == 0) resetFit(s.view);
    s.platform.busyPointer();
    d.currentRing = ringIndex;
    parseRing(s, d.ringTexts[static_cast<std::size_t>(ringIndex)].lines);
    d.listIndex = ringIndex;
    d.ringEdited = false;
    d.movedVertices.clear();
    s.platform.processEvents();
    if (s.bk.bkPointCount == 0) finishFit(s.view);
    else setBoundLabels(s.view);
    s.platform.normalPointer();
}

}  // namespace tess
