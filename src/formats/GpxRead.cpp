// Turning GPX text into points: a point is a wpt, rtept or trkpt element,
// and its coordinates are its lat and lon attributes, whatever their
// order, quotes or the white space around them.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

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

// The number an attribute value holds, as the coordinate lines take it:
// optional sign, digits with at most one point, an optional exponent,
// within double range. Nothing for any other text.
std::optional<double> coordinateValue(std::string_view t) {
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
    if (digits == 0) return std::nullopt;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(t[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    const DecimalRead read = readDecimalChecked(t);
    if (read.overflow) return std::nullopt;
    return read.value;
}

// The name without a namespace prefix ("gpx:trkpt").
std::string_view localName(std::string_view name) {
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// An attribute value with its character and entity references replaced;
// a reference that is none of them stays as it is.
std::string decoded(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::size_t semicolon = value[i] == '&' ? value.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos) {
            out += value[i];
            continue;
        }
        const std::string_view name = value.substr(i + 1, semicolon - i - 1);
        unsigned long code = 0;
        if (name.starts_with("#x") || name.starts_with("#X")) {
            const auto [end, ec] = std::from_chars(name.data() + 2, name.data() + name.size(), code, 16);
            if (ec != std::errc() || end != name.data() + name.size()) code = 0;
        } else if (name.starts_with("#")) {
            const auto [end, ec] = std::from_chars(name.data() + 1, name.data() + name.size(), code);
            if (ec != std::errc() || end != name.data() + name.size()) code = 0;
        } else {
            code = name == "amp" ? '&' : name == "lt" ? '<' : name == "gt" ? '>' : name == "quot" ? '"' : name == "apos" ? '\'' : 0;
        }
        // Coordinates are plain ASCII: a reference to anything else cannot
        // be part of one.
        if (code == 0 || code > 0x7F) {
            out += value[i];
            continue;
        }
        out += static_cast<char>(code);
        i = semicolon;
    }
    return out;
}

// A UTF-16 text as ASCII: coordinates are ASCII, and every other character
// becomes "?".
std::string asciiOfUtf16(std::string_view text, bool littleEndian) {
    std::string out;
    out.reserve(text.size() / 2);
    for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
        const auto low = static_cast<unsigned char>(text[littleEndian ? i : i + 1]);
        const auto high = static_cast<unsigned char>(text[littleEndian ? i + 1 : i]);
        out += high == 0 && low < 0x80 ? static_cast<char>(low) : '?';
    }
    return out;
}

// Finds the GPX points of an XML text: start tags whose local name is
// trkpt, rtept or wpt, outside comments, CDATA sections, processing
// instructions and the document type. Neither text nor an attribute value
// may hold a "<", so "<trkpt" (or "<prefix:trkpt") outside those is always
// a real tag: the walker looks for the "pt" that ends such a name and the
// next "<!" or "<?", and reads through nothing else. That keeps it close to
// the speed of reading the file, where a full parser takes four times as
// long. Beyond that it checks only where the markup breaks off.
class PointWalker {
public:
    PointWalker(std::string_view text, const std::function<void(const GpxPointText&)>& take)
        : t_(text), take_(take) {}

    GpxScan walk() {
        std::size_t bang = findMarkupStart('!', 0), question = findMarkupStart('?', 0);
        while (scan_.whole()) {
            if (bang < i_) bang = findMarkupStart('!', i_);
            if (question < i_) question = findMarkupStart('?', i_);
            const std::size_t special = std::min(bang, question);
            const std::size_t pt = t_.find("pt", i_);
            if (special != npos && (pt == npos || special < pt)) {
                skipSpecial(special);
            } else if (pt == npos) {
                break;
            } else {
                i_ = pt + 2;
                const std::size_t open = pointTagStart(pt);
                if (open != npos) pointTag(open);
            }
        }
        // Every tag but the last ends before the next one begins.
        const std::size_t lastOpen = t_.rfind('<'), lastClose = t_.rfind('>');
        if (scan_.whole() && lastOpen != npos && (lastClose == npos || lastClose < lastOpen))
            brokenAt(lastOpen, "a tag that is not closed");
        return scan_;
    }

private:
    static constexpr std::size_t npos = std::string_view::npos;

    // The "<" of the next "<!" or "<?" (as `mark` says) from `from` on.
    // The mark is rare in GPX where "<" is everywhere, so it is the one
    // looked for.
    std::size_t findMarkupStart(char mark, std::size_t from) const {
        for (std::size_t at = t_.find(mark, from + 1); at != npos; at = t_.find(mark, at + 1))
            if (t_[at - 1] == '<') return at - 1;
        return npos;
    }

    // Attribute values are short: a plain loop finds their end sooner than
    // a call to the C library's search.
    std::size_t closingQuote(char quote, std::size_t from) const {
        const auto at = std::find(t_.begin() + static_cast<std::ptrdiff_t>(from), t_.end(), quote);
        return at == t_.end() ? npos : static_cast<std::size_t>(at - t_.begin());
    }

    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    static bool endsName(char c) { return isSpace(c) || c == '>' || c == '/' || c == '='; }

    // The "<" of the point tag whose name ends in the "pt" at `pt`, or npos
    // when that "pt" ends no such name. A prefix is looked through back to
    // the "<", and no further than the colon before it, so no character is
    // looked at twice.
    std::size_t pointTagStart(std::size_t pt) const {
        const std::size_t after = pt + 2;
        if (after >= t_.size() || !endsName(t_[after])) return npos;
        const std::string_view before = t_.substr(0, pt);
        std::size_t nameStart;
        if (before.ends_with("trk") || before.ends_with("rte")) nameStart = pt - 3;
        else if (before.ends_with("w")) nameStart = pt - 1;
        else return npos;
        if (nameStart == 0) return npos;
        if (t_[nameStart - 1] == '<') return nameStart - 1;
        if (t_[nameStart - 1] != ':') return npos;
        std::size_t k = nameStart - 1;
        while (k > 0 && !endsName(t_[k - 1]) && t_[k - 1] != '<' && t_[k - 1] != ':') --k;
        return k > 0 && k < nameStart - 1 && t_[k - 1] == '<' ? k - 1 : npos;
    }

    void skipSpecial(std::size_t open) {
        i_ = open + 1;
        const std::string_view rest = t_.substr(i_);
        if (rest.starts_with("!--")) skipPast("-->", open, "a comment that is not closed");
        else if (rest.starts_with("![CDATA[")) skipPast("]]>", open, "a CDATA section that is not closed");
        else if (rest.starts_with("!")) skipDeclaration(open);
        else skipPast("?>", open, "a processing instruction that is not closed");
    }

    void skipPast(std::string_view end, std::size_t from, const char* what) {
        const std::size_t at = t_.find(end, i_);
        if (at == npos) return brokenAt(from, what);
        i_ = at + end.size();
    }

    // <!DOCTYPE ... [ ... ]>: quoted strings and the internal subset may
    // hold ">".
    void skipDeclaration(std::size_t from) {
        char quote = 0;
        int depth = 0;
        for (; i_ < t_.size(); ++i_) {
            const char c = t_[i_];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']') {
                --depth;
            } else if (c == '>' && depth <= 0) {
                ++i_;
                return;
            }
        }
        brokenAt(from, "a declaration that is not closed");
    }

    void skipSpace() {
        while (i_ < t_.size() && isSpace(t_[i_])) ++i_;
    }
    std::string_view nameHere() {
        const std::size_t from = i_;
        while (i_ < t_.size() && !endsName(t_[i_])) ++i_;
        return t_.substr(from, i_ - from);
    }

    // Reads the attributes of the point tag at `open`, its name already
    // passed.
    void pointTag(std::size_t open) {
        std::string_view lat, lon;
        bool hasLat = false, hasLon = false;
        for (;;) {
            skipSpace();
            if (i_ >= t_.size()) return brokenAt(open, "a tag that is not closed");
            if (t_[i_] == '>' || (t_[i_] == '/' && i_ + 1 < t_.size() && t_[i_ + 1] == '>')) {
                i_ += t_[i_] == '>' ? 1 : 2;
                break;
            }
            const std::string_view attribute = nameHere();
            skipSpace();
            if (attribute.empty() || i_ >= t_.size() || t_[i_] != '=') return brokenAt(open, "an attribute without a value");
            ++i_;
            skipSpace();
            const char quote = i_ < t_.size() ? t_[i_] : 0;
            const std::size_t close = quote == '"' || quote == '\'' ? closingQuote(quote, i_ + 1) : npos;
            if (close == npos) return brokenAt(open, "an attribute value that is not quoted or not closed");
            const std::string_view value = t_.substr(i_ + 1, close - i_ - 1);
            i_ = close + 1;
            const std::string_view key = localName(attribute);
            if (key == "lat") lat = value, hasLat = true;
            else if (key == "lon") lon = value, hasLon = true;
        }
        takePoint(hasLat && hasLon, lat, lon);
    }

    void takePoint(bool both, std::string_view lat, std::string_view lon) {
        // Entities are rare in coordinates: they are decoded only when the
        // text does not read as a number without.
        std::string latText, lonText;
        std::optional<double> latValue, lonValue;
        if (both && !(latValue = coordinateValue(trimmed(lat))) && lat.find('&') != std::string_view::npos)
            latValue = coordinateValue(trimmed(latText = decoded(lat)));
        if (latValue && !(lonValue = coordinateValue(trimmed(lon))) && lon.find('&') != std::string_view::npos)
            lonValue = coordinateValue(trimmed(lonText = decoded(lon)));
        if (!lonValue) {
            ++scan_.passedOver;
            return;
        }
        ++scan_.points;
        take_(GpxPointText{trimmed(lonText.empty() ? lon : lonText), trimmed(latText.empty() ? lat : latText), *lonValue,
                           *latValue});
    }

    void brokenAt(std::size_t at, const char* what) {
        const auto line = 1 + std::count(t_.begin(), t_.begin() + static_cast<std::ptrdiff_t>(at), '\n');
        scan_.brokenAt = "line " + std::to_string(line) + ": " + what;
    }

    std::string_view t_;
    std::size_t i_ = 0;
    const std::function<void(const GpxPointText&)>& take_;
    GpxScan scan_;
};

}  // namespace

GpxScan forEachGpxPoint(std::string_view gpxText, const std::function<void(const GpxPointText&)>& take) {
    // A UTF-16 file, told by its byte-order mark, is read as ASCII.
    const bool littleEndian = gpxText.starts_with("\xFF\xFE"), bigEndian = gpxText.starts_with("\xFE\xFF");
    if (littleEndian || bigEndian) {
        const std::string ascii = asciiOfUtf16(gpxText, littleEndian);
        return PointWalker(ascii, take).walk();
    }
    return PointWalker(gpxText, take).walk();
}

namespace {

// A whole number gains ".0" (before any exponent) so that its line still
// counts as a coordinate line.
void appendCoordinate(std::string& out, std::string_view number) {
    if (std::find(number.begin(), number.end(), '.') != number.end()) {
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
    // A track point takes a third of its GPX text or less as a line.
    lines.reserve(64 + gpxText.size() / 3);
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
        facts.add(p.lonValue, p.latValue);
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
        text += scan.passedOver == 1 ? std::string(kGpxPointPassedOver) : std::to_string(scan.passedOver) + kGpxPointsPassedOver;
    }
    return text;
}


}  // namespace tess
