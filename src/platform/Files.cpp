// File-system helpers. Writes never leave a torn file: the content goes to
// a temporary file in the target's folder, is flushed to disk, and is
// renamed over the target in one step.
#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace tess {

bool fileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    auto st = fs::status(path, ec);
    return !ec && fs::exists(st) && !fs::is_directory(st);
}

bool folderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool deleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool makeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return folderExists(path);
}

bool folderIsWritable(const std::string& path) {
    return folderExists(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::string readWholeFile(const std::string& path) {
    std::string text;
    if (path.empty()) return text;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        text.reserve(static_cast<std::size_t>(st.st_size));
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return text;
    }
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

FileRead readFile(const std::string& path) {
    FileRead read;
    if (!fileExists(path)) {
        read.error = "No such file";
        return read;
    }
    read.text = readWholeFile(path);
    return read;
}

namespace {

std::string systemError() { return std::strerror(errno); }

bool writeAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t put = ::write(fd, p, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        p += put;
        left -= static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace

std::string writeWholeFile(const std::string& path, std::string_view content, bool flush) {
    return writeWholeFile(path, {content}, flush);
}

std::string writeWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces,
                           bool flush) {
    if (path.empty()) return "No file name";
    if (folderExists(path)) return std::strerror(EISDIR);
    std::string folder = folderOf(path);
    std::string temp = joinPath(folder.empty() ? "." : folder, "." + fs::path(path).filename().string() + ".XXXXXX");
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return systemError();

    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    else ::fchmod(fd, 0644);

    bool written = true;
    for (std::string_view piece : pieces) written = written && writeAll(fd, piece);
    if (!written || (flush && ::fsync(fd) != 0)) {
        std::string error = systemError();
        ::close(fd);
        ::unlink(temp.c_str());
        return error;
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        std::string error = systemError();
        ::unlink(temp.c_str());
        return error;
    }
    return {};
}

std::string appendWholeFile(const std::string& path, std::string_view content) {
    const std::string old = readWholeFile(path);
    return writeWholeFile(path, {old, content});
}

std::string folderOf(const std::string& path) { return fs::path(path).parent_path().string(); }

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return (fs::path(folder) / name).string();
}

}  // namespace tess
