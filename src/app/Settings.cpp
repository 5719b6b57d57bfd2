// Reading and writing tessaline.dat. Whatever the file holds (nothing,
// too few lines, binary bytes, megabytes) loaddat only takes what looks
// like its own lines and never fails.
#include "app/Settings.h"

#include <filesystem>

#include "document/Writer.h"
#include "platform/Files.h"

namespace tess {

std::string settingsPath(const State& s) { return joinPath(s.systemDir, kSettingsFileName); }

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

bool tooBig(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec || size > kMaxSettingsBytes;
}

}  // namespace

void loaddat(State& s) {
    const std::string path = settingsPath(s);
    std::string text;
    if (!tooBig(path)) text = readWholeFile(path);
    const auto lines = settingsLines(text);
    for (int i = 0; i < kRecentCount; ++i) s.recent[static_cast<std::size_t>(i)].caption = usableLine(lines, static_cast<std::size_t>(i) + 1);
    s.mergeTitle = usableLine(lines, 6);
    s.lastBackground = usableLine(lines, 7);
}

std::string settingsText(const State& s) {
    std::string text = std::string(kSettingsMarker) + "\r\n";
    for (const RecentEntry& entry : s.recent) text += entry.caption + "\r\n";
    text += s.mergeTitle + "\r\n";
    text += s.lastBackground + "\r\n";
    return text;
}

void savedata(State& s) { savetext(s.platform, settingsPath(s), settingsText(s)); }

}  // namespace tess
