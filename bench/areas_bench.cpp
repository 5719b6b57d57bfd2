// The area tools alone, on rings already read: union, clip and area of a
// ring of a million vertices (two of them, overlapping) and of the
// Highland file. bench/areas_vs_shapely.py holds them against shapely.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "document/Reader.h"
#include "geometry/Areas.h"
#include "geometry/Measure.h"

using namespace tess;

namespace {

// The rippled ring of bench/memory.sh and bench/areas_vs_shapely.py.
Vertices rippled(int n, double lon, double lat) {
    Vertices v;
    v.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double a = 2 * std::numbers::pi * (i % n) / n;
        const double r = 1 + 0.001 * std::sin(37 * a) + 0.0003 * std::sin(311 * a);
        auto round7 = [](double x) { return std::round(x * 1e7) / 1e7; };
        v.push_back({round7(lon + r * std::cos(a)), round7(lat + 0.6 * r * std::sin(a))});
    }
    return v;
}

const std::vector<RingText>& million() {
    static const std::vector<RingText> rings{ownRingText("1", vertexLines(rippled(1'000'000, 10, 50))),
                                             ownRingText("2", vertexLines(rippled(1'000'000, 10.5, 50.2)))};
    return rings;
}

const std::vector<RingText>* highland() {
    static const PolyLoad load = readPolyFile("/work/shared/realdata/poly/cities_highland_scotland.poly");
    return load.ok() ? &load.file.rings : nullptr;
}

// The western half of the rings' bounds, with a margin.
std::vector<RingText> westernHalf(const std::vector<RingText>& rings) {
    double west = 1e9, east = -1e9, south = 1e9, north = -1e9;
    for (const RingText& r : rings)
        for (const Vertex& v : verticesOf(r.lines))
            west = std::min(west, v.lon), east = std::max(east, v.lon), south = std::min(south, v.lat), north = std::max(north, v.lat);
    const double middle = (west + east) / 2;
    return {ownRingText("1", vertexLines({{west - 1, south - 1}, {middle, south - 1}, {middle, north + 1}, {west - 1, north + 1}, {west - 1, south - 1}}))};
}

template <class Operation>
void run(benchmark::State& st, const std::vector<RingText>* rings, Operation operation) {
    if (!rings) {
        st.SkipWithError("cities_highland_scotland.poly is not at hand");
        return;
    }
    for (auto _ : st) benchmark::DoNotOptimize(operation(*rings));
}

void unionOfMillionVertexRings(benchmark::State& st) { run(st, &million(), unionOfRings); }
void clipMillionVertexRings(benchmark::State& st) {
    const auto half = westernHalf(million());
    run(st, &million(), [&](const std::vector<RingText>& r) { return clipRings(r, half); });
}
void areaOfMillionVertexRings(benchmark::State& st) { run(st, &million(), documentArea); }
void areaOfOneMillionVertexRing(benchmark::State& st) {
    const Vertices ring = rippled(1'000'000, 10, 50);
    for (auto _ : st) benchmark::DoNotOptimize(ringArea(ring));
}
void unionOfHighland(benchmark::State& st) { run(st, highland(), unionOfRings); }
void clipHighland(benchmark::State& st) {
    if (!highland()) return run(st, nullptr, unionOfRings);
    const auto half = westernHalf(*highland());
    run(st, highland(), [&](const std::vector<RingText>& r) { return clipRings(r, half); });
}
void areaOfHighland(benchmark::State& st) { run(st, highland(), documentArea); }

}  // namespace

BENCHMARK(unionOfMillionVertexRings)->Unit(benchmark::kMillisecond);
BENCHMARK(clipMillionVertexRings)->Unit(benchmark::kMillisecond);
BENCHMARK(areaOfMillionVertexRings)->Unit(benchmark::kMillisecond);
BENCHMARK(areaOfOneMillionVertexRing)->Unit(benchmark::kMillisecond);
BENCHMARK(unionOfHighland)->Unit(benchmark::kMillisecond);
BENCHMARK(clipHighland)->Unit(benchmark::kMillisecond);
BENCHMARK(areaOfHighland)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
