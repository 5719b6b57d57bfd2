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

// The line end a ring's lines take: their own for a ring read from a file
// (the end of the line before, for a line added after the last), the
// document's for a ring made here, whose lines end in line feeds.
std::string_view lineEndOf(const RingText& ring, std::string_view own, std::string_view documentEnd) {
    return ring.place > 0 && !own.empty() ? own : documentEnd;
}

// Appends the loaded ring's lines with the vertex lines `chosen(j)`
// rewritten in the committed form from value(j, lon, lat) (lon and lat
// hold the line's own numbers on the way in); every other line stays as
// it stands. With `closeOpenRing`, a ring that does not end on its first
// vertex is closed by one more line. after(out) follows each line.
template <class Chosen, class Value, class After>
void appendRewrittenLines(const Document& d, bool closeOpenRing, Chosen chosen, Value value, std::string& out,
                          After after) {
    const RingText& ring = d.rings[static_cast<std::size_t>(d.currentRing)];
    const std::string_view documentEnd = d.frame.lineEnd;
    std::int64_t j = 0;
    double firstLon = 0, firstLat = 0, lastLon = 0, lastLat = 0;
    std::string_view lastEnd;
    forEachLineWithEnd(ring.lines, [&](std::string_view line, std::string_view end) {
        double lon = 0, lat = 0;
        const bool vertex = readRingLine(line, lon, lat) == LineKind::Vertex;
        lastEnd = lineEndOf(ring, end, documentEnd);
        if (vertex && j <= d.lastPoint && chosen(j)) {
            value(j, lon, lat);
            appendVertexLine(out, lon, lat, lastEnd);
        } else {
            out += line;
            out += lastEnd;
        }
        if (vertex) {
            if (j == 0) firstLon = lon, firstLat = lat;
            lastLon = lon, lastLat = lat;
            ++j;
        }
        after(out);
    });
    if (closeOpenRing && j >= 2 && (lastLon != firstLon || lastLat != firstLat)) {
        value(d.lastPoint, firstLon, firstLat);
        appendVertexLine(out, firstLon, firstLat, lastEnd.empty() ? documentEnd : lastEnd);
        after(out);
    }
}

// Every vertex line, from the held numbers where there are any.
template <class After>
void appendCommittedLines(const Document& d, std::string& out, After after) {
    const bool held = verticesHeld(d);
    appendRewrittenLines(
        d, true, [](std::int64_t) { return true; },
        [&](std::int64_t j, double& lon, double& lat) {
            if (!held) return;
            lon = d.ringLon[static_cast<std::size_t>(j)];
            lat = d.ringLat[static_cast<std::size_t>(j)];
        },
        out, after);
}

// Writes the document's rings to the file, ring k's lines by lines(k, ...),
// and names the document after the file; on failure the message, and the
// document is left as it was. The repairs the write made are named.
template <class Lines>
bool writeRingsTo(State& s, const std::string& path, Lines lines) {
    if (s.doc.rings.empty()) {
        s.platform.message(kNoDataSave);
        return false;
    }
    s.platform.busyPointer();
    AtomicFile file(path);
    auto put = [&](std::string_view piece) { file.write(piece); };
    const WriteReport report = writePolyText(s.doc.title, s.doc.rings, s.doc.frame, put, lines);
    const std::string error = file.commit();
    s.platform.processEvents();
    s.platform.normalPointer();
    if (!error.empty()) {
        s.platform.message(errorSavingMessage(error, path));
        return false;
    }
    s.doc.fileName = path;
    s.doc.ownFile = path;
    s.saveNotice = repairNotice(report);
    markSaved(s);
    updateCaption(s, path);
    return true;
}

}  // namespace

bool commitLoadedRing(State& s) {
    Document& d = s.doc;
    if (d.currentRing < 0 || d.currentRing >= d.ringCount() || d.lastPoint < 1) {
        s.platform.message(kNoDataCommit);
        return false;
    }
    RingText& ring = d.rings[static_cast<std::size_t>(d.currentRing)];
    // Room for the longest line each vertex can take: the pages a shorter
    // text leaves untouched cost no memory, and the text never moves.
    std::string lines;
    lines.reserve(ring.lines.size() + static_cast<std::size_t>(d.lastPoint + 1) * 64);
    appendCommittedLines(d, lines, [](std::string&) {});
    setOwnLines(ring, std::move(lines));
    d.ringEdited = false;
    d.movedVertices.clear();
    return true;
}

namespace {

// Rewrites the lines of the moved vertices in the loaded ring's text and
// keeps every other line as it stands. The last vertex is the first one
// repeated, so moving either rewrites both.
void rewriteMovedVertices(Document& d) {
    RingText& ring = d.rings[static_cast<std::size_t>(d.currentRing)];
    const auto moved = [&](std::int64_t j) {
        const bool firstOrLast = j == 0 || j == d.lastPoint;
        return d.movedVertices.count(j) > 0 ||
               (firstOrLast && (d.movedVertices.count(0) > 0 || d.movedVertices.count(d.lastPoint) > 0));
    };
    const auto heldValue = [&](std::int64_t j, double& lon, double& lat) {
        lon = d.ringLon[static_cast<std::size_t>(j)];
        lat = d.ringLat[static_cast<std::size_t>(j)];
    };
    std::string lines;
    lines.reserve(ring.lines.size() + d.movedVertices.size() * 64);
    appendRewrittenLines(d, false, moved, heldValue, lines, [](std::string&) {});
    setOwnLines(ring, std::move(lines));
    d.ringEdited = false;
    d.movedVertices.clear();
}

}  // namespace

bool commitEdits(State& s) {
    Document& d = s.doc;
    if (!d.ringEdited) return true;
    // Vertices moved back where they stood leave their lines alone.
    std::erase_if(d.movedVertices, [&](const auto& moved) {
        const auto i = static_cast<std::size_t>(moved.first);
        return i < d.ringLon.size() && Document::Position{d.ringLon[i], d.ringLat[i]} == moved.second;
    });
    if (d.movedVertices.empty() && verticesHeld(d)) {
        d.ringEdited = false;
        return true;
    }
    const bool known = !d.movedVertices.empty() && verticesHeld(d) && d.currentRing >= 0 &&
                       d.currentRing < d.ringCount() && d.lastPoint >= 1;
    if (!known) return commitLoadedRing(s);
    rewriteMovedVertices(d);
    return true;
}

bool saveDocumentTo(State& s, const std::string& path) {
    if (!commitEdits(s)) return false;
    return writeRingsTo(s, path, [&](std::size_t k, std::string& out, auto& put, WriteReport& report) {
        writeRingLines(s.doc.rings[k], s.doc.frame.lineEnd, out, put, report);
    });
}

bool saveDocumentCommittedTo(State& s, const std::string& path) {
    if (!commitEdits(s)) return false;
    return writeRingsTo(s, path, [&](std::size_t k, std::string& out, auto& put, WriteReport& report) {
        loadRing(s, static_cast<int>(k));
        // A ring of one vertex stays as read.
        if (s.doc.lastPoint < 1) writeRingLines(s.doc.rings[k], s.doc.frame.lineEnd, out, put, report);
        else appendCommittedLines(s.doc, out, [&](std::string& o) { putWhenFull(o, put); });
    });
}

}  // namespace tess
