// The "+" and "-" buttons beside the ring list: appending the selection
// outline to the document as a new ring, and removing the chosen ring.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "state/Caption.h"
#include "document/Reader.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "selection/Selection.h"
#include "view/Clearing.h"
#include "view/Plot.h"

namespace tess {

namespace {

void backToPointerTool(State& s) {
    s.edit.tool = Tool::Pointer;
    removeOutline(s);
    s.edit.toolIndicatorShown = false;
}

void appendOutline(State& s) {
    Document& doc = s.doc;
    if (doc.ringCount() >= kMaxRings) {
        s.platform.message(kTooManyRings);
        return;
    }
    // A ring without coordinates would only be in the way: when the
    // outline cannot be converted nothing is appended.
    std::optional<RingText> ring = selectionRing(s);
    if (!ring) return;
    if (!commitEdits(s)) return;
    removeOutline(s);
    // The new ring is shown, as if the user had chosen it in the list.
    applyChange(s, addRing(std::move(*ring), doc.ringCount()));
}

void askAndRemoveLoadedRing(State& s) {
    Document& doc = s.doc;
    const int n = doc.ringCount();
    if (n <= 1) {
        s.platform.message(kMoreThanOne);
        return;
    }
    // The ring list always shows the loaded ring chosen: that is the one
    // removed.
    const int k = doc.currentRing;
    if (k < 0 || s.platform.askYesNoCancel(kAreYouSure) != Answer::Yes) return;
    // The ring that takes its place is shown, so there is always a loaded
    // ring to edit and save.
    applyChange(s, removeRing(k));
}

}  // namespace

void addOutlineAsRing(State& s) {
    // An open outline of two points or more is closed by the ring's
    // repeated first point.
    if (s.outline.state != OutlineState::Closed && s.outline.pointCount < 2) {
        s.platform.message(kCreatePolygon);
        return;
    }
    appendOutline(s);
    backToPointerTool(s);
}

void removeLoadedRing(State& s) {
    if (s.outline.pointCount > 0) {
        s.platform.message(kAddOrCancel);
        return;
    }
    askAndRemoveLoadedRing(s);
    backToPointerTool(s);
}

}  // namespace tess
