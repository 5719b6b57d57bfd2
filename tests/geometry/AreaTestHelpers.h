// Random rings, real files and the reference tool for the tests of areas, grow and simplify.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "document/PolyText.h"
#include "geometry/Vertex.h"
#include "support/TestFiles.h"

namespace tess::test {

inline void expectRelativelyNear(double expected, double actual, double relative) {
    EXPECT_NEAR(expected, actual, relative * std::abs(expected)) << "relative " << (actual - expected) / expected;
}

// A closed star-shaped ring of n vertices, radius r/2 to r degrees.
inline Vertices randomRing(std::mt19937& random, double lon, double lat, double r, int n) {
    std::uniform_real_distribution<double> radius(r / 2, r), jitter(0, 0.9);
    Vertices v;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * std::numbers::pi * (i + jitter(random)) / n, d = radius(random);
        v.push_back({lon + d * std::cos(a), lat + 0.7 * d * std::sin(a)});
    }
    return closed(v);
}

inline RingText ringText(const std::string& name, const Vertices& v) { return ownRingText(name, vertexLines(v)); }

// The .poly files of the tests and the shared real files, up to 500 KB.
inline std::vector<std::string> realFiles() {
    std::vector<std::string> out;
    for (const std::string& folder : {dataFile(""), dataFile("../../../shared/realdata/poly")}) {
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".poly" && std::filesystem::file_size(entry.path()) < 500'000)
                out.push_back(entry.path().string());
    }
    return out;
}

// GeographicLib's Planimeter on the ring (m², -1 when it cannot run): rhumb
// lines, or geodesics along edges cut into pieces of `step` degrees.
inline double planimeterArea(const Vertices& ring, bool rhumb, double step = 0) {
    const std::string points = "/tmp/tessaline-planimeter-" + std::to_string(::getpid()) + ".txt";
    std::FILE* f = std::fopen(points.c_str(), "w");
    for (std::size_t i = 0; f && i + 1 < ring.size(); ++i) {
        const Vertex a = ring[i], b = ring[i + 1];
        const double longest = std::max(std::abs(b.lon - a.lon), std::abs(b.lat - a.lat));
        const int pieces = step > 0 ? std::max(1, static_cast<int>(std::ceil(longest / step))) : 1;
        for (int k = 0; k < pieces; ++k) std::fprintf(f, "%.17g %.17g\n", a.lat + (b.lat - a.lat) * k / pieces, a.lon + (b.lon - a.lon) * k / pieces);
    }
    if (f) std::fclose(f);
    std::FILE* out = ::popen(("Planimeter -p 10 " + std::string(rhumb ? "-R " : "") + "< " + points + " 2>/dev/null").c_str(), "r");
    double count = 0, length = 0, area = -1;
    if (out && std::fscanf(out, "%lf %lf %lf", &count, &length, &area) != 3) area = -1;
    if (out) ::pclose(out);
    std::remove(points.c_str());
    return std::abs(area);
}

}  // namespace tess::test
