// The File menu: new, open, save, the recent files, dropped files and the
// question asked before the window closes. Exit is the window's own, since
// only it can close itself.
#pragma once

#include <string>

#include "document/Messages.h"
#include "state/State.h"

namespace tess {

inline constexpr const char* kStartNewProject = "Start a new project?";
inline constexpr const char* kSaveSelectionFirst = "Save Selection";
inline constexpr const char* kNoSelectionFound = "No selection found";
inline constexpr const char* kFileNotSaved = "File not saved . Save file ?";
inline constexpr const char* kSaveChanges = "Save changes";

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
// changes, and puts it first in the recent files. False when declined or
// refused.
bool openPolyPath(State& s, const std::string& path);
// Puts the path first in the recent files and refreshes their enabled state.
void addRecentFile(State& s, const std::string& path);

// Loads a dropped .poly file as the document.
void openDroppedFile(State& s, const std::string& path);

// The close guard: true when the window may close now.
bool mayClose(State& s);

}  // namespace tess
