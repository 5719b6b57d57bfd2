#include "session/RecentFiles.h"

#include <algorithm>

#include "platform/Files.h"

namespace tess {

void addRecentFile(Settings& settings, const std::string& path) {
    auto& recent = settings.recent;
    // The entry moves to the top; a new one pushes the oldest out.
    const auto found = std::find_if(recent.begin(), recent.end(), [&](const RecentEntry& e) { return e.path == path; });
    const auto last = found == recent.end() ? recent.end() - 1 : found;
    std::move_backward(recent.begin(), last, last + 1);
    recent.front().path = path;
    for (RecentEntry& entry : recent) entry.enabled = !entry.path.empty() && fileExists(entry.path);
}

}  // namespace tess
