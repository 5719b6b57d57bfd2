// Importing a large GPX track, as Open GPX does it, and the text work
// alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "BenchData.h"
#include "formats/Gpx.h"
#include "session/Opening.h"
#include "platform/Files.h"

using namespace tess;

namespace {

constexpr int kTrackPoints = 1'000'000;

// A recorded track as devices write it: every point with elevation and
// time, inside a file with metadata bounds.
std::string trackText() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"bench\">\n"
        "<metadata><bounds minlat=\"46.0\" minlon=\"7.0\" maxlat=\"48.0\" maxlon=\"9.0\"/></metadata>\n"
        "<trk><name>long ride</name><trkseg>\n";
    text.reserve(static_cast<std::size_t>(kTrackPoints) * 110);
    char line[200];
    for (int i = 0; i < kTrackPoints; ++i) {
        const double lat = 46.0 + (i % 20000) * 0.0001234567;
        const double lon = 7.0 + (i / 20000) * 0.0345678912 + (i % 7) * 0.0000012345;
        std::snprintf(line, sizeof line,
                      "  <trkpt lat=\"%.9f\" lon=\"%.9f\"><ele>%d.%d</ele>"
                      "<time>2024-05-01T%02d:%02d:%02dZ</time></trkpt>\n",
                      lat, lon, 400 + i % 300, i % 10, (i / 3600) % 24, (i / 60) % 60, i % 60);
        text += line;
    }
    text += "</trkseg></trk>\n</gpx>\n";
    return text;
}

const std::string& trackFile() {
    static const std::string path = [] {
        std::string p = bench::scratchDir() + "/track-1m.gpx";
        if (!fileExists(p)) writeWholeFile(p, trackText());
        return p;
    }();
    return path;
}

// Open GPX from start to end: read the file, write the working file, load
// it as the document and draw it (without a window).
void importOneMillionTrackPoints(benchmark::State& st) {
    const std::string& file = trackFile();
    bench::NullPlatform platform;
    for (auto _ : st) {
        State s(platform);
        s.settings.systemDir = bench::scratchDir();
        openDocumentFile(s, file);
        if (s.doc.loaded.lastPoint != kTrackPoints) st.SkipWithError("wrong number of points");
    }
}
BENCHMARK(importOneMillionTrackPoints)->Unit(benchmark::kMillisecond);

// Only the conversion of GPX text into the working .poly text.
void workingTextOfOneMillionTrackPoints(benchmark::State& st) {
    const std::string text = readWholeFile(trackFile());
    for (auto _ : st) benchmark::DoNotOptimize(gpxToPolyFile("track-1m.gpx", text));
}
BENCHMARK(workingTextOfOneMillionTrackPoints)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
