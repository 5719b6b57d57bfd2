// The text of a GPX 1.1 route file for the current ring.
#include <algorithm>
#include <cmath>

#include "document/Numbers.h"
#include "gpx/GpxWriter.h"

namespace tess {

std::string gpxCreator() { return std::string("Tessaline ") + kAppVersion; }

std::string gpxLatitudeText(double lat) {
    if (!std::isfinite(lat)) lat = 0;
    return shortestText(std::clamp(lat, -90.0, 90.0), 15);
}

std::string gpxLongitudeText(double lon) {
    if (!std::isfinite(lon)) lon = 0;
    if (lon < -180.0 || lon >= 180.0) {
        lon = std::fmod(lon + 180.0, 360.0);
        if (lon < 0) lon += 360.0;
        lon -= 180.0;
    }
    std::string text = shortestText(lon, 15);
    // A value just below 180 can round up to it at 15 digits.
    if (lon > 179.0 && readDecimal(text) >= 180.0) text = "-180";
    return text;
}

namespace {

void appendPoint(std::string& out, double lon, double lat) {
    out += "<rtept lat=\"";
    out += gpxLatitudeText(lat);
    out += "\" lon=\"";
    out += gpxLongitudeText(lon);
    out += "\">\r\n<sym>Waypoint</sym></rtept>\r\n";
}

}  // namespace

std::string gpxRouteText(const std::vector<double>& lon, const std::vector<double>& lat,
                         std::int64_t lastPoint) {
    const std::int64_t held = static_cast<std::int64_t>(std::min(lon.size(), lat.size()));
    const std::int64_t count = std::min(lastPoint, held);

    std::string out;
    out.reserve(400 + static_cast<std::size_t>(std::max<std::int64_t>(count + 1, 0)) * 80);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
    out += "<gpx version=\"1.1\" creator=\"" + gpxCreator() + "\"\r\n";
    out += std::string("xmlns=\"") + kGpxNamespace + "\"\r\n";
    out += std::string("xmlns:xsi=\"") + kSchemaInstanceNamespace + "\"\r\n";
    out += std::string("xsi:schemaLocation=\"") + kGpxNamespace + " " + kGpxSchemaLocation +
           "\">\r\n";
    out += "<rte>\r\n";
    out += "<name></name>\r\n";
    std::string closing;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        appendPoint(out, lon[at], lat[at]);
        if (i == 0) appendPoint(closing, lon[0], lat[0]);
    }
    out += closing;
    out += "</rte></gpx>";
    return out;
}

}  // namespace tess
