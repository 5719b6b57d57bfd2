// Reading a large background file.
#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "background/Background.h"

using namespace tess;

namespace {

void loadpolybkOneMillionVertices(benchmark::State& st) {
    const std::string file = bench::polyFile(1, 1'000'000);
    bench::NullPlatform platform;
    State s(platform);
    for (auto _ : st) {
        loadBackgroundFile(s, file);
        if (s.background.lastIndex < 999'999) st.SkipWithError("background not read");
    }
}
BENCHMARK(loadpolybkOneMillionVertices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
