#include "BenchData.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace tess::bench {

std::string scratchDir() {
    auto dir = std::filesystem::temp_directory_path() / "tessaline-bench";
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string polyText(int rings, int vertices) {
    std::string text = "benchmark\n";
    text.reserve(static_cast<std::size_t>(vertices) * 34 + 64);
    const int perRing = vertices / rings;
    char line[96];
    for (int r = 0; r < rings; ++r) {
        text += std::to_string(r + 1) + "\n";
        for (int i = 0; i < perRing; ++i) {
            const double a = 2 * M_PI * i / perRing;
            const double lon = 10 + r * 0.01 + std::cos(a) * (1 + 0.1 * std::sin(7 * a));
            const double lat = 50 + std::sin(a) * (1 + 0.1 * std::cos(5 * a));
            std::snprintf(line, sizeof line, "   %.6E   %.6E\n", lon, lat);
            text += line;
        }
        text += "END\n";
    }
    text += "END\n";
    return text;
}

std::string polyFile(int rings, int vertices) {
    const std::string path = scratchDir() + "/rings" + std::to_string(rings) + "-v" + std::to_string(vertices) + ".poly";
    if (!std::filesystem::exists(path)) {
        std::ofstream(path, std::ios::binary) << polyText(rings, vertices);
    }
    return path;
}

}  // namespace tess::bench
