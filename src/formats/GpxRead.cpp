// Turning GPX text into points, read as XML by expat: a point is a wpt,
// rtept or trkpt element, and its coordinates are its lat and lon
// attributes, whatever their order, quotes or the white space around them.
#include <expat.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>

#include "document/Numbers.h"
#include "formats/Gpx.h"
#include "platform/Messages.h"

namespace tess {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && isXmlSpace(t.front())) t.remove_prefix(1);
    while (!t.empty() && isXmlSpace(t.back())) t.remove_suffix(1);
    return t;
}

// A number as the coordinate lines take it: optional sign, digits with at
// most one point, an optional exponent, within double range.
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
    return i == n && !readDecimalChecked(t).overflow;
}

// The element's name without a namespace prefix ("gpx:trkpt").
std::string_view localName(const char* name) {
    std::string_view n = name;
    const std::size_t colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

bool isPointElement(std::string_view name) { return name == "trkpt" || name == "rtept" || name == "wpt"; }

struct Reading {
    const std::function<void(const GpxPointText&)>* take = nullptr;
    GpxScan scan;
};

void XMLCALL startElement(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& reading = *static_cast<Reading*>(data);
    if (!isPointElement(localName(name))) return;
    std::string_view lat, lon;
    bool hasLat = false, hasLon = false;
    for (const XML_Char** a = attributes; a[0] && a[1]; a += 2) {
        const std::string_view key = localName(a[0]);
        if (key == "lat") lat = trimmed(a[1]), hasLat = true;
        else if (key == "lon") lon = trimmed(a[1]), hasLon = true;
    }
    if (!hasLat || !hasLon || !isNumberText(lat) || !isNumberText(lon)) {
        ++reading.scan.passedOver;
        return;
    }
    ++reading.scan.points;
    (*reading.take)(GpxPointText{lon, lat});
}

// Files declaring an encoding expat does not know (windows-1252 and the
// like) are read byte by byte: coordinates are plain ASCII in every one of
// them, and nothing else of the file is kept.
int XMLCALL singleByteEncoding(void*, const XML_Char*, XML_Encoding* info) {
    for (int i = 0; i < 256; ++i) info->map[i] = i;
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

struct ParserFree {
    void operator()(XML_Parser p) const { XML_ParserFree(p); }
};

}  // namespace

GpxScan forEachGpxPoint(std::string_view gpxText, const std::function<void(const GpxPointText&)>& take) {
    Reading reading;
    reading.take = &take;
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserFree> parser(XML_ParserCreate(nullptr));
    if (!parser) {
        reading.scan.brokenAt = "not enough memory to read it";
        return reading.scan;
    }
    XML_SetUserData(parser.get(), &reading);
    XML_SetStartElementHandler(parser.get(), startElement);
    XML_SetUnknownEncodingHandler(parser.get(), singleByteEncoding, nullptr);
    // expat takes at most an int's worth of bytes at a time.
    constexpr std::size_t kPiece = std::size_t{1} << 24;
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(kPiece, gpxText.size() - at);
        const bool last = at + size == gpxText.size();
        if (XML_Parse(parser.get(), gpxText.data() + at, static_cast<int>(size), last) != XML_STATUS_OK) {
            reading.scan.brokenAt = "line " + std::to_string(XML_GetCurrentLineNumber(parser.get())) + ": " +
                                    XML_ErrorString(XML_GetErrorCode(parser.get()));
            break;
        }
        at += size;
    } while (at < gpxText.size());
    return reading.scan;
}

namespace {

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

bool namesGpxFile(std::string_view path) {
    return path.size() >= 4 && lowerAscii(std::string(path.substr(path.size() - 4))) == ".gpx";
}

GpxImport gpxToPolyFile(std::string_view fileName, std::string_view gpxText) {
    GpxImport import;
    PolyFile& file = import.file;
    file.title = namesGpxFile(fileName) ? fileName.substr(0, fileName.size() - 4) : fileName;
    std::string lines;
    // A track point takes a quarter of its GPX text or less as a line.
    lines.reserve(64 + gpxText.size() / 4);
    // Each point's line is indented and holds a period, so the ring is
    // written as it stands; its numbers are read here, once, for the
    // vertex count and the view.
    RingFacts facts;
    facts.known = true;
    std::string firstLine;
    import.scan = forEachGpxPoint(gpxText, [&](const GpxPointText& p) {
        const std::size_t from = lines.size();
        appendPointLine(lines, p);
        if (facts.vertices == 0) firstLine = lines.substr(from);
        facts.add(readDecimal(p.lon), readDecimal(p.lat));
    });
    if (facts.vertices == 0) return import;
    lines += firstLine;
    facts.add(facts.firstLon, facts.firstLat);
    file.rings.push_back(ownRingText("1", std::move(lines), facts));
    return import;
}

std::string gpxScanNote(const GpxScan& scan) {
    std::string text;
    if (!scan.whole()) text = kGpxBrokenAt + scan.brokenAt + "; the " +
                              std::to_string(scan.points) + " points before it were read.";
    if (scan.passedOver > 0) {
        if (!text.empty()) text += "\r\n";
        text += std::to_string(scan.passedOver) + (scan.passedOver == 1 ? " point was" : " points were") + kGpxPassedOver;
    }
    return text;
}


}  // namespace tess
