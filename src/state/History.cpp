#include "state/History.h"

#include <algorithm>

#include "platform/Files.h"
#include "state/OpenDocument.h"
#include "state/TitleTyping.h"

namespace tess {

std::string windowCaption(const OpenDocument& d) {
    const std::string program = std::string("Tessaline ") + kAppVersion;
    if (d.fileName.empty()) return d.modified ? "+ — " + program : program;
    // The file's own name first, its folder after it, as the taskbar has room.
    std::string caption = fileNameOf(d.fileName) + (d.modified ? "+" : "");
    if (const std::string folder = folderOf(d.fileName); !folder.empty()) caption += " (" + folder + ")";
    return caption + " — " + program;
}

std::string documentFolder(const OpenDocument& d) {
    const std::string& file = d.ownFile.empty() ? d.fileName : d.ownFile;
    return file.find('/') == std::string::npos ? std::string() : folderOf(file);
}

namespace {

RingIdentity identityOf(const RingText& r) { return {r.name, r.facts.vertices, r.facts.checksum}; }

std::vector<RingIdentity> identities(const std::vector<RingText>& rings) {
    std::vector<RingIdentity> out;
    out.reserve(rings.size());
    for (const RingText& r : rings) out.push_back(identityOf(r));
    return out;
}

// The loaded ring with its moves not yet written into its text: the held
// vertices stand for as many vertex lines as the text has.
RingIdentity heldIdentity(const Document& d, const LoadedRing& loaded) {
    const RingText& ring = d.rings[static_cast<std::size_t>(loaded.index)];
    RingFacts held;
    const auto lines = std::min(static_cast<std::size_t>(ring.facts.vertices), loaded.lon.size());
    for (std::size_t i = 0; i < lines; ++i) held.add(loaded.lon[i], loaded.lat[i]);
    return {ring.name, held.vertices, held.checksum};
}

bool sameAsSaved(const OpenDocument& d) {
    const History& h = d.history;
    const std::vector<RingText>& rings = d.content.rings;
    if (d.content.title != h.savedTitle || rings.size() != h.savedRings.size()) return false;
    const bool moved = d.loaded.movedElsewhere();
    // From the last ring back: a batch tool changes the rings from the last
    // to the first, so the difference is found at once.
    for (std::size_t k = rings.size(); k-- > 0;) {
        const bool loaded = moved && static_cast<int>(k) == d.loaded.index;
        if (!((loaded ? heldIdentity(d.content, d.loaded) : identityOf(rings[k])) == h.savedRings[k])) return false;
    }
    return true;
}

void rememberSaved(OpenDocument& d) {
    d.history.savedTitle = d.content.title;
    d.history.savedRings = identities(d.content.rings);
}

// After any change, Undo or Redo: the title the next typing starts from,
// and the mark.
void settle(OpenDocument& d) {
    d.typing.titleAtLastStep = d.content.title;
    showUnsavedMark(d);
}

}  // namespace

void showUnsavedMark(OpenDocument& d) { d.modified = d.history.changedOutside || !sameAsSaved(d); }

int applyChange(OpenDocument& d, std::unique_ptr<Change> change) {
    finishTitleTyping(d);  // typing before this change is a step of its own
    d.saveNotice.clear();
    const int ring = change->apply(d.content, d.loaded);
    d.history.undone.clear();
    d.history.done.push_back(std::move(change));
    settle(d);
    return ring;
}

namespace {

// Undo and Redo alike: the last change of one list is taken back or made
// again and goes to the other list.
using Changes = std::vector<std::unique_ptr<Change>>;
std::optional<int> moveLast(OpenDocument& d, Changes& from, Changes& to, int (Change::*act)(Document&, LoadedRing&)) {
    finishTitleTyping(d);
    if (from.empty()) return std::nullopt;
    std::unique_ptr<Change> change = std::move(from.back());
    from.pop_back();
    const int ring = ((*change).*act)(d.content, d.loaded);
    to.push_back(std::move(change));
    settle(d);
    return ring;
}

}  // namespace

std::optional<int> undoChange(OpenDocument& d) { return moveLast(d, d.history.done, d.history.undone, &Change::revert); }
std::optional<int> redoChange(OpenDocument& d) { return moveLast(d, d.history.undone, d.history.done, &Change::apply); }

bool canUndo(const OpenDocument& d) { return !d.history.done.empty() || d.typing.active; }

std::string undoCaption(const OpenDocument& d) {
    // Typing not yet filed is what Undo takes back first.
    if (d.typing.active) return "Undo Edit Title";
    return d.history.done.empty() ? "Undo" : "Undo " + d.history.done.back()->name();
}

std::string redoCaption(const OpenDocument& d) {
    return d.history.undone.empty() ? "Redo" : "Redo " + d.history.undone.back()->name();
}

void startHistory(OpenDocument& d, bool unsaved) {
    d.history = History();
    d.saveNotice.clear();
    d.history.changedOutside = unsaved;
    rememberSaved(d);
    d.modified = unsaved;
    d.typing = TitleTyping{false, d.content.title};
}

void markSaved(OpenDocument& d) {
    finishTitleTyping(d);  // the file holds the title as typed
    rememberSaved(d);
    d.history.changedOutside = false;
    d.modified = false;
}

void markChangedOutside(OpenDocument& d) {
    d.history.changedOutside = true;
    showUnsavedMark(d);
}

}  // namespace tess
