// The chosen-files list of the combine window.
#include "combine/ChosenFiles.h"

#include <algorithm>

#include "platform/Files.h"

namespace tess {

bool addChosenFile(ChosenFiles& chosen, const std::string& folder, const std::string& fileName) {
    if (fileName.empty()) return false;
    std::string path = joinPath(folder, fileName);
    if (std::find(chosen.paths.begin(), chosen.paths.end(), path) != chosen.paths.end()) return false;
    chosen.paths.push_back(std::move(path));
    return true;
}

void removeChosenFiles(ChosenFiles& chosen, const std::vector<int>& indices) {
    std::vector<int> doomed;
    for (int i : indices)
        if (i >= 0 && static_cast<std::size_t>(i) < chosen.paths.size()) doomed.push_back(i);
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) chosen.paths.erase(chosen.paths.begin() + *it);
}

}  // namespace tess
