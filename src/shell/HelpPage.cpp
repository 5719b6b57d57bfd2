// Locating the local help page and turning its path into a file URL.
#include "shell/HelpPage.h"

#include <filesystem>
#include <system_error>

namespace tess {
namespace {

namespace fs = std::filesystem;

std::string normalised(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) absolute = path;
    return absolute.lexically_normal().string();
}

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

std::vector<std::string> helpPageCandidates(const std::string& exeDir) {
    const fs::path exe = exeDir.empty() ? fs::path(".") : fs::path(exeDir);
    std::vector<std::string> candidates{
        normalised(exe / ".." / "share" / "tessaline" / "help" / kHelpFileName),
        normalised(exe / "help" / kHelpFileName),
        // The executable of a build folder lies in <build>/src, the tests
        // in <build>/tests, both next to the source tree.
        normalised(exe / ".." / ".." / "src" / "shell" / "help" / kHelpFileName),
        normalised(exe / ".." / "src" / "shell" / "help" / kHelpFileName),
    };
    // The source folder this file was built from, for a build folder kept
    // elsewhere than beside the sources.
    const fs::path source(__FILE__);
    if (source.is_absolute()) candidates.push_back(normalised(source.parent_path() / "help" / kHelpFileName));
    return candidates;
}

std::string helpPagePath(const std::string& exeDir) {
    for (const std::string& candidate : helpPageCandidates(exeDir))
        if (isRegularFile(candidate)) return candidate;
    return {};
}

std::string fileUrl(const std::string& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : absolutePath) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0x0F];
        }
    }
    return url;
}

void openHelpPage(Platform& platform, const std::string& exeDir) {
    const std::string path = helpPagePath(exeDir);
    if (path.empty()) {
        platform.message(fileMessage(kHelpNotFound, helpPageCandidates(exeDir).front()));
        return;
    }
    platform.openUrl(fileUrl(path));
}

}  // namespace tess
