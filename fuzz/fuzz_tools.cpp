// The polygon tools on the rings of a .poly text: the check, simplify and
// grow of its first rings by distances the input's last bytes choose.
// Rings are kept small, as GEOS's time grows fast with crossings.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "geometry/Check.h"
#include "geometry/Geos.h"
#include "geometry/Grow.h"
#include "geometry/Simplify.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double metres = 0;
    std::memcpy(&metres, data + size - sizeof metres, sizeof metres);
    const PolyParse parse = parsePolyText(fuzz::asText(data, size - sizeof metres));
    if (!parse.ok()) return 0;
    std::vector<RingText> rings;
    for (const RingText& ring : parse.file.rings)
        if (rings.size() < 8 && verticesOf(ring.lines).size() <= 64) rings.push_back(ring);
    try {
        checkDocument(rings, 100);
    } catch (const GeosError&) {
    }
    for (std::size_t k = 0; k < rings.size() && k < 2; ++k) {
        const Vertices v = closedVerticesOf(rings[k].lines);
        try {
            simplifyRing(v, std::abs(metres));
            growRing(v, metres, k ? Corners::Mitre : Corners::Round, isHoleName(rings[k].name));
        } catch (const GeosError&) {
        }
    }
    return 0;
}
