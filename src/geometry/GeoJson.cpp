// GeoJSON through simdjson's On-Demand parser, which reads a text at
// several hundred megabytes a second without building a tree of it. A
// coordinate's digits are copied from the file as they stand when they
// already make a vertex line (a period, no exponent), so a round trip
// keeps them; writing is plain text built with std::to_chars.
#include "geometry/GeoJson.h"

#include <simdjson.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "document/Messages.h"
#include "document/Numbers.h"
#include "geometry/Geos.h"

namespace tess {

namespace {

namespace od = simdjson::ondemand;

void appendNumber(std::string& out, double value, std::chars_format format);

// A member of an object that may be missing.
std::optional<od::value> member(od::object& object, std::string_view key) {
    od::value v;
    if (object.find_field_unordered(key).get(v)) return std::nullopt;
    return v;
}

// The property naming each ring's place in the document.
constexpr const char* kRingPlaces = "tessaline_rings";

class Reading {
public:
    PolyFile file;
    std::string error;
    std::vector<std::pair<std::int64_t, bool>> places;  // from kRingPlaces

    void object(od::object e) {
        const std::string_view type = e.find_field_unordered("type").get_string();
        if (type == "FeatureCollection") {
            for (od::object feature : e.find_field_unordered("features").get_array()) object(feature);
        } else if (type == "Feature") {
            takeTitle(e);
            std::optional<od::value> g = member(e, "geometry");
            if (g && !g->is_null()) geometry(g->get_object());
        } else {
            geometry(e);
        }
    }

private:
    bool titleTaken_ = false;

    void takeTitle(od::object& feature) {
        if (titleTaken_) return;
        titleTaken_ = true;
        std::optional<od::value> properties = member(feature, "properties");
        od::object p;
        if (!properties || properties->get_object().get(p)) return;
        std::string_view name;
        if (std::optional<od::value> n = member(p, "name"); n && !n->get_string().get(name)) file.title = name;
        p.reset();
        if (std::optional<od::value> r = member(p, kRingPlaces)) takePlaces(*r);
        feature.reset();
    }

    // [[place, turned], ...]; anything else leaves the rings as read.
    void takePlaces(od::value value) {
        od::array list;
        if (value.get_array().get(list)) return;
        for (od::value entry : list) {
            od::array pair;
            std::int64_t place = 0, turned = 0;
            if (entry.get_array().get(pair)) return places.clear();
            auto it = pair.begin();
            if (it == pair.end() || (*it).get_int64().get(place)) return places.clear();
            ++it;
            if (it == pair.end() || (*it).get_int64().get(turned)) return places.clear();
            places.emplace_back(place, turned != 0);
        }
    }

    void geometry(od::object g) {
        const std::string_view type = g.find_field_unordered("type").get_string();
        if (type == "Polygon") {
            polygon(g.find_field_unordered("coordinates").get_array());
        } else if (type == "MultiPolygon") {
            for (od::array p : g.find_field_unordered("coordinates").get_array()) polygon(p);
        } else if (type == "GeometryCollection") {
            for (od::object part : g.find_field_unordered("geometries").get_array()) geometry(part);
        }
        // Points and lines have no area to cut an extract with.
    }

    void polygon(od::array rings) {
        bool outer = true;
        for (od::array ring : rings) {
            this->ring(ring, !outer);
            outer = false;
        }
    }

    void ring(od::array positions, bool hole) {
        if (file.rings.size() >= static_cast<std::size_t>(kMaxRings)) {
            error = kTooManyRings;
            throw std::length_error(error);
        }
        std::string lines;
        for (od::array position : positions) {
            lines += "   ";
            int count = 0;
            // A third number, the height, is passed over.
            for (od::value number : position) {
                if (count < 2) coordinate(lines, number, count == 0);
                ++count;
            }
            if (count < 2) throw simdjson::simdjson_error(simdjson::INCORRECT_TYPE);
            lines += '\n';
        }
        if (!lines.empty())
            file.rings.push_back(ownRingText((hole ? "!" : "") + std::to_string(file.rings.size() + 1), std::move(lines)));
    }

    static void coordinate(std::string& out, od::value number, bool isLon) {
        const double value = number.get_double();
        std::string_view digits = number.raw_json_token();
        while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t' || digits.back() == '\n' || digits.back() == '\r'))
            digits.remove_suffix(1);
        if (digits.find('.') != std::string_view::npos && digits.find_first_of("eE") == std::string_view::npos) {
            out += digits;
        } else {
            const std::size_t start = out.size();
            appendNumber(out, value == 0 ? 0.0 : value, std::chars_format::fixed);
            if (out.find('.', start) == std::string::npos) out += ".0";
        }
        if (isLon) out += ' ';
    }
};

void appendNumber(std::string& out, double value, std::chars_format format) {
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

// The ring closed, running counter-clockwise for an outer ring and
// clockwise for a hole; `reversed` tells whether it had to be turned.
Vertices wound(std::string_view lines, bool hole, bool& reversed) {
    Vertices v = closedVerticesOf(lines);
    const double area = signedArea2(v);
    reversed = (area < 0 && !hole) || (area > 0 && hole);
    if (reversed) std::reverse(v.begin(), v.end());
    return v;
}

// The rings in the order they are written: each polygon's outer ring,
// then its holes.
std::vector<int> writtenOrder(const GeoJsonPlan& plan) {
    std::vector<int> order;
    for (const PolygonPlan& p : plan.polygons) {
        order.push_back(p.outer);
        order.insert(order.end(), p.holes.begin(), p.holes.end());
    }
    return order;
}

// A ring's lines in the opposite order: the ring run the other way round,
// from the same first vertex when it is closed.
std::string reversedLines(std::string_view lines) {
    std::vector<std::string_view> each;
    forEachLine(lines, [&](std::string_view line) { each.push_back(line); });
    std::string out;
    out.reserve(lines.size());
    for (auto it = each.rbegin(); it != each.rend(); ++it) {
        out += *it;
        out += '\n';
    }
    return out;
}

// GeoJSON written by this program names, for each ring it holds, the
// ring's place in the document and whether winding it turned it round;
// with that, an import gives the document back as it was.
void restoreDocumentOrder(PolyFile& file, const std::vector<std::pair<std::int64_t, bool>>& places) {
    const std::size_t n = file.rings.size();
    if (places.size() != n) return;
    std::vector<std::size_t> byPlace(n);
    for (std::size_t i = 0; i < n; ++i) byPlace[i] = i;
    std::sort(byPlace.begin(), byPlace.end(), [&](std::size_t a, std::size_t b) { return places[a].first < places[b].first; });
    for (std::size_t i = 1; i < n; ++i)
        if (places[byPlace[i]].first == places[byPlace[i - 1]].first) return;  // not a ring order
    std::vector<RingText> rings;
    rings.reserve(n);
    for (std::size_t k = 0; k < n; ++k) {
        RingText& ring = file.rings[byPlace[k]];
        const bool hole = isHoleName(ring.name);
        std::string lines = places[byPlace[k]].second ? reversedLines(ring.lines) : std::string(ring.lines);
        rings.push_back(ownRingText((hole ? "!" : "") + std::to_string(k + 1), std::move(lines)));
    }
    file.rings = std::move(rings);
}

bool hasThreeDistinct(const Vertices& v) {
    auto second = std::find_if(v.begin(), v.end(), [&](Vertex x) { return x != v.front(); });
    return second != v.end() && std::any_of(second, v.end(), [&](Vertex x) { return x != v.front() && x != *second; });
}

}  // namespace

bool namesGeoJsonFile(std::string_view path) {
    const std::string lower = lowerAscii(std::string(path));
    return lower.ends_with(".geojson") || lower.ends_with(".json");
}

void appendExactVertexLine(std::string& out, Vertex v) {
    auto append = [&out](double value) {
        const std::size_t start = out.size();
        // Fixed notation keeps the period every reader looks for.
        appendNumber(out, value == 0 ? 0.0 : value, std::chars_format::fixed);
        if (out.find('.', start) == std::string::npos) out += ".0";
    };
    out += "   ";
    append(v.lon);
    out += ' ';
    append(v.lat);
    out += '\n';
}

GeoJsonRead parseGeoJson(const std::string& text) {
    GeoJsonRead read;
    Reading reading;
    try {
        od::parser parser;
        simdjson::padded_string_view padded(text.data(), text.size(), text.capacity());
        simdjson::padded_string copy;
        if (text.capacity() - text.size() < simdjson::SIMDJSON_PADDING) {
            copy = simdjson::padded_string(text);
            padded = copy;
        }
        od::document document = parser.iterate(padded);
        reading.object(document.get_object());
    } catch (const simdjson::simdjson_error& e) {
        read.error = std::string(kNotGeoJson) + e.what();
        return read;
    } catch (const std::length_error&) {
        read.error = reading.error;
        return read;
    }
    if (reading.file.rings.empty()) {
        read.error = kNoDataSave;
        return read;
    }
    restoreDocumentOrder(reading.file, reading.places);
    read.file = std::move(reading.file);
    return read;
}

GeoJsonPlan planGeoJson(const std::vector<RingText>& rings) {
    GeoJsonPlan plan;
    plan.rings.resize(rings.size());
    plan.reversed.resize(rings.size());
    std::vector<int> outers;
    std::vector<std::pair<int, int>> holes;  // the hole and the polygon before it
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const int index = static_cast<int>(k);
        const bool hole = isHoleName(rings[k].name);
        bool reversed = false;
        Vertices v = wound(rings[k].lines, hole, reversed);
        plan.reversed[k] = reversed;
        if (!hasThreeDistinct(v)) {
            plan.leftOut.push_back(index);
            continue;
        }
        plan.rings[k] = std::move(v);
        if (hole) {
            holes.emplace_back(index, static_cast<int>(plan.polygons.size()) - 1);
        } else {
            outers.push_back(index);
            plan.polygons.push_back({index, {}});
        }
    }
    if (holes.empty()) return plan;
    if (outers.empty()) {
        plan.error = kNoOuterRing;
        return plan;
    }
    // Only holes need GEOS: which outer ring holds each.
    Geos geos;
    std::vector<Geom> outerAreas;
    std::vector<Prepared> prepared;
    for (int outer : outers) {
        outerAreas.push_back(geos.polygon(plan.rings[static_cast<std::size_t>(outer)]));
        prepared.push_back(geos.prepare(outerAreas.back().get()));
    }
    for (const auto& [hole, before] : holes) {
        const Geom area = geos.polygon(plan.rings[static_cast<std::size_t>(hole)]);
        auto firstWhere = [&](auto predicate) -> std::optional<std::size_t> {
            for (std::size_t i = 0; i < prepared.size(); ++i) {
                try {
                    if (geos.check(predicate(geos.handle(), prepared[i].get(), area.get()))) return i;
                } catch (const GeosError&) {
                    // A self-crossing ring answers nothing; the next rule decides.
                }
            }
            return std::nullopt;
        };
        std::optional<std::size_t> home = firstWhere(GEOSPreparedCovers_r);
        if (!home) home = firstWhere(GEOSPreparedIntersects_r);
        const std::size_t chosen = home ? *home : static_cast<std::size_t>(std::max(before, 0));
        plan.polygons[chosen].holes.push_back(hole);
    }
    return plan;
}

void writeGeoJson(std::string_view title, const GeoJsonPlan& plan, const std::function<void(std::string_view)>& put) {
    constexpr std::size_t kPiece = 1 << 16;
    std::string out;
    out.reserve(kPiece + 512);
    out += "{\"type\":\"Feature\",\"properties\":{\"name\":";
    appendJsonString(out, title);
    out += ",\"";
    out += kRingPlaces;
    out += "\":[";
    bool firstPlace = true;
    for (const int ring : writtenOrder(plan)) {
        if (!firstPlace) out += ',';
        firstPlace = false;
        out += '[' + std::to_string(ring) + ',' + (plan.reversed[static_cast<std::size_t>(ring)] ? '1' : '0') + ']';
    }
    out += "]},\"geometry\":{\"type\":\"MultiPolygon\",\"coordinates\":[";
    auto writeRing = [&](int ring) {
        out += '[';
        bool first = true;
        for (const Vertex& v : plan.rings[static_cast<std::size_t>(ring)]) {
            if (!first) out += ',';
            first = false;
            out += '[';
            appendNumber(out, v.lon, std::chars_format::general);
            out += ',';
            appendNumber(out, v.lat, std::chars_format::general);
            out += ']';
            if (out.size() >= kPiece) {
                put(out);
                out.clear();
            }
        }
        out += ']';
    };
    for (std::size_t p = 0; p < plan.polygons.size(); ++p) {
        if (p) out += ',';
        out += '[';
        writeRing(plan.polygons[p].outer);
        for (int hole : plan.polygons[p].holes) {
            out += ',';
            writeRing(hole);
        }
        out += ']';
    }
    out += "]}}\n";
    put(out);
}

std::string geoJsonText(std::string_view title, const std::vector<RingText>& rings) {
    std::string text;
    writeGeoJson(title, planGeoJson(rings), [&](std::string_view piece) { text += piece; });
    return text;
}

}  // namespace tess
