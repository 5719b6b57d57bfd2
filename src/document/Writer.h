// The .poly text of a title and rings, written in pieces, and the small
// file writer the rest of the program uses. Every file is written whole
// through a temporary file.
#pragma once

#include <string>
#include <string_view>

#include <vector>

#include "platform/Platform.h"
#include "document/Messages.h"
#include "document/PolyText.h"

namespace tess {

// The .poly text of a title and rings: the title, then every ring under
// its number ("!" and the number for a hole) with its vertex lines and
// END, then a last END; every line ends in CR LF. `put` receives it in
// pieces, so a large document is never built as one string.
template <class Put>
void writePolyText(std::string_view title, const std::vector<RingText>& rings, Put put);
std::string polyText(std::string_view title, const std::vector<RingText>& rings);

// The same, with ring k's vertex lines appended by lines(k, out, put):
// each line ended by CR LF, `out` handed to `put` by putWhenFull.
template <class Put, class Lines>
void writePolyText(std::string_view title, const std::vector<RingText>& rings, Put put, Lines lines);

// A ring's vertex lines in their written form, appended to `out`.
template <class Put>
void writeRingLines(const RingText& ring, std::string& out, Put& put);

// Hands `out` to `put` once it holds a whole piece.
template <class Put>
void putWhenFull(std::string& out, Put& put);

// Writes one text and a line break to a file; a failure is reported with
// the system's description and "Error saving ". True on success.
bool savetext(Platform& platform, const std::string& file, std::string_view buffer);

// ---------------------------------------------------------------------

inline constexpr std::size_t kWritePiece = 1 << 16;

template <class Put>
void putWhenFull(std::string& out, Put& put) {
    if (out.size() < kWritePiece) return;
    put(std::string_view(out));
    out.clear();
}

template <class Put>
void writeRingLines(const RingText& ring, std::string& out, Put& put) {
    if (ring.facts.writtenAsIs && ring.facts.endsInCrLf) {
        // Already in the written form: handed on as it stands.
        put(std::string_view(out));
        out.clear();
        put(ring.lines);
    } else if (ring.facts.writtenAsIs) {
        // Copied in runs between line feeds, each gaining its CR.
        std::string_view rest = ring.lines;
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            out.append(rest.data(), end);
            out += "\r\n";
            rest.remove_prefix(end + 1);
            putWhenFull(out, put);
        }
    } else {
        forEachLine(ring.lines, [&](std::string_view line) {
            appendWrittenVertexLine(out, line);
            out += "\r\n";
            putWhenFull(out, put);
        });
    }
}

template <class Put, class Lines>
void writePolyText(std::string_view title, const std::vector<RingText>& rings, Put put, Lines lines) {
    std::string out;
    out.reserve(kWritePiece + 256);
    // A line break in the title would cut the file's structure.
    for (char c : title) out += c == '\r' || c == '\n' ? ' ' : c;
    out += "\r\n";
    for (std::size_t k = 0; k < rings.size(); ++k) {
        if (isHoleName(rings[k].name)) out += '!';
        out += std::to_string(k + 1);
        out += "\r\n";
        lines(k, out, put);
        out += "END\r\n";
    }
    out += "END\r\n";
    put(std::string_view(out));
}

template <class Put>
void writePolyText(std::string_view title, const std::vector<RingText>& rings, Put put) {
    writePolyText(title, rings, put,
                  [&](std::size_t k, std::string& out, Put& p) { writeRingLines(rings[k], out, p); });
}

}  // namespace tess
