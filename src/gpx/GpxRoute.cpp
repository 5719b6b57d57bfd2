// The text of a GPX 1.1 route file for the current ring.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "document/Numbers.h"
#include "gpx/GpxWriter.h"

namespace tess {

std::string gpxCreator() { return std::string("Tessaline ") + kAppVersion; }

namespace {

// The shortest text of a value with at most 15 significant digits. When
// the shortest text that reads back as the value has no more than 15
// digits it is exactly that rounding, and it comes much cheaper; values
// that need more digits, or that would be long in plain form, go the
// general way.
void appendShortest(std::string& out, double value) {
    const double magnitude = std::fabs(value);
    if (value != 0 && magnitude >= 1e-5 && magnitude < 1e15) {
        char buffer[64];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        if (ec == std::errc()) {
            int digits = 0;
            bool leading = true;
            for (const char* c = buffer; c != end; ++c) {
                if (*c < '0' || *c > '9') continue;
                if (leading && *c == '0') continue;
                leading = false;
                ++digits;
            }
            if (digits <= 15) {
                out.append(buffer, end);
                return;
            }
        }
    }
    out += shortestText(value, 15);
}

double latitudeInRange(double lat) { return std::isfinite(lat) ? std::clamp(lat, -90.0, 90.0) : 0.0; }

double longitudeInRange(double lon) {
    if (!std::isfinite(lon)) return 0;
    if (lon < -180.0 || lon >= 180.0) {
        lon = std::fmod(lon + 180.0, 360.0);
        if (lon < 0) lon += 360.0;
        lon -= 180.0;
    }
    return lon;
}

void appendLatitude(std::string& out, double lat) { appendShortest(out, latitudeInRange(lat)); }

void appendLongitude(std::string& out, double lon) {
    lon = longitudeInRange(lon);
    const std::size_t start = out.size();
    appendShortest(out, lon);
    // A value just below 180 can round up to it at 15 digits.
    if (lon > 179.0 && readDecimal(std::string_view(out).substr(start)) >= 180.0) {
        out.resize(start);
        out += "-180";
    }
}

void appendPoint(std::string& out, double lon, double lat) {
    out += "<rtept lat=\"";
    appendLatitude(out, lat);
    out += "\" lon=\"";
    appendLongitude(out, lon);
    out += "\">\r\n<sym>Waypoint</sym></rtept>\r\n";
}

}  // namespace

std::string gpxLatitudeText(double lat) {
    std::string text;
    appendLatitude(text, lat);
    return text;
}

std::string gpxLongitudeText(double lon) {
    std::string text;
    appendLongitude(text, lon);
    return text;
}

std::string gpxRouteText(const std::vector<double>& lon, const std::vector<double>& lat,
                         std::int64_t lastPoint) {
    const std::int64_t held = static_cast<std::int64_t>(std::min(lon.size(), lat.size()));
    const std::int64_t count = std::min(lastPoint, held);

    std::string out;
    out.reserve(400 + static_cast<std::size_t>(std::max<std::int64_t>(count + 1, 0)) * 100);
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
