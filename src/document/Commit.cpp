#include "document/Commit.h"

#include <algorithm>

namespace tess {

namespace {

// The line end a ring's lines take: their own for a ring read from a file,
// the document's for a ring made here, whose lines end in line feeds.
std::string_view lineEndOf(const RingText& ring, std::string_view own, std::string_view documentEnd) {
    return ring.place > 0 && !own.empty() ? own : documentEnd;
}

// Appends the loaded ring's lines with the vertex lines `chosen(j)`
// rewritten in the committed form from value(j, lon, lat) (lon and lat
// hold the line's own numbers on the way in); every other line stays as
// it stands. With `closeOpenRing`, a ring that does not end on its first
// vertex is closed by one more line. after(out) follows each line.
template <class Chosen, class Value, class After>
void appendRewrittenLines(const Document& d, const LoadedRing& r, bool closeOpenRing, Chosen chosen, Value value,
                          std::string& out, After after) {
    const RingText& ring = d.rings[static_cast<std::size_t>(r.index)];
    const std::string_view documentEnd = d.frame.lineEnd;
    std::int64_t j = 0;
    double firstLon = 0, firstLat = 0, lastLon = 0, lastLat = 0;
    std::string_view lastEnd;
    forEachLineWithEnd(ring.lines, [&](std::string_view line, std::string_view end) {
        double lon = 0, lat = 0;
        const bool vertex = readRingLine(line, lon, lat) == LineKind::Vertex;
        lastEnd = lineEndOf(ring, end, documentEnd);
        if (vertex && j <= r.lastPoint && chosen(j)) {
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
        value(r.lastPoint, firstLon, firstLat);
        appendVertexLine(out, firstLon, firstLat, lastEnd.empty() ? documentEnd : lastEnd);
        after(out);
    }
}

}  // namespace

void commitMovedVertices(Document& d, LoadedRing& r) {
    // Vertices moved back where they stood leave their lines alone.
    std::erase_if(r.moved, [&](const auto& moved) {
        const auto i = static_cast<std::size_t>(moved.first);
        return i < r.lon.size() && LoadedRing::Position{r.lon[i], r.lat[i]} == moved.second;
    });
    if (r.moved.empty() || !r.held() || !r.loaded(d)) {
        r.moved.clear();
        return;
    }
    // The last vertex is the first one repeated, so moving either rewrites
    // both.
    const auto chosen = [&](std::int64_t j) {
        const bool firstOrLast = j == 0 || j == r.lastPoint;
        return r.moved.count(j) > 0 || (firstOrLast && (r.moved.count(0) > 0 || r.moved.count(r.lastPoint) > 0));
    };
    const auto heldValue = [&](std::int64_t j, double& lon, double& lat) {
        lon = r.lon[static_cast<std::size_t>(j)];
        lat = r.lat[static_cast<std::size_t>(j)];
    };
    RingText& ring = d.rings[static_cast<std::size_t>(r.index)];
    std::string lines;
    lines.reserve(ring.lines.size() + r.moved.size() * 64);
    appendRewrittenLines(d, r, false, chosen, heldValue, lines, [](std::string&) {});
    setOwnLines(ring, std::move(lines));
    r.moved.clear();
}

void appendCommittedLines(const Document& d, const LoadedRing& r, std::string& out,
                          const std::function<void(std::string&)>& after) {
    const bool held = r.held();
    appendRewrittenLines(
        d, r, true, [](std::int64_t) { return true; },
        [&](std::int64_t j, double& lon, double& lat) {
            if (!held) return;
            lon = r.lon[static_cast<std::size_t>(j)];
            lat = r.lat[static_cast<std::size_t>(j)];
        },
        out, after);
}

}  // namespace tess
