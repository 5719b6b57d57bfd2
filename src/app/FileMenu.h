// The File menu: new, open, save, the recent files, dropped files and the
// question asked before the window closes. The window dispatches to these;
// Exit (entry 11) is the window's own, since only it can close itself.
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

// File entry numbers.
namespace mf {
inline constexpr int New = 0, OpenPoly = 2, OpenGpx = 3, Save = 6, SaveAs = 7,
                     SaveSelection = 9, Exit = 11, FirstRecent = 12, LastRecent = 16;
}

// Runs File entry `index`; a number with no command does nothing.
void mf_Click(State& s, int index);

// Save (saveAs false) or Save As. True when the document was written.
bool saveDocument(State& s, bool saveAs);

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
