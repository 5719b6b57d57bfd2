// The user's preferences, kept in tessaline.ini beside the settings file:
// "key=value" lines, read tolerantly (unknown keys and broken lines are
// passed over) and written whole whenever a preference changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/State.h"

namespace tess {

struct Preferences {
    bool keepProportions = true;
    // The map shown, the maps shown before and the tile cache's limit
    // (Settings.h); written only when they differ from the defaults.
    std::string map;
    std::vector<std::string> recentMaps;
    std::uint64_t mapCacheMegabytes = 500;
    WindowPlace window;
};

Preferences parsePreferences(const std::string& text);
std::string preferencesText(const Preferences& p);

// Reads the preferences into the state; a missing or unreadable file
// leaves the defaults.
void loadPreferences(State& s);
// Writes the state's preferences; false after a message when it fails.
bool savePreferences(State& s);

}  // namespace tess
