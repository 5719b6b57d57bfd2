// Reading .poly files. The reader never parses the structure line by line:
// it splits the whole text at "END" and, within the ring being made
// current, takes every line that contains a period as a coordinate line.
#include "document/Reader.h"

#include <algorithm>

#include "document/Numbers.h"
#include "platform/Files.h"
#include "view/Clearing.h"
#include "view/Progress.h"
#include "view/Transform.h"

namespace tess {

std::vector<std::string> splitRings(std::string text) {
    std::erase(text, '\r');
    upperAscii(text);
    std::vector<std::pair<std::size_t, std::size_t>> pieces;  // offset, length
    std::size_t from = 0, largest = 0;
    for (std::size_t at = text.find("END"); at != std::string::npos; at = text.find("END", from)) {
        pieces.emplace_back(from, at - from);
        from = at + 3;
    }
    pieces.emplace_back(from, text.size() - from);
    for (std::size_t i = 1; i < pieces.size(); ++i)
        if (pieces[i].second > pieces[largest].second) largest = i;

    // The largest piece keeps the buffer itself, so a big single-ring file
    // is never held twice.
    std::vector<std::string> rings(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (i != largest) rings[i].assign(text, pieces[i].first, pieces[i].second);
    text.resize(pieces[largest].first + pieces[largest].second);
    text.erase(0, pieces[largest].first);
    rings[largest] = std::move(text);
    return rings;
}

namespace {

// The text after the last END is never a ring, and the piece before it is
// normally the empty space between the last ring's END and the closing
// one. When the closing END is missing that piece is the last ring itself:
// it holds coordinate lines, and counting it keeps the ring.
int ringCountOf(const std::vector<std::string>& ringTexts) {
    const auto size = static_cast<int>(ringTexts.size());
    if (size < 2) return 0;
    const bool lastPieceIsRing = ringTexts[static_cast<std::size_t>(size - 2)].find('.') != std::string::npos;
    return lastPieceIsRing ? size - 1 : size - 2;
}

enum class RingParse { Ok, BadLine };

// Parses a ring text into the current ring's arrays, widening the view
// unless a background fixes it. With stopAtBadLine the first malformed
// coordinate line ends the parse; otherwise such lines are skipped.
RingParse parseRing(State& s, std::string_view text, bool stopAtBadLine) {
    const bool fit = s.bk.bkPointCount == 0;
    const std::size_t lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    auto& lon = s.doc.ringLon;
    auto& lat = s.doc.ringLat;
    lon.assign(lineCount, 0.0);
    lat.assign(lineCount, 0.0);

    std::size_t vertices = 0;
    std::size_t pos = 0;
    RingParse result = RingParse::Ok;
    for (std::size_t i = 0; i < lineCount; ++i) {
        std::size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos) eol = text.size();
        std::string_view line = text.substr(pos, eol - pos);
        pos = eol + 1;
        if (i % 10 == 1) rec(s, 0, static_cast<std::int32_t>(std::min<std::size_t>(i, INT32_MAX)),
                             static_cast<double>(lineCount - 1));
        if (line.find('.') == std::string_view::npos) continue;
        double x = 0, y = 0;
        if (parseCoordinateLine(line, x, y) != LineParse::Ok) {
            if (stopAtBadLine) {
                result = RingParse::BadLine;
                break;
            }
            continue;
        }
        lon[vertices] = x;
        lat[vertices] = y;
        if (fit) widenFit(s.view, x, y);
        ++vertices;
    }
    lon.resize(std::max<std::size_t>(vertices, 1));
    lat.resize(std::max<std::size_t>(vertices, 1));
    s.doc.lastPoint = static_cast<std::int64_t>(vertices) - 1;
    return result;
}

void finishRing(State& s) {
    s.platform.processEvents();
    if (s.bk.bkPointCount == 0) finishFit(s.view);
    else setBoundLabels(s.view);
}

}  // namespace

bool loadpoly(State& s, const std::string& fileName, int ringIndex) {
    if (s.bk.bkPointCount == 0) resetFit(s.view);
    if (s.doc.lastPoint > 0) unloadpnts(s);
    rec(s, 0, 0, 0);
    if (fileName.empty()) return true;
    if (!fileExists(fileName)) {
        s.platform.message(kCannotOpenFile);
        return false;
    }

    std::string text = readWholeFile(fileName);
    s.doc.titleEnabled = true;
    const bool hasCapitalEnd = text.find("END") != std::string::npos;

    // Too many rings are refused before anything is replaced, so the open
    // document survives.
    std::vector<std::string> rings = splitRings(std::move(text));
    if (rings.size() > static_cast<std::size_t>(kMaxRings) + 2) {
        s.platform.message(kCheckPolyFile);
        return false;
    }

    s.doc.ringTexts = std::move(rings);
    s.doc.listCount = ringCountOf(s.doc.ringTexts);
    s.doc.listIndex = ringIndex < s.doc.listCount ? ringIndex : -1;
    const std::string& first = s.doc.ringTexts.front();
    s.doc.title = first.substr(0, first.find('\n'));

    if (!hasCapitalEnd) {
        s.platform.message(kCannotFindEnd);
        s.platform.normalPointer();
        return false;
    }

    s.platform.busyPointer();
    const std::size_t index = static_cast<std::size_t>(std::max(ringIndex, 0));
    if (index < s.doc.ringTexts.size() &&
        parseRing(s, s.doc.ringTexts[index], true) == RingParse::BadLine) {
        s.platform.message(kCheckPolyFile);
        s.platform.normalPointer();
        return false;
    }
    finishRing(s);
    s.platform.normalPointer();
    return true;
}

void loaddt(State& s, int ringIndex) {
    if (ringIndex < 0 || static_cast<std::size_t>(ringIndex) >= s.doc.ringTexts.size()) return;
    if (s.doc.handlesShown) {
        for (std::int64_t i = 1; i <= s.doc.lastPoint; ++i) {
            s.overlays.Line1.remove(static_cast<std::size_t>(i));
            s.overlays.node.remove(static_cast<std::size_t>(i));
        }
        s.doc.handlesShown = false;
    }
    if (s.bk.bkPointCount == 0) resetFit(s.view);
    s.platform.busyPointer();
    // A malformed line of a ring chosen later is skipped: the ring's other
    // vertices are still worth showing.
    parseRing(s, s.doc.ringTexts[static_cast<std::size_t>(ringIndex)], false);
    finishRing(s);
    s.platform.normalPointer();
}

}  // namespace tess
