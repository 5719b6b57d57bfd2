// Opening documents. A file is read and checked whole before anything is
// replaced; only an accepted file replaces the document, its name, title,
// ring list, loaded ring, canvas and unsaved mark, all together.
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

// Makes `file` the document: ring 1 loaded, edit mode ended, outline and
// rubber band gone, caption set and the canvas drawn.
void replaceDocument(State& s, PolyFile file, const DocumentOrigin& origin);

// Reads a .poly file and makes it the document. False after the file's
// message; the open document is then exactly as it was.
bool openPolyFile(State& s, const std::string& path);

// Makes ring ringIndex the loaded ring: parses its text into ringLon and
// ringLat and fits the view unless a background fixes it. The caller
// commits the previous ring's edits first.
void loadRing(State& s, int ringIndex);

}  // namespace tess
