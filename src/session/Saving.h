// Writing the open document back: the loaded ring's moves into its text,
// and the .poly file.
#pragma once

#include <string>

#include "document/Writer.h"
#include "formats/DocumentFormats.h"
#include "platform/Platform.h"
#include "state/OpenDocument.h"

namespace tess {

// Writes the loaded ring's moved vertices into its text.
void commitEdits(OpenDocument& d);

// Writes the document to the file, committing the loaded ring's moves
// first. On success the document is named after the file and unmarked,
// and what the write repaired is in saveNotice; on failure the old file,
// the name and the mark stay as they were, and the message ends in
// "Error saving " and the path.
bool saveDocumentTo(OpenDocument& d, Platform& platform, const std::string& path);

// Writes the document as a file of another kind (GPX takes ring `ring`),
// committing the loaded ring's moves first; the document's name and mark
// stay. What the writing met is told; false after the message when
// nothing was written.
bool exportDocument(OpenDocument& d, Platform& platform, const DocumentFormat& format, const std::string& path,
                    int ring = 0);

// The same with every ring of two or more vertices in the form a commit
// gives it. Each ring is loaded and written in turn, straight to the file,
// so no committed text is ever held.
bool saveDocumentCommittedTo(OpenDocument& d, Platform& platform, const std::string& path);

}  // namespace tess
