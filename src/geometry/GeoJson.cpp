// Writing GeoJSON: plain text built with std::to_chars, in pieces. The
// reader is GeoJsonReader.cpp.
#include "geometry/GeoJson.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/Messages.h"
#include "document/Numbers.h"
#include "geometry/Geos.h"

namespace tess {

namespace {

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

bool hasThreeDistinct(const Vertices& v) {
    auto second = std::find_if(v.begin(), v.end(), [&](Vertex x) { return x != v.front(); });
    return second != v.end() && std::any_of(second, v.end(), [&](Vertex x) { return x != v.front() && x != *second; });
}

}  // namespace

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
    if (outers.empty()) {
        plan.error = holes.empty() ? kNoPolygon : kNoOuterRing;
        return plan;
    }
    if (holes.empty()) return plan;
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
