// Placeholder until the merge lands.
#include "combine/Merge.h"

namespace tess {
bool save_merge(Platform&, const std::vector<std::string>&, const std::string&, const std::string&,
                const std::function<void(const std::string&)>&) {
    return false;
}
}  // namespace tess
