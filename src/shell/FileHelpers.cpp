// File-name helpers and the tidied file dialog.
#include "shell/FileHelpers.h"

#include "formats/DocumentFormats.h"

#include <algorithm>

#include "document/Numbers.h"
#include "platform/Files.h"

namespace tess {

std::vector<FileFilter> polyFilters() { return {polyFormat().filter()}; }


std::string fileDialog(Platform& platform, bool save, const std::vector<FileFilter>& filters,
                       const std::string& defaultName, const std::string& initialDir) {
    std::string path = platform.fileDialog(save, filters, initialDir, defaultName);
    path.erase(std::remove(path.begin(), path.end(), '\0'), path.end());
    const auto first = path.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = path.find_last_not_of(' ');
    return path.substr(first, last - first + 1);
}

bool confirmReplace(Platform& platform, const std::string& file) {
    if (!fileExists(file)) return true;
    if (!isReadOnlyFile(file)) return platform.askYesNo(kReplaceFile);
    if (!platform.askYesNo(kReplaceReadOnlyFile)) return false;
    consentToReplace(file);
    return true;
}

bool isBadPolyName(const std::string& name) {
    return name.empty() || name.find('*') != std::string::npos || name == ".poly";
}

std::string polyFileName(std::string name) {
    const std::string lower = lowerAscii(name);
    if (lower.find(".poly") == std::string::npos || lower.ends_with(".gpx")) name += ".poly";
    return name;
}

}  // namespace tess
