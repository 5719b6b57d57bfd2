// The chosen-files list of the combine window and its adding rule.
#include "combine/ChosenFiles.h"

#include <algorithm>
#include <filesystem>

#include "platform/Files.h"

namespace tess {

bool mayAdd(const std::string& addedNames, const std::string& fileName) {
    return !fileName.empty() && addedNames.find(fileName) == std::string::npos;
}

bool addChosenFile(ChosenFiles& chosen, const std::string& folder, const std::string& fileName) {
    if (!mayAdd(chosen.addedNames, fileName)) return false;
    chosen.paths.push_back(joinPath(folder, fileName));
    chosen.addedNames += fileName;
    return true;
}

void removeChosenFiles(ChosenFiles& chosen, const std::vector<int>& indices) {
    std::vector<int> doomed;
    for (int i : indices)
        if (i >= 0 && static_cast<std::size_t>(i) < chosen.paths.size()) doomed.push_back(i);
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
        chosen.paths.erase(chosen.paths.begin() + *it);

    // The names are run together without separators, so cutting one out by
    // search could cut into a longer name that contains it; building the
    // text again from what is left cannot.
    chosen.addedNames.clear();
    for (const std::string& path : chosen.paths)
        chosen.addedNames += std::filesystem::path(path).filename().string();
}

}  // namespace tess
