// The GPX text reader, and the working .poly text it makes read back.
#include "FuzzSupport.h"
#include "document/Reader.h"
#include "gpx/GpxReader.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    gpxPoints(text);
    const std::string poly = gpxToPolyText("fuzz.gpx", text);
    fuzz::SilentPlatform platform;
    State s(platform);
    s.systemDir = fuzz::scratch();
    loadpoly(s, fuzz::writeInput("gpx.poly", reinterpret_cast<const std::uint8_t*>(poly.data()), poly.size()), 0);
    return 0;
}
