// Edit mode and dragging: entering edit mode on the largest editable ring
// with its handles placed, and the logic of one pointer move during a drag.
#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "session/Opening.h"
#include "editing/Editing.h"
#include "selection/Selection.h"
#include "editing/Clearing.h"
#include "editing/Redraw.h"

using namespace tess;

namespace {

using Quiet = bench::NullPlatform;

// The design size of the canvas; drawing goes nowhere.
struct NullSurface : Surface {
    double width() const override { return 8580; }
    double height() const override { return 8040; }
    double fullWidth() const override { return 8610; }
    void clear() override {}
    void drawLine(double, double, double, double, Rgb) override {}
    void drawText(double, double, const std::string&, Rgb) override {}
};

struct EditBench {
    Quiet platform;
    NullSurface surface;
    State s{platform};

    explicit EditBench(int vertices) {
        s.canvas.surface = &surface;
        s.settings.systemDir = bench::scratchDir();
        openDocumentFile(s, bench::polyFile(1, vertices));
        s.doc.loaded.index = 0;
    }
    void enterEditMode() {
        setEditMode(s, true);
    }
};

void enterEditModeOnThousandVertexRing(benchmark::State& st) {
    EditBench b(1000);  // closed by a copy of its first vertex: 1001
    if (b.s.doc.loaded.lastPoint != kMaxEditableVertices) {
        st.SkipWithError("unexpected ring size");
        return;
    }
    for (auto _ : st) {
        b.enterEditMode();
        st.PauseTiming();
        removeHandlesAndOutline(b.s);
        b.s.edit.editBoxChecked = b.s.edit.editing = false;
        st.ResumeTiming();
    }
    st.counters["handles"] = static_cast<double>(b.s.doc.loaded.lastPoint);
}
BENCHMARK(enterEditModeOnThousandVertexRing)->Unit(benchmark::kMillisecond);

// One pointer move per iteration, back and forth across the canvas, with
// the drag ended afterwards.
void movePointerAcrossTheCanvas(benchmark::State& st, EditBench& b) {
    double x = 1000;
    for (auto _ : st) {
        x = x > 7000 ? 1000 : x + 7;
        dragOverCanvas(b.s, x, 2000);
    }
    cancelDrag(b.s);
}

void oneMoveOfAVertexHandle(benchmark::State& st) {
    EditBench b(1000);  // closed by a copy of its first vertex: 1001
    b.enterEditMode();
    pressOnHandle(b.s, 500);
    movePointerAcrossTheCanvas(st, b);
}
BENCHMARK(oneMoveOfAVertexHandle)->Unit(benchmark::kMicrosecond);

// The largest outline: every move looks at all 500 segments for the ones
// that end at the dragged marker.
void oneMoveOfAMarkerOfA500PointOutline(benchmark::State& st) {
    EditBench b(1000);  // closed by a copy of its first vertex: 1001
    b.s.edit.tool = Tool::Polygon;
    for (int i = 0; i < kMaxSelectionPoints; ++i) pressOnCanvas(b.s, 200 + i * 16, 300 + (i % 7) * 900);
    closeOutline(b.s);
    pressOnMarker(b.s, 250);
    movePointerAcrossTheCanvas(st, b);
}
BENCHMARK(oneMoveOfAMarkerOfA500PointOutline)->Unit(benchmark::kMicrosecond);

void dropOfAVertexHandle(benchmark::State& st) {
    EditBench b(1000);  // closed by a copy of its first vertex: 1001
    b.enterEditMode();
    double x = 1000;
    for (auto _ : st) {
        x = x > 7000 ? 1000 : x + 7;
        pressOnHandle(b.s, 500);
        dragOverCanvas(b.s, x, 2000);
        dropOnHandle(b.s);
    }
}
BENCHMARK(dropOfAVertexHandle)->Unit(benchmark::kMicrosecond);

void selectionTextOfA500PointOutline(benchmark::State& st) {
    EditBench b(1000);  // closed by a copy of its first vertex: 1001
    b.s.edit.tool = Tool::Polygon;
    for (int i = 0; i < kMaxSelectionPoints; ++i) pressOnCanvas(b.s, 200 + i * 16, 300 + (i % 7) * 900);
    closeOutline(b.s);
    for (auto _ : st) benchmark::DoNotOptimize(outlineFileText(b.s));
}
BENCHMARK(selectionTextOfA500PointOutline)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
