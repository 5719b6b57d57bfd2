// The list of files chosen for a merge, with the rule that keeps a file
// from being added twice: a name is refused when it occurs anywhere in the
// names added so far (so b.poly is refused after ab.poly as well).
#pragma once

#include <string>
#include <vector>

namespace tess {

struct ChosenFiles {
    std::vector<std::string> paths;  // full paths, in the order added
    std::string addedNames;          // the added file names, concatenated
};

// True when the name may still be added under the rule above.
bool mayAdd(const std::string& addedNames, const std::string& fileName);

// Appends folder + separator + fileName unless the rule refuses it; true
// when it was added.
bool addChosenFile(ChosenFiles& chosen, const std::string& folder, const std::string& fileName);

// Takes the entries at the given indices out of the list and their names
// out of addedNames, so the same files can be added again later. Indices
// out of range are ignored.
void removeChosenFiles(ChosenFiles& chosen, const std::vector<int>& indices);

}  // namespace tess
