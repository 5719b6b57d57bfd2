// The polygon tools on large rings: simplify, grow, check, GeoJSON.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

#include "document/Reader.h"
#include "geometry/Check.h"
#include "geometry/GeoJson.h"
#include "geometry/Grow.h"
#include "geometry/Simplify.h"

using namespace tess;

namespace {

// A coastline-like closed ring of n vertices around 57 N: a circle of
// about 110 km with ripples at several scales and a little noise, the
// numbers rounded to seven decimals as real files hold them.
Vertices coastline(int n) {
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 0.00002);
    Vertices v;
    v.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * std::numbers::pi * i / n;
        const double r = 1 + 0.05 * std::sin(13 * a) + 0.01 * std::sin(171 * a) + 0.002 * std::sin(2311 * a) + noise(random);
        auto round7 = [](double x) { return std::round(x * 1e7) / 1e7; };
        v.push_back({round7(-4 + 1.8 * r * std::cos(a)), round7(57 + r * std::sin(a))});
    }
    v.push_back(v.front());
    return v;
}

void simplifyOneMillionVertexRing(benchmark::State& st) {
    const Vertices ring = coastline(1'000'000);
    std::size_t kept = 0;
    for (auto _ : st) kept = simplifyRing(ring, 100).size();
    st.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(simplifyOneMillionVertexRing)->Unit(benchmark::kMillisecond);

void growHundredThousandVertexRing(benchmark::State& st) {
    const Vertices ring = coastline(100'000);
    std::size_t made = 0;
    for (auto _ : st) made = growRing(ring, 5000, Corners::Round).front().vertices.size();
    st.counters["vertices"] = static_cast<double>(made);
}
BENCHMARK(growHundredThousandVertexRing)->Unit(benchmark::kMillisecond);

// The largest ring of a real file, when the shared real files are at hand:
// the Highland coastline, 104,582 vertices, grown by 5 km.
void growRealCoastline(benchmark::State& st) {
    const PolyLoad load = readPolyFile("/work/shared/realdata/poly/cities_highland_scotland.poly");
    if (!load.ok() || load.file.rings.size() < 235) {
        st.SkipWithError("cities_highland_scotland.poly is not at hand");
        return;
    }
    const Vertices ring = verticesOf(load.file.rings[234].lines);
    std::size_t made = 0;
    for (auto _ : st) made = growRing(ring, 5000, Corners::Round).front().vertices.size();
    st.counters["vertices"] = static_cast<double>(made);
}
BENCHMARK(growRealCoastline)->Unit(benchmark::kMillisecond);

void checkOneMillionVertexDocument(benchmark::State& st) {
    const std::vector<RingText> rings = {ownRingText("1", vertexLines(coastline(1'000'000)))};
    for (auto _ : st) benchmark::DoNotOptimize(checkDocument(rings));
}
BENCHMARK(checkOneMillionVertexDocument)->Unit(benchmark::kMillisecond);

void checkTenThousandRings(benchmark::State& st) {
    std::vector<RingText> rings;
    for (int k = 0; k < 10'000; ++k) {
        Vertices v;
        for (int i = 0; i < 100; ++i) {
            const double a = 2 * std::numbers::pi * i / 100;
            v.push_back({(k % 100) * 0.1 + 0.04 * std::cos(a), (k / 100) * 0.1 + 0.04 * std::sin(a)});
        }
        v.push_back(v.front());
        rings.push_back(ownRingText(std::to_string(k + 1), vertexLines(v)));
    }
    for (auto _ : st) benchmark::DoNotOptimize(checkDocument(rings));
}
BENCHMARK(checkTenThousandRings)->Unit(benchmark::kMillisecond);

void writeGeoJsonOneMillionVertices(benchmark::State& st) {
    const std::vector<RingText> rings = {ownRingText("1", vertexLines(coastline(1'000'000)))};
    std::size_t size = 0;
    for (auto _ : st) size = geoJsonText("Coast", rings).size();
    st.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(writeGeoJsonOneMillionVertices)->Unit(benchmark::kMillisecond);

void readGeoJsonOneMillionVertices(benchmark::State& st) {
    const std::string text = geoJsonText("Coast", {ownRingText("1", vertexLines(coastline(1'000'000)))});
    for (auto _ : st) benchmark::DoNotOptimize(parseGeoJson(text));
}
BENCHMARK(readGeoJsonOneMillionVertices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
