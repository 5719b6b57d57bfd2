#include "state/History.h"

#include "state/State.h"
#include "state/Caption.h"
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
    History& h = s.history;
    change->apply(s);
    // The state the undone changes led to can no longer be reached.
    if (h.savedAt && *h.savedAt > h.done.size()) h.savedAt.reset();
    h.undone.clear();
    h.done.push_back(std::move(change));
    showUnsavedMark(s);
}

bool undoChange(State& s) {
    History& h = s.history;
    if (h.done.empty()) return false;
    std::unique_ptr<Change> change = std::move(h.done.back());
    h.done.pop_back();
    change->revert(s);
    h.undone.push_back(std::move(change));
    showUnsavedMark(s);
    return true;
}

bool redoChange(State& s) {
    History& h = s.history;
    if (h.undone.empty()) return false;
    std::unique_ptr<Change> change = std::move(h.undone.back());
    h.undone.pop_back();
    change->apply(s);
    h.done.push_back(std::move(change));
    showUnsavedMark(s);
    return true;
}

std::string undoCaption(const State& s) {
    const History& h = s.history;
    return h.done.empty() ? "Undo" : "Undo " + h.done.back()->name();
}

std::string redoCaption(const State& s) {
    const History& h = s.history;
    return h.undone.empty() ? "Redo" : "Redo " + h.undone.back()->name();
}

void startHistory(State& s, bool unsaved) {
    s.history = History();
    s.history.changedOutside = unsaved;
    s.doc.modified = unsaved;
}

void markSaved(State& s) {
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
