// Opening documents. A file is read and checked whole before anything is
// replaced; only an accepted file replaces the document, its name, title,
// rings, loaded ring and unsaved mark, all together. Nothing here draws:
// the caller shows what it opened.
#pragma once

#include <string>

#include "document/Reader.h"
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

// Reads a file of any kind the program reads (its kind told by its name,
// else by its first bytes) and makes it the document: a .poly file is the
// document's own file, any other an import, unsaved and named after the
// file with .poly. What the reading met is told. False after the file's
// message; the open document is then exactly as it was.
bool openDocumentFile(State& s, const std::string& path);

// Makes ring k the loaded ring, unless it is loaded already, and fits the
// view to it unless a background fixes the view. The caller commits the
// previous ring's moves first.
void loadRing(State& s, int k);

}  // namespace tess
