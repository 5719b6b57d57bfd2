// Looking closer at a 1,000,000-vertex ring in the window: one zoom step
// and one pan step (each a whole redraw), the redraw of the fitted ring,
// and entering edit mode in a view close enough to edit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>

#include "QtBenchWindow.h"
#include "app/QtMainWindow.h"
#include "session/Opening.h"
#include "editing/Editing.h"
#include "platform/QtPlatform.h"
#include "editing/HandlesInView.h"
#include "editing/Redraw.h"
#include "editing/QtCanvas.h"
#include "view/Transform.h"
#include "view/ViewArea.h"
#include "editing/ViewCommands.h"

namespace {

struct MillionVertexWindow : tess::bench::LoadedWindow {
    MillionVertexWindow() : LoadedWindow(1'000'000) {}
    // The canvas point of the ring's easternmost stretch (lon 11.0, lat 50).
    tess::CanvasPoint east() {
        const tess::CanvasArea a = tess::canvasArea(state().canvas);
        return *tess::toCanvas(state().view, 11.0, 50.0, a.width, a.height, a.margin);
    }
    void finish() { benchmark::DoNotOptimize(window.canvas()->image().constBits()); }
};

void redrawFittedMillionVertexRing(benchmark::State& st) {
    MillionVertexWindow w;
    for (auto _ : st) {
        tess::redraw(w.state(), false);
        w.finish();
    }
}
BENCHMARK(redrawFittedMillionVertexRing)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// In and out by a wheel notch at 16 times the fit: each step redraws.
void zoomStepMillionVertexRing(benchmark::State& st) {
    MillionVertexWindow w;
    const tess::CanvasPoint p = w.east();
    tess::zoomAt(w.state(), p.x, p.y, 16);
    bool in = false;
    for (auto _ : st) {
        in = !in;
        tess::zoomAt(w.state(), p.x, p.y, in ? tess::kWheelStep : 1 / tess::kWheelStep);
        w.finish();
    }
}
BENCHMARK(zoomStepMillionVertexRing)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Forty pixels left and back at 16 times the fit.
void panStepMillionVertexRing(benchmark::State& st) {
    MillionVertexWindow w;
    const tess::CanvasPoint p = w.east();
    tess::zoomAt(w.state(), p.x, p.y, 16);
    bool left = false;
    for (auto _ : st) {
        left = !left;
        tess::panView(w.state(), left ? -600 : 600, 0);
        w.finish();
    }
}
BENCHMARK(panStepMillionVertexRing)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "Edit" checked at 1000 times the fit, where a few hundred vertices are
// in view: their handles made and placed, the ring redrawn.
void enterEditModeZoomedMillionVertexRing(benchmark::State& st) {
    MillionVertexWindow w;
    const tess::CanvasPoint p = w.east();
    tess::zoomAt(w.state(), p.x, p.y, 1000);
    st.counters["handles"] = static_cast<double>(tess::countHandlesInView(w.state(), tess::kMaxEditableVertices));
    for (auto _ : st) {
        tess::setEditMode(w.state(), true);
        w.finish();
        st.PauseTiming();
        tess::setEditMode(w.state(), false);
        st.ResumeTiming();
    }
}
BENCHMARK(enterEditModeZoomedMillionVertexRing)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Opening a 5,000,000-vertex file in the window until it is drawn, with
// the longest time the window went without its events (repaints, the
// progress bar) in the counters.
void openFiveMillionVertexFile(benchmark::State& st) {
    tess::QtPlatform platform;
    tess::QtMainWindow window(platform, tess::WindowStart{tess::bench::scratchDir(), "", false});
    window.show();
    QApplication::processEvents();
    const std::string path = tess::bench::polyFile(1, 5'000'000);
    double longestGap = 0;
    for (auto _ : st) {
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        platform.setBeforeEvents([&] {
            longestGap = std::max(longestGap, static_cast<double>(sinceEvents.elapsed()));
            sinceEvents.restart();
        });
        tess::openDocumentFile(window.state(), path);
        benchmark::DoNotOptimize(window.canvas()->image().constBits());
        longestGap = std::max(longestGap, static_cast<double>(sinceEvents.elapsed()));
        platform.setBeforeEvents({});
    }
    st.counters["longest_ms_without_events"] = longestGap;
}
BENCHMARK(openFiveMillionVertexFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
