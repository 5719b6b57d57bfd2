// Drawing the document onto the canvas: background, current ring (as
// lines, or by placing its handles in edit mode) and selection outline,
// with the second half of the progress bar.
#include "view/Plot.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "view/Progress.h"
#include "platform/EventBreaks.h"
#include "view/LineThinner.h"
#include "view/Transform.h"
#include "view/Zoom.h"

namespace tess {

namespace {

// Stands in for the canvas when there is none (a document driven without a
// window): the design size, and drawing goes nowhere.
class DetachedSurface : public Surface {
public:
    double width() const override { return 8580; }
    double height() const override { return 8040; }
    double fullWidth() const override { return 8580; }
    void clear() override {}
    void drawLine(double, double, double, double, Rgb) override {}
    void drawText(double, double, const std::string&, Rgb) override {}
};

// A zero view span cannot be mapped; the drawing ends there.
struct Unmappable : std::runtime_error {
    Unmappable() : std::runtime_error("view span is zero") {}
};

// Drawing calls take single-precision positions.
CanvasPoint single(CanvasPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

CanvasPoint mapped(const State& s, const Surface& surface, double lon, double lat) {
    auto p = toCanvas(s.view, lon, lat, surface.width(), surface.height(), s.margin);
    if (!p) throw Unmappable();
    return single(*p);
}

// About ten progress updates for a large ring, one every tenth vertex for
// a small one, none below ten vertices. 64 bits: any ring size works.
std::int64_t progressStep(std::int64_t n) {
    if (n > 1000) {
        const double tenth = static_cast<double>(n) / 10.0;
        return static_cast<std::int64_t>(std::nearbyint(tenth));
    }
    if (n < 10) return 1;
    return 10;
}

std::string pointText(double lon, double lat) { return shortestText(lon) + " " + shortestText(lat); }

void drawBackground(State& s, Surface& surface) {
    const Background& background = s.background;
    if (background.lastIndex <= 0) return;
    LineThinner lines(surface, colors::darkRed, surface.width(), surface.height());
    for (std::int32_t i = 0; i <= background.lastIndex; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (k >= background.lon.size() || k >= background.lat.size()) throw std::out_of_range("background");
        const CanvasPoint p = mapped(s, surface, background.lon[k], background.lat[k]);
        lines.lineTo(p.x, p.y);
    }
    lines.finishRun();
}

// Answers "is there an element k?" for k rising, without a lookup each.
class IndexCursor {
public:
    template <class T>
    IndexCursor(const ObjectFamily<T>& family, bool use) {
        if (use) family.forEach([&](std::size_t k, const T&) { keys_.push_back(k); });
    }
    bool at(std::size_t k) {
        while (next_ < keys_.size() && keys_[next_] < k) ++next_;
        return next_ < keys_.size() && keys_[next_] == k;
    }

private:
    std::vector<std::size_t> keys_;
    std::size_t next_ = 0;
};

void placeHandle(State& s, std::size_t k, CanvasPoint p, double lon, double lat) {
    SquareObject& handle = s.overlays.handles[k];
    handle.left = p.x - 50;
    handle.top = p.y - 50;
    handle.visible = s.edit.editing;
    handle.tag = pointText(lon, lat);
    handle.tip = handle.tag;
}

void placeEdgeLine(State& s, std::size_t k, CanvasPoint from, CanvasPoint to) {
    LineObject& line = s.overlays.edgeLines[k];
    line.x1 = from.x;
    line.y1 = from.y;
    line.x2 = to.x;
    line.y2 = to.y;
    line.visible = true;
}

// Draws the loaded ring. In edit mode the edges that meet a handle are
// edge lines above the canvas, so that they follow a drag; the others are
// drawn like any ring. inView is set once a vertex falls within the canvas
// width.
void drawRing(State& s, Surface& surface, bool withProgress, bool& inView) {
    const Document& doc = s.doc;
    const std::int64_t n = doc.lastPoint;
    const std::int64_t step = progressStep(n);
    std::int64_t untilProgress = 1;  // counts down to the next update (i % step == 1)
    const ViewMapping mapping(s.view, surface.width(), surface.height(), s.margin);
    if (!mapping.valid()) throw Unmappable();
    const bool placeHandles = s.edit.editBoxChecked && verticesHeld(doc);
    // The handles and edge lines in index order, met as the vertices pass:
    // a ring of a million vertices has a few hundred of them in view.
    IndexCursor edges(s.overlays.edgeLines, placeHandles), handles(s.overlays.handles, placeHandles);
    const double fullWidth = surface.fullWidth();
    LineThinner lines(surface, colors::blue, surface.width(), surface.height());
    EventBreaks breaks(s.platform);
    CanvasPoint previous;
    std::int64_t i = 0;
    forEachLoadedVertex(doc, [&](double lon, double lat) {
        if (--untilProgress == -1) {
            untilProgress = step - 1;
            if (withProgress && step > 1) showProgress(s, 50, static_cast<std::int32_t>(i), static_cast<double>(n));
        }
        breaks.tick(i);
        const CanvasPoint p = single(mapping(lon, lat));
        if (p.x > -1 && p.x <= fullWidth) inView = true;
        const auto k = static_cast<std::size_t>(i);
        if (i == 0) {
            lines.moveTo(p.x, p.y);
        } else if (edges.at(k)) {
            placeEdgeLine(s, k, previous, p);
            lines.moveTo(p.x, p.y);
        } else {
            lines.lineTo(p.x, p.y);
        }
        if (i > 0 && handles.at(k)) placeHandle(s, k, p, lon, lat);
        previous = p;
        ++i;
    });
    lines.finishRun();
}

void placeSelection(State& s, const Surface& surface) {
    const Outline& outline = s.outline;
    CanvasPoint previous;
    for (int i = 1; i <= outline.pointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const CanvasPoint p = mapped(s, surface, outline.lon[k], outline.lat[k]);
        if (i > 1 && s.edit.tool == Tool::Polygon) {
            LineObject& segment = s.overlays.segments[k];
            segment.x1 = previous.x;
            segment.y1 = previous.y;
            segment.x2 = p.x;
            segment.y2 = p.y;
        }
        SquareObject& marker = s.overlays.markers[k];
        marker.left = p.x - 50;
        marker.top = p.y - 50;
        marker.visible = true;
        marker.tag = shortestText(outline.lon[k]) + " " + shortestText(outline.lat[k]);
        marker.tip = marker.tag;
        previous = p;
    }
    if (outline.state == OutlineState::Closed) {
        LineObject& closing = s.overlays.segments[1];
        const SquareObject& first = s.overlays.markers[1];
        closing.x1 = first.left + 50;
        closing.y1 = first.top + 50;
        closing.x2 = previous.x;
        closing.y2 = previous.y;
    }
}

// The full bar stays up for a tenth of a second so that the user sees the
// drawing finish; window events keep running meanwhile.
void showFullBar(State& s, std::int64_t n) {
    showProgress(s, 50, static_cast<std::int32_t>(n), static_cast<double>(n));
    s.platform.pumpEventsFor(100);
    resetProgress(s);
}

void drawOnce(State& s, bool withProgress);

}  // namespace

void redraw(State& s, bool withProgress) {
    // A request while a drawing runs (a resize, say) is kept and drawn once
    // the running one ends, so the picture is always drawn whole.
    if (s.edit.busy) {
        s.edit.redrawPending = true;
        return;
    }
    s.edit.busy = true;
    drawOnce(s, withProgress);
    while (s.edit.redrawPending) {
        s.edit.redrawPending = false;
        drawOnce(s, false);
    }
    s.edit.busy = false;
}

namespace {

void drawOnce(State& s, bool withProgress) {
    s.platform.busyPointer();
    DetachedSurface detached;
    Surface& surface = s.canvas ? *s.canvas : detached;
    bool inView = false;
    try {
        surface.clear();
        settleView(s.view, {surface.width(), surface.height(), s.margin});
        drawBackground(s, surface);
        if (s.edit.editBoxChecked) s.edit.handleCount = static_cast<std::int32_t>(s.doc.lastPoint);
        // Without a canvas only the handles need placing.
        if (s.doc.lastPoint > 0 && (s.canvas || s.edit.editBoxChecked)) drawRing(s, surface, withProgress, inView);
        if (s.outline.pointCount > 0) placeSelection(s, surface);
        if (s.edit.tool == Tool::Rectangle) joinOutlineSegments(s);
        if (s.edit.handleCount > 0 && s.overlays.handles.exists(1)) s.overlays.handles[1].fill = colors::blue;
        if (withProgress) showFullBar(s, s.doc.lastPoint);
    } catch (const std::exception&) {
        // What was drawn so far stays; the flags below are always restored.
    }
    s.platform.normalPointer();
    // Once the user moves the view, a ring beside it is their choice.
    if (s.doc.lastPoint > 0 && !inView && !s.view.userMoved)
        surface.drawText(100, 200, kOutOfViewNotice, colors::red);
}

}  // namespace

void joinOutlineSegments(State& s) {
    const float h = static_cast<float>(s.overlays.markers.templ().width / 2);
    auto& nd = s.overlays.markers;
    auto& Ln = s.overlays.segments;
    for (int i = 1; i <= s.outline.pointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::size_t next = i < s.outline.pointCount ? k + 1 : 1;
        // A missing marker or segment leaves that end as it was.
        try {
            Ln[k].x1 = nd[k].left + h;
        } catch (const MissingObject&) {}
        try {
            Ln[k].y1 = nd[k].top + h;
        } catch (const MissingObject&) {}
        try {
            Ln[k].x2 = nd[next].left + h;
        } catch (const MissingObject&) {}
        try {
            Ln[k].y2 = nd[next].top + h;
        } catch (const MissingObject&) {}
    }
}

}  // namespace tess
