#include "state/History.h"

#include <algorithm>

#include "state/State.h"
#include "state/Caption.h"
#include "state/TitleTyping.h"
#include "platform/Files.h"

namespace tess {

std::string documentFolder(const State& s) {
    const std::string& file = s.doc.ownFile.empty() ? s.doc.fileName : s.doc.ownFile;
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
RingIdentity heldIdentity(const Document& d) {
    const RingText& ring = d.rings[static_cast<std::size_t>(d.currentRing)];
    RingFacts held;
    const auto lines = std::min(static_cast<std::size_t>(ring.facts.vertices), d.ringLon.size());
    for (std::size_t i = 0; i < lines; ++i) held.add(d.ringLon[i], d.ringLat[i]);
    return {ring.name, held.vertices, held.checksum};
}

bool sameAsSaved(const State& s) {
    const History& h = s.history;
    const Document& d = s.doc;
    const std::vector<RingText>& rings = d.rings;
    if (d.title != h.savedTitle || rings.size() != h.savedRings.size()) return false;
    const bool moved = d.loadedRingMoved();
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const bool loaded = moved && static_cast<int>(k) == d.currentRing;
        if (!((loaded ? heldIdentity(d) : identityOf(rings[k])) == h.savedRings[k])) return false;
    }
    return true;
}

void rememberSaved(State& s) {
    s.history.savedTitle = s.doc.title;
    s.history.savedRings = identities(s.doc.rings);
}

}  // namespace

void showUnsavedMark(State& s) {
    s.doc.modified = s.history.changedOutside || !sameAsSaved(s);
    updateCaption(s, s.doc.fileName);
}

void applyChange(State& s, std::unique_ptr<Change> change) {
    finishTitleTyping(s);  // typing before this change is a step of its own
    History& h = s.history;
    s.saveNotice.clear();
    change->apply(s);
    h.undone.clear();
    h.done.push_back(std::move(change));
    showUnsavedMark(s);
}

namespace {

// Undo and Redo alike: the last change of one list is taken back or made
// again and goes to the other list.
using Changes = std::vector<std::unique_ptr<Change>>;
bool moveLast(State& s, Changes& from, Changes& to, void (Change::*act)(State&)) {
    finishTitleTyping(s);
    if (from.empty()) return false;
    std::unique_ptr<Change> change = std::move(from.back());
    from.pop_back();
    ((*change).*act)(s);
    to.push_back(std::move(change));
    showUnsavedMark(s);
    return true;
}

}  // namespace

bool undoChange(State& s) { return moveLast(s, s.history.done, s.history.undone, &Change::revert); }
bool redoChange(State& s) { return moveLast(s, s.history.undone, s.history.done, &Change::apply); }

bool canUndo(const State& s) { return !s.history.done.empty() || s.edit.titleTyping; }

std::string undoCaption(const State& s) {
    const History& h = s.history;
    // Typing not yet filed is what Undo takes back first.
    if (s.edit.titleTyping) return "Undo Edit Title";
    return h.done.empty() ? "Undo" : "Undo " + h.done.back()->name();
}

std::string redoCaption(const State& s) {
    const History& h = s.history;
    return h.undone.empty() ? "Redo" : "Redo " + h.undone.back()->name();
}

void startHistory(State& s, bool unsaved) {
    s.history = History();
    s.saveNotice.clear();
    s.history.changedOutside = unsaved;
    rememberSaved(s);
    s.doc.modified = unsaved;
    s.edit.titleAtLastStep = s.doc.title;
    s.edit.titleTyping = false;
}

void markSaved(State& s) {
    finishTitleTyping(s);  // the file holds the title as typed
    rememberSaved(s);
    s.history.changedOutside = false;
    s.doc.modified = false;
}

void markChangedOutside(State& s) {
    s.history.changedOutside = true;
    showUnsavedMark(s);
}

}  // namespace tess
