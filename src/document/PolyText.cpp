// Reading the structure of .poly texts, line by line, keeping every line.
#include "document/PolyText.h"

#include <bit>
#include <cstring>

#include "platform/Messages.h"
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

}  // namespace

void RingFacts::add(double lon, double lat) {
    // Each value's bits, mixed with what came before (the multiply and
    // rotate of a 64-bit hash), so that order counts.
    for (const double value : {lon, lat}) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        checksum = std::rotl((checksum ^ bits) * 0x9E3779B97F4A7C15ULL, 29);
    }
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
    RingText ring;
    ring.name = std::move(name);
    ring.text = std::make_shared<const std::string>(std::move(lines));
    ring.lines = *ring.text;
    ring.facts = facts.known ? facts : factsOf(ring.lines);
    return ring;
}

void setOwnLines(RingText& ring, std::string lines) {
    ring.text = std::make_shared<const std::string>(std::move(lines));
    ring.lines = *ring.text;
    ring.facts = factsOf(ring.lines);
}

bool isHoleName(std::string_view name) {
    name = trimBlanks(name);
    return !name.empty() && name.front() == '!';
}

bool isNumberName(std::string_view name) {
    name = trimBlanks(name);
    if (!name.empty() && name.front() == '!') name.remove_prefix(1);
    if (name.empty()) return false;
    for (char c : name)
        if (!isDigit(c)) return false;
    return true;
}

std::string shownName(const RingText& ring) {
    if (ring.name.empty() || isNumberName(ring.name)) return {};
    return std::string(trimBlanks(ring.name));
}

bool isEndLine(std::string_view line) {
    line = trimBlanks(line);
    return line.size() == 3 && (line[0] == 'E' || line[0] == 'e') && (line[1] == 'N' || line[1] == 'n') &&
           (line[2] == 'D' || line[2] == 'd');
}

namespace {

// A vertex line other tools would misread: one starting in the first
// column, or one without a period.
bool needsRepair(std::string_view line) {
    return line.empty() || !isBlank(line.front()) || line.find('.') == std::string_view::npos;
}

}  // namespace

RingFacts factsOf(std::string_view lines) {
    RingFacts facts;
    facts.known = true;
    forEachLine(lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        if (readRingLine(line, lon, lat) != LineKind::Vertex) return;
        facts.add(lon, lat);
        if (needsRepair(line)) ++facts.linesToRepair;
    });
    return facts;
}

namespace {

// The ring being read.
struct RingInProgress {
    std::string_view name;
    std::string_view nameLineEnd;
    std::size_t start = 0;  // where its lines start
    std::size_t nameStart = 0;  // where its name line starts
    RingFacts facts;
    std::size_t firstTextLine = 0;  // a non-blank line that is no vertex
    std::string_view firstText;

    void take(std::string_view line, double lon, double lat) {
        facts.add(lon, lat);
        if (needsRepair(line)) ++facts.linesToRepair;
    }
};

// The one reading pass. `pending` gathers what stands between two kept
// rings (blank lines, rings without lines, the END and name line of a
// polygon before a further one), which goes before the next ring or, after
// the last, into the frame's tail.
class PolyReader {
public:
    PolyReader(std::shared_ptr<const std::string> text, const ReadProgress& progress)
        : shared_(std::move(text)), text_(*shared_), progress_(progress) {}

    PolyParse read() {
        forEachLineWithEnd(text_, [&](std::string_view line, std::string_view end) {
            ++lineNumber_;
            if (!result_.ok()) return;
            const auto offset = static_cast<std::size_t>(line.data() - text_.data());
            reportProgress(offset);
            readLine(line, end, offset, offset + line.size() + end.size());
        });
        if (!result_.ok()) return std::move(result_);
        finish();
        return std::move(result_);
    }

private:
    enum class Expect { Title, Name, RingLine, PolygonName };

    void reportProgress(std::size_t offset) {
        // About a hundredth of a second of reading between two reports.
        constexpr std::size_t kReportEvery = std::size_t{1} << 20;
        if (offset < nextReport_ || !progress_) return;
        progress_(offset, text_.size());
        nextReport_ = offset + kReportEvery;
    }

    void readLine(std::string_view line, std::string_view end, std::size_t offset, std::size_t next) {
        switch (expect_) {
        case Expect::Title:
            file().title.assign(line);
            if (!end.empty()) file().frame.lineEnd.assign(end);
            pendingFrom_ = next;
            expect_ = Expect::Name;
            return;
        case Expect::PolygonName:
            // A further polygon's name line, whatever it holds.
            if (trimBlanks(line).empty()) return;
            expect_ = Expect::Name;
            return;
        case Expect::Name: readNameLine(line, end, offset, next); return;
        case Expect::RingLine: readRingLine(line, offset, next); return;
        }
    }

    void readNameLine(std::string_view line, std::string_view end, std::size_t offset, std::size_t next) {
        if (trimBlanks(line).empty()) return;
        if (isEndLine(line)) {
            sawEnd_ = true;
            closedSinceLastRing_ = true;
            // A further polygon may follow: its problems count only once it
            // turns out to hold a ring.
            inFurtherPolygon_ = true;
            keptInPolygon_ = false;
            deferred_ = {};
            expect_ = Expect::PolygonName;
            return;
        }
        ring_ = RingInProgress{};
        ring_.nameStart = offset;
        double lon = 0, lat = 0;
        if (tess::readRingLine(line, lon, lat) == LineKind::Vertex) {
            // No name line: this is the ring's first vertex.
            ring_.start = offset;
            ring_.take(line, lon, lat);
        } else {
            ring_.name = line;
            ring_.nameLineEnd = end;
            ring_.start = next;
        }
        expect_ = Expect::RingLine;
    }

    void readRingLine(std::string_view line, std::size_t offset, std::size_t next) {
        if (isEndLine(line)) {
            sawEnd_ = true;
            endRing(offset, next);
            expect_ = Expect::Name;
            return;
        }
        double lon = 0, lat = 0;
        switch (tess::readRingLine(line, lon, lat)) {
        case LineKind::Vertex: ring_.take(line, lon, lat); return;
        case LineKind::Bad: problem(PolyProblem::BadVertex, lineNumber_, line); return;
        case LineKind::Text:
            if (ring_.firstTextLine == 0) ring_.firstTextLine = lineNumber_, ring_.firstText = line;
            return;
        case LineKind::Blank: return;
        }
    }

    // The ring's END line runs from `endStart` to `next`; at the end of
    // the text without one, both are the text's size.
    void endRing(std::size_t endStart, std::size_t next) {
        if (ring_.facts.vertices == 0) {
            // A ring of text lines alone cannot be read; one without lines
            // is no ring, and stays in the text between rings.
            if (ring_.firstTextLine != 0) problem(PolyProblem::RingWithoutVertex, ring_.firstTextLine, ring_.firstText);
            return;
        }
        if (!deferred_.ok()) {
            fail(deferred_);
            return;
        }
        if (file().rings.size() == static_cast<std::size_t>(kMaxRings)) {
            result_.problem = PolyProblem::TooManyRings;
            return;
        }
        keptInPolygon_ = true;
        RingText ring;
        ring.name.assign(ring_.name);
        ring.nameLineEnd.assign(ring_.nameLineEnd);
        ring.text = shared_;
        ring.lines = text_.substr(ring_.start, endStart - ring_.start);
        ring.facts = ring_.facts;
        ring.facts.known = true;
        ring.place = static_cast<int>(file().rings.size()) + 1;
        ring.leading.assign(text_.substr(pendingFrom_, ring_.nameStart - pendingFrom_));
        ring.endLine.assign(text_.substr(endStart, next - endStart));
        file().rings.push_back(std::move(ring));
        pendingFrom_ = next;
        closedSinceLastRing_ = false;
    }

    // A fault in the first polygon refuses the file at once; in a further
    // one, only when that polygon holds a ring (else it is text after the
    // file's END, which adds nothing).
    void problem(PolyProblem kind, std::size_t lineNumber, std::string_view line) {
        PolyParse fault;
        fault.problem = kind;
        fault.lineNumber = lineNumber;
        fault.line.assign(line);
        if (!inFurtherPolygon_ || keptInPolygon_) fail(fault);
        else if (deferred_.ok()) deferred_ = std::move(fault);
    }

    void fail(const PolyParse& fault) {
        result_.problem = fault.problem;
        result_.lineNumber = fault.lineNumber;
        result_.line = fault.line;
    }

    void finish() {
        if (expect_ == Expect::RingLine && ring_.facts.vertices > 0) {
            const std::size_t keptBefore = file().rings.size();
            endRing(text_.size(), text_.size());
            if (!result_.ok()) return;
            file().lastRingUnclosed = file().rings.size() > keptBefore;
        } else if (expect_ == Expect::RingLine && ring_.firstTextLine != 0) {
            problem(PolyProblem::RingWithoutVertex, ring_.firstTextLine, ring_.firstText);
            if (!result_.ok()) return;
        }
        PolyFrame& frame = file().frame;
        frame.fromFile = true;
        frame.tail.assign(text_.substr(std::min(pendingFrom_, text_.size())));
        frame.closingEndRead = closedSinceLastRing_;
        if (!sawEnd_) result_.problem = PolyProblem::NoEnd;
        else if (file().rings.empty()) result_.problem = PolyProblem::NoRings;
    }

    PolyFile& file() { return result_.file; }

    std::shared_ptr<const std::string> shared_;
    std::string_view text_;
    const ReadProgress& progress_;
    std::size_t nextReport_ = std::size_t{1} << 20;
    PolyParse result_;
    Expect expect_ = Expect::Title;
    std::size_t lineNumber_ = 0;
    std::size_t pendingFrom_ = 0;
    RingInProgress ring_;
    bool sawEnd_ = false;
    bool closedSinceLastRing_ = false;
    bool inFurtherPolygon_ = false;
    bool keptInPolygon_ = false;
    PolyParse deferred_;
};

}  // namespace

PolyParse parsePolyText(std::string_view text) {
    return parsePolyText(std::make_shared<const std::string>(text));
}

PolyParse parsePolyText(std::shared_ptr<const std::string> text, const ReadProgress& progress) {
    return PolyReader(std::move(text), progress).read();
}

std::string polyProblemMessage(const PolyParse& parse, const std::string& fileName) {
    switch (parse.problem) {
    case PolyProblem::None: return {};
    case PolyProblem::NoEnd: return kCannotFindEnd;
    case PolyProblem::NoRings: return kNoDataSave;
    case PolyProblem::TooManyRings: return kTooManyRings;
    case PolyProblem::BadVertex:
    case PolyProblem::RingWithoutVertex:
        return std::string(kCheckPolyFile) + fileName + "\r\n\r\nLine " + std::to_string(parse.lineNumber) +
               ": " + parse.line.substr(0, 80);
    }
    return {};
}

namespace {

// Appends a number word, with ".0" before its exponent or at its end.
void appendWithPeriod(std::string& out, std::string_view word) {
    const std::size_t exponent = word.find_first_of("EeDd");
    out += word.substr(0, exponent);
    out += ".0";
    if (exponent != std::string_view::npos) out += word.substr(exponent);
}

}  // namespace

bool appendRepairedVertexLine(std::string& out, std::string_view line) {
    if (!needsRepair(line)) {
        out += line;
        return false;
    }
    if (!isBlank(line.front())) out += "   ";
    if (line.find('.') != std::string_view::npos) {
        out += line;
        return true;
    }
    // The first two words are the numbers; what follows stays as it was.
    std::size_t i = 0;
    for (int word = 0; word < 2 && i < line.size(); ++word) {
        while (i < line.size() && isBlank(line[i])) out += line[i++];
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        appendWithPeriod(out, line.substr(start, i - start));
    }
    out += line.substr(i);
    return true;
}

}  // namespace tess
