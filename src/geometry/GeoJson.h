// GeoJSON (RFC 7946) in and out. Reading takes Polygon, MultiPolygon,
// GeometryCollection, Feature and FeatureCollection: every polygon's outer
// ring becomes a ring and its holes "!" rings after it. Writing makes the
// document one Feature holding one MultiPolygon, each hole in the outer
// ring that contains it, outer rings counter-clockwise and holes
// clockwise, every ring closed; numbers are the shortest text that reads
// back to the same double.
#pragma once

#include "platform/Messages.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/PolyText.h"
#include "geometry/Vertex.h"

namespace tess {

// The property naming each ring's place in the document.
inline constexpr const char* kRingPlaces = "tessaline_rings";


struct GeoJsonRead {
    PolyFile file;       // the title is the first feature's "name", or empty
    std::string error;   // why the text was refused
    bool ok() const { return error.empty(); }
};

// Gives the next piece of a text: fills the buffer and returns how many
// bytes it put there, 0 at the end.
using TextSource = std::function<std::size_t(char* buffer, std::size_t size)>;

// Reads a GeoJSON text as it comes, holding only the rings' lines; the
// size hint is the text's size when known. A text with no polygon is
// refused with "No data", one of more rings than a document holds with
// the ring limit's message, and anything that is not one JSON object
// (after a byte-order mark, if any) or nests deeper than 64 levels with
// kNotGeoJson and the reason.
GeoJsonRead readGeoJson(const TextSource& source, std::size_t sizeHint);
GeoJsonRead parseGeoJson(std::string_view text);

// The polygons GeoJSON is written as: each outer ring (an index into the
// rings) with the holes it holds, and the rings that could not be written.
struct PolygonPlan {
    int outer = 0;
    std::vector<int> holes;
};
struct GeoJsonPlan {
    std::vector<PolygonPlan> polygons;
    // Every ring's vertices, closed and wound as RFC 7946 asks, and
    // whether that reversed the ring as the document holds it.
    std::vector<Vertices> rings;
    std::vector<bool> reversed;
    std::vector<int> leftOut;  // rings of fewer than three distinct vertices
    std::string error;         // nothing can be written: kNoPolygon or kNoOuterRing
};

// Sorts the rings into polygons: a hole goes into the first outer ring
// that covers it, else the first it overlaps, else the outer ring before
// it in the document (where the .poly format puts it).
GeoJsonPlan planGeoJson(const std::vector<RingText>& rings);

// The GeoJSON text of the plan; `put` receives it in pieces.
void writeGeoJson(std::string_view title, const GeoJsonPlan& plan, const std::function<void(std::string_view)>& put);
std::string geoJsonText(std::string_view title, const std::vector<RingText>& rings);

}  // namespace tess
