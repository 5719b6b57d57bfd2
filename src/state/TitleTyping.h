// Typing in the title box. Each character marks the document at once; the
// typing becomes one undoable step, Edit Title, at a pause, when the box
// loses the focus, or before any other change, Undo, Redo or a save is
// filed (the history's door does that itself).
#pragma once

#include <memory>
#include <string>

#include "state/OpenDocument.h"

namespace tess {

std::unique_ptr<Change> editTitle(std::string from, std::string to);

// The title box now holds d.content.title.
void titleTyped(OpenDocument& d);
// Files the typing since the last step as one Edit Title; nothing when
// there was none, or when the title was typed back to what it was.
void finishTitleTyping(OpenDocument& d);

}  // namespace tess
