// GeoJSON through simdjson's DOM parser, which reads a whole text at
// several hundred megabytes a second; writing is plain text built with
// std::to_chars.
#include "geometry/GeoJson.h"

#include <simdjson.h>

#include <charconv>
#include <optional>

#include "document/Messages.h"
#include "document/Numbers.h"
#include "geometry/Geos.h"

namespace tess {

namespace {

using simdjson::dom::element;

class Reading {
public:
    PolyFile file;
    std::string error;

    void object(element e) {
        const std::string_view type = e["type"].get_string();
        if (type == "FeatureCollection") {
            for (element feature : e["features"].get_array()) object(feature);
        } else if (type == "Feature") {
            takeTitle(e);
            element geometry;
            if (!e["geometry"].get(geometry) && !geometry.is_null()) this->geometry(geometry);
        } else {
            geometry(e);
        }
    }

private:
    bool titleTaken_ = false;

    void takeTitle(element feature) {
        if (titleTaken_) return;
        titleTaken_ = true;
        std::string_view name;
        if (!feature["properties"]["name"].get(name)) file.title = name;
    }

    void geometry(element g) {
        const std::string_view type = g["type"].get_string();
        if (type == "Polygon") {
            polygon(g["coordinates"]);
        } else if (type == "MultiPolygon") {
            for (element p : g["coordinates"].get_array()) polygon(p);
        } else if (type == "GeometryCollection") {
            for (element part : g["geometries"].get_array()) geometry(part);
        }
        // Points and lines have no area to cut an extract with.
    }

    void polygon(element rings) {
        bool outer = true;
        for (element ring : rings.get_array()) {
            this->ring(ring, !outer);
            outer = false;
        }
    }

    void ring(element positions, bool hole) {
        if (file.rings.size() >= static_cast<std::size_t>(kMaxRings)) {
            error = kTooManyRings;
            throw std::length_error(error);
        }
        RingText r;
        r.name = (hole ? "!" : "") + std::to_string(file.rings.size() + 1);
        simdjson::dom::array array = positions.get_array();
        r.lines.reserve(array.size() * 32);
        for (element position : array) {
            simdjson::dom::array xy = position.get_array();
            // A third number, the height, is passed over.
            auto it = xy.begin();
            if (xy.size() < 2) throw simdjson::simdjson_error(simdjson::INCORRECT_TYPE);
            const double lon = (*it).get_double();
            ++it;
            const double lat = (*it).get_double();
            appendExactVertexLine(r.lines, {lon, lat});
        }
        if (!r.lines.empty()) file.rings.push_back(std::move(r));
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
// clockwise for a hole.
Vertices wound(std::string_view lines, bool hole) {
    Vertices v = closedVerticesOf(lines);
    const double area = signedArea2(v);
    if ((area < 0 && !hole) || (area > 0 && hole)) std::reverse(v.begin(), v.end());
    return v;
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
        simdjson::dom::parser parser;
        reading.object(parser.parse(text));
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
    read.file = std::move(reading.file);
    return read;
}

GeoJsonPlan planGeoJson(const std::vector<RingText>& rings) {
    GeoJsonPlan plan;
    Geos geos;
    struct Outer {
        int ring;
        Geom polygon;
        Prepared prepared;
    };
    std::vector<Outer> outers;
    std::vector<std::pair<int, int>> holes;  // the hole and the outer ring before it
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const int index = static_cast<int>(k);
        const Vertices v = closedVerticesOf(rings[k].lines);
        Geom polygon;
        try {
            polygon = geos.polygon(v);
        } catch (const GeosError&) {
            plan.leftOut.push_back(index);
            continue;
        }
        if (isHoleName(rings[k].name)) {
            holes.emplace_back(index, outers.empty() ? -1 : static_cast<int>(outers.size()) - 1);
        } else {
            Prepared prepared = geos.prepare(polygon.get());
            outers.push_back({index, std::move(polygon), std::move(prepared)});
            plan.polygons.push_back({index, {}});
        }
    }
    if (!holes.empty() && outers.empty()) {
        plan.error = kNoOuterRing;
        return plan;
    }
    for (const auto& [hole, before] : holes) {
        const Geom polygon = geos.polygon(closedVerticesOf(rings[static_cast<std::size_t>(hole)].lines));
        auto firstWhere = [&](auto predicate) -> std::optional<std::size_t> {
            for (std::size_t i = 0; i < outers.size(); ++i) {
                try {
                    if (geos.check(predicate(geos.handle(), outers[i].prepared.get(), polygon.get()))) return i;
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

void writeGeoJson(std::string_view title, const std::vector<RingText>& rings, const GeoJsonPlan& plan,
                  const std::function<void(std::string_view)>& put) {
    constexpr std::size_t kPiece = 1 << 16;
    std::string out;
    out.reserve(kPiece + 512);
    out += "{\"type\":\"Feature\",\"properties\":{\"name\":";
    appendJsonString(out, title);
    out += "},\"geometry\":{\"type\":\"MultiPolygon\",\"coordinates\":[";
    auto writeRing = [&](int ring, bool hole) {
        out += '[';
        bool first = true;
        for (const Vertex& v : wound(rings[static_cast<std::size_t>(ring)].lines, hole)) {
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
        writeRing(plan.polygons[p].outer, false);
        for (int hole : plan.polygons[p].holes) {
            out += ',';
            writeRing(hole, true);
        }
        out += ']';
    }
    out += "]}}\n";
    put(out);
}

std::string geoJsonText(std::string_view title, const std::vector<RingText>& rings) {
    std::string text;
    writeGeoJson(title, rings, planGeoJson(rings), [&](std::string_view piece) { text += piece; });
    return text;
}

}  // namespace tess
