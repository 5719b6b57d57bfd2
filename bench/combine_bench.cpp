// Combining many .poly files: 100 files of 10,000 vertices each, read,
// renumbered and written as one file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchData.h"
#include "combine/Merge.h"
#include "platform/SilentPlatform.h"

using namespace tess;

namespace {


std::vector<std::string> combineInputs(int files, int vertices) {
    const std::string folder = bench::scratchDir() + "/combine";
    std::filesystem::create_directories(folder);
    const std::string text = bench::polyText(1, vertices);
    std::vector<std::string> paths;
    for (int i = 0; i < files; ++i) {
        const std::string path = folder + "/part" + std::to_string(i) + ".poly";
        if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::binary) << text;
        paths.push_back(path);
    }
    return paths;
}

void combineHundredFilesOfTenThousandVertices(benchmark::State& st) {
    const std::vector<std::string> files = combineInputs(100, 10'000);
    const std::string output = bench::scratchDir() + "/combined.poly";
    SilentPlatform platform;
    for (auto _ : st) benchmark::DoNotOptimize(combineFiles(platform, files, "Combined", output));
    st.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(output)) / 1e6;
}
BENCHMARK(combineHundredFilesOfTenThousandVertices)->Unit(benchmark::kMillisecond);

void mergeTextsInMemory(benchmark::State& st) {
    const std::string text = bench::polyText(1, 10'000);
    const std::vector<std::string_view> texts(100, text);
    SilentPlatform platform;
    for (auto _ : st) benchmark::DoNotOptimize(mergeTexts(texts, "Combined"));
}
BENCHMARK(mergeTextsInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
