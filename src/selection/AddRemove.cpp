// The "+" and "-" buttons beside the ring list: appending the selection
// outline to the document as a new ring, and removing the chosen ring.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "document/Caption.h"
#include "editing/Editing.h"
#include "selection/Selection.h"
#include "view/Clearing.h"

namespace tess {

namespace {

void backToPointerTool(State& s) {
    s.edit.tool = 0;
    inv_MouseUp(s, 0);
}

void markUnsaved(State& s) {
    s.doc.modified = true;
    cap(s, s.doc.fileName);
}

}  // namespace

void Label3_Click(State& s, int index) {
    if (index == 0) {
        // An open outline of two points or more is closed by the ring's
        // repeated first point.
        if (s.sel.selState != 2 && s.sel.selCount < 2) {
            s.platform.message(kCreatePolygon);
            return;
        }
        add_selection(s);
        backToPointerTool(s);
    } else if (index == 1) {
        if (s.sel.selCount > 0) {
            s.platform.message(kAddOrCancel);
            return;
        }
        remove_selection(s);
        backToPointerTool(s);
    }
}

void add_selection(State& s) {
    // A ring without coordinates would only be in the way: when the
    // outline cannot be converted nothing is appended.
    std::optional<std::string> text = selectionRingText(s);
    if (!text) return;
    Document& doc = s.doc;
    const int n = doc.listCount < 0 ? 0 : doc.listCount;
    const auto nu = static_cast<std::size_t>(n);
    doc.ringTexts.resize(nu + 2);
    doc.ringTexts[nu] = std::move(*text);
    doc.listCount = n + 1;
    doc.listIndex = n;
    unloadred(s);
    // Exactly as if the user had chosen the new entry in the list.
    List1_MouseDown(s);
    markUnsaved(s);
}

void remove_selection(State& s) {
    Document& doc = s.doc;
    const int k = doc.listIndex;
    const int n = doc.listCount;
    const int last = n - 1;
    if (n <= 1) {
        s.platform.message(kMoreThanOne);
        return;
    }
    // No entry chosen (as right after a removal): there is nothing to
    // remove, and the document stays as it is.
    if (k < 0 || k > last) return;
    if (s.platform.askYesNoCancel(kAreYouSure) != Answer::Yes) return;
    if (doc.ringTexts.size() < static_cast<std::size_t>(n)) doc.ringTexts.resize(static_cast<std::size_t>(n));
    if (k < last) {
        for (int j = k; j < last; ++j)
            doc.ringTexts[static_cast<std::size_t>(j)] = doc.ringTexts[static_cast<std::size_t>(j) + 1];
    } else {
        doc.ringTexts[static_cast<std::size_t>(last)].clear();
    }
    doc.listCount = n - 1;
    doc.listIndex = -1;
    clearmap(s);
    // No ring is loaded any more, so choosing any entry, the one that held
    // the removed ring included, loads it.
    doc.currentRing = -1;
    s.edit.check1 = false;
    s.edit.editMode = false;
    markUnsaved(s);
}

}  // namespace tess
