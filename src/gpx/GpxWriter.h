// Writing the current ring as a GPX 1.1 route.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/State.h"

namespace tess {

inline constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kGpxSchemaLocation = "http://www.topografix.com/GPX/1/1/gpx.xsd";
inline constexpr const char* kGpxProposedName = "untitled.gpx";

// The creator attribute: the program and its version.
std::string gpxCreator();

// Coordinates as GPX 1.1 accepts them: the shortest decimal text (15
// significant digits, never an exponent). Latitudes are held to -90..90;
// longitudes are brought into -180 up to but excluding 180, so 180 is
// written as -180.
std::string gpxLatitudeText(double lat);
std::string gpxLongitudeText(double lon);

// The whole file: one route with vertices 0 to lastPoint - 1 and vertex 0
// again. Lines end in CR LF; the text has no line break after the last.
std::string gpxRouteText(const std::vector<double>& lon, const std::vector<double>& lat,
                         std::int64_t lastPoint);

// Writes the current ring as a route that closes on its first vertex.
// True when the file was written.
bool savegpx2(State& s, const std::string& path);

// Tools, "Convert to GPX": asks for a name, then savegpx2.
void convertToGpx(State& s);

}  // namespace tess
