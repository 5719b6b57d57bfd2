#include "state/History.h"

#include "state/State.h"
#include "state/Caption.h"
#include "state/TitleTyping.h"
#include "platform/Files.h"

namespace tess {

std::string documentFolder(const State& s) {
    const std::string& file = s.doc.ownFile.empty() ? s.doc.fileName : s.doc.ownFile;
    return file.find('/') == std::string::npos ? std::string() : folderOf(file);
}

void showUnsavedMark(State& s) {
    const History& h = s.history;
    s.doc.modified = h.changedOutside || h.savedAt != h.done.size();
    cap(s, s.doc.fileName);
}

void applyChange(State& s, std::unique_ptr<Change> change) {
    finishTitleTyping(s);  // typing before this change is a step of its own
    History& h = s.history;
    s.saveNotice.clear();
    change->apply(s);
    // The state the undone changes led to can no longer be reached.
    if (h.savedAt && *h.savedAt > h.done.size()) h.savedAt.reset();
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
    s.doc.modified = unsaved;
    s.edit.titleAtLastStep = s.doc.title;
    s.edit.titleTyping = false;
}

void markSaved(State& s) {
    finishTitleTyping(s);  // the file holds the title as typed
    History& h = s.history;
    h.savedAt = h.done.size();
    h.changedOutside = false;
    s.doc.modified = false;
}

void markChangedOutside(State& s) {
    s.history.changedOutside = true;
    showUnsavedMark(s);
}

}  // namespace tess
