#include "state/TitleTyping.h"

#include <utility>

namespace tess {

namespace {

class EditTitle : public Change {
public:
    EditTitle(std::string from, std::string to) : from_(std::move(from)), to_(std::move(to)) {}
    std::string name() const override { return "Edit Title"; }
    int apply(Document& d, LoadedRing&) override { return put(d, to_); }
    int revert(Document& d, LoadedRing&) override { return put(d, from_); }

private:
    static int put(Document& d, const std::string& title) {
        d.title = title;
        return -1;
    }
    std::string from_, to_;
};

}  // namespace

std::unique_ptr<Change> editTitle(std::string from, std::string to) {
    return std::make_unique<EditTitle>(std::move(from), std::move(to));
}

void titleTyped(OpenDocument& d) {
    d.typing.active = true;
    showUnsavedMark(d);
}

void finishTitleTyping(OpenDocument& d) {
    if (!d.typing.active) return;
    d.typing.active = false;
    if (d.content.title == d.typing.titleAtLastStep) {
        showUnsavedMark(d);  // typed and typed back: nothing changed after all
        return;
    }
    applyChange(d, editTitle(d.typing.titleAtLastStep, d.content.title));
}

}  // namespace tess
