// The .poly format as every reader of the program sees it (the document,
// the background and the merge), read the way the common tools read it:
// - the first line is the title, whatever it holds;
// - a line holding END alone (any letter case, blanks around) ends a ring,
//   or the file where a ring's name was due;
// - the line after the title or after a ring's END is the ring's name;
// - in a ring, a line with a period or exactly two whole numbers is a
//   vertex; any other line of a ring is passed over.
// Lines end in LF, CR LF or CR alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

inline constexpr int kMaxRings = 32767;

// What reading a ring's lines found out, so that nothing reads them again:
// the loaded ring's count and view, and whether the writer may copy them.
struct RingFacts {
    bool known = false;
    std::int64_t vertices = 0;  // vertex lines
    double minLon = 0, minLat = 0, maxLon = 0, maxLat = 0;
    double firstLon = 0, firstLat = 0, lastLon = 0, lastLat = 0;
    // Every line starts with a blank, holds a period and ends the same
    // way (all in a line feed, or all in CR LF): the lines are written as
    // they stand, each line feed becoming CR LF.
    bool writtenAsIs = false;
    bool endsInCrLf = false;

    void add(double lon, double lat);
};

// One ring as text: its name line as read, and its vertex lines exactly as
// they stand in the file, each ended by a line feed, CR LF or CR. The
// lines are a stretch of the text they were read from, shared by every
// ring of that file and kept alive by `text`, or a text of the ring's own;
// so a file's rings cost no copy of it.
struct RingText {
    std::string name;
    std::shared_ptr<const std::string> text;
    std::string_view lines;
    RingFacts facts;
};

// A ring whose lines are a text of its own; nothing is known about them
// until they are read.
RingText ownRingText(std::string name, std::string lines, const RingFacts& facts = {});
// Gives a ring lines of its own in place of the ones it had.
void setOwnLines(RingText& ring, std::string lines);

// A name beginning with "!" marks a hole in the ring before it.
bool isHoleName(std::string_view name);

struct PolyFile {
    std::string title;
    std::vector<RingText> rings;
    // The text ended inside the last ring, before its END.
    bool lastRingUnclosed = false;
};

enum class PolyProblem {
    None,
    NoEnd,         // no END line at all: not a .poly file
    NoRings,       // not one ring with a vertex
    BadVertex,     // a vertex line whose two numbers cannot be read
    TooManyRings,  // more than kMaxRings
};

struct PolyParse {
    PolyFile file;
    PolyProblem problem = PolyProblem::None;
    std::size_t lineNumber = 0;  // of a bad vertex line, counted from 1
    std::string line;            // its text
    bool ok() const { return problem == PolyProblem::None; }
};

// Told now and then how far a long read has come: the bytes read so far
// and the text's size, so that a window can show it and stay drawn.
using ReadProgress = std::function<void(std::size_t done, std::size_t total)>;

// Reads the structure of a .poly text and checks every vertex line, in one
// pass that also gathers each ring's facts. A ring without vertex lines is
// left out; a last ring the text ends in is kept. The rings share the text.
PolyParse parsePolyText(std::shared_ptr<const std::string> text, const ReadProgress& progress = {});
// The same on a copy of the text.
PolyParse parsePolyText(std::string_view text);

// The message a refused file gets, naming the file and the line.
std::string polyProblemMessage(const PolyParse& parse, const std::string& fileName);

bool isEndLine(std::string_view line);
// Exactly two whole numbers, such as "10 50": a vertex other tools read.
bool isWholeNumberPair(std::string_view line);
bool isVertexLine(std::string_view line);

// Calls take(line) for every line; the line has no line-end characters.
// Lines are found at line feeds first, the fast way; only a piece that
// holds a carriage return is split again.
template <class Take>
void forEachLine(std::string_view text, Take take) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        std::size_t end = text.find('\n', pos);
        const bool endsInLineFeed = end != std::string_view::npos;
        if (!endsInLineFeed) end = n;
        const std::string_view piece = text.substr(pos, end - pos);
        std::size_t start = 0;
        for (std::size_t cr = piece.find('\r'); cr != std::string_view::npos; cr = piece.find('\r', start)) {
            take(piece.substr(start, cr - start));
            start = cr + 1;
        }
        // What follows the last carriage return ends at the line feed (a CR
        // LF leaves nothing there), or is the text's last line.
        const bool crlf = start > 0 && start == piece.size() && endsInLineFeed;
        if ((endsInLineFeed && !crlf) || start < piece.size()) take(piece.substr(start));
        pos = end + 1;
    }
}

// The vertex line as written: indented by three blanks when it starts in
// the first column, and a whole number gains ".0" ("10 50" -> "10.0 50.0"),
// so that every reader sees a coordinate line.
void appendWrittenVertexLine(std::string& out, std::string_view line);

}  // namespace tess
