// Convert to GPX for a large ring.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchData.h"
#include "document/Numbers.h"
#include "formats/Gpx.h"

using namespace tess;

namespace {

constexpr int kVertices = 1'000'000;

// A ring as the reader leaves it: every coordinate read from a decimal
// text with nine decimals, as large real files carry them. With
// `computed`, the values are the raw results of arithmetic instead, which
// need all seventeen digits to be told apart (the slow case).
void fillRing(State& s, bool computed = false) {
    s.doc.loaded.lon.resize(kVertices + 1);
    s.doc.loaded.lat.resize(kVertices + 1);
    char text[64];
    for (int i = 0; i < kVertices; ++i) {
        double lon = -122.0 + i * 0.000001234567891;
        double lat = 37.0 + (i % 5000) * 0.0000987654321;
        if (!computed) {
            std::snprintf(text, sizeof text, "%.9f", lon);
            lon = readDecimal(text);
            std::snprintf(text, sizeof text, "%.9f", lat);
            lat = readDecimal(text);
        }
        s.doc.loaded.lon[static_cast<std::size_t>(i)] = lon;
        s.doc.loaded.lat[static_cast<std::size_t>(i)] = lat;
    }
    s.doc.loaded.lon[kVertices] = s.doc.loaded.lon[0];
    s.doc.loaded.lat[kVertices] = s.doc.loaded.lat[0];
    s.doc.loaded.lastPoint = kVertices;
}

// savegpx2: the route text, written whole and renamed over the target.
void exportOneMillionVertexRing(benchmark::State& st) {
    bench::NullPlatform platform;
    State s(platform);
    fillRing(s);
    const std::string out = bench::scratchDir() + "/ring-1m.gpx";
    for (auto _ : st) benchmark::DoNotOptimize(writeGpxRoute(s, out));
}
BENCHMARK(exportOneMillionVertexRing)->Unit(benchmark::kMillisecond);

// Only the text.
void routeTextOfOneMillionVertices(benchmark::State& st) {
    bench::NullPlatform platform;
    State s(platform);
    fillRing(s);
    for (auto _ : st) {
        std::size_t size = 0;
        writeGpxRoute(s.doc, [&](std::string_view piece) { size += piece.size(); });
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(routeTextOfOneMillionVertices)->Unit(benchmark::kMillisecond);

// Only the text, for coordinates that need more than fifteen digits.
void routeTextOfOneMillionComputedVertices(benchmark::State& st) {
    bench::NullPlatform platform;
    State s(platform);
    fillRing(s, true);
    for (auto _ : st) {
        std::size_t size = 0;
        writeGpxRoute(s.doc, [&](std::string_view piece) { size += piece.size(); });
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(routeTextOfOneMillionComputedVertices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
