// GPX 1.0 and 1.1: every point a file holds, read as XML, and the route of
// one ring written as GPX 1.1.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/PolyText.h"

namespace tess {

inline constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kGpxSchemaLocation = "http://www.topografix.com/GPX/1/1/gpx.xsd";

// The name ends in .gpx, in any letter case.
bool namesGpxFile(std::string_view path);

// One point's two coordinates as their attributes hold them, entities
// decoded and blanks around them removed, and the numbers they name.
// Valid while the point is taken.
struct GpxPointText {
    std::string_view lon;
    std::string_view lat;
    double lonValue = 0;
    double latValue = 0;
    friend bool operator==(const GpxPointText&, const GpxPointText&) = default;
};

// What reading a GPX text's points met on the way.
struct GpxScan {
    std::int64_t points = 0;       // taken
    std::int64_t passedOver = 0;   // point elements whose coordinates do not read as numbers
    std::string brokenAt;          // where and why the XML breaks off; empty when it is whole
    bool whole() const { return brokenAt.empty(); }
};

// Every point of a GPX text (GPX 1.0 or 1.1), in file order: waypoints,
// route points and track points alike, read as XML whatever the order,
// quotes and white space of their attributes. Text that only looks like a
// point (in a comment, a description, a CDATA section) is no point. Where
// the XML breaks off, the points before it are taken and `brokenAt` says
// where.
GpxScan forEachGpxPoint(std::string_view gpxText, const std::function<void(const GpxPointText&)>& take);

// The document a GPX text becomes: the file's name without folder and
// .gpx ending as title, and one ring "1" holding every point in file order
// and the first point again.
struct GpxImport {
    PolyFile file;
    GpxScan scan;
};
GpxImport gpxToPolyFile(std::string_view fileName, std::string_view gpxText);

// What a GPX import met beyond its points, or empty: the file broke off,
// or points were passed over.
std::string gpxScanNote(const GpxScan& scan);

// The creator attribute: the program and its version.
std::string gpxCreator();

// Coordinates as GPX 1.1 accepts them: the shortest decimal text of at
// most 15 significant digits and 15 decimals, never an exponent. Latitudes
// are held to -90..90; longitudes are brought into -180 up to but
// excluding 180, so 180 is written as -180.
std::string gpxLatitudeText(double lat);
std::string gpxLongitudeText(double lon);

// The pieces of a route file: lines end in CR LF, the tail has no line
// break after it.
std::string gpxRouteHead();
const char* gpxRouteTail();
void appendRoutePoint(std::string& out, double lon, double lat);

// The route of a ring given vertex by vertex: forEach(take) calls take(lon,
// lat) for vertices 0 to last, of which the route takes 0 to last - 1 and
// vertex 0 again, handed to `put` in pieces, so that a large ring is never
// written into one string.
template <class ForEach, class Put>
void writeGpxRoute(std::int64_t last, ForEach forEach, Put put) {
    constexpr std::size_t kPiece = 1 << 16;
    std::string out = gpxRouteHead();
    std::int64_t i = 0;
    double firstLon = 0, firstLat = 0;
    forEach([&](double lon, double lat) {
        if (i == 0) firstLon = lon, firstLat = lat;
        if (i++ >= last) return;
        appendRoutePoint(out, lon, lat);
        if (out.size() >= kPiece) {
            put(std::string_view(out));
            out.clear();
        }
    });
    if (last > 0) appendRoutePoint(out, firstLon, firstLat);
    out += gpxRouteTail();
    out += "\r\n";
    put(std::string_view(out));
}

}  // namespace tess
