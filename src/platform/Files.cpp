// File-system helpers. Reads refuse anything but regular files, so a
// device or a pipe can never make the program wait or fill its memory.
// Writes never leave a torn file: the content goes to a temporary file in
// the target's folder and is renamed over the target in one step.
#include "platform/Files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <new>
#include <random>
#include <set>
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

// Reads everything the descriptor still holds into text: the size the
// file had when it was looked at goes straight into the string's memory,
// and only a file that grew since is appended to in pieces; false after a
// failure.
bool readToEnd(int fd, std::string& text, std::size_t expected, const ByteProgress& progress) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    text.resize(expected);
    std::size_t filled = 0;
    while (filled < expected) {
        const ssize_t got = ::read(fd, text.data() + filled, std::min(kPiece, expected - filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
        if (progress) progress(filled, expected);
    }
    text.resize(filled);
    if (filled < expected) return true;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        text.append(chunk, static_cast<std::size_t>(got));
        if (progress) progress(text.size(), text.size());
    }
}

FileRead readOpenFile(int fd, const ByteProgress& progress) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return {{}, systemError()};
    // The name may have been replaced by a pipe since it was looked at.
    if (!S_ISREG(st.st_mode)) return {{}, kNotRegularFile};
    FileRead result;
    try {
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

FileReader::FileReader(const std::string& path) {
    struct stat st {};
    if (path.empty()) error_ = kNoFileName;
    else if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) error_ = kNotRegularFile;
    else if ((fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) < 0) error_ = systemError();
    else if (::fstat(fd_, &st) != 0) error_ = systemError();
    else if (!S_ISREG(st.st_mode)) error_ = kNotRegularFile;  // replaced by a pipe since
    else size_ = static_cast<std::size_t>(st.st_size);
}

FileReader::~FileReader() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t FileReader::read(char* buffer, std::size_t size) {
    if (!error_.empty()) return 0;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            error_ = systemError();
            return 0;
        }
    }
}

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
    struct stat st {};  // an existing file's owner, mode and links
};

Target finalTarget(std::string path) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return {path, {}, false, {}};
            return {path, systemError()};
        }
        if (S_ISREG(st.st_mode)) return {path, {}, true, st};
        if (!S_ISLNK(st.st_mode)) return {path, kNotRegularFile};
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return {path, ec.message()};
        // A relative link is relative to the folder the link lies in.
        path = joinPath(folderOf(path), link.string());
    }
    return {path, systemError(ELOOP)};
}

// A temporary name is ".NAME.PID.LETTERS": the writing process's id lets a
// later save tell the leftovers of a killed one from a write under way.
// NAME is cut, at a character's start, when the whole would be longer than
// a name may be.
constexpr std::size_t kLongestName = 255;

std::string temporaryPrefix(std::string_view fileName) {
    const std::string pid = std::to_string(::getpid());
    const std::size_t room = kLongestName - (3 + pid.size() + kTemporaryLetters);
    std::size_t kept = std::min(fileName.size(), room);
    while (kept > 0 && kept < fileName.size() && (static_cast<unsigned char>(fileName[kept]) & 0xC0) == 0x80) --kept;
    return "." + std::string(fileName.substr(0, kept)) + "." + pid + ".";
}

constexpr std::string_view kTemporaryLetterSet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string randomLetters() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string letters;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i)
        letters += kTemporaryLetterSet[random() % kTemporaryLetterSet.size()];
    return letters;
}

// The id of the process that wrote a temporary file of `fileName`, or 0
// when the name is no such file.
long writerOf(std::string_view name, std::string_view fileName) {
    if (name.size() < 4 + kTemporaryLetters || name.front() != '.') return 0;
    const std::string_view letters = name.substr(name.size() - kTemporaryLetters);
    if (letters.find_first_not_of(kTemporaryLetterSet) != std::string_view::npos) return 0;
    std::string_view rest = name.substr(1, name.size() - kTemporaryLetters - 2);  // ".": NAME.PID
    if (name[name.size() - kTemporaryLetters - 1] != '.') return 0;
    const std::size_t dot = rest.rfind('.');
    if (dot == std::string_view::npos) return 0;
    long pid = 0;
    const std::string_view digits = rest.substr(dot + 1);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (ec != std::errc() || end != digits.data() + digits.size() || pid <= 0) return 0;
    // The name whole, or cut where the temporary name reached the limit.
    const std::string_view stem = rest.substr(0, dot);
    const bool cut = stem.size() < fileName.size() && fileName.starts_with(stem) && name.size() + 3 >= kLongestName;
    return stem == fileName || cut ? pid : 0;
}

bool running(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH; }

// Removes what writes of the target left that were killed before they
// could clean up: a 2 GB output killed a hundred times stays otherwise.
void removeLeftovers(const std::string& target) {
    const std::string fileName = fs::path(target).filename().string();
    const std::string folder = folderOf(target);
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (const long pid = writerOf(name, fileName); pid && !running(pid)) ::unlink(it->path().c_str());
    }
}

// Creates a new, empty file beside the target under a name no other file
// has. Asking for mode 0666 lets the system apply the user's umask (and a
// default access list of the folder) as it does to any new file.
int createTemporary(const std::string& target, std::string& temp) {
    const std::string prefix = joinPath(folderOf(target), temporaryPrefix(fs::path(target).filename().string()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = prefix + randomLetters();
        const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Files the user agreed to replace although no one may write them.
std::mutex consentGuard;
std::set<std::string> consented;

bool readOnly(const std::string& path, const struct stat& st) {
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// Copies `size` bytes from the start of one file over the start of
// another; false after a failure, with errno set.
bool copyOver(int from, int to, off_t size) {
    std::string chunk(std::size_t{1} << 20, '\0');
    for (off_t at = 0; at < size;) {
        const ssize_t got = ::pread(from, chunk.data(), static_cast<std::size_t>(std::min<off_t>(size - at, static_cast<off_t>(chunk.size()))), at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = EIO;
            return false;
        }
        for (ssize_t put = 0; put < got;) {
            const ssize_t n = ::pwrite(to, chunk.data() + put, static_cast<std::size_t>(got - put), at + put);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n == 0) errno = ENOSPC;
                return false;
            }
            put += n;
        }
        at += got;
    }
    return ::ftruncate(to, size) == 0;
}

}  // namespace

bool isTemporaryFileOf(std::string_view name, std::string_view fileName) { return writerOf(name, fileName) != 0; }

bool isReadOnlyFile(const std::string& path) {
    const Target target = finalTarget(path);
    return target.exists && readOnly(target.path, target.st);
}

void consentToReplace(const std::string& path) {
    const Target target = finalTarget(path);
    const std::lock_guard<std::mutex> lock(consentGuard);
    consented.insert(target.path);
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
    if (target.exists && readOnly(target_, target.st)) {
        const std::lock_guard<std::mutex> lock(consentGuard);
        if (consented.erase(target_) == 0) {
            fail(kReadOnlyFile);
            return;
        }
    }
    removeLeftovers(target_);
    fd_ = createTemporary(target_, temp_);
    if (fd_ < 0) {
        temp_.clear();
        fail(systemError());
        return;
    }
    if (!target.exists) return;
    // The file stays its owner's, and its group's, where the system lets
    // this user give it away (root may, others only to a group of theirs);
    // the mode is set after, since a change of owner can clear some bits.
    if (::fchown(fd_, target.st.st_uid, target.st.st_gid) != 0) (void)!::fchown(fd_, static_cast<uid_t>(-1), target.st.st_gid);
    if (::fchmod(fd_, target.st.st_mode & 07777) != 0) fail(systemError());
    // Renaming over a file of several names would part it from the others.
    hardLinked_ = target.st.st_nlink > 1;
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

// A file of several names is written over in place, so every name sees the
// new content. The new content is whole in the temporary file first and
// the old one is copied aside, so a failure on the way puts it back.
void AtomicFile::writeInPlace() {
    const int target = ::open(target_.c_str(), O_RDWR | O_CLOEXEC);
    if (target < 0) return fail(systemError());
    struct stat old {}, fresh {};
    std::string backup;
    int saved = -1;
    if (::fstat(target, &old) != 0 || ::fstat(fd_, &fresh) != 0) {
        fail(systemError());
    } else if ((saved = createTemporary(target_, backup)) < 0) {
        fail(systemError());
    } else if (!copyOver(target, saved, old.st_size) || ::fsync(saved) != 0) {
        fail(systemError());
    } else if (fresh.st_size > old.st_size && ::fallocate(target, FALLOC_FL_KEEP_SIZE, 0, fresh.st_size) != 0 &&
               errno != EOPNOTSUPP) {
        fail(systemError());  // no room for the new content: the old one is untouched
    } else if (!copyOver(fd_, target, fresh.st_size) || ::fsync(target) != 0) {
        fail(systemError());
        (void)!copyOver(saved, target, old.st_size);
        ::fsync(target);
    }
    if (saved >= 0) ::close(saved);
    if (!backup.empty()) ::unlink(backup.c_str());
    ::close(target);
}

std::string AtomicFile::commit(bool flush) {
    if (committed_) return {};
    if (error_.empty()) writeOut(buffer_);
    buffer_ = {};
    if (error_.empty() && flush && ::fsync(fd_) != 0) fail(systemError());
    // The target may have been replaced by a pipe or a device since the
    // write began; such a name is never replaced.
    struct stat st {};
    if (error_.empty() && ::lstat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) fail(kNotRegularFile);
    const bool inPlace = hardLinked_ && st.st_nlink > 1;
    if (error_.empty() && inPlace) writeInPlace();
    if (fd_ >= 0 && ::close(fd_) != 0) fail(systemError());
    fd_ = -1;
    if (error_.empty() && !inPlace && ::rename(temp_.c_str(), target_.c_str()) != 0) fail(systemError());
    committed_ = error_.empty();
    // A rename took the temporary name away; otherwise it goes now.
    if ((inPlace || !committed_) && !temp_.empty()) ::unlink(temp_.c_str());
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

std::string fileNameOf(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace tess
