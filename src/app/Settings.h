// The settings file tessaline.dat in the working folder: the five recent
// files, the combine window's title and the last background. Several
// windows may share it; each writes back what it changed and keeps what
// the others wrote in the meantime.
#pragma once

#include <string>
#include <vector>

#include "state/State.h"
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

// What a settings text holds; missing lines, and lines that cannot be
// ours (binary bytes, absurd lengths), read as empty.
SettingsSnapshot parseSettings(const std::string& text);
// The text of the settings (without the final line break the file gets).
std::string settingsText(const SettingsSnapshot& settings);
// The text of this process's settings.
std::string settingsText(const State& s);

// The settings text to write when this process read `atStart` at start,
// holds `mine` now, and the file holds `fileText`: the recent files this
// process added come first, then those in the file, at most five; the
// title and the background are this process's when it changed them, else
// the file's.
std::string mergedSettingsText(const SettingsSnapshot& atStart, const SettingsSnapshot& mine,
                               const std::string& fileText);

// Reads the settings file into the state and keeps a copy of what it read
// in settingsAtStart.
void readSettingsFile(State& s);

// Writes the settings file, merged with what other windows wrote to it
// since this one started.
void writeSettingsFile(State& s);

}  // namespace tess
