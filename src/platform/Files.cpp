// File-system helpers. Reads refuse anything but regular files, so a
// device or a pipe can never make the program wait or fill its memory.
// Writes never leave a torn file: the content goes to a temporary file in
// the target's folder and is renamed over the target in one step.
#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <random>
#include <stdexcept>

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

namespace {

constexpr const char* kNoFileName = "No file name";

std::string systemError(int code = errno) { return std::strerror(code); }

// Appends everything the descriptor still holds; false after a failure.
bool readToEnd(int fd, std::string& text, std::size_t expected, const ByteProgress& progress) {
    char chunk[1 << 16];
    std::size_t nextReport = std::size_t{1} << 20;
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        text.append(chunk, static_cast<std::size_t>(got));
        if (progress && text.size() >= nextReport) {
            progress(text.size(), std::max(expected, text.size()));
            nextReport = text.size() + (std::size_t{1} << 20);
        }
    }
}

FileRead readOpenFile(int fd, const ByteProgress& progress) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return {{}, systemError()};
    // The name may have been replaced by a pipe since it was looked at.
    if (!S_ISREG(st.st_mode)) return {{}, kNotRegularFile};
    FileRead result;
    try {
        result.text.reserve(static_cast<std::size_t>(st.st_size));
        if (!readToEnd(fd, result.text, static_cast<std::size_t>(st.st_size), progress)) return {{}, systemError()};
    } catch (const std::bad_alloc&) {
        return {{}, kFileTooLarge};
    } catch (const std::length_error&) {
        return {{}, kFileTooLarge};
    }
    return result;
}

}  // namespace

FileRead readFile(const std::string& path, const ByteProgress& progress) {
    if (path.empty()) return {{}, kNoFileName};
    // Opening a pipe or a device can already have effects (a writer waiting
    // on the pipe is let go), so such names are refused before the open.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return {{}, kNotRegularFile};
    // Non-blocking, in case the name became a pipe in the meantime.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {{}, systemError()};
    FileRead result = readOpenFile(fd, progress);
    ::close(fd);
    return result;
}

std::string readWholeFile(const std::string& path) { return readFile(path).text; }

namespace {

// Pieces are gathered up to this size before they go to the system.
constexpr std::size_t kWriteBuffer = std::size_t{1} << 20;
// Chains of links longer than the system's own limit are loops.
constexpr int kMaxLinks = 40;
constexpr std::size_t kTemporaryLetters = 6;

// The name a write finally replaces: the end of a chain of symbolic
// links, or the name itself. A dangling link leads to the name its target
// is created under.
struct Target {
    std::string path;
    std::string error;
    bool exists = false;
    mode_t mode = 0;  // the permissions of an existing file
};

Target finalTarget(std::string path) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return {path, {}, false, 0};
            return {path, systemError()};
        }
        if (S_ISREG(st.st_mode)) return {path, {}, true, static_cast<mode_t>(st.st_mode & 07777)};
        if (!S_ISLNK(st.st_mode)) return {path, kNotRegularFile};
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return {path, ec.message()};
        // A relative link is relative to the folder the link lies in.
        path = joinPath(folderOf(path), link.string());
    }
    return {path, systemError(ELOOP)};
}

std::string temporaryPrefix(std::string_view fileName) { return "." + std::string(fileName) + "."; }

constexpr std::string_view kTemporaryLetterSet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string randomLetters() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string letters;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i)
        letters += kTemporaryLetterSet[random() % kTemporaryLetterSet.size()];
    return letters;
}

// Creates a new, empty file beside the target under a name no other file
// has. Asking for mode 0666 lets the system apply the user's umask (and a
// default access list of the folder) as it does to any new file.
int createTemporary(const std::string& target, std::string& temp) {
    const std::string prefix = joinPath(folderOf(target), temporaryPrefix(fs::path(target).filename().string()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = prefix + randomLetters();
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool isTemporaryFileOf(std::string_view name, std::string_view fileName) {
    const std::string prefix = temporaryPrefix(fileName);
    if (name.size() != prefix.size() + kTemporaryLetters || !name.starts_with(prefix)) return false;
    for (char c : name.substr(prefix.size()))
        if (kTemporaryLetterSet.find(c) == std::string_view::npos) return false;
    return true;
}

AtomicFile::AtomicFile(const std::string& path) {
    if (path.empty()) {
        fail(kNoFileName);
        return;
    }
    const Target target = finalTarget(path);
    target_ = target.path;
    if (!target.error.empty()) {
        fail(target.error);
        return;
    }
    fd_ = createTemporary(target_, temp_);
    if (fd_ < 0) {
        temp_.clear();
        fail(systemError());
    } else if (target.exists && ::fchmod(fd_, target.mode) != 0) {
        fail(systemError());
    }
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

void AtomicFile::fail(std::string error) {
    if (error_.empty()) error_ = std::move(error);
}

void AtomicFile::writeOut(std::string_view bytes) {
    while (!bytes.empty() && error_.empty()) {
        const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) fail(systemError(put < 0 ? errno : ENOSPC));
        else bytes.remove_prefix(static_cast<std::size_t>(put));
    }
}

void AtomicFile::write(std::string_view piece) {
    if (!error_.empty()) return;
    if (buffer_.size() + piece.size() > kWriteBuffer) {
        writeOut(buffer_);
        buffer_.clear();
    }
    if (piece.size() >= kWriteBuffer) writeOut(piece);
    else buffer_.append(piece);
}

std::string AtomicFile::commit(bool flush) {
    if (committed_) return {};
    if (error_.empty()) writeOut(buffer_);
    buffer_ = {};
    if (error_.empty() && flush && ::fsync(fd_) != 0) fail(systemError());
    if (fd_ >= 0 && ::close(fd_) != 0) fail(systemError());
    fd_ = -1;
    // The target may have been replaced by a pipe or a device since the
    // write began; such a name is never replaced.
    struct stat st {};
    if (error_.empty() && ::lstat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) fail(kNotRegularFile);
    if (error_.empty() && ::rename(temp_.c_str(), target_.c_str()) != 0) fail(systemError());
    committed_ = error_.empty();
    if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    return error_;
}

std::string writeWholeFile(const std::string& path, std::string_view content, bool flush) {
    return writeWholeFile(path, {content}, flush);
}

std::string writeWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces,
                           bool flush) {
    AtomicFile file(path);
    for (std::string_view piece : pieces) file.write(piece);
    return file.commit(flush);
}

std::string appendWholeFile(const std::string& path, std::string_view content) {
    FileRead old;
    // A file that exists but cannot be read must not lose its content.
    if (fileExists(path)) old = readFile(path);
    if (!old.ok()) return old.error;
    AtomicFile file(path);
    file.write(old.text);
    file.write(content);
    return file.commit();
}

std::string folderOf(const std::string& path) { return fs::path(path).parent_path().string(); }

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return (fs::path(folder) / name).string();
}

bool sameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    return a == b || std::filesystem::equivalent(a, b, ec);
}

}  // namespace tess
