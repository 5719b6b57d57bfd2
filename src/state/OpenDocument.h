// The document being edited, with all that belongs to it: its text, the
// ring loaded for drawing and editing, the history of changes, the file it
// came from and is saved to, and the unsaved mark.
#pragma once

#include <string>

#include "document/Document.h"
#include "document/LoadedRing.h"
#include "platform/Version.h"
#include "state/History.h"

namespace tess {

// Typing in the title box: it marks the document at once and becomes one
// undoable step, Edit Title, at a pause.
struct TitleTyping {
    bool active = false;                 // typed since the last step
    std::string titleAtLastStep = "Title";  // the title as the history holds it
};

struct OpenDocument {
    Document content;
    LoadedRing loaded;
    History history;
    TitleTyping typing;

    // The file a Save writes to, and the file the document was read from
    // or last written to (empty when it came from elsewhere, such as a GPX
    // file): a Save over any other existing file asks first.
    std::string fileName;
    std::string ownFile;
    // The document holds something else than its file.
    bool modified = false;
    // What the last save repaired, for the status bar, until the next
    // change or load.
    std::string saveNotice;
    // The loaded ring is held as numbers whatever its size, so that it is
    // drawn and edited without reading its text again. The window wants
    // this; batch commands, which never draw, keep memory down without.
    bool holdAllRings = false;

    int ringCount() const { return content.ringCount(); }
};

// The window's caption: "Tessaline 2.1 " and the file's name, with "+"
// while the document has unsaved changes.
std::string windowCaption(const OpenDocument& d);

// Where file dialogs start: the folder of the document's file; empty (the
// last folder used) for a document without one.
std::string documentFolder(const OpenDocument& d);

}  // namespace tess
