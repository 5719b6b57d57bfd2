// The text of a GPX 1.1 route file.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "document/Numbers.h"
#include "formats/Gpx.h"
#include "platform/Version.h"

namespace tess {

std::string gpxCreator() { return std::string("Tessaline ") + kAppVersion; }

namespace {

constexpr std::string_view kPointStart = "<rtept lat=\"";
constexpr std::string_view kPointMiddle = "\" lon=\"";
constexpr std::string_view kPointEnd = "\">\r\n<sym>Waypoint</sym></rtept>\r\n";
// Room for one route point's two lines with both coordinates written out
// in full, as long as any double can make them: GPX takes no exponents.
constexpr std::size_t kPointRoom =
    kPointStart.size() + kPointMiddle.size() + kPointEnd.size() + 2 * kLongestPlainNumber;

char* put(char* to, std::string_view text) {
    std::memcpy(to, text.data(), text.size());
    return to + text.size();
}

// A value below a tenth of a degree in magnitude, to at most 15 decimals:
// the schema's decimals carry at most 24 digits, so 1e-25 would not be
// valid, and 1e-15 of a degree is far less than a millimetre.
char* putFewDecimals(char* to, double value) {
    char* end = std::to_chars(to, to + 64, value, std::chars_format::fixed, 15).ptr;
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
    if (end - to == 2 && to[0] == '-' && to[1] == '0') return put(to, "0");
    return end;
}

// The shortest text of a value with at most 15 significant digits. When
// the shortest text that reads back as the value has no more than 15
// digits it is exactly that rounding, and it comes much cheaper; values
// that need more digits, or that would be long in plain form, go the
// general way.
char* putShortest(char* to, double value) {
    const double magnitude = std::fabs(value);
    if (magnitude < 0.1) return putFewDecimals(to, value);
    if (magnitude < 1e15) {
        const auto [end, ec] = std::to_chars(to, to + 64, value, std::chars_format::fixed);
        if (ec == std::errc()) {
            int digits = 0;
            bool leading = true;
            for (const char* c = to; c != end; ++c) {
                if (*c < '0' || *c > '9') continue;
                if (leading && *c == '0') continue;
                leading = false;
                ++digits;
            }
            if (digits <= 15) return end;
        }
    }
    return put(to, shortestText(value, 15));
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

char* putLatitude(char* to, double lat) { return putShortest(to, latitudeInRange(lat)); }

char* putLongitude(char* to, double lon) {
    lon = longitudeInRange(lon);
    char* end = putShortest(to, lon);
    // A value just below 180 can round up to it at 15 digits.
    if (lon > 179.0 && readDecimal(std::string_view(to, static_cast<std::size_t>(end - to))) >= 180.0)
        return put(to, "-180");
    return end;
}

void appendPoint(std::string& out, double lon, double lat) {
    char line[kPointRoom];
    char* to = put(line, kPointStart);
    to = putLatitude(to, lat);
    to = put(to, kPointMiddle);
    to = putLongitude(to, lon);
    to = put(to, kPointEnd);
    out.append(line, to);
}

}  // namespace

std::string gpxLatitudeText(double lat) {
    char text[kPointRoom];
    return std::string(text, putLatitude(text, lat));
}

std::string gpxLongitudeText(double lon) {
    char text[kPointRoom];
    return std::string(text, putLongitude(text, lon));
}

std::string gpxRouteHead() {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n") +
           "<gpx version=\"1.1\" creator=\"" + gpxCreator() + "\"\r\n" + "xmlns=\"" + kGpxNamespace + "\"\r\n" +
           "xmlns:xsi=\"" + kSchemaInstanceNamespace + "\"\r\n" + "xsi:schemaLocation=\"" + kGpxNamespace + " " +
           kGpxSchemaLocation + "\">\r\n<rte>\r\n<name></name>\r\n";
}

const char* gpxRouteTail() { return "</rte></gpx>"; }

void appendRoutePoint(std::string& out, double lon, double lat) { appendPoint(out, lon, lat); }

}  // namespace tess
