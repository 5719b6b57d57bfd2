#include "platform/WorkingFolder.h"

#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"

namespace tess {

std::string executableDir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

namespace {

std::string userDataDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return joinPath(xdg, "tessaline");
    if (const char* home = std::getenv("HOME"); home && *home)
        return joinPath(joinPath(joinPath(home, ".local"), "share"), "tessaline");
    return joinPath(std::filesystem::temp_directory_path().string(), "tessaline");
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

}  // namespace tess

namespace tess {

void clearLeftovers(const std::string&) {}

}  // namespace tess
