// Reading GeoJSON as it streams in, a piece at a time, into the rings'
// vertex lines. Nothing but the lines is kept: a whole text, a padded
// copy of it and a parser's index of it took 4.5 times the file; this
// takes little more than the lines themselves. Every byte is checked
// against JSON's grammar, nesting is bounded, and a GeoJSON object may
// give its members in any order: coordinates read before the type are
// kept or dropped once the type is known.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/Messages.h"
#include "document/Numbers.h"
#include "geometry/GeoJson.h"

namespace tess {

namespace {

// Arrays and objects nested deeper than this are refused: GeoJSON needs
// eight levels, a collection of collections a few more.
constexpr int kDeepest = 64;
// Longer numbers and member names are no GeoJSON a tool writes.
constexpr std::size_t kLongestToken = 4096;
constexpr std::size_t kPiece = std::size_t{1} << 16;

struct Refusal {
    std::string why;
};

[[noreturn]] void refuse(std::string why) { throw Refusal{std::move(why)}; }

// The text, a piece at a time.
class Input {
public:
    explicit Input(const TextSource& source) : source_(source), buffer_(kPiece, '\0') {}

    int peek() {
        if (at_ == end_ && !fill()) return -1;
        return static_cast<unsigned char>(buffer_[at_]);
    }
    int get() {
        if (at_ == end_ && !fill()) return -1;
        return static_cast<unsigned char>(buffer_[at_++]);
    }
    // The next byte that is not white space, not taken.
    int next() {
        for (int c = peek();; c = peek()) {
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return c;
            ++at_;
        }
    }
    void expect(char wanted, const char* what) {
        if (next() != static_cast<unsigned char>(wanted)) unexpected(what);
        ++at_;
    }
    [[noreturn]] void unexpected(const char* what) {
        const int c = peek();
        refuse(std::string(what) + " expected at byte " + std::to_string(offset() + 1) +
               (c < 0 ? ", where the text ends" : ""));
    }
    std::size_t offset() const { return before_ + at_; }

private:
    bool fill() {
        before_ += end_;
        at_ = 0;
        end_ = source_(buffer_.data(), buffer_.size());
        return end_ > 0;
    }

    const TextSource& source_;
    std::string buffer_;
    std::size_t at_ = 0, end_ = 0, before_ = 0;
};

// A JSON number's text, checked against the grammar.
std::string_view numberToken(Input& in, std::string& token) {
    token.clear();
    auto digits = [&] {
        const std::size_t before = token.size();
        for (int c = in.peek(); c >= '0' && c <= '9'; c = in.peek()) {
            token += static_cast<char>(in.get());
            if (token.size() > kLongestToken) refuse("a number of more than 4096 characters");
        }
        return token.size() > before;
    };
    if (in.peek() == '-') token += static_cast<char>(in.get());
    if (in.peek() == '0') token += static_cast<char>(in.get());
    else if (!digits()) in.unexpected("a digit");
    if (in.peek() == '.') {
        token += static_cast<char>(in.get());
        if (!digits()) in.unexpected("a digit");
    }
    if (in.peek() == 'e' || in.peek() == 'E') {
        token += static_cast<char>(in.get());
        if (in.peek() == '+' || in.peek() == '-') token += static_cast<char>(in.get());
        if (!digits()) in.unexpected("a digit");
    }
    return token;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::uint32_t hexQuad(Input& in) {
    std::uint32_t code = 0;
    for (int k = 0; k < 4; ++k) {
        const int c = in.get();
        const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (value < 0) refuse("a \\u escape needs four hexadecimal digits, at byte " + std::to_string(in.offset()));
        code = code * 16 + static_cast<std::uint32_t>(value);
    }
    return code;
}

// A string after its opening quote, unescaped into `out` while `out` holds
// fewer than `keep` bytes (the rest is checked and passed over).
void stringBody(Input& in, std::string& out, std::size_t keep) {
    out.clear();
    int pending = 0;            // continuation bytes a UTF-8 sequence still needs
    std::uint32_t lowest = 0;   // with its least lead: no overlong or surrogate forms
    std::uint32_t code = 0;
    auto put = [&](char c) {
        if (out.size() < keep) out += c;
    };
    for (;;) {
        const int c = in.get();
        if (c < 0) refuse("the text ends inside a string");
        if (pending) {
            if ((c & 0xC0) != 0x80) refuse("not UTF-8 at byte " + std::to_string(in.offset()));
            code = (code << 6) | static_cast<std::uint32_t>(c & 0x3F);
            if (--pending == 0 && (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
                refuse("not UTF-8 at byte " + std::to_string(in.offset()));
            put(static_cast<char>(c));
            continue;
        }
        if (c == '"') return;
        if (c < 0x20) refuse("a control character inside a string at byte " + std::to_string(in.offset()));
        if (c >= 0x80) {
            if (c >= 0xC2 && c <= 0xDF) pending = 1, lowest = 0x80, code = static_cast<std::uint32_t>(c & 0x1F);
            else if (c >= 0xE0 && c <= 0xEF) pending = 2, lowest = 0x800, code = static_cast<std::uint32_t>(c & 0x0F);
            else if (c >= 0xF0 && c <= 0xF4) pending = 3, lowest = 0x10000, code = static_cast<std::uint32_t>(c & 0x07);
            else refuse("not UTF-8 at byte " + std::to_string(in.offset()));
            put(static_cast<char>(c));
            continue;
        }
        if (c != '\\') {
            put(static_cast<char>(c));
            continue;
        }
        const int e = in.get();
        switch (e) {
        case '"': case '\\': case '/': put(static_cast<char>(e)); break;
        case 'b': put('\b'); break;
        case 'f': put('\f'); break;
        case 'n': put('\n'); break;
        case 'r': put('\r'); break;
        case 't': put('\t'); break;
        case 'u': {
            std::uint32_t unit = hexQuad(in);
            if (unit >= 0xD800 && unit <= 0xDBFF && in.get() == '\\' && in.get() == 'u') {
                const std::uint32_t low = hexQuad(in);
                if (low < 0xDC00 || low > 0xDFFF) refuse("a lone surrogate at byte " + std::to_string(in.offset()));
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            } else if (unit >= 0xD800 && unit <= 0xDFFF) {
                refuse("a lone surrogate at byte " + std::to_string(in.offset()));
            }
            std::string bytes;
            appendUtf8(bytes, unit);
            for (char b : bytes) put(b);
            break;
        }
        default: refuse("an unknown escape at byte " + std::to_string(in.offset()));
        }
    }
}

void literal(Input& in, std::string_view word) {
    for (char c : word)
        if (in.get() != static_cast<unsigned char>(c)) refuse("a misspelt true, false or null at byte " + std::to_string(in.offset()));
}

// The shortest text that reads back to the value: plain for magnitudes
// from 1e-9 up to 1e15, as a committed vertex is, with ".0" on a whole
// number, and with an exponent outside, so that no number spells out
// hundreds of digits (1e300 is "1.0e+300").
void appendPlainOrExponent(std::string& out, double value) {
    const double size = std::abs(value);
    const std::size_t start = out.size();
    char buffer[64];
    const bool plain = value == 0 || (size >= 1e-9 && size < 1e15);
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value == 0 ? 0.0 : value,
                                         plain ? std::chars_format::fixed : std::chars_format::scientific);
    out.append(buffer, ec == std::errc() ? end : buffer);
    const std::size_t exponent = out.find_first_of("eE", start);
    if (out.find('.', start) == std::string::npos) out.insert(exponent == std::string::npos ? out.size() : exponent, ".0");
}

class Reader {
public:
    Reader(const TextSource& source, std::size_t sizeHint) : in_(source) {
        // Room for the lines a text of that size makes as a rule; the pages
        // never written cost no memory.
        text_.reserve(sizeHint + sizeHint / 4 + 4096);
    }

    GeoJsonRead read() {
        GeoJsonRead read;
        try {
            skipByteOrderMark();
            if (in_.next() != '{') in_.unexpected("a GeoJSON object");
            object(Role::Any, 1);
            if (in_.next() >= 0) refuse("more text follows the GeoJSON object, at byte " + std::to_string(in_.offset() + 1));
        } catch (const Refusal& r) {
            read.error = r.why == kTooManyRings ? r.why : kNotGeoJson + r.why;
            return read;
        }
        if (rings_.empty()) {
            read.error = kNoDataSave;
            return read;
        }
        read.file.title = title_;
        restoreDocumentOrder();
        auto text = std::make_shared<const std::string>(std::move(text_));
        for (const Ring& r : rings_) {
            RingText ring;
            ring.name = (r.hole ? "!" : "") + std::to_string(read.file.rings.size() + 1);
            ring.text = text;
            ring.lines = std::string_view(*text).substr(r.begin, r.end - r.begin);
            ring.facts = factsOf(ring.lines);
            read.file.rings.push_back(std::move(ring));
        }
        return read;
    }

private:
    // Where an object stands: in a document or a feature list, any GeoJSON
    // object; in a feature's geometry or a collection, only a geometry.
    enum class Role { Any, Geometry };
    struct Ring {
        std::size_t begin, end;
        bool hole;
    };
    // What one member of an object added: rings [from, to).
    struct Added {
        std::size_t from = 0, to = 0;
        bool present = false;
    };
    // The shape of a coordinates member: the nesting of its positions.
    struct Shape {
        int positionLevel = 0;  // 3 for a Polygon, 4 for a MultiPolygon; 0 with no position
        std::string flaw;       // why it is no polygonal shape, if it is none
        void note(const char* why) {
            if (flaw.empty()) flaw = why;
        }
    };

    void skipByteOrderMark() {
        if (in_.peek() != 0xEF) return;
        in_.get();
        if (in_.get() != 0xBB || in_.get() != 0xBF) refuse("not UTF-8 at byte 1");
    }

    void enter(int depth) {
        if (depth > kDeepest) refuse("nested deeper than " + std::to_string(kDeepest) + " arrays and objects");
    }

    // Any JSON value, checked and passed over.
    void skipValue(int depth) {
        const int c = in_.next();
        if (c == '{') {
            enter(depth);
            members([&](const std::string&) { skipValue(depth + 1); });
        } else if (c == '[') {
            enter(depth);
            elements([&] { skipValue(depth + 1); });
        } else if (c == '"') {
            in_.get();
            stringBody(in_, scratch_, 0);
        } else if (c == 't') {
            literal(in_, "true");
        } else if (c == 'f') {
            literal(in_, "false");
        } else if (c == 'n') {
            literal(in_, "null");
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            numberToken(in_, scratch_);
        } else {
            in_.unexpected("a JSON value");
        }
    }

    // The members of the object whose "{" is next, each value read by
    // take(name); the name is cut to kLongestToken bytes.
    template <class Take>
    void members(Take take) {
        in_.expect('{', "{");
        if (in_.next() == '}') {
            in_.get();
            return;
        }
        for (;;) {
            in_.expect('"', "a member name");
            std::string name;
            stringBody(in_, name, kLongestToken);
            in_.expect(':', "':'");
            take(name);
            const int c = in_.next();
            in_.get();
            if (c == '}') return;
            if (c != ',') refuse("',' or '}' expected at byte " + std::to_string(in_.offset()));
        }
    }

    // The elements of the array whose "[" is next, each read by take().
    template <class Take>
    void elements(Take take) {
        in_.expect('[', "[");
        if (in_.next() == ']') {
            in_.get();
            return;
        }
        for (;;) {
            take();
            const int c = in_.next();
            in_.get();
            if (c == ']') return;
            if (c != ',') refuse("',' or ']' expected at byte " + std::to_string(in_.offset()));
        }
    }

    template <class Read>
    Added adding(Read read) {
        Added a{rings_.size(), 0, true};
        read();
        a.to = rings_.size();
        return a;
    }

    // Rings a member added that its object's type does not take.
    void drop(const Added& a) {
        if (!a.present || a.from == a.to) return;
        // Their lines are the last text unless rings came after them.
        const std::size_t textEnd = rings_[a.from].begin;
        const bool last = a.to == rings_.size();
        rings_.erase(rings_.begin() + static_cast<std::ptrdiff_t>(a.from), rings_.begin() + static_cast<std::ptrdiff_t>(a.to));
        if (last) text_.resize(textEnd);
    }

    void object(Role role, int depth) {
        enter(depth);
        std::optional<std::string> type;
        Added features, geometry, geometries, coordinates;
        Shape shape;
        std::optional<std::string> name;
        std::optional<std::vector<std::pair<std::int64_t, bool>>> places;
        auto is = [&](const char* wanted) { return !type || *type == wanted; };
        members([&](const std::string& key) {
            const int c = in_.next();
            if (key == "type") {
                if (c != '"') refuse("\"type\" is not a string, at byte " + std::to_string(in_.offset() + 1));
                in_.get();
                type.emplace();
                stringBody(in_, *type, kLongestToken);
            } else if (key == "features" && role == Role::Any && is("FeatureCollection")) {
                if (c != '[') in_.unexpected("an array of features");
                features = adding([&] {
                    elements([&] {
                        if (in_.next() != '{') in_.unexpected("a feature");
                        object(Role::Any, depth + 2);
                    });
                });
            } else if (key == "geometry" && role == Role::Any && is("Feature")) {
                if (c == 'n') literal(in_, "null");
                else if (c == '{') geometry = adding([&] { object(Role::Geometry, depth + 1); });
                else in_.unexpected("a geometry or null");
            } else if (key == "geometries" && is("GeometryCollection")) {
                if (c != '[') in_.unexpected("an array of geometries");
                geometries = adding([&] {
                    elements([&] {
                        if (in_.next() != '{') in_.unexpected("a geometry");
                        object(Role::Geometry, depth + 2);
                    });
                });
            } else if (key == "coordinates" && (is("Polygon") || is("MultiPolygon"))) {
                coordinates = adding([&] { shape = coordinatesOf(depth + 1); });
            } else if (key == "properties" && role == Role::Any && is("Feature") && c == '{') {
                properties(depth + 1, name, places);
            } else {
                skipValue(depth + 1);
            }
        });
        if (!type) refuse("a GeoJSON object without a \"type\"");
        const std::string& t = *type;
        const bool any = role == Role::Any;
        auto need = [&](const Added& a, const char* member) {
            if (!a.present) refuse("a " + t + " without \"" + member + "\"");
        };
        if (any && t == "FeatureCollection") need(features, "features");
        else drop(features);
        if (any && t == "Feature") takeTitle(name, places);
        else drop(geometry);
        if (t == "GeometryCollection") need(geometries, "geometries");
        else drop(geometries);
        if (t == "Polygon" || t == "MultiPolygon") {
            need(coordinates, "coordinates");
            const int level = t == "Polygon" ? 3 : 4;
            if (!shape.flaw.empty()) refuse("a " + t + "'s coordinates: " + shape.flaw);
            if (shape.positionLevel && shape.positionLevel != level) refuse("a " + t + "'s coordinates are nested wrongly");
        } else {
            drop(coordinates);
        }
    }

    // The first feature names the document; a property of ours gives its
    // rings' places.
    void takeTitle(const std::optional<std::string>& name, const std::optional<std::vector<std::pair<std::int64_t, bool>>>& places) {
        if (titleTaken_) return;
        titleTaken_ = true;
        if (name) {
            title_ = *name;
            // A line break would end the title line of the .poly file.
            std::replace_if(title_.begin(), title_.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
        }
        if (places) places_ = *places;
    }

    void properties(int depth, std::optional<std::string>& name, std::optional<std::vector<std::pair<std::int64_t, bool>>>& places) {
        enter(depth);
        members([&](const std::string& key) {
            if (key == "name" && in_.next() == '"') {
                in_.get();
                name.emplace();
                stringBody(in_, *name, std::string::npos);
            } else if (key == kRingPlaces) {
                places = ringPlaces(depth + 1);
            } else {
                skipValue(depth + 1);
            }
        });
    }

    // [[place, turned], ...]; anything else leaves the rings as read.
    std::vector<std::pair<std::int64_t, bool>> ringPlaces(int depth) {
        std::vector<std::pair<std::int64_t, bool>> out;
        bool sound = in_.next() == '[';
        if (!sound) {
            skipValue(depth);
            return out;
        }
        enter(depth);
        elements([&] {
            std::vector<std::int64_t> pair;
            if (in_.next() != '[') {
                sound = false;
                return skipValue(depth + 1);
            }
            enter(depth + 1);
            elements([&] {
                const int c = in_.next();
                if (c != '-' && (c < '0' || c > '9')) {
                    sound = false;
                    return skipValue(depth + 2);
                }
                const std::string_view token = numberToken(in_, scratch_);
                std::int64_t value = 0;
                const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
                sound = sound && ec == std::errc() && end == token.data() + token.size();
                pair.push_back(value);
            });
            sound = sound && pair.size() == 2;
            if (sound) out.emplace_back(pair[0], pair[1] != 0);
        });
        if (!sound) out.clear();
        return out;
    }

    // A coordinates member: nested arrays with numbers at the bottom. The
    // arrays of numbers are positions, the arrays of positions rings, and
    // the arrays of rings polygons, whatever the depth turns out to be; the
    // type says later whether that was a Polygon's or a MultiPolygon's.
    Shape coordinatesOf(int depth) {
        Shape shape;
        if (in_.next() != '[') {
            skipValue(depth);
            shape.note("not an array");
            return shape;
        }
        struct Open {
            std::size_t textAt;   // the text's size when it opened
            std::size_t children = 0;
            bool firstChildEmpty = false;
        };
        std::vector<Open> open;
        // An array of level `level` (the coordinates themselves are 1).
        auto array = [&](auto& recurse, int level) -> void {
            enter(depth + level - 1);
            open.push_back({text_.size()});
            int numbers = 0;
            elements([&] {
                const int c = in_.next();
                if (c == '[') {
                    if (numbers) shape.note("a position holds an array");
                    recurse(recurse, level + 1);
                    return;
                }
                if (c != '-' && (c < '0' || c > '9')) {
                    shape.note("a position holds something other than numbers");
                    return skipValue(depth + level);
                }
                if (!shape.positionLevel) shape.positionLevel = level;
                if (level != shape.positionLevel || open.back().children) shape.note("positions at different depths");
                const std::string_view token = numberToken(in_, scratch_);
                if (numbers < 2 && shape.flaw.empty()) coordinate(token, numbers == 0);
                ++numbers;
            });
            const Open closing = open.back();
            open.pop_back();
            if (numbers && numbers < 2) shape.note("a position of one number");
            if (!open.empty()) {
                Open& parent = open.back();
                if (parent.children++ == 0) parent.firstChildEmpty = text_.size() == closing.textAt;
            }
            if (numbers) {
                text_ += '\n';
                return;
            }
            if (!shape.flaw.empty() || !shape.positionLevel) return;
            if (level == shape.positionLevel - 1 && text_.size() > closing.textAt) {
                const bool hole = !open.empty() && open.back().children > 1;
                addRing(closing.textAt, hole);
            } else if (level == shape.positionLevel - 2 && closing.firstChildEmpty && closing.children > 1) {
                shape.note("a polygon's outer ring is empty");
            }
        };
        array(array, 1);
        return shape;
    }

    void addRing(std::size_t begin, bool hole) {
        if (rings_.size() >= static_cast<std::size_t>(kMaxRings)) refuse(kTooManyRings);
        rings_.push_back({begin, text_.size(), hole});
    }

    // A coordinate's digits as they stand when they make a vertex line's
    // number (a period, no exponent), else appendPlainOrExponent's text.
    void coordinate(std::string_view token, bool isLon) {
        if (isLon) text_ += "   ";
        const DecimalRead value = readDecimalChecked(token);
        if (value.overflow) refuse("a number beyond the range of a double: " + std::string(token.substr(0, 40)));
        if (token.find('.') != std::string_view::npos && token.find_first_of("eE") == std::string_view::npos) {
            text_ += token;
        } else {
            appendPlainOrExponent(text_, value.value);
        }
        if (isLon) text_ += ' ';
    }

    // GeoJSON written by this program names, for each ring it holds, the
    // ring's place in the document and whether winding it turned it round;
    // with that, an import gives the document back as it was. Lines are
    // turned round in place, so the lines are never held twice.
    void restoreDocumentOrder() {
        const std::size_t n = rings_.size();
        if (places_.size() != n) return;
        std::vector<std::size_t> byPlace(n);
        for (std::size_t i = 0; i < n; ++i) byPlace[i] = i;
        std::sort(byPlace.begin(), byPlace.end(), [&](std::size_t a, std::size_t b) { return places_[a].first < places_[b].first; });
        for (std::size_t i = 1; i < n; ++i)
            if (places_[byPlace[i]].first == places_[byPlace[i - 1]].first) return;  // not a ring order
        std::vector<Ring> rings;
        rings.reserve(n);
        for (std::size_t k = 0; k < n; ++k) {
            const Ring& ring = rings_[byPlace[k]];
            if (places_[byPlace[k]].second) reverseLines(ring.begin, ring.end);
            rings.push_back(ring);
        }
        rings_ = std::move(rings);
    }

    // The lines of [begin, end), each ended by a line feed (a ring has at
    // least one), in the opposite order: the whole stretch turned round,
    // then each line back.
    void reverseLines(std::size_t begin, std::size_t end) {
        const auto first = text_.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last = text_.begin() + static_cast<std::ptrdiff_t>(end) - 1;  // the last line feed stays
        std::reverse(first, last);
        for (auto line = first; line < last;) {
            const auto stop = std::find(line, last, '\n');
            std::reverse(line, stop);
            line = stop + (stop < last ? 1 : 0);
        }
    }

    Input in_;
    std::string text_;
    std::vector<Ring> rings_;
    std::string title_;
    bool titleTaken_ = false;
    std::vector<std::pair<std::int64_t, bool>> places_;
    std::string scratch_;
};

}  // namespace

GeoJsonRead readGeoJson(const TextSource& source, std::size_t sizeHint) { return Reader(source, sizeHint).read(); }

GeoJsonRead parseGeoJson(std::string_view text) {
    std::size_t at = 0;
    const TextSource source = [&](char* buffer, std::size_t size) {
        const std::size_t n = std::min(size, text.size() - at);
        std::copy_n(text.data() + at, n, buffer);
        at += n;
        return n;
    };
    return readGeoJson(source, text.size());
}

}  // namespace tess
