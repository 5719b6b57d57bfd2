// Convert to GPX for a large ring.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchData.h"
#include "document/Numbers.h"
#include "formats/DocumentFormats.h"
#include "formats/Gpx.h"
#include "session/Opening.h"
#include "session/Saving.h"

using namespace tess;

namespace {

constexpr int kVertices = 1'000'000;

// A ring as the reader leaves it: every coordinate read from a decimal
// text with nine decimals, as large real files carry them. With
// `computed`, the values are the raw results of arithmetic instead, which
// need all seventeen digits to be told apart (the slow case).
struct Ring {
    std::vector<double> lon, lat;
    template <class Take>
    void forEach(Take take) const {
        for (std::size_t i = 0; i < lon.size(); ++i) take(lon[i], lat[i]);
    }
};

Ring fillRing(bool computed = false) {
    Ring r;
    r.lon.resize(kVertices + 1);
    r.lat.resize(kVertices + 1);
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
        r.lon[static_cast<std::size_t>(i)] = lon;
        r.lat[static_cast<std::size_t>(i)] = lat;
    }
    r.lon[kVertices] = r.lon[0];
    r.lat[kVertices] = r.lat[0];
    return r;
}

std::size_t routeSize(const Ring& r) {
    std::size_t size = 0;
    writeGpxRoute(kVertices, [&](auto take) { r.forEach(take); }, [&](std::string_view piece) { size += piece.size(); });
    return size;
}

// Convert to GPX: the route of a ring read from a file, written whole and
// renamed over the target.
void exportOneMillionVertexRing(benchmark::State& st) {
    bench::NullPlatform platform;
    State s(platform);
    openDocumentFile(s, bench::polyFile(1, kVertices));
    const std::string out = bench::scratchDir() + "/ring-1m.gpx";
    for (auto _ : st) benchmark::DoNotOptimize(exportDocument(s.doc, platform, gpxFormat(), out, 0));
}
BENCHMARK(exportOneMillionVertexRing)->Unit(benchmark::kMillisecond);

// Only the text.
void routeTextOfOneMillionVertices(benchmark::State& st) {
    const Ring r = fillRing();
    for (auto _ : st) benchmark::DoNotOptimize(routeSize(r));
}
BENCHMARK(routeTextOfOneMillionVertices)->Unit(benchmark::kMillisecond);

// Only the text, for coordinates that need more than fifteen digits.
void routeTextOfOneMillionComputedVertices(benchmark::State& st) {
    const Ring r = fillRing(true);
    for (auto _ : st) benchmark::DoNotOptimize(routeSize(r));
}
BENCHMARK(routeTextOfOneMillionComputedVertices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
