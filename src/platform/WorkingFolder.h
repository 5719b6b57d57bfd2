// Where the program keeps its working files (settings, ring buffer, GPX
// import file): the folder "system" beside the executable when it can be
// written, else the per-user data folder.
#pragma once

#include <string>

namespace tess {

// The folder holding the running executable.
std::string executableDir();

// Creates the working folder when needed and returns its path.
std::string chooseSystemDir(const std::string& exeDir);

// Removes what a killed process may have left in the working folder.
void clearLeftovers(const std::string& systemDir);

}  // namespace tess
