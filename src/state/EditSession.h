// The editing side of the window: edit mode, the tool in use, a drag under
// way, the selection outline, and the small objects above the canvas that
// show them (handles, edge lines, markers, segments, rubber band).
#pragma once

#include <array>
#include <cstdint>

#include "state/Overlays.h"

namespace tess {

inline constexpr int kMaxSelectionPoints = 500;
inline constexpr int kMaxEditableVertices = 1000;

// What a left press on the canvas does.
enum class Tool { Pointer, Polygon, Rectangle };
// What is being dragged.
enum class DragKind { None, Handle, Marker };
// The selection outline: none (or a single point), open while points are
// added, closed once it is a ring.
enum class OutlineState { None, Open, Closed };

// The outline's points, from 1 to pointCount, in single precision.
struct Outline {
    int pointCount = 0;  // 0..500
    OutlineState state = OutlineState::None;
    std::array<float, kMaxSelectionPoints + 1> lon{};
    std::array<float, kMaxSelectionPoints + 1> lat{};
    std::int32_t anchorX = 0, anchorY = 0;  // rubber band start, twips
};

struct EditSession {
    bool editBoxChecked = false;  // the "Edit" check box
    bool editing = false;         // edit mode accepted: checked and handles made
    bool handlesShown = false;    // handles of the loaded ring's vertices exist
    bool tooManyInView = false;   // edit mode has no handles: zoom in
    Tool tool = Tool::Pointer;
    // The red indicator over the drawing tool in use, shown until its
    // outline is added, cancelled or saved.
    bool toolIndicatorShown = false;
    DragKind drag = DragKind::None;  // the drag under way
    int draggedHandle = 0;  // handle of the current or last vertex drag
    int draggedMarker = 0;  // marker of the current or last marker drag
    Outline outline;
    Overlays overlays;
};

// Takes the handles and their edge lines away.
inline void removeHandles(EditSession& e) {
    e.overlays.handles.clear();
    e.overlays.edgeLines.clear();
    e.handlesShown = false;
    e.tooManyInView = false;
}

// Takes the outline away, with its markers, segments and tool indicator.
inline void removeOutlineObjects(EditSession& e) {
    for (int i = 1; i <= e.outline.pointCount; ++i) {
        e.overlays.segments.remove(static_cast<std::size_t>(i));
        e.overlays.markers.remove(static_cast<std::size_t>(i));
    }
    e.toolIndicatorShown = false;
    e.outline.pointCount = 0;
    e.outline.state = OutlineState::None;
}

// What a new document starts from: edit mode and any drag ended, the
// handles, outline and rubber band gone; the tool stays.
inline void endEditing(EditSession& e) {
    e.editBoxChecked = false;
    e.editing = false;
    e.drag = DragKind::None;
    removeHandles(e);
    if (e.outline.pointCount > 0) removeOutlineObjects(e);
    e.overlays.rubberBand.visible = false;
}

}  // namespace tess
