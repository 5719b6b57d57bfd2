// Writing the current ring as a GPX 1.1 route.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/State.h"
#include "document/LoadedRing.h"

namespace tess {

inline constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kGpxSchemaLocation = "http://www.topografix.com/GPX/1/1/gpx.xsd";
inline constexpr const char* kGpxProposedName = "untitled.gpx";

// The creator attribute: the program and its version.
std::string gpxCreator();

// Coordinates as GPX 1.1 accepts them: the shortest decimal text of at
// most 15 significant digits and 15 decimals, never an exponent. Latitudes are held to -90..90;
// longitudes are brought into -180 up to but excluding 180, so 180 is
// written as -180.
std::string gpxLatitudeText(double lat);
std::string gpxLongitudeText(double lon);

// The pieces of a route file: lines end in CR LF, the tail has no line
// break after it.
std::string gpxRouteHead();
const char* gpxRouteTail();
void appendRoutePoint(std::string& out, double lon, double lat);

// The route of the loaded ring: vertices 0 to lastPoint - 1 and vertex 0
// again, handed to `put` in pieces, so that a large ring is never written
// into one string.
template <class Put>
void writeGpxRoute(const Document& d, const LoadedRing& r, Put put) {
    constexpr std::size_t kPiece = 1 << 16;
    std::string out = gpxRouteHead();
    std::int64_t i = 0;
    double firstLon = 0, firstLat = 0;
    forEachLoadedVertex(d, r, [&](double lon, double lat) {
        if (i == 0) firstLon = lon, firstLat = lat;
        if (i++ >= r.lastPoint) return;
        appendRoutePoint(out, lon, lat);
        if (out.size() >= kPiece) {
            put(std::string_view(out));
            out.clear();
        }
    });
    if (r.lastPoint > 0) appendRoutePoint(out, firstLon, firstLat);
    out += gpxRouteTail();
    out += "\r\n";
    put(std::string_view(out));
}

// Writes the current ring as a route that closes on its first vertex.
// True when the file was written.
bool writeGpxRoute(State& s, const std::string& path);

// Tools, "Convert to GPX": asks for a name, then writes the route.
void convertToGpx(State& s);

}  // namespace tess
