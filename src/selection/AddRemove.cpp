// The "+" and "-" buttons beside the ring list: appending the selection
// outline to the document as a new ring, and removing the chosen ring.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "document/Reader.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "selection/Selection.h"
#include "editing/Clearing.h"
#include "editing/Redraw.h"

namespace tess {

namespace {

void backToPointerTool(State& s) {
    s.edit.tool = Tool::Pointer;
    removeOutline(s);
    s.edit.toolIndicatorShown = false;
}

void appendOutline(State& s) {
    if (s.doc.ringCount() >= kMaxRings) {
        s.platform.message(kTooManyRings);
        return;
    }
    // A ring without coordinates would only be in the way: when the
    // outline cannot be converted nothing is appended.
    std::optional<RingText> ring = selectionRing(s);
    if (!ring) return;
    removeOutline(s);
    // The new ring is shown, as if the user had chosen it in the list.
    makeChange(s, addRing(std::move(*ring), s.doc.ringCount()));
}

void askAndRemoveLoadedRing(State& s) {
    const int n = s.doc.ringCount();
    if (n <= 1) {
        s.platform.message(kMoreThanOne);
        return;
    }
    // The ring list always shows the loaded ring chosen: that is the one
    // removed.
    const int k = s.doc.loaded.index;
    if (k < 0 || s.platform.askYesNoCancel(kAreYouSure) != Answer::Yes) return;
    // The ring that takes its place is shown, so there is always a loaded
    // ring to edit and save.
    makeChange(s, removeRing(k));
}

}  // namespace

void addOutlineAsRing(State& s) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    // An open outline of two points or more is closed by the ring's
    // repeated first point.
    if (s.edit.outline.state != OutlineState::Closed && s.edit.outline.pointCount < 2) {
        s.platform.message(kCreatePolygon);
        return;
    }
    appendOutline(s);
    backToPointerTool(s);
}

void removeLoadedRing(State& s) {
    // The document waits while other work is under way.
    if (s.work.running()) return;
    if (s.edit.outline.pointCount > 0) {
        s.platform.message(kAddOrCancel);
        return;
    }
    askAndRemoveLoadedRing(s);
    backToPointerTool(s);
}

}  // namespace tess
