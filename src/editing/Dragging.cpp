// Dragging vertex handles and selection markers: a press starts the drag,
// every move carries the handle and the lines attached to it, and only a
// release over a handle of the same kind stores the new coordinates.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "editing/CanvasGeometry.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "editing/HandlesInView.h"
#include "editing/Redraw.h"
#include "document/Numbers.h"
#include "view/Transform.h"
#include "view/ViewArea.h"

namespace tess {

namespace {


// Line ends that lie within this distance of a marker's centre belong to
// it; centres are recomputed from left/top edges, so exact equality could
// miss by a rounding.
constexpr double kSameSpot = 0.01;

bool samePoint(double ax, double ay, double bx, double by) {
    return std::fabs(ax - bx) < kSameSpot && std::fabs(ay - by) < kSameSpot;
}

void centreOn(SquareObject& o, double x, double y) {
    o.left = x - o.width / 2;
    o.top = y - o.height / 2;
}

void moveEdgeLinesOfVertex(State& s, std::size_t i, double x, double y) {
    auto& lines = s.edit.overlays.edgeLines;
    if (lines.exists(i)) {
        lines[i].x2 = x;
        lines[i].y2 = y;
    }
    const std::size_t j = edgeLineAfter(static_cast<std::int64_t>(i), s.doc.loaded.lastPoint);
    if (lines.exists(j)) {
        lines[j].x1 = x;
        lines[j].y1 = y;
    }
}

void moveVertexHandle(State& s, double x, double y) {
    const auto i = static_cast<std::size_t>(s.edit.draggedHandle);
    if (s.edit.overlays.handles.exists(i)) centreOn(s.edit.overlays.handles[i], x, y);
    moveEdgeLinesOfVertex(s, i, x, y);
}

// Segments are found by where their ends lie, so both the closed order
// laid on closing and the open order a redraw with the polygon tool lays
// are followed.
void moveMarker(State& s, double x, double y) {
    const auto i = static_cast<std::size_t>(s.edit.draggedMarker);
    auto& markers = s.edit.overlays.markers;
    if (!markers.exists(i)) return;
    const Centre old = centreOf(markers[i]);
    centreOn(markers[i], x, y);
    auto& segments = s.edit.overlays.segments;
    for (std::size_t k = 1; k < segments.end(); ++k) {
        if (!segments.exists(k)) continue;
        LineObject& seg = segments[k];
        if (samePoint(seg.x2, seg.y2, old.x, old.y)) {
            seg.x2 = x;
            seg.y2 = y;
        }
        if (samePoint(seg.x1, seg.y1, old.x, old.y)) {
            seg.x1 = x;
            seg.y1 = y;
        }
    }
}

// Stores the dropped vertex as one undoable change; false when there was
// nothing to store.
bool storeVertex(State& s) {
    const auto d = static_cast<std::size_t>(s.edit.draggedHandle);
    auto& handles = s.edit.overlays.handles;
    if (!handles.exists(d)) return false;
    SquareObject& handle = handles[d];
    // The handle is centred on the pointer of the last move, whichever
    // point of it was grabbed.
    const Centre c = centreOf(handle);
    moveEdgeLinesOfVertex(s, d, c.x, c.y);
    const CanvasArea area = canvasArea(s.canvas);
    if (!hasRoom(area) || d >= s.doc.loaded.lon.size()) return false;
    // The vertex takes the seven digits a handle shows, so that the file
    // gets what the user saw.
    const GeoPoint p = geoPointAt(s.view, c.x, c.y, area);
    handle.lon = sevenDigitValue(p.lon);
    handle.lat = sevenDigitValue(p.lat);
    makeChange(s, moveVertex(s.doc, static_cast<std::int64_t>(d), handle.lon, handle.lat));
    return true;
}

void storeMarker(State& s) {
    const auto i = static_cast<std::size_t>(s.edit.draggedMarker);
    Outline& outline = s.edit.outline;
    if (i == 0 || static_cast<int>(i) > outline.pointCount || !s.edit.overlays.markers.exists(i)) return;
    const Centre c = centreOf(s.edit.overlays.markers[i]);
    canvasToMap(s, c.x, c.y, outline.lon[i], outline.lat[i]);
    joinOutlineSegments(s.edit);
}

}  // namespace

void pressOnHandle(State& s, int index) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    if (index <= 0 || !s.edit.overlays.handles.exists(static_cast<std::size_t>(index))) return;
    s.edit.draggedHandle = index;
    s.edit.drag = DragKind::Handle;
}

void pressOnMarker(State& s, int index) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    // Markers of an open outline stay where they were put.
    if (s.edit.outline.state != OutlineState::Closed) return;
    if (index <= 0 || index > s.edit.outline.pointCount ||
        !s.edit.overlays.markers.exists(static_cast<std::size_t>(index)))
        return;
    s.edit.draggedMarker = index;
    s.edit.drag = DragKind::Marker;
}

bool dragInProgress(const State& s) { return s.edit.drag != DragKind::None; }

void dragOverCanvas(State& s, double x, double y) {
    if (s.edit.drag == DragKind::Handle)
        moveVertexHandle(s, x, y);
    else if (s.edit.drag == DragKind::Marker)
        moveMarker(s, x, y);
    else
        return;
    s.platform.processEvents();
}

void dropOnHandle(State& s) {
    // The dragged handle is stored even when the release lands on another
    // handle lying under the pointer.
    const bool vertexDrag = s.edit.drag == DragKind::Handle && s.edit.draggedHandle > 0;
    s.edit.drag = DragKind::None;
    // A stored vertex marks the document through its change; a release
    // that stores nothing changes nothing.
    if (vertexDrag) storeVertex(s);
}

void dropOnMarker(State& s) {
    // The outline is not the document: moving its markers leaves the
    // document as it is.
    if (s.edit.drag == DragKind::Marker && s.edit.draggedMarker > 0) storeMarker(s);
    s.edit.drag = DragKind::None;
}

void cancelDrag(State& s) {
    if (s.edit.drag == DragKind::None) return;
    s.edit.drag = DragKind::None;
    // What was dragged goes back to where the document or the outline has it.
    redraw(s, false);
}

}  // namespace tess
