#include "app/Preferences.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "document/PolyText.h"
#include "document/Writer.h"
#include "platform/Files.h"
#include "platform/WorkingFolder.h"

namespace tess {

namespace {

constexpr const char* kKeepProportions = "keep_proportions";
constexpr std::string_view kMap = "map", kRecentMap = "recent_map", kMapCache = "map_cache_mb", kWindow = "window";
// Remembered maps, and the least and most a tile cache may take.
constexpr std::size_t kRecentMaps = 5;
constexpr std::uint64_t kSmallestCache = 10, kLargestCache = 1024 * 1024;
// A preferences file above this size is not ours: the defaults hold.
constexpr std::uintmax_t kMaxPreferencesBytes = 64 * 1024;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "left,top,width,height"; a size below 1 pixel or text that is not four
// whole numbers is no place.
WindowPlace windowPlaceFrom(std::string_view text) {
    int numbers[4] = {};
    for (int k = 0; k < 4; ++k) {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), numbers[k]);
        const std::size_t used = static_cast<std::size_t>(end - text.data());
        if (ec != std::errc() || (k < 3 ? used >= text.size() || text[used] != ',' : used != text.size())) return {};
        text.remove_prefix(k < 3 ? used + 1 : used);
    }
    if (numbers[2] < 1 || numbers[3] < 1) return {};
    return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::string preferencesPath(const State& s) { return joinPath(s.settings.systemDir, kPreferencesFileName); }

}  // namespace

Preferences parsePreferences(const std::string& text) {
    Preferences p;
    forEachLine(text, [&](std::string_view line) {
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) return;
        const std::string_view key = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
        if (key == kKeepProportions) p.keepProportions = value == "true" || value == "1";
        // A map line keeps its tabs: only the key is trimmed.
        const std::string_view raw = line.substr(equals + 1);
        if (key == kMap) p.map = std::string(raw);
        if (key == kRecentMap && !raw.empty() && p.recentMaps.size() < kRecentMaps) p.recentMaps.emplace_back(raw);
        if (key == kMapCache) {
            std::uint64_t megabytes = 0;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), megabytes);
            if (ec == std::errc() && end == value.data() + value.size())
                p.mapCacheMegabytes = std::clamp(megabytes, kSmallestCache, kLargestCache);
        }
        if (key == kWindow) p.window = windowPlaceFrom(value);
    });
    return p;
}

std::string preferencesText(const Preferences& p) {
    std::string text = std::string(kKeepProportions) + "=" + (p.keepProportions ? "true" : "false") + "\n";
    if (!p.map.empty()) text += std::string(kMap) + "=" + p.map + "\n";
    for (const std::string& recent : p.recentMaps) text += std::string(kRecentMap) + "=" + recent + "\n";
    if (p.mapCacheMegabytes != Preferences().mapCacheMegabytes)
        text += std::string(kMapCache) + "=" + std::to_string(p.mapCacheMegabytes) + "\n";
    if (const WindowPlace& w = p.window; w.width > 0)
        text += std::string(kWindow) + "=" + std::to_string(w.left) + "," + std::to_string(w.top) + "," +
                std::to_string(w.width) + "," + std::to_string(w.height) + "\n";
    return text;
}

void loadPreferences(State& s) {
    const std::string path = preferencesPath(s);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    // Without a file of ours, the defaults hold: shapes drawn true among them.
    const Preferences p = ec || size > kMaxPreferencesBytes ? Preferences() : parsePreferences(readWholeFile(path));
    s.view.keepProportions = p.keepProportions;
    s.settings.map = p.map;
    s.settings.recentMaps = p.recentMaps;
    s.settings.mapCacheMegabytes = p.mapCacheMegabytes;
    s.settings.window = p.window;
}

bool savePreferences(State& s) {
    const std::string path = preferencesPath(s);
    const std::string error = writeWholeFile(path, preferencesText(
        {s.view.keepProportions, s.settings.map, s.settings.recentMaps, s.settings.mapCacheMegabytes, s.settings.window}));
    if (error.empty()) return true;
    s.platform.message(errorSavingMessage(error, path));
    return false;
}

}  // namespace tess
