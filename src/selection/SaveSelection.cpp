// Save Selection: the outline written as a one-ring .poly file of its
// own. The document itself and its name stay as they were.
#include <algorithm>
#include <cctype>
#include <utility>

#include "document/Numbers.h"
#include "document/Writer.h"
#include "platform/Files.h"
#include "selection/Selection.h"
#include "shell/FileHelpers.h"

namespace tess {

namespace {

void writeSelectionFile(State& s, const std::string& text) {
    std::string name = fileDialog(s.platform, true, polyFilters(), kSelectionFileName, documentFolder(s.doc));
    if (isBadPolyName(name)) return;
    name = polyFileName(name);
    if (!confirmReplace(s.platform, name)) return;
    // Only the selection is written: the document and its name stay as
    // they are. Written over the document's own file, the document is no
    // longer in any file, and says so.
    const std::string error = writeWholeFile(name, text);
    if (!error.empty()) s.platform.message(errorSavingMessage(error, name));
    else if (sameFile(name, s.doc.ownFile)) markChangedOutside(s.doc);
}

}  // namespace

std::optional<std::string> outlineFileText(State& s) {
    std::optional<RingText> ring = selectionRing(s);
    if (!ring) return std::nullopt;
    return polyText("none", {std::move(*ring)});
}

void saveOutlineAsFile(State& s) {
    if (const std::optional<std::string> text = outlineFileText(s)) writeSelectionFile(s, *text);
}

}  // namespace tess
