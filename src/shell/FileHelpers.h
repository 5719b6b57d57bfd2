// Small helpers around file names and the file dialog: the filter lists,
// the dialog call that tidies its result, asking before a file is
// replaced, recognising a cancelled name, and the last part of a path.
#pragma once

#include "platform/Messages.h"

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tess {


// The type lists of the open and save dialogs.
std::vector<FileFilter> polyFilters();

// The open (save false) or save dialog. The chosen path with blanks at
// both ends and NUL characters removed; empty when the user cancels.
std::string fileDialog(Platform& platform, bool save, const std::vector<FileFilter>& filters,
                       const std::string& defaultName, const std::string& initialDir = {});

// True when the file does not exist, or when the user agrees to replace it;
// a read-only file is named so in the question, and a Yes lets the next
// write replace it (which is refused otherwise, as in batch commands).
bool confirmReplace(Platform& platform, const std::string& file);

// True for what a cancelled dialog leaves behind: the empty name, a name
// with "*", or exactly ".poly".
bool isBadPolyName(const std::string& name);

// The name a save writes to: one that does not say .poly, or that ends in
// .gpx, gains ".poly", so a save never writes over another kind of file.
std::string polyFileName(std::string name);


}  // namespace tess
