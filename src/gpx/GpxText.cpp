// Turning GPX text into a document. The GPX file is never
// parsed as XML: the only structure recognised is a latitude attribute
// followed, one blank later, by its lon attribute, which is how nearly
// every GPX writer lays a point out.
#include <cstddef>

#include "document/Numbers.h"
#include "gpx/GpxReader.h"

namespace tess {

namespace {

constexpr std::string_view kLatKey = "lat=";
constexpr std::string_view kLonKey = "lon=\"";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the coordinate lines take it: optional sign, digits with at
// most one point, an optional exponent. Anything else (an empty value,
// single quotes, a tag glued to the value) is not a point.
bool isNumberText(std::string_view t) {
    std::size_t i = 0;
    const std::size_t n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(t[i])) ++digits;
        else if (t[i] == '.' && !point) point = true;
        else break;
    }
    if (digits == 0) return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(t[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == n;
}

// A number beyond the range of a double would make the reader refuse the
// whole working file; such a point is passed over like any malformed one.
bool isOutOfRange(std::string_view number) {
    bool exponent = false;
    for (char c : number) exponent |= c == 'e' || c == 'E';
    if (!exponent && number.size() < 300) return false;
    return readDecimalChecked(number).overflow;
}

std::string_view withoutQuotes(std::string_view t) {
    while (!t.empty() && t.front() == '"') t.remove_prefix(1);
    while (!t.empty() && t.back() == '"') t.remove_suffix(1);
    return t;
}

// The piece that follows the minlat or maxlat of a bounds element holds
// that element's minlon or maxlon; it is not a point.
bool isBoundsPiece(std::string_view piece) {
    for (std::size_t at = piece.find("lon"); at != std::string_view::npos;
         at = piece.find("lon", at + 3)) {
        if (at >= 3) {
            std::string_view before = piece.substr(at - 3, 3);
            if (before == "max" || before == "min") return true;
        }
    }
    return false;
}

// Cuts one point out of the text that follows a "lat=".
bool cutPoint(std::string_view piece, GpxPointText& point) {
    if (isBoundsPiece(piece)) return false;
    const std::size_t blank = piece.find(' ');
    if (blank == std::string_view::npos) return false;
    const std::string_view lat = withoutQuotes(piece.substr(0, blank));
    std::string_view second = piece.substr(blank + 1);
    second = second.substr(0, second.find(' '));
    if (!second.starts_with(kLonKey)) return false;
    second.remove_prefix(kLonKey.size());
    const std::size_t quote = second.find('"');
    if (quote == std::string_view::npos) return false;
    const std::string_view lon = second.substr(0, quote);
    if (!isNumberText(lat) || !isNumberText(lon) || isOutOfRange(lat) || isOutOfRange(lon))
        return false;
    point = {lon, lat};
    return true;
}

// A whole number gains ".0" (before any exponent) so that its line still
// counts as a coordinate line.
void appendCoordinate(std::string& out, std::string_view number) {
    if (number.find('.') != std::string_view::npos) {
        out += number;
        return;
    }
    const std::size_t exponent = number.find_first_of("eE");
    out += number.substr(0, exponent);
    out += ".0";
    if (exponent != std::string_view::npos) out += number.substr(exponent);
}

void appendPointLine(std::string& out, const GpxPointText& p) {
    out += "   ";
    appendCoordinate(out, p.lon);
    out += ' ';
    appendCoordinate(out, p.lat);
    out += '\n';
}

}  // namespace

void forEachGpxPoint(std::string_view gpxText, const std::function<void(const GpxPointText&)>& take) {
    std::size_t at = gpxText.find(kLatKey);
    while (at != std::string_view::npos) {
        const std::size_t from = at + kLatKey.size();
        const std::size_t next = gpxText.find(kLatKey, from);
        const std::size_t end = next == std::string_view::npos ? gpxText.size() : next;
        GpxPointText point;
        if (cutPoint(gpxText.substr(from, end - from), point)) take(point);
        at = next;
    }
}

std::vector<GpxPointText> gpxPoints(std::string_view gpxText) {
    std::vector<GpxPointText> points;
    forEachGpxPoint(gpxText, [&](const GpxPointText& p) { points.push_back(p); });
    return points;
}

bool namesGpxFile(std::string_view path) {
    return path.size() >= 4 && lowerAscii(std::string(path.substr(path.size() - 4))) == ".gpx";
}

PolyFile gpxToPolyFile(std::string_view fileName, std::string_view gpxText) {
    PolyFile file;
    file.title = namesGpxFile(fileName) ? fileName.substr(0, fileName.size() - 4) : fileName;
    std::string lines;
    // A track point takes a quarter of its GPX text or less as a line.
    lines.reserve(64 + gpxText.size() / 4);
    // Each point's line is indented and holds a period, so the ring is
    // written as it stands; its numbers are read here, once, for the
    // vertex count and the view.
    RingFacts facts;
    facts.known = true;
    facts.writtenAsIs = true;
    GpxPointText first;
    auto take = [&](const GpxPointText& p) {
        appendPointLine(lines, p);
        facts.add(readDecimal(p.lon), readDecimal(p.lat));
    };
    forEachGpxPoint(gpxText, [&](const GpxPointText& p) {
        if (facts.vertices == 0) first = p;
        take(p);
    });
    if (facts.vertices == 0) return file;
    take(first);
    file.rings.push_back(ownRingText("1", std::move(lines), facts));
    return file;
}

std::string gpxDocumentName(const std::string& path) {
    return (namesGpxFile(path) ? path.substr(0, path.size() - 4) : path) + ".poly";
}

}  // namespace tess
