// File-system helpers shared by every subsystem. Paths are UTF-8 text;
// contents are bytes, one char per byte.
#pragma once

#include <initializer_list>
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

struct FileRead {
    std::string text;
    std::string error;
    bool ok() const { return error.empty(); }
};
// Reads a regular file whole; anything else is refused with a message.
FileRead readFile(const std::string& path);

// The whole content of a file, or the empty text when the name is empty,
// no such file exists or it cannot be read (whatever was read so far).
std::string readWholeFile(const std::string& path);

// Writes the content to a temporary file beside the target and renames it
// over the target, so the target is either the old file or the new one,
// never a torn mix. Returns the empty text on success, else the system's
// description of the failure; the old file is then untouched. A user's
// file is flushed to disk before the rename; a working file the program
// can rebuild need not wait for the disk (flush false).
std::string writeWholeFile(const std::string& path, std::string_view content, bool flush = true);
// The same for a content made of pieces, so that a large text need not be
// copied to gain a last line break.
std::string writeWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces,
                           bool flush = true);

// Writes a file in pieces through a temporary file beside it.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& path) : path_(path) {}
    void write(std::string_view piece) { content_ += piece; }
    std::string commit(bool flush = true) { return writeWholeFile(path_, content_, flush); }

private:
    std::string path_;
    std::string content_;
};

// Appends to a file, creating it when missing. The old content is kept
// and the whole file is replaced atomically, like writeWholeFile.
std::string appendWholeFile(const std::string& path, std::string_view content);

// The folder part and the last component of a path, split at the
// platform's separators.
std::string folderOf(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace tess
