// The GeoJSON reader, fed the text in pieces whose sizes the input's first
// byte chooses; what it reads is written back and must read back the same.
#include "FuzzSupport.h"
#include "geometry/GeoJson.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view text = fuzz::asText(data + 1, size - 1);
    std::size_t at = 0;
    const GeoJsonRead read = readGeoJson(
        [&](char* buffer, std::size_t room) {
            const std::size_t n = std::min({room, piece, text.size() - at});
            std::copy_n(text.data() + at, n, buffer);
            at += n;
            return n;
        },
        text.size());
    if (!read.ok()) return 0;
    const GeoJsonPlan plan = planGeoJson(read.file.rings);
    if (!plan.error.empty()) return 0;
    std::string written;
    writeGeoJson(read.file.title, plan, [&](std::string_view part) { written += part; });
    const GeoJsonRead back = parseGeoJson(written);
    const std::size_t kept = read.file.rings.size() - plan.leftOut.size();
    if (!back.ok() || back.file.rings.size() != kept) __builtin_trap();
    return 0;
}
