#include "state/TitleTyping.h"

#include <utility>

#include "state/Caption.h"
#include "state/State.h"

namespace tess {

namespace {

class EditTitle : public Change {
public:
    EditTitle(std::string from, std::string to) : from_(std::move(from)), to_(std::move(to)) {}
    std::string name() const override { return "Edit Title"; }
    void apply(State& s) override { put(s, to_); }
    void revert(State& s) override { put(s, from_); }

private:
    static void put(State& s, const std::string& title) {
        s.doc.title = title;
        s.edit.titleAtLastStep = title;
    }
    std::string from_, to_;
};

}  // namespace

std::unique_ptr<Change> editTitle(std::string from, std::string to) {
    return std::make_unique<EditTitle>(std::move(from), std::move(to));
}

void titleTyped(State& s) {
    s.edit.titleTyping = true;
    showUnsavedMark(s);
}

void finishTitleTyping(State& s) {
    if (!s.edit.titleTyping) return;
    s.edit.titleTyping = false;
    if (s.doc.title == s.edit.titleAtLastStep) {
        showUnsavedMark(s);  // typed and typed back: nothing changed after all
        return;
    }
    applyChange(s, editTitle(s.edit.titleAtLastStep, s.doc.title));
}

}  // namespace tess
