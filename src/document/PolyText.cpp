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

}  // namespace

void RingFacts::add(double lon, double lat) {
    if (vertices++ == 0) {
        minLon = maxLon = firstLon = lon;
        minLat = maxLat = firstLat = lat;
    }
    if (lon < minLon) minLon = lon;
    if (lon > maxLon) maxLon = lon;
    if (lat < minLat) minLat = lat;
    if (lat > maxLat) maxLat = lat;
    lastLon = lon;
    lastLat = lat;
}

RingText ownRingText(std::string name, std::string lines, const RingFacts& facts) {
    RingText ring{std::move(name), std::make_shared<const std::string>(std::move(lines)), {}, facts};
    ring.lines = *ring.text;
    return ring;
}

void setOwnLines(RingText& ring, std::string lines) {
    ring.text = std::make_shared<const std::string>(std::move(lines));
    ring.lines = *ring.text;
    ring.facts = {};
}

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
std::string vertexLinesOf(std::string_view stretch) {
    std::string lines;
    lines.reserve(stretch.size() + 1);
    forEachLine(stretch, [&](std::string_view line) {
        if (!isVertexLine(line)) return;
        lines += line;
        lines += '\n';
    });
    return lines;
}

// How a line ends: in a line feed, in CR LF, or otherwise (a CR alone, or
// the end of the text).
enum class LineEnd { LineFeed, CrLf, Other };

LineEnd lineEndAt(std::string_view text, std::size_t at) {
    if (at < text.size() && text[at] == '\n') return LineEnd::LineFeed;
    if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') return LineEnd::CrLf;
    return LineEnd::Other;
}

// The ring being read: its name, where its lines start, what its vertex
// lines hold and how they end.
struct RingInProgress {
    std::string_view name;
    std::size_t start = 0;
    RingFacts facts;
    bool onlyVertexLines = true;  // no other line stands among them
    bool indentedWithPeriod = true;
    bool sameEnds = true;  // every line ends in the same way, LF or CR LF
    LineEnd firstEnd = LineEnd::Other;

    void take(std::string_view line, LineEnd end, bool hasPeriod, double lon, double lat) {
        if (facts.vertices == 0) firstEnd = end;
        facts.add(lon, lat);
        indentedWithPeriod = indentedWithPeriod && hasPeriod && isBlank(line.front());
        sameEnds = sameEnds && end == firstEnd && end != LineEnd::Other;
    }
};

// The ring as kept: a stretch of the shared text when it holds nothing
// but vertex lines, else a text of its own with only those.
RingText keptRing(const std::shared_ptr<const std::string>& text, RingInProgress& ring, std::size_t end) {
    const std::string_view stretch = std::string_view(*text).substr(ring.start, end - ring.start);
    RingFacts facts = ring.facts;
    facts.known = true;
    if (!ring.onlyVertexLines) {
        // Copied lines end in a line feed each.
        facts.writtenAsIs = ring.indentedWithPeriod;
        return ownRingText(std::string(ring.name), vertexLinesOf(stretch), facts);
    }
    facts.writtenAsIs = ring.indentedWithPeriod && ring.sameEnds;
    facts.endsInCrLf = ring.firstEnd == LineEnd::CrLf;
    return RingText{std::string(ring.name), text, stretch, facts};
}

}  // namespace

PolyParse parsePolyText(std::string_view text) {
    return parsePolyText(std::make_shared<const std::string>(text));
}

PolyParse parsePolyText(std::shared_ptr<const std::string> shared, const ReadProgress& progress) {
    // About a hundredth of a second of reading between two reports.
    constexpr std::size_t kReportEvery = std::size_t{1} << 20;
    std::size_t nextReport = kReportEvery;
    PolyParse result;
    PolyFile& file = result.file;
    const std::string_view text = *shared;
    enum class Expect { Title, Name, Vertex, Nothing } expect = Expect::Title;
    bool sawEnd = false;
    std::size_t lineNumber = 0;
    RingInProgress ring;

    auto keepRing = [&](std::size_t ringEnd) {
        if (ring.facts.vertices == 0) return;
        if (file.rings.size() == static_cast<std::size_t>(kMaxRings)) {
            result.problem = PolyProblem::TooManyRings;
            return;
        }
        file.rings.push_back(keptRing(shared, ring, ringEnd));
    };

    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (expect == Expect::Nothing || !result.ok()) return;
        const auto offset = static_cast<std::size_t>(line.data() - text.data());
        const std::size_t next = offset + line.size();
        if (offset >= nextReport && progress) {
            progress(offset, text.size());
            nextReport = offset + kReportEvery;
        }
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
            ring = RingInProgress{};
            ring.name = line;
            ring.start = next + (text.substr(next, 2) == "\r\n" ? 2 : next < text.size() ? 1 : 0);
            expect = Expect::Vertex;
            return;
        case Expect::Vertex: {
            if (isEndLine(line)) {
                sawEnd = true;
                keepRing(offset);
                expect = Expect::Name;
                return;
            }
            const bool hasPeriod = line.find('.') != std::string_view::npos;
            if (!hasPeriod && !isWholeNumberPair(line)) {
                ring.onlyVertexLines = false;
                return;
            }
            double lon = 0, lat = 0;
            if (!readVertexNumbers(line, lon, lat)) {
                result.problem = PolyProblem::BadVertex;
                result.lineNumber = lineNumber;
                result.line.assign(line);
                return;
            }
            ring.take(line, lineEndAt(text, next), hasPeriod, lon, lat);
            return;
        }
        case Expect::Nothing: return;
        }
    });
    if (!result.ok()) return result;
    if (expect == Expect::Vertex && ring.facts.vertices > 0) {
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
