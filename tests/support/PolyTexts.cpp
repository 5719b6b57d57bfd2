#include "support/PolyTexts.h"

#include <vector>

namespace tess::test {

std::string randomPolyText(std::mt19937& random) {
    const std::vector<std::string> vertices = {
        "   1.5E+01   5.0E+01", "  10.25  50.5", "\t-3.5\t2.25", "7.5 8.5", "10 50", "  -10 +50", "   0.0001 -89.9999",
        "   1.0 2.0  ", "1. .5", "   2.0 1.0 5", "1E+01 1E+01", "   -179.999 -0.000001"};
    const std::vector<std::string> others = {"", "comment", "  "};
    const std::vector<std::string> names = {"germany", "Cook Islands", "!1s", " 7", "3;2;1"};
    const std::vector<std::string> ends = {"\n", "\r\n", "\r"};
    const std::vector<std::string> endLines = {"END", "end", "  End\t"};
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    const bool sameEnds = pick(2) == 0;
    const std::string fileEnd = ends[pick(ends.size())];
    auto end = [&] { return sameEnds ? fileEnd : ends[pick(ends.size())]; };

    std::string text = (pick(4) == 0 ? "Legend map v1.2" : "title") + end();
    const std::size_t polygons = pick(4) == 0 ? 2 : 1;
    std::size_t place = 0;
    bool open = false;
    for (std::size_t polygon = 0; polygon < polygons; ++polygon) {
        if (polygon > 0) text += "bar" + end();
        const std::size_t rings = 1 + pick(4);
        for (std::size_t r = 0; r < rings; ++r, ++place) {
            if (pick(6) == 0) text += end();  // a blank line before the name
            const std::size_t kind = pick(6);
            const bool unnamed = kind == 0;
            if (kind == 1) text += names[pick(names.size())] + end();
            else if (!unnamed) text += (pick(5) == 0 ? "!" : "") + std::to_string(place + 1) + end();
            const std::size_t count = 1 + pick(8);
            for (std::size_t i = 0; i < count; ++i) {
                const bool vertex = i == 0 || pick(4) > 0;
                text += (vertex ? vertices[pick(vertices.size())] : others[pick(others.size())]) + end();
            }
            // The file may end inside its last ring.
            open = polygon + 1 == polygons && r + 1 == rings && pick(6) == 0;
            if (!open) text += endLines[pick(endLines.size())] + end();
        }
        if (open) break;
        if (polygon + 1 < polygons || pick(4) > 0) text += "END" + end();
    }
    if (!open && pick(5) == 0) text += end() + "written by hand" + end();
    return text;
}

}  // namespace tess::test
