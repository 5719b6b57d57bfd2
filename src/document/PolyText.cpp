// Reading the structure of .poly texts, line by line.
#include "document/PolyText.h"

#include "document/Messages.h"
#include "document/Numbers.h"

namespace tess {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    return line;
}

bool isWholeNumber(std::string_view word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) word.remove_prefix(1);
    if (word.empty()) return false;
    for (char c : word)
        if (!isDigit(c)) return false;
    return true;
}

// A number starts here: an optional sign, then a digit or a period and a
// digit. "Area v1.2" has a period but no number where one is due.
bool startsWithNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && isDigit(text[i]);
}

bool readsAsVertex(std::string_view line) {
    const std::string_view word = trimBlanks(line);
    std::size_t gap = 0;
    while (gap < word.size() && !isBlank(word[gap])) ++gap;
    if (!startsWithNumber(word) || !startsWithNumber(trimBlanks(word.substr(gap)))) return false;
    double lon = 0, lat = 0;
    return parseCoordinateLine(line, lon, lat) == LineParse::Ok;
}

}  // namespace

bool isHoleName(std::string_view name) {
    name = trimBlanks(name);
    return !name.empty() && name.front() == '!';
}

bool isEndLine(std::string_view line) {
    line = trimBlanks(line);
    return line.size() == 3 && (line[0] == 'E' || line[0] == 'e') && (line[1] == 'N' || line[1] == 'n') &&
           (line[2] == 'D' || line[2] == 'd');
}

bool isWholeNumberPair(std::string_view line) {
    line = trimBlanks(line);
    std::size_t gap = 0;
    while (gap < line.size() && !isBlank(line[gap])) ++gap;
    return gap < line.size() && isWholeNumber(line.substr(0, gap)) &&
           isWholeNumber(trimBlanks(line.substr(gap)));
}

bool isVertexLine(std::string_view line) {
    return line.find('.') != std::string_view::npos || isWholeNumberPair(line);
}

namespace {

// The vertex lines of a ring's stretch of text, each ended by a line feed.
// A stretch of nothing but vertex lines ended by line feeds alone is taken
// whole, in one copy.
std::string vertexLinesOf(std::string_view stretch, bool onlyVertexLines) {
    if (onlyVertexLines) return std::string(stretch);
    std::string lines;
    lines.reserve(stretch.size() + 1);
    forEachLine(stretch, [&](std::string_view line) {
        if (!isVertexLine(line)) return;
        lines += line;
        lines += '\n';
    });
    return lines;
}

}  // namespace

PolyParse parsePolyText(std::string_view text) {
    PolyParse result;
    PolyFile& file = result.file;
    enum class Expect { Title, Name, Vertex, Nothing } expect = Expect::Title;
    bool sawEnd = false;
    std::size_t lineNumber = 0;
    // The ring being read: its name, where its lines start, whether it
    // has a vertex, and whether it holds vertex lines only.
    std::string_view name;
    std::size_t ringStart = 0;
    bool hasVertex = false, onlyVertexLines = true;

    auto keepRing = [&](std::size_t ringEnd) {
        if (!hasVertex) return;
        if (file.rings.size() == static_cast<std::size_t>(kMaxRings)) {
            result.problem = PolyProblem::TooManyRings;
            return;
        }
        const std::string_view stretch = text.substr(ringStart, ringEnd - ringStart);
        file.rings.push_back({std::string(name), vertexLinesOf(stretch, onlyVertexLines)});
    };

    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (expect == Expect::Nothing || !result.ok()) return;
        const auto offset = static_cast<std::size_t>(line.data() - text.data());
        const std::size_t next = offset + line.size();
        switch (expect) {
        case Expect::Title:
            file.title.assign(line);
            expect = Expect::Name;
            return;
        case Expect::Name:
            sawEnd = sawEnd || isEndLine(line);
            if (isEndLine(line)) {
                expect = Expect::Nothing;  // the file's own END
                return;
            }
            name = line;
            ringStart = next + (text.substr(next, 2) == "\r\n" ? 2 : next < text.size() ? 1 : 0);
            hasVertex = false;
            onlyVertexLines = true;
            expect = Expect::Vertex;
            return;
        case Expect::Vertex:
            if (isEndLine(line)) {
                sawEnd = true;
                keepRing(offset);
                expect = Expect::Name;
                return;
            }
            onlyVertexLines = onlyVertexLines && next < text.size() && text[next] == '\n';
            if (!isVertexLine(line)) {
                onlyVertexLines = false;
                return;
            }
            if (!readsAsVertex(line)) {
                result.problem = PolyProblem::BadVertex;
                result.lineNumber = lineNumber;
                result.line.assign(line);
                return;
            }
            hasVertex = true;
            return;
        case Expect::Nothing: return;
        }
    });
    if (!result.ok()) return result;
    if (expect == Expect::Vertex && hasVertex) {
        onlyVertexLines = onlyVertexLines && text.ends_with('\n');
        keepRing(text.size());
        if (!result.ok()) return result;
        file.lastRingUnclosed = true;
    }
    if (!sawEnd) result.problem = PolyProblem::NoEnd;
    else if (file.rings.empty()) result.problem = PolyProblem::NoRings;
    return result;
}

std::string polyProblemMessage(const PolyParse& parse, const std::string& fileName) {
    switch (parse.problem) {
    case PolyProblem::None: return {};
    case PolyProblem::NoEnd: return kCannotFindEnd;
    case PolyProblem::NoRings: return kNoDataSave;
    case PolyProblem::TooManyRings: return kTooManyRings;
    case PolyProblem::BadVertex:
        return std::string(kCheckPolyFile) + fileName + "\r\n\r\nLine " + std::to_string(parse.lineNumber) +
               ": " + parse.line.substr(0, 80);
    }
    return {};
}

void appendWrittenVertexLine(std::string& out, std::string_view line) {
    if (line.empty() || !isBlank(line.front())) out += "   ";
    if (!isWholeNumberPair(line)) {
        out += line;
        return;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        out += line[i];
        if (isDigit(line[i]) && (i + 1 == line.size() || isBlank(line[i + 1]))) out += ".0";
    }
}

}  // namespace tess
