// What the program remembers between runs, and where: the recent files,
// the combine window's title, the last background, the folders.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tess {

inline constexpr int kRecentCount = 5;

struct RecentEntry {
    std::string path;
    bool enabled = true;
};

// The settings as this process read them at start, so that writing them
// back can keep what another window added in the meantime.
struct SettingsSnapshot {
    std::array<std::string, kRecentCount> recent;
    std::string mergeTitle;
    std::string lastBackground;
};

// The window's place and size on the desktop, in pixels; a width of 0
// is none remembered.
struct WindowPlace {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const WindowPlace&) const = default;
};

struct Settings {
    std::array<RecentEntry, kRecentCount> recent;  // the newest first
    std::string mergeTitle;
    std::string lastBackground;
    SettingsSnapshot atStart;
    // The map under the outline and the maps shown before, the newest
    // first, each as its preferences line; empty is no map.
    std::string map;
    std::vector<std::string> recentMaps;
    std::uint64_t mapCacheMegabytes = 500;  // the disk cache of web tiles
    WindowPlace window;  // where the window was when it last closed
    std::string exeDir;     // the folder of the executable
    std::string systemDir;  // the working folder (the settings file)
};

}  // namespace tess
