// Writing the document: the commit of the loaded ring into its ring text,
// and the .poly file, written through a temporary file so that a failed
// save never damages the old file.
#include "session/Saving.h"

#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "platform/Files.h"
#include "session/Opening.h"
#include "state/Caption.h"

namespace tess {

namespace {

void appendVertexLine(std::string& out, double lon, double lat, std::string_view lineEnd) {
    out += "   ";
    appendCommitLon(out, lon);
    out += ' ';
    appendCommitLat(out, lat);
    out += lineEnd;
}

// Appends the loaded ring's vertex lines in their committed form, closed on
// its first vertex whatever the last one holds; after(out) follows each.
template <class After>
void appendCommittedLines(const Document& d, std::string& out, std::string_view lineEnd, After after) {
    std::int64_t i = 0;
    double firstLon = 0, firstLat = 0;
    forEachLoadedVertex(d, [&](double lon, double lat) {
        if (i == 0) firstLon = lon, firstLat = lat;
        if (i++ < d.lastPoint) {
            appendVertexLine(out, lon, lat, lineEnd);
            after(out);
        }
    });
    appendVertexLine(out, firstLon, firstLat, lineEnd);
}

// Writes the document's rings to the file, ring k's lines by lines(k, ...),
// and names the document after the file; on failure the message, and the
// document is left as it was.
template <class Lines>
bool writeDocument(State& s, const std::string& path, Lines lines) {
    if (s.doc.ringTexts.empty()) {
        s.platform.message(kNoDataSave);
        return false;
    }
    s.platform.busyPointer();
    AtomicFile file(path);
    auto put = [&](std::string_view piece) { file.write(piece); };
    writePolyText(s.doc.title, s.doc.ringTexts, put, lines);
    const std::string error = file.commit();
    s.platform.processEvents();
    s.platform.normalPointer();
    if (!error.empty()) {
        s.platform.message(errorSavingMessage(error, path));
        return false;
    }
    s.doc.fileName = path;
    s.doc.ownFile = path;
    markSaved(s);
    cap(s, path);
    return true;
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
    appendCommittedLines(d, lines, "\n", [](std::string&) {});
    setOwnLines(d.ringTexts[static_cast<std::size_t>(d.currentRing)], std::move(lines));
    d.ringEdited = false;
    d.movedVertices.clear();
    return true;
}

namespace {

// Rewrites the lines of the moved vertices in the loaded ring's text and
// keeps every other line as it stands. The last vertex is the first one
// repeated, so moving either rewrites both.
void rewriteMovedVertices(Document& d) {
    RingText& ring = d.ringTexts[static_cast<std::size_t>(d.currentRing)];
    const auto moved = [&](std::int64_t j) {
        return d.movedVertices.count(j) > 0 || ((j == 0 || j == d.lastPoint) && (d.movedVertices.count(0) > 0 ||
                                                                                 d.movedVertices.count(d.lastPoint) > 0));
    };
    std::string lines;
    lines.reserve(ring.lines.size() + d.movedVertices.size() * 64);
    std::int64_t j = 0;
    forEachLine(ring.lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        const bool vertex = parseCoordinateLine(line, lon, lat) == LineParse::Ok;
        if (vertex && j <= d.lastPoint && moved(j)) {
            appendVertexLine(lines, d.ringLon[static_cast<std::size_t>(j)], d.ringLat[static_cast<std::size_t>(j)],
                             "\n");
        } else {
            lines += line;
            lines += '\n';
        }
        if (vertex) ++j;
    });
    setOwnLines(ring, std::move(lines));
    d.ringEdited = false;
    d.movedVertices.clear();
}

}  // namespace

bool commitEdits(State& s) {
    Document& d = s.doc;
    if (!d.ringEdited) return true;
    const bool known = !d.movedVertices.empty() && verticesHeld(d) && d.currentRing >= 0 &&
                       d.currentRing < d.ringCount() && d.lastPoint >= 1;
    if (!known) return savecurpoly(s);
    rewriteMovedVertices(d);
    return true;
}

bool savepoly(State& s, const std::string& path) {
    if (!commitEdits(s)) return false;
    return writeDocument(s, path, [&](std::size_t k, std::string& out, auto& put) {
        writeRingLines(s.doc.ringTexts[k], out, put);
    });
}

bool saveCommitted(State& s, const std::string& path) {
    if (!commitEdits(s)) return false;
    return writeDocument(s, path, [&](std::size_t k, std::string& out, auto& put) {
        loaddt(s, static_cast<int>(k));
        // A ring of one vertex stays as read.
        if (s.doc.lastPoint < 1) writeRingLines(s.doc.ringTexts[k], out, put);
        else appendCommittedLines(s.doc, out, "\r\n", [&](std::string& o) { putWhenFull(o, put); });
    });
}

}  // namespace tess
