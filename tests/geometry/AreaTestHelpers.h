// Random rings and ring texts for the tests of areas, and the reference
// tool that measures them independently.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "document/PolyText.h"
#include "geometry/Vertex.h"

namespace tess::test {

// A closed star-shaped ring (never crossing itself) of n vertices around
// (lon, lat), its radius between r/2 and r degrees.
inline Vertices randomRing(std::mt19937& random, double lon, double lat, double r, int n) {
    std::uniform_real_distribution<double> radius(r / 2, r), jitter(0, 0.9);
    std::vector<double> angles;
    for (int i = 0; i < n; ++i) angles.push_back(2 * std::numbers::pi * (i + jitter(random)) / n);
    Vertices v;
    for (double a : angles) {
        const double d = radius(random);
        v.push_back({lon + d * std::cos(a), lat + 0.7 * d * std::sin(a)});
    }
    v.push_back(v.front());
    return v;
}

inline RingText ringText(const std::string& name, const Vertices& v) { return ownRingText(name, vertexLines(v)); }

// The area that GeographicLib's Planimeter gives for the ring, in square
// metres (sign dropped). `rhumb` takes edges as rhumb lines; without it
// they are geodesics, and each edge is first cut into pieces no longer
// than `step` degrees along the straight line the file draws, so that
// the geodesics follow it. Negative when the tool cannot be run.
inline double planimeterArea(const Vertices& ring, bool rhumb, double step = 0, double* perimeter = nullptr) {
    const std::string points = "/tmp/tessaline-planimeter-" + std::to_string(::getpid()) + ".txt";
    std::FILE* f = std::fopen(points.c_str(), "w");
    if (!f) return -1;
    auto put = [&](Vertex v) { std::fprintf(f, "%.17g %.17g\n", v.lat, v.lon); };
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        const Vertex a = ring[i], b = ring[i + 1];
        const int pieces = step > 0 ? std::max(1, static_cast<int>(std::ceil(std::max(std::abs(b.lon - a.lon), std::abs(b.lat - a.lat)) / step))) : 1;
        for (int k = 0; k < pieces; ++k) put({a.lon + (b.lon - a.lon) * k / pieces, a.lat + (b.lat - a.lat) * k / pieces});
    }
    std::fclose(f);
    const std::string command = std::string("Planimeter -p 10 ") + (rhumb ? "-R " : "") + "< " + points + " 2>/dev/null";
    std::FILE* out = ::popen(command.c_str(), "r");
    double count = 0, length = 0, area = 0;
    const bool read = out && std::fscanf(out, "%lf %lf %lf", &count, &length, &area) == 3;
    if (out) ::pclose(out);
    std::remove(points.c_str());
    if (perimeter) *perimeter = length;
    return read ? std::abs(area) : -1;
}

}  // namespace tess::test
