// The recent files: every .poly file opened or saved under a new name
// comes first, five at most.
#pragma once

#include <string>

#include "state/Settings.h"

namespace tess {

// Puts the path first in the recent files and refreshes whether each can
// still be opened.
void addRecentFile(Settings& settings, const std::string& path);

}  // namespace tess
