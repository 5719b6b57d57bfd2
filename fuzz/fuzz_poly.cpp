// The .poly reader: the decimal reader, the coordinate parse, reading a
// file's structure, loading it, making any of its rings current,
// committing them and writing it back.
#include "FuzzSupport.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "document/Writer.h"
#include "session/Saving.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    readDecimalChecked(text);
    double lon = 0, lat = 0;
    parseCoordinateLine(text, lon, lat);

    fuzz::SilentPlatform platform;
    State s(platform);
    s.settings.systemDir = fuzz::scratch();
    if (!openDocumentFile(s, fuzz::writeInput("in.poly", data, size))) return 0;
    const int rings = std::min(s.doc.ringCount(), 16);
    for (int k = 0; k < rings; ++k) {
        loadRing(s, k);
        if (s.doc.loaded.lastPoint >= 1) commitLoadedRing(s.doc, platform);
    }
    // What is written reads back with as many rings.
    const std::string written = polyText(s.doc.content.title, s.doc.content.rings, s.doc.content.frame);
    const PolyParse again = parsePolyText(written);
    if (!again.ok() || again.file.rings.size() != s.doc.content.rings.size()) __builtin_trap();
    return 0;
}
