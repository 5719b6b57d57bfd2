// Reading, committing and saving large documents.
#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "session/Opening.h"
#include "session/Saving.h"

using namespace tess;

namespace {

using Quiet = bench::NullPlatform;

void loadOneMillionVertexRing(benchmark::State& st) {
    const std::string file = bench::polyFile(1, 1'000'000);
    Quiet platform;
    for (auto _ : st) {
        State s(platform);
        s.settings.systemDir = bench::scratchDir();
        benchmark::DoNotOptimize(openDocumentFile(s, file));
    }
}
BENCHMARK(loadOneMillionVertexRing)->Unit(benchmark::kMillisecond);

void loadTenThousandRings(benchmark::State& st) {
    const std::string file = bench::polyFile(10'000, 1'000'000);
    Quiet platform;
    for (auto _ : st) {
        State s(platform);
        benchmark::DoNotOptimize(openDocumentFile(s, file));
    }
}
BENCHMARK(loadTenThousandRings)->Unit(benchmark::kMillisecond);

void saveTenThousandRings(benchmark::State& st) {
    Quiet platform;
    State s(platform);
    s.settings.systemDir = bench::scratchDir();
    openDocumentFile(s, bench::polyFile(10'000, 1'000'000));
    const std::string out = bench::scratchDir() + "/saved.poly";
    for (auto _ : st) benchmark::DoNotOptimize(saveDocumentTo(s.doc, s.platform, out));
}
BENCHMARK(saveTenThousandRings)->Unit(benchmark::kMillisecond);

void saveOneMillionVertexRingCommitted(benchmark::State& st) {
    Quiet platform;
    State s(platform);
    s.settings.systemDir = bench::scratchDir();
    openDocumentFile(s, bench::polyFile(1, 1'000'000));
    const std::string out = bench::scratchDir() + "/committed.poly";
    for (auto _ : st) benchmark::DoNotOptimize(saveDocumentCommittedTo(s.doc, s.platform, out));
}
BENCHMARK(saveOneMillionVertexRingCommitted)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
