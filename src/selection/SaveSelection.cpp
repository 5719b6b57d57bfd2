// Save Selection: the outline written as a one-ring .poly file of its
// own. The document itself, its file and its unsaved mark stay as they
// were.
#include <algorithm>
#include <cctype>
#include <utility>

#include "document/Caption.h"
#include "document/Numbers.h"
#include "document/Writer.h"
#include "selection/Selection.h"
#include "shell/FileHelpers.h"

namespace tess {

namespace {

void writeSelectionFile(State& s, std::string text) {
    text += "END\r\n";
    std::string name = fileDialog(s.platform, true, polyFilters(), kSelectionFileName);
    if (isBadPolyName(name)) return;
    if (lowerAscii(name).find("poly") == std::string::npos) name += ".poly";
    if (!confirmReplace(s.platform, name)) return;
    savetext(s.platform, name, text);
    // Only the selection was written: the document's own changes are
    // still unsaved, so its mark stays.
    cap(s, s.doc.fileName);
}

}  // namespace

std::string save_selection(State& s, bool asText) {
    std::optional<std::string> text = selectionRingText(s);
    if (!text) return {};
    if (asText) return *text;
    writeSelectionFile(s, std::move(*text));
    return {};
}

}  // namespace tess
