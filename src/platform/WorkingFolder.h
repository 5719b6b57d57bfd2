// Where the program keeps its working files (settings, ring buffer, GPX
// import file): the folder "system" beside the executable when it can be
// written, else the per-user data folder.
#pragma once

#include <string>

namespace tess {

// The settings file, shared by every window of the program.
inline constexpr const char* kSettingsFileName = "tessaline.dat";
// The user's preferences, beside it, so that the settings file's layout
// stays as older versions read it.
inline constexpr const char* kPreferencesFileName = "tessaline.ini";

// Creates the working folder when needed and returns its path.
std::string chooseSystemDir(const std::string& exeDir);

// Removes what a killed process may have left in the working folder: the
// working files of older versions, shared by every window ("tmpfl" and
// "tmp.poly"), and temporary files of a settings or preferences write
// older than a minute. A younger one may belong to another window writing right now.
void clearLeftovers(const std::string& systemDir);

}  // namespace tess
