#include "platform/WorkingFolder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/Files.h"

namespace tess {

namespace {

std::string userDataDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return joinPath(xdg, "tessaline");
    if (const char* home = std::getenv("HOME"); home && *home)
        return joinPath(joinPath(joinPath(home, ".local"), "share"), "tessaline");
    return joinPath(std::filesystem::temp_directory_path().string(), "tessaline");
}

// Working files of older versions, which every window shared.
constexpr const char* kLegacyWorkingFiles[] = {"tmpfl", "tmp.poly"};
// A settings write takes far less; a temporary file this old was left by a
// process that died.
constexpr std::time_t kAbandonedAfterSeconds = 60;

bool isAbandonedTemporary(const std::filesystem::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    if (!isTemporaryFileOf(name, kSettingsFileName) && !isTemporaryFileOf(name, kPreferencesFileName)) return false;
    struct stat st {};
    return ::lstat(entry.path().c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           std::time(nullptr) - st.st_mtime > kAbandonedAfterSeconds;
}

}  // namespace

std::string chooseSystemDir(const std::string& exeDir) {
    std::string beside = joinPath(exeDir, "system");
    if (folderIsWritable(beside)) return beside;
    if (!folderExists(beside) && folderIsWritable(exeDir) && makeFolder(beside) && folderIsWritable(beside))
        return beside;
    std::string user = userDataDir();
    makeFolder(user);
    return user;
}

void clearLeftovers(const std::string& systemDir) {
    for (const char* name : kLegacyWorkingFiles) deleteFile(joinPath(systemDir, name));
    std::error_code ec;
    for (std::filesystem::directory_iterator it(systemDir, ec), end; !ec && it != end; it.increment(ec))
        if (isAbandonedTemporary(*it)) deleteFile(it->path().string());
}

}  // namespace tess
