// Edit mode in the real window: one pointer move during a handle drag
// including the repaint of the canvas, and entering edit mode on a
// 1000-vertex ring with its handles placed and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>

#include "BenchData.h"
#include "app/QtMainWindow.h"
#include "editing/Editing.h"
#include "platform/QtPlatform.h"
#include "editing/Clearing.h"
#include "editing/QtCanvas.h"

using namespace tess;

namespace {

struct Window {
    QtPlatform platform;
    QtMainWindow window{platform, WindowStart{bench::scratchDir(), bench::polyFile(1, 1000), false}};  // 1001 vertices once closed

    Window() {
        window.show();
        QApplication::processEvents();
    }
    State& state() { return window.state(); }
    QtCanvas* canvas() { return window.canvas(); }
    void setEditBox(bool on) {
        window.editBox()->setChecked(on);
        setEditMode(state(), on);
        window.syncFromState();
    }
    void moveTo(QPointF p) {
        QMouseEvent move(QEvent::MouseMove, p, canvas()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas(), &move);
        canvas()->repaint();
    }
};

void handleDragMoveWithRepaint(benchmark::State& st) {
    Window w;
    w.setEditBox(true);
    if (w.state().doc.loaded.lastPoint != kMaxEditableVertices) {
        st.SkipWithError("unexpected ring size");
        return;
    }
    pressOnHandle(w.state(), 500);
    double x = 40;
    for (auto _ : st) {
        x = x > 500 ? 40 : x + 3;
        w.moveTo(QPointF(x, 200));
    }
    cancelDrag(w.state());
}
BENCHMARK(handleDragMoveWithRepaint)->Unit(benchmark::kMillisecond);

void enterEditModeWithRepaint(benchmark::State& st) {
    Window w;
    for (auto _ : st) {
        w.setEditBox(true);
        w.canvas()->repaint();
        st.PauseTiming();
        removeHandlesAndOutline(w.state());
        w.state().edit.editBoxChecked = w.state().edit.editing = false;
        st.ResumeTiming();
    }
}
BENCHMARK(enterEditModeWithRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
