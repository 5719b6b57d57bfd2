// The GPX text reader, and the document it makes written back.
#include "FuzzSupport.h"
#include "document/Writer.h"
#include "formats/Gpx.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const PolyFile file = gpxToPolyFile("fuzz.gpx", text).file;
    const std::string written = polyText(file.title, file.rings);
    if (!file.rings.empty() && !parsePolyText(written).ok()) __builtin_trap();
    return 0;
}
