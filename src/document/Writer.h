// The .poly text of a title and rings, written in pieces, and the small
// file writer the rest of the program uses. Every file is written whole
// through a temporary file.
//
// A file read is written back as it was read, except for what the user
// changed and the repairs other tools need: a vertex line indented and
// given a period, a number line before a ring that had none, an END that
// was missing. A ring named by a number takes its place's number once its
// place has changed; every other name stays as written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Messages.h"
#include "document/Numbers.h"
#include "document/PolyText.h"
#include "platform/Platform.h"

namespace tess {

// What a write did beyond copying: the lines it repaired.
struct WriteReport {
    std::int64_t repairedLines = 0;
};

// "3 lines repaired so that other tools read them"; empty for none.
std::string repairNotice(const WriteReport& report);

// The .poly text of a title and rings within their frame. `put` receives it
// in pieces, so a large document is never built as one string.
template <class Put>
WriteReport writePolyText(std::string_view title, const std::vector<RingText>& rings, const PolyFrame& frame, Put put);
std::string polyText(std::string_view title, const std::vector<RingText>& rings, const PolyFrame& frame = {});

// The same, with ring k's lines appended by lines(k, out, put, report):
// each line ended by the frame's line end, `out` handed to `put` by
// putWhenFull.
template <class Put, class Lines>
WriteReport writePolyText(std::string_view title, const std::vector<RingText>& rings, const PolyFrame& frame, Put put,
                          Lines lines);

// A ring's lines in their written form, appended to `out`.
template <class Put>
void writeRingLines(const RingText& ring, std::string_view lineEnd, std::string& out, Put& put, WriteReport& report);

// Hands `out` to `put` once it holds a whole piece.
template <class Put>
void putWhenFull(std::string& out, Put& put);

// Writes one text and a line break to a file; a failure is reported with
// the system's description and "Error saving ". True on success.
bool writeTextFile(Platform& platform, const std::string& file, std::string_view buffer);

// ---------------------------------------------------------------------

inline constexpr std::size_t kWritePiece = 1 << 16;

template <class Put>
void putWhenFull(std::string& out, Put& put) {
    if (out.size() < kWritePiece) return;
    put(std::string_view(out));
    out.clear();
}

namespace writing {

inline bool endsLine(std::string_view text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

// The ring's name line: a number for a ring without one and for a number
// name whose ring has moved, with "!" for a hole; any other name as read.
inline void appendNameLine(std::string& out, const RingText& ring, std::size_t place, std::string_view lineEnd,
                           WriteReport& report) {
    const bool moved = ring.place != static_cast<int>(place);
    if (ring.name.empty() || (moved && isNumberName(ring.name))) {
        if (ring.name.empty() && ring.place > 0) ++report.repairedLines;
        if (isHoleName(ring.name)) out += '!';
        out += std::to_string(place);
    } else {
        out += ring.name;
    }
    out += ring.nameLineEnd.empty() ? lineEnd : std::string_view(ring.nameLineEnd);
}

}  // namespace writing

template <class Put>
void writeRingLines(const RingText& ring, std::string_view lineEnd, std::string& out, Put& put, WriteReport& report) {
    const bool ownEnds = ring.place > 0;
    const bool mayNeedRepair = !ring.facts.known || ring.facts.linesToRepair > 0;
    if (ownEnds && !mayNeedRepair) {
        // Written as it stands.
        put(std::string_view(out));
        out.clear();
        put(ring.lines);
        // The text ended in the ring's last line.
        if (!ring.lines.empty() && !writing::endsLine(ring.lines)) out += lineEnd;
        return;
    }
    forEachLineWithEnd(ring.lines, [&](std::string_view line, std::string_view end) {
        double lon = 0, lat = 0;
        if (mayNeedRepair && readRingLine(line, lon, lat) == LineKind::Vertex) {
            if (appendRepairedVertexLine(out, line)) ++report.repairedLines;
        } else {
            out += line;
        }
        out += ownEnds && !end.empty() ? end : lineEnd;
        putWhenFull(out, put);
    });
}

template <class Put, class Lines>
WriteReport writePolyText(std::string_view title, const std::vector<RingText>& rings, const PolyFrame& frame, Put put,
                          Lines lines) {
    WriteReport report;
    const std::string_view lineEnd = frame.lineEnd;
    std::string out;
    out.reserve(kWritePiece + 256);
    // A line break in the title would cut the file's structure.
    for (char c : title) out += c == '\r' || c == '\n' ? ' ' : c;
    out += lineEnd;
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const RingText& ring = rings[k];
        out += ring.leading;
        writing::appendNameLine(out, ring, k + 1, lineEnd, report);
        lines(k, out, put, report);
        if (ring.endLine.empty()) {
            if (ring.place > 0) ++report.repairedLines;
            out += "END";
            out += lineEnd;
        } else {
            out += ring.endLine;
            // Only the file's last line has no end: more follows it now.
            if (!writing::endsLine(ring.endLine)) out += lineEnd;
        }
        putWhenFull(out, put);
    }
    if (!frame.closingEndRead) {
        if (frame.fromFile) ++report.repairedLines;
        out += "END";
        out += lineEnd;
    }
    out += frame.tail;
    put(std::string_view(out));
    return report;
}

template <class Put>
WriteReport writePolyText(std::string_view title, const std::vector<RingText>& rings, const PolyFrame& frame, Put put) {
    return writePolyText(title, rings, frame, put,
                         [&](std::size_t k, std::string& out, Put& p, WriteReport& report) {
                             writeRingLines(rings[k], frame.lineEnd, out, p, report);
                         });
}

}  // namespace tess
