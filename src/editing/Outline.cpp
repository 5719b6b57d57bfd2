// Closing the selection outline (double-clicks, Save Selection) and
// cancelling it with Escape, whichever control has the focus.
#include <cstddef>

#include "editing/CanvasGeometry.h"
#include "editing/Editing.h"
#include "editing/Redraw.h"

namespace tess {

void closeOutline(State& s) {
    Outline& outline = s.edit.outline;
    Overlays& o = s.edit.overlays;
    if (outline.pointCount > 1) {
        outline.state = OutlineState::Closed;
        const double h = markerHalf(s);
        o.segments.create(1);
        LineObject& closing = o.segments[1];
        if (o.markers.exists(1)) {
            closing.x1 = o.markers[1].left + h;
            closing.y1 = o.markers[1].top + h;
        }
        const auto last = static_cast<std::size_t>(outline.pointCount);
        if (o.segments.exists(last)) {
            closing.x2 = o.segments[last].x2;
            closing.y2 = o.segments[last].y2;
        }
        closing.visible = true;
    }
    joinOutlineSegments(s.edit);
}

void pressEscape(State& s) {
    // A handle being dragged goes back to its vertex.
    if (s.edit.drag == DragKind::Handle) cancelDrag(s);
    Outline& outline = s.edit.outline;
    if (outline.pointCount >= 1) {
        // A marker being dragged goes with its outline.
        if (s.edit.drag == DragKind::Marker) cancelDrag(s);
        for (int k = 1; k <= outline.pointCount; ++k) {
            s.edit.overlays.segments.remove(static_cast<std::size_t>(k));
            s.edit.overlays.markers.remove(static_cast<std::size_t>(k));
        }
        outline.pointCount = 0;
        outline.state = OutlineState::None;
    }
    s.edit.overlays.rubberBand.visible = false;
}

}  // namespace tess
