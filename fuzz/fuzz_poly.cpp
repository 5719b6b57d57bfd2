// The .poly reader: the decimal reader, the coordinate parse, reading a
// file's structure, loading it, and writing it back with every ring
// committed.
#include "FuzzSupport.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "document/Reader.h"
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
    // Written with every ring in the committed form, it reads back with as many rings.
    const std::string out = fuzz::scratch() + "/out.poly";
    if (!saveDocumentCommittedTo(s.doc, platform, out)) return 0;
    const PolyLoad again = readPolyFile(out);
    if (!again.ok() || again.file.rings.size() != s.doc.content.rings.size()) __builtin_trap();
    return 0;
}
