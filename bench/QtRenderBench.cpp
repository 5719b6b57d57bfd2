// The whole process of `tessaline --render` on a 1,000,000-vertex file:
// start, read, draw, write the picture, exit.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchData.h"

namespace {

std::string programPath() {
    // bench_QtRenderBench lies in build/bench, the program in build/src.
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    return (self.parent_path().parent_path() / "src" / "tessaline").string();
}

void renderMillionVertexFile(benchmark::State& st) {
    const std::string input = tess::bench::polyFile(1, 1'000'000);
    const std::string output = tess::bench::scratchDir() + "/render.png";
    const std::string command = "QT_QPA_PLATFORM=offscreen '" + programPath() + "' --render '" + input +
                                "' -o '" + output + "' 2>/dev/null";
    for (auto _ : st) {
        if (std::system(command.c_str()) != 0) {
            st.SkipWithError("tessaline --render failed");
            break;
        }
    }
}
BENCHMARK(renderMillionVertexFile)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace
