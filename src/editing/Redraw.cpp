#include "editing/Redraw.h"

#include <vector>

#include "document/Numbers.h"
#include "editing/HandlesInView.h"
#include "view/Drawing.h"
#include "view/Progress.h"
#include "view/ViewArea.h"

namespace tess {

namespace {

// Stands in for the canvas when there is none (a document driven without a
// window): the design size, and drawing goes nowhere.
class DetachedSurface : public Surface {
public:
    DetachedSurface(double w, double h) : w_(w), h_(h) {}
    double width() const override { return w_; }
    double height() const override { return h_; }
    double fullWidth() const override { return w_; }
    void clear() override {}
    void drawLine(double, double, double, double, Rgb) override {}
    void drawText(double, double, const std::string&, Rgb) override {}

private:
    double w_, h_;
};

// Drawing calls and the objects above them take single-precision places.
CanvasPoint single(CanvasPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

void centreOn(SquareObject& o, CanvasPoint p) {
    o.left = p.x - o.width / 2;
    o.top = p.y - o.height / 2;
}

// The edges drawn above the canvas, in index order: those that meet a
// handle, so that they follow a drag.
std::vector<std::size_t> edgesAbove(const EditSession& edit) {
    std::vector<std::size_t> edges;
    if (!edit.editBoxChecked) return edges;
    edit.overlays.edgeLines.forEach([&](std::size_t k, const LineObject&) { edges.push_back(k); });
    return edges;
}

// Each handle on its vertex, each edge line from the vertex before to its
// own; edge line 1 closes the ring from its last vertex.
void placeHandles(EditSession& edit, const LoadedRing& r, const ViewMapping& mapping) {
    if (!r.held()) return;
    auto at = [&](std::size_t k) { return single(mapping(r.lon[k], r.lat[k])); };
    edit.overlays.handles.forEach([&](std::size_t k, const SquareObject&) {
        if (k > static_cast<std::size_t>(r.lastPoint)) return;
        SquareObject& handle = edit.overlays.handles[k];
        centreOn(handle, at(k));
        handle.visible = edit.editing;
        handle.lon = r.lon[k];
        handle.lat = r.lat[k];
    });
    edit.overlays.edgeLines.forEach([&](std::size_t k, const LineObject&) {
        if (k < 1 || k > static_cast<std::size_t>(r.lastPoint)) return;
        LineObject& line = edit.overlays.edgeLines[k];
        const CanvasPoint from = at(k - 1), to = at(k);
        line = LineObject{from.x, from.y, to.x, to.y, line.color, true};
    });
    // The first handle stands out.
    if (edit.overlays.handles.exists(1)) edit.overlays.handles[1].fill = colors::blue;
}

void placeOutline(EditSession& edit, const ViewMapping& mapping) {
    const Outline& outline = edit.outline;
    Overlays& o = edit.overlays;
    CanvasPoint previous;
    for (int i = 1; i <= outline.pointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const CanvasPoint p = single(mapping(outline.lon[k], outline.lat[k]));
        if (i > 1 && edit.tool == Tool::Polygon && o.segments.exists(k)) {
            LineObject& segment = o.segments[k];
            segment.x1 = previous.x;
            segment.y1 = previous.y;
            segment.x2 = p.x;
            segment.y2 = p.y;
        }
        if (o.markers.exists(k)) {
            SquareObject& marker = o.markers[k];
            centreOn(marker, p);
            marker.visible = true;
            marker.lon = outline.lon[k];
            marker.lat = outline.lat[k];
        }
        previous = p;
    }
    if (outline.state == OutlineState::Closed && o.segments.exists(1) && o.markers.exists(1)) {
        LineObject& closing = o.segments[1];
        const SquareObject& first = o.markers[1];
        closing.x1 = first.left + first.width / 2;
        closing.y1 = first.top + first.height / 2;
        closing.x2 = previous.x;
        closing.y2 = previous.y;
    }
    if (edit.tool == Tool::Rectangle) joinOutlineSegments(edit);
}

void drawOnce(State& s, bool withProgress) {
    s.platform.busyPointer();
    DetachedSurface detached(s.canvas.width, s.canvas.height);
    Surface& surface = s.canvas.surface ? *s.canvas.surface : detached;
    surface.clear();
    settleView(s.view, canvasArea(s.canvas));
    const ViewMapping mapping(s.view, surface.width(), surface.height(), s.canvas.margin);
    const LoadedRing& ring = s.doc.loaded;
    bool inView = false;
    // A view without span cannot place anything: nothing is drawn.
    if (mapping.valid()) {
        drawBackground(surface, mapping, s.background);
        if (ring.lastPoint > 0 && s.canvas.surface) {
            const auto progress = [&](std::int64_t done) {
                if (withProgress) showProgress(s.progress, ProgressPhase::Drawing, done, static_cast<double>(ring.lastPoint));
            };
            inView = drawLoadedRing(surface, mapping, s.doc.content, ring, edgesAbove(s.edit), s.platform, progress);
        }
        if (s.edit.editBoxChecked) placeHandles(s.edit, ring, mapping);
        placeOutline(s.edit, mapping);
        if (withProgress) {
            // The full bar stays up a tenth of a second so that the user
            // sees the drawing finish; window events keep running meanwhile.
            showProgress(s.progress, ProgressPhase::Drawing, ring.lastPoint, static_cast<double>(ring.lastPoint));
            s.platform.pumpEventsFor(100);
            resetProgress(s.progress, s.platform);
        }
    }
    s.platform.normalPointer();
    // Once the user moves the view, a ring beside it is their choice.
    if (ring.lastPoint > 0 && !inView && !s.view.userMoved) surface.drawText(100, 200, kOutOfViewNotice, colors::red);
}

}  // namespace

void redraw(State& s, bool withProgress) {
    // A request while a drawing runs (a resize, say) is kept and drawn once
    // the running one ends, so the picture is always drawn whole.
    if (s.canvas.drawing) {
        s.canvas.redrawPending = true;
        return;
    }
    s.canvas.drawing = true;
    drawOnce(s, withProgress);
    while (s.canvas.redrawPending) {
        s.canvas.redrawPending = false;
        drawOnce(s, false);
    }
    s.canvas.drawing = false;
}

void joinOutlineSegments(EditSession& edit) {
    Overlays& o = edit.overlays;
    const int count = edit.outline.pointCount;
    for (int i = 1; i <= count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::size_t next = i < count ? k + 1 : 1;
        // A missing marker or segment leaves that end as it was.
        if (!o.segments.exists(k)) continue;
        LineObject& segment = o.segments[k];
        if (o.markers.exists(k)) {
            segment.x1 = o.markers[k].left + o.markers[k].width / 2;
            segment.y1 = o.markers[k].top + o.markers[k].height / 2;
        }
        if (o.markers.exists(next)) {
            segment.x2 = o.markers[next].left + o.markers[next].width / 2;
            segment.y2 = o.markers[next].top + o.markers[next].height / 2;
        }
    }
}

std::string handleTip(const SquareObject& handle) { return shortestText(handle.lon) + " " + shortestText(handle.lat); }

std::string markerTip(const SquareObject& marker) {
    return shortestText(static_cast<float>(marker.lon)) + " " + shortestText(static_cast<float>(marker.lat));
}

}  // namespace tess
