// Writing the document: the commit of the loaded ring into its ring text,
// and the .poly file, written through a temporary file so that a failed
// save never damages the old file.
#include "document/Writer.h"

#include "document/Caption.h"
#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "platform/Files.h"

namespace tess {

namespace {

void appendVertexLine(std::string& out, double lon, double lat) {
    out += "   ";
    appendCommitLon(out, lon);
    out += ' ';
    appendCommitLat(out, lat);
    out += '\n';
}

}  // namespace

bool savecurpoly(State& s) {
    Document& d = s.doc;
    if (d.currentRing < 0 || d.currentRing >= d.ringCount() || d.lastPoint < 1) {
        s.platform.message(kNoDataCommit);
        return false;
    }
    // Room for the longest line each vertex can take: the pages a shorter
    // text leaves untouched cost no memory, and the text never moves.
    std::string lines;
    lines.reserve(static_cast<std::size_t>(d.lastPoint + 1) * 64);
    std::int64_t i = 0;
    double firstLon = 0, firstLat = 0;
    forEachLoadedVertex(d, [&](double lon, double lat) {
        if (i == 0) firstLon = lon, firstLat = lat;
        if (i++ < d.lastPoint) appendVertexLine(lines, lon, lat);
    });
    // The ring closes on its first vertex, whatever the last one holds.
    appendVertexLine(lines, firstLon, firstLat);
    setOwnLines(d.ringTexts[static_cast<std::size_t>(d.currentRing)], std::move(lines));
    d.ringEdited = false;
    return true;
}

bool commitEdits(State& s) { return !s.doc.ringEdited || savecurpoly(s); }

std::string polyText(std::string_view title, const std::vector<RingText>& rings) {
    std::string text;
    writePolyText(title, rings, [&](std::string_view piece) { text += piece; });
    return text;
}

bool savepoly(State& s, const std::string& path) {
    if (!commitEdits(s)) return false;
    if (s.doc.ringTexts.empty()) {
        s.platform.message(kNoDataSave);
        return false;
    }
    s.platform.busyPointer();
    AtomicFile file(path);
    writePolyText(s.doc.title, s.doc.ringTexts, [&](std::string_view piece) { file.write(piece); });
    const std::string error = file.commit();
    s.platform.processEvents();
    s.platform.normalPointer();
    if (!error.empty()) {
        s.platform.message(errorSavingMessage(error, path));
        return false;
    }
    s.doc.fileName = path;
    s.doc.ownFile = path;
    s.doc.modified = false;
    cap(s, path);
    return true;
}

bool savetext(Platform& platform, const std::string& file, std::string_view buffer) {
    if (file.empty()) return false;
    const std::string error = writeWholeFile(file, {buffer, "\r\n"});
    platform.processEvents();
    if (!error.empty()) {
        platform.message(errorSavingMessage(error, file));
        return false;
    }
    return true;
}

}  // namespace tess
