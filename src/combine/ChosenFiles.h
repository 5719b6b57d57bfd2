// The list of files chosen for a merge: a file is refused only when the
// same path is already chosen.
#pragma once

#include <string>
#include <vector>

namespace tess {

struct ChosenFiles {
    std::vector<std::string> paths;  // full paths, in the order added
};

// Appends folder + separator + fileName unless that path is already
// chosen; true when it was added.
bool addChosenFile(ChosenFiles& chosen, const std::string& folder, const std::string& fileName);

// Takes the entries at the given indices out of the list, so the same
// files can be added again later. Indices out of range are ignored.
void removeChosenFiles(ChosenFiles& chosen, const std::vector<int>& indices);

}  // namespace tess
