// Opening documents. A file is read and checked whole before anything is
// replaced; only an accepted file replaces the document, its name, title,
// rings, loaded ring and unsaved mark, all together. Nothing here draws:
// the caller shows what it opened.
#pragma once

#include <functional>
#include <string>

#include "document/LoadedRing.h"
#include "document/Reader.h"
#include "formats/DocumentFormats.h"
#include "state/State.h"

namespace tess {

// Where a new document comes from: the name a Save writes to, the file it
// was read from (empty when that is not a .poly file of the user's), and
// whether it is unsaved.
struct DocumentOrigin {
    std::string fileName;
    std::string ownFile;
    bool modified = false;
};

// Makes `file` the document: its history starts again, ring 1 is loaded
// and fitted, and edit mode, any outline and the rubber band end.
void replaceDocument(State& s, PolyFile file, const DocumentOrigin& origin);

// A file read for a document: the document its format made of it, with
// its first ring already held as numbers, or why it was refused.
struct DocumentFileRead {
    const DocumentFormat* format = nullptr;
    Document document;
    LoadedRing firstRing;
    std::string error;  // refused: its message
    std::string note;   // read, with something to tell the user
    bool cancelled = false;
    bool ok() const { return error.empty() && !cancelled; }
};

// Reads a file of any kind the program reads (its kind told by its name,
// else by its first bytes). It touches no state, so it may run away from
// the window; `share` is told how much is done (0 to 1) and may throw
// WorkCancelled, which ends the read as cancelled.
DocumentFileRead readDocumentFile(const std::string& path, bool holdAllRings,
                                  const std::function<void(double share)>& share);
// Makes what was read the document: a .poly file is the document's own
// file, any other an import, unsaved and named after the file with .poly.
// What the reading met is told. False after the file's message, or after a
// cancel; the open document is then exactly as it was.
bool acceptDocumentFile(State& s, const std::string& path, DocumentFileRead read);

// Both at once, the window's events let in meanwhile.
bool openDocumentFile(State& s, const std::string& path);
// Both, the reading away from the window while it goes on answering, with
// the progress and a Cancel in s.work; then(opened) follows on the
// window's thread. Without a window all of it has happened on return.
// Nothing starts while other work is under way.
void openDocumentFileInBackground(State& s, const std::string& path, std::function<void(bool opened)> then);

// Makes ring k the loaded ring, unless it is loaded already, and fits the
// view to it unless a background fixes the view. The caller commits the
// previous ring's moves first.
void loadRing(State& s, int k);

}  // namespace tess
