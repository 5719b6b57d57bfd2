// File-system helpers shared by every subsystem. Paths are UTF-8 text;
// contents are bytes, one char per byte.
#pragma once

#include "platform/Messages.h"

#include <initializer_list>
#include <functional>
#include <string>
#include <string_view>

namespace tess {

// True when a file (not a folder) of that name exists.
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Deletes a file; false when it could not be deleted.
bool deleteFile(const std::string& path);
// Creates the folder and its parents; true when it exists afterwards.
bool makeFolder(const std::string& path);
// True when a new file can be created in the folder.
bool folderIsWritable(const std::string& path);


// The whole content of a regular file, or the reason it could not be had.
// Anything else (a folder, a pipe, a device such as /dev/zero, a socket)
// is refused at once, without waiting for data that may never come.
struct FileRead {
    std::string text;
    std::string error;
    bool ok() const { return error.empty(); }
};
// `progress`, when given, hears how many bytes of how many were read, once
// a megabyte.
using ByteProgress = std::function<void(std::size_t done, std::size_t total)>;
FileRead readFile(const std::string& path, const ByteProgress& progress = {});

// The whole content of a regular file, or the empty text when the name is
// empty or the file cannot be read.
std::string readWholeFile(const std::string& path);

// A regular file read a piece at a time, for a reader that need not hold
// it whole. It refuses what readFile refuses, at once.
class FileReader {
public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Why the file cannot be read, or the empty text.
    const std::string& error() const { return error_; }
    // Its size when it was opened.
    std::size_t size() const { return size_; }
    // Up to `size` bytes into the buffer; 0 at the end and after a failure,
    // which error() then names.
    std::size_t read(char* buffer, std::size_t size);

private:
    int fd_ = -1;
    std::size_t size_ = 0;
    std::string error_;
};

// Writes a file in pieces to a temporary file beside the real target and
// renames it over the target on commit, so the target is either the old
// file or the new one, never a torn mix, and a large output need not be
// built in memory first.
//
// A symbolic link (or a chain of them) stays a link: the file it finally
// points to is replaced. A replaced file keeps its mode, and its owner and
// group where the system allows; a new one gets the mode the user's umask
// allows. A file of several names (hard links) is written over in place,
// so that every name sees the new content. A name that is a folder, a
// device, a pipe or a socket is never replaced, nor a file no one may
// write (kReadOnlyFile) unless the user consented (consentToReplace). The
// temporary file's name holds the process's id; leftovers of processes
// that no longer run are removed.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& path);
    // Removes the temporary file unless the content was committed.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Adds a piece to the content. Failures are kept for commit to report.
    void write(std::string_view piece);
    // Puts the content in place of the target. Returns the empty text on
    // success, else the system's description of the first failure; the old
    // file is then untouched. A user's file is flushed to disk before the
    // rename; a working file the program can rebuild need not wait for the
    // disk (flush false).
    std::string commit(bool flush = true);

private:
    void writeOut(std::string_view bytes);
    void writeInPlace();
    void fail(std::string error);

    std::string target_;  // the file that is finally replaced
    std::string temp_;    // the temporary file beside it, once created
    int fd_ = -1;
    std::string buffer_;
    std::string error_;  // the first failure
    bool committed_ = false;
    bool hardLinked_ = false;
};

// True when a name in a folder is one of the temporary files AtomicFile
// uses while it writes the file `fileName` of the same folder.
bool isTemporaryFileOf(std::string_view name, std::string_view fileName);

// True for an existing file (through links) that no one may write, or
// that this user may not.
bool isReadOnlyFile(const std::string& path);
// The user agreed to replace the read-only file: the next AtomicFile of it
// may.
void consentToReplace(const std::string& path);

// The same as an AtomicFile given the content at once (or in a few pieces,
// so that a large text need not be copied to gain a last line break).
std::string writeWholeFile(const std::string& path, std::string_view content, bool flush = true);

// The two paths name one file (the same text, or links to one file).
bool sameFile(const std::string& a, const std::string& b);
std::string writeWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces,
                           bool flush = true);


// The folder part and the last component of a path, split at the
// platform's separators.
std::string folderOf(const std::string& path);
// The last part of a path, split at "/" and at "\" (files named by other
// systems); a name without separators is returned whole.
std::string fileNameOf(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace tess
