// Writing the document back: the commit of the loaded ring into its text,
// the .poly file, and the small file writer the rest of the program uses.
// Every file is written whole through a temporary file.
#pragma once

#include <string>
#include <string_view>

#include "app/State.h"
#include "document/Messages.h"
#include "document/PolyText.h"

namespace tess {

// Rewrites the loaded ring's text from ringLon/ringLat, closed on its
// first vertex. False after "No Data" when there is nothing to commit.
bool savecurpoly(State& s);

// Commits the loaded ring when its vertices were moved; true when its text
// is now up to date.
bool commitEdits(State& s);

// The .poly text of a title and rings: the title, then every ring under
// its number ("!" and the number for a hole) with its vertex lines and
// END, then a last END; every line ends in CR LF. `put` receives it in
// pieces, so a large document is never built as one string.
template <class Put>
void writePolyText(std::string_view title, const std::vector<RingText>& rings, Put put);
std::string polyText(std::string_view title, const std::vector<RingText>& rings);

// Writes the document to the file, committing the loaded ring's edits
// first. On success the document is named after the file and unmarked;
// on failure the old file, the name, the caption and the mark stay as they
// were, and the message ends in "Error saving " and the path.
bool savepoly(State& s, const std::string& path);

// Writes one text and a line break to a file; a failure is reported with
// the system's description and "Error saving ". True on success.
bool savetext(Platform& platform, const std::string& file, std::string_view buffer);

// ---------------------------------------------------------------------

template <class Put>
void writePolyText(std::string_view title, const std::vector<RingText>& rings, Put put) {
    constexpr std::size_t kPiece = 1 << 16;
    std::string out;
    out.reserve(kPiece + 256);
    // A line break in the title would cut the file's structure.
    for (char c : title) out += c == '\r' || c == '\n' ? ' ' : c;
    out += "\r\n";
    for (std::size_t k = 0; k < rings.size(); ++k) {
        if (isHoleName(rings[k].name)) out += '!';
        out += std::to_string(k + 1);
        out += "\r\n";
        const RingText& ring = rings[k];
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
                if (out.size() >= kPiece) {
                    put(std::string_view(out));
                    out.clear();
                }
            }
        } else {
            forEachLine(ring.lines, [&](std::string_view line) {
                appendWrittenVertexLine(out, line);
                out += "\r\n";
                if (out.size() >= kPiece) {
                    put(std::string_view(out));
                    out.clear();
                }
            });
        }
        out += "END\r\n";
    }
    out += "END\r\n";
    put(std::string_view(out));
}

}  // namespace tess
