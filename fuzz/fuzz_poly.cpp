// The .poly reader: the split at END, the decimal reader, the coordinate
// parse, loading a file and making any of its rings current, and writing
// it back.
#include "FuzzSupport.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "document/Writer.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    readDecimalChecked(text);
    double lon = 0, lat = 0;
    parseCoordinateLine(text, lon, lat);
    splitRings(std::string(text));

    fuzz::SilentPlatform platform;
    State s(platform);
    s.systemDir = fuzz::scratch();
    if (!loadpoly(s, fuzz::writeInput("in.poly", data, size), 0)) return 0;
    const int rings = std::min(s.doc.listCount, 16);
    for (int k = 0; k < rings; ++k) {
        loaddt(s, k);
        if (s.doc.lastPoint >= 2) savecurpoly(s, k);
    }
    polyFileText(s);
    return 0;
}
