// The .poly format as every reader of the program sees it (the document,
// the background and the combine), read the way the common tools read it,
// and kept whole, so that a file saved back changes only what the user
// changed:
// - the first line is the title, whatever it holds;
// - a line holding END alone (any letter case, blanks around) ends a ring,
//   or the polygon where a ring's name was due;
// - the next line that is not blank is a ring's name, unless it reads as a
//   vertex: then it is the first vertex of a ring without a name;
// - in a ring, a line that starts like a number must read as a vertex (its
//   first two numbers); other lines are passed over, a ring of such lines
//   alone refuses the file;
// - after a polygon's END, a further polygon (a name line, rings, END), as
//   in files joined one after the other, adds its rings; what follows the
//   last END and holds no ring adds nothing.
// Lines end in LF, CR LF or CR alone, and keep their ends.
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
// The line end of a document made here rather than read.
inline constexpr std::string_view kNewFileLineEnd = "\r\n";

// What reading a ring's lines found out, so that nothing reads them again:
// the loaded ring's count and view, and whether the writer may copy them.
struct RingFacts {
    bool known = false;
    std::int64_t vertices = 0;  // vertex lines
    double minLon = 0, minLat = 0, maxLon = 0, maxLat = 0;
    double firstLon = 0, firstLat = 0, lastLon = 0, lastLat = 0;
    // Vertex lines that other tools would misread as they stand (no blank
    // before them, or no period in them): the writer repairs these.
    std::int64_t linesToRepair = 0;
    // The vertices' values in order, folded into one number: two rings
    // with the same vertices have the same checksum, however their lines
    // are written.
    std::uint64_t checksum = 0;

    void add(double lon, double lat);
};
// The facts of a ring's lines, read once.
RingFacts factsOf(std::string_view lines);

// One ring as text: its name line, and its lines exactly as they stand in
// the file, each with its own line end. The lines are a stretch of the text
// they were read from, shared by every ring of that file and kept alive by
// `text`, or a text of the ring's own; so a file's rings cost no copy of it.
struct RingText {
    std::string name;  // as read; empty for a ring whose name line was missing
    std::shared_ptr<const std::string> text;
    std::string_view lines;
    RingFacts facts;

    // Where the ring stood in its file, so that it is written back as it
    // was. A ring made here (a selection, a tool's result, an import) has
    // place 0: its lines end in line feeds, and it is written with the
    // document's line ends and an END line of its own.
    int place = 0;            // from 1, in the file it was read from
    std::string leading;      // lines before the name line, kept as read
    std::string nameLineEnd;  // the name line's own line end
    std::string endLine;      // the END line with its line end; empty: missing
};

// A ring whose lines are a text of its own, ending in line feeds; its
// facts are read from them unless they are given.
RingText ownRingText(std::string name, std::string lines, const RingFacts& facts = {});
// Gives a ring lines of its own in place of the ones it had; the ring keeps
// its place and name.
void setOwnLines(RingText& ring, std::string lines);

// A name beginning with "!" marks a hole in the ring before it.
bool isHoleName(std::string_view name);
// A name that is a whole number ("3", "!3"): it follows its ring's place.
bool isNumberName(std::string_view name);
// What the ring list shows beside a ring's number: its name, unless that
// is a number or missing.
std::string shownName(const RingText& ring);

// What surrounds a file's rings: how its lines end, and the polygon's END
// line with whatever follows it, kept as read.
struct PolyFrame {
    std::string lineEnd{kNewFileLineEnd};  // the title's, which new lines take
    std::string tail;              // after the last ring, as read
    bool closingEndRead = false;   // the tail holds the polygon's END
    bool fromFile = false;         // read from a file, not made here
};

struct PolyFile {
    std::string title;
    std::vector<RingText> rings;
    PolyFrame frame;
    // The text ended inside the last ring, before its END.
    bool lastRingUnclosed = false;
};

enum class PolyProblem {
    None,
    NoEnd,           // no END line at all: not a .poly file
    NoRings,         // not one ring with a vertex
    BadVertex,       // a line that starts like a number but is no vertex
    RingWithoutVertex,  // a ring of text lines alone
    TooManyRings,    // more than kMaxRings
};

struct PolyParse {
    PolyFile file;
    PolyProblem problem = PolyProblem::None;
    std::size_t lineNumber = 0;  // of the line at fault, counted from 1
    std::string line;            // its text
    bool ok() const { return problem == PolyProblem::None; }
};

// Told now and then how far a long read has come: the bytes read so far
// and the text's size, so that a window can show it and stay drawn.
using ReadProgress = std::function<void(std::size_t done, std::size_t total)>;

// Reads the structure of a .poly text and checks every line, in one pass
// that also gathers each ring's facts. The rings share the text.
PolyParse parsePolyText(std::shared_ptr<const std::string> text, const ReadProgress& progress = {});
// The same on a copy of the text.
PolyParse parsePolyText(std::string_view text);

// The message a refused file gets, naming the file and the line.
std::string polyProblemMessage(const PolyParse& parse, const std::string& fileName);

bool isEndLine(std::string_view line);

// Calls take(line, end) for every line: the line without its end, and the
// end as it stands ("\n", "\r\n", "\r", or empty for a last line without
// one). Lines are found at line feeds first, the fast way; only a piece
// that holds a carriage return is split again.
template <class Take>
void forEachLineWithEnd(std::string_view text, Take take) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        std::size_t end = text.find('\n', pos);
        const bool endsInLineFeed = end != std::string_view::npos;
        if (!endsInLineFeed) end = n;
        const std::string_view piece = text.substr(pos, end - pos);
        std::size_t start = 0;
        for (std::size_t cr = piece.find('\r'); cr != std::string_view::npos; cr = piece.find('\r', start)) {
            if (cr + 1 == piece.size() && endsInLineFeed) break;  // CR LF
            take(piece.substr(start, cr - start), text.substr(pos + cr, 1));
            start = cr + 1;
        }
        const bool crlf = endsInLineFeed && !piece.empty() && piece.back() == '\r' && start < piece.size();
        if (crlf) {
            take(piece.substr(start, piece.size() - 1 - start), text.substr(pos + piece.size() - 1, 2));
        } else if (endsInLineFeed) {
            take(piece.substr(start), text.substr(end, 1));
        } else if (start < piece.size()) {
            take(piece.substr(start), std::string_view());
        }
        pos = end + 1;
    }
}

// Calls take(line) for every line, without its end.
template <class Take>
void forEachLine(std::string_view text, Take take) {
    forEachLineWithEnd(text, [&](std::string_view line, std::string_view) { take(line); });
}

// Appends a vertex line in the form other tools read: indented when it
// starts in the first column, and, when it holds no period, ".0" after
// each of its two numbers ("10 50" -> "   10.0 50.0"). True when it had to
// be changed.
bool appendRepairedVertexLine(std::string& out, std::string_view line);

}  // namespace tess
