// The settings file tessaline.dat in the working folder: the five recent
// files, the combine window's title and the last background.
#pragma once

#include <string>
#include <vector>

#include "app/State.h"
#include "platform/WorkingFolder.h"

namespace tess {

// The first line of the file; the pound sign is the single byte 0xA3.
inline constexpr const char* kSettingsMarker = "\xA3)*(";
// A settings file above this size is not ours: it is ignored.
inline constexpr std::size_t kMaxSettingsBytes = 1024 * 1024;
// A line above this length is not a path: it reads as empty.
inline constexpr std::size_t kMaxSettingsLine = 4096;

std::string settingsPath(const State& s);

// The lines of a settings text, split at line breaks (CR LF, or LF alone
// in a file edited by hand).
std::vector<std::string> settingsLines(const std::string& text);

// Reads the settings file; missing lines leave their values empty.
void loaddat(State& s);

// The text savedata writes (without the final line break savetext adds).
std::string settingsText(const State& s);
// Writes the settings file.
void savedata(State& s);

}  // namespace tess
