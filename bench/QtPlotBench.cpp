// Drawing speed in the window: drawing a 1,000,000-vertex ring on the
// canvas at its start-up size, and the redraw after a resize of a
// 10,000-vertex ring.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "QtBenchWindow.h"
#include "app/QtMainWindow.h"
#include "session/Opening.h"
#include "platform/QtPlatform.h"
#include "editing/Redraw.h"
#include "editing/QtCanvas.h"

namespace {

using tess::bench::LoadedWindow;

void plotMillionVertexRing(benchmark::State& st) {
    LoadedWindow w(1'000'000);
    for (auto _ : st) {
        tess::redraw(w.window.state(), false);
        benchmark::DoNotOptimize(w.window.canvas()->image().constBits());
    }
    st.counters["vertices"] = static_cast<double>(w.window.state().doc.loaded.lastPoint);
}
BENCHMARK(plotMillionVertexRing)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void redrawAfterResizeTenThousandVertices(benchmark::State& st) {
    LoadedWindow w(10'000);
    bool wide = false;
    for (auto _ : st) {
        wide = !wide;
        w.window.resize(wide ? 700 : 653, wide ? 700 : 660);
        QApplication::processEvents();  // the resize event: layout, drawing
        benchmark::DoNotOptimize(w.window.canvas()->image().constBits());
    }
}
BENCHMARK(redrawAfterResizeTenThousandVertices)->Unit(benchmark::kMillisecond);

}  // namespace
