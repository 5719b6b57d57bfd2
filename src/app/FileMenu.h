// The File menu: new, open, save, the recent files, dropped files and the
// question asked before the window closes. Exit is the window's own, since
// only it can close itself.
#pragma once

#include "platform/Messages.h"

#include <string>

#include "platform/Messages.h"
#include "state/State.h"

namespace tess {


// New: after a Yes, an empty document titled "Title", without background.
void newDocument(State& s);
// Open Poly File and Open GPX: after the question about unsaved changes,
// the file dialog, then the file.
void chooseAndOpenPolyFile(State& s);
void chooseAndImportGpx(State& s);
// Save Selection: the outline, closed if it is open, written as a file.
void saveSelectionCommand(State& s);
// Recent file `position` (0 the newest), unless it is gone.
void openRecentFile(State& s, int position);
enum class SaveMode { Save, SaveAs };
// Save or Save As. True when the document was written.
bool saveDocument(State& s, SaveMode mode);
// Opens a .poly file as the document, asking first when there are unsaved
// changes, and puts it first in the recent files. The file is read away
// from the window; a refused file leaves everything as it was.
void openPolyPath(State& s, const std::string& path);

// Opens a dropped file of any kind the program reads as the document,
// unless it is the open document's own; "Save changes" first when there
// are unsaved changes, and Yes keeps the document.
void openDroppedFile(State& s, const std::string& path);

// The close guard: true when the window may close now.
bool mayClose(State& s);

}  // namespace tess
