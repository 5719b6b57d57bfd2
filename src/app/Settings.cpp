// Reading and writing tessaline.dat. Whatever the file holds (nothing,
// too few lines, binary bytes, megabytes) readSettingsFile only takes what looks
// like its own lines and never fails.
#include "app/Settings.h"

#include <algorithm>
#include <filesystem>

#include "document/Writer.h"
#include "platform/Files.h"

namespace tess {

std::string settingsPath(const State& s) { return joinPath(s.settings.systemDir, kSettingsFileName); }

std::vector<std::string> settingsLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

namespace {

// A line with a NUL byte or of absurd length cannot be a path or a title.
std::string usableLine(const std::vector<std::string>& lines, std::size_t i) {
    if (i >= lines.size()) return {};
    const std::string& line = lines[i];
    if (line.size() > kMaxSettingsLine || line.find('\0') != std::string::npos) return {};
    return line;
}

// The settings file's text, or nothing when it is too big to be ours.
std::string settingsFileText(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxSettingsBytes) return {};
    return readWholeFile(path);
}

SettingsSnapshot settingsOf(const State& s) {
    SettingsSnapshot settings;
    for (std::size_t i = 0; i < settings.recent.size(); ++i) settings.recent[i] = s.settings.recent[i].path;
    settings.mergeTitle = s.settings.mergeTitle;
    settings.lastBackground = s.settings.lastBackground;
    return settings;
}

using RecentList = std::array<std::string, kRecentCount>;

bool holds(const auto& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// Appends the entries of `from` that the list lacks and `skip` does not
// hold, in their order, while there is room.
void addEntries(std::vector<std::string>& list, const RecentList& from, const RecentList& skip = {}) {
    for (const std::string& entry : from)
        if (list.size() < from.size() && !entry.empty() && !holds(list, entry) && !holds(skip, entry))
            list.push_back(entry);
}

// This process's value when it changed it since start, else the file's,
// which another window may have changed in the meantime.
const std::string& newer(const std::string& atStart, const std::string& mine, const std::string& file) {
    return mine != atStart ? mine : file;
}

}  // namespace

SettingsSnapshot parseSettings(const std::string& text) {
    const auto lines = settingsLines(text);
    SettingsSnapshot settings;
    for (std::size_t i = 0; i < settings.recent.size(); ++i) settings.recent[i] = usableLine(lines, i + 1);
    settings.mergeTitle = usableLine(lines, 6);
    settings.lastBackground = usableLine(lines, 7);
    return settings;
}

std::string settingsText(const SettingsSnapshot& settings) {
    std::string text = std::string(kSettingsMarker) + "\r\n";
    for (const std::string& entry : settings.recent) text += entry + "\r\n";
    text += settings.mergeTitle + "\r\n";
    text += settings.lastBackground + "\r\n";
    return text;
}

std::string settingsText(const State& s) { return settingsText(settingsOf(s)); }

std::string mergedSettingsText(const SettingsSnapshot& atStart, const SettingsSnapshot& mine,
                               const std::string& fileText) {
    const SettingsSnapshot file = parseSettings(fileText);
    std::vector<std::string> recent;
    addEntries(recent, mine.recent, atStart.recent);  // added by this process since start
    addEntries(recent, file.recent);

    SettingsSnapshot merged;
    std::copy(recent.begin(), recent.end(), merged.recent.begin());
    merged.mergeTitle = newer(atStart.mergeTitle, mine.mergeTitle, file.mergeTitle);
    merged.lastBackground = newer(atStart.lastBackground, mine.lastBackground, file.lastBackground);
    return settingsText(merged);
}

void readSettingsFile(State& s) {
    const SettingsSnapshot settings = parseSettings(settingsFileText(settingsPath(s)));
    for (std::size_t i = 0; i < settings.recent.size(); ++i) s.settings.recent[i].path = settings.recent[i];
    s.settings.mergeTitle = settings.mergeTitle;
    s.settings.lastBackground = settings.lastBackground;
    s.settings.atStart = settings;
}

// The file is read again just before it is replaced, so only two windows
// closing in the same instant can miss each other's change.
void writeSettingsFile(State& s) {
    const std::string path = settingsPath(s);
    writeTextFile(s.platform, path, mergedSettingsText(s.settings.atStart, settingsOf(s), settingsFileText(path)));
}

}  // namespace tess
