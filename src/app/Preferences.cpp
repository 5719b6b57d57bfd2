#include "app/Preferences.h"

#include <filesystem>

#include "document/PolyText.h"
#include "document/Writer.h"
#include "platform/Files.h"
#include "platform/WorkingFolder.h"

namespace tess {

namespace {

constexpr const char* kKeepProportions = "keep_proportions";
// A preferences file above this size is not ours: the defaults hold.
constexpr std::uintmax_t kMaxPreferencesBytes = 64 * 1024;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
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
    });
    return p;
}

std::string preferencesText(const Preferences& p) {
    return std::string(kKeepProportions) + "=" + (p.keepProportions ? "true" : "false") + "\n";
}

void loadPreferences(State& s) {
    const std::string path = preferencesPath(s);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxPreferencesBytes) return;
    const Preferences p = parsePreferences(readWholeFile(path));
    s.view.keepProportions = p.keepProportions;
}

bool savePreferences(State& s) {
    const std::string path = preferencesPath(s);
    const std::string error = writeWholeFile(path, preferencesText({s.view.keepProportions}));
    if (error.empty()) return true;
    s.platform.message(errorSavingMessage(error, path));
    return false;
}

}  // namespace tess
