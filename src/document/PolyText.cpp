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

PolyParse parsePolyText(std::string_view text) {
    PolyParse result;
    PolyFile& file = result.file;
    enum class Expect { Title, Name, Vertex, Nothing } expect = Expect::Title;
    bool sawEnd = false;
    RingText ring;
    std::size_t lineNumber = 0;

    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (expect == Expect::Nothing || !result.ok()) return;
        switch (expect) {
        case Expect::Title:
            file.title.assign(line);
            expect = Expect::Name;
            return;
        case Expect::Name:
            if (isEndLine(line)) {
                sawEnd = true;
                expect = Expect::Nothing;  // the file's own END
                return;
            }
            ring.name.assign(line);
            ring.lines.clear();
            expect = Expect::Vertex;
            return;
        case Expect::Vertex:
            if (isEndLine(line)) {
                sawEnd = true;
                if (!ring.lines.empty()) {
                    if (file.rings.size() == static_cast<std::size_t>(kMaxRings)) {
                        result.problem = PolyProblem::TooManyRings;
                        return;
                    }
                    file.rings.push_back(std::move(ring));
                }
                ring = RingText();
                expect = Expect::Name;
                return;
            }
            if (!isVertexLine(line)) return;
            if (!readsAsVertex(line)) {
                result.problem = PolyProblem::BadVertex;
                result.lineNumber = lineNumber;
                result.line.assign(line);
                return;
            }
            ring.lines += line;
            ring.lines += '\n';
            return;
        case Expect::Nothing: return;
        }
    });
    if (!result.ok()) return result;
    if (expect == Expect::Vertex && !ring.lines.empty()) {
        if (file.rings.size() == static_cast<std::size_t>(kMaxRings)) {
            result.problem = PolyProblem::TooManyRings;
            return result;
        }
        file.rings.push_back(std::move(ring));
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
