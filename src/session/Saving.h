// Writing the open document back: the commit of the loaded ring into its
// text, and the .poly file.
#pragma once

#include <string>

#include "document/Writer.h"
#include "state/State.h"

namespace tess {

// Rewrites the loaded ring's text from ringLon/ringLat, closed on its
// first vertex. False after "No Data" when there is nothing to commit.
bool commitLoadedRing(State& s);

// Commits the loaded ring when its vertices were moved; true when its text
// is now up to date.
bool commitEdits(State& s);

// Writes the document to the file, committing the loaded ring's edits
// first. On success the document is named after the file and unmarked;
// on failure the old file, the name, the caption and the mark stay as they
// were, and the message ends in "Error saving " and the path.
bool saveDocumentTo(State& s, const std::string& path);

// Writes the document as savepoly does, with every ring of two or more
// vertices in the form a commit gives it. Each ring is loaded and written
// in turn, straight to the file, so no committed text is ever held.
bool saveDocumentCommittedTo(State& s, const std::string& path);

}  // namespace tess
