// Scratch folders and small file helpers for tests.
#pragma once

#include <cstddef>
#include <string>

namespace tess::test {

// A fresh empty folder, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& content);
std::string readFile(const std::string& path);
// Limits the size of files this process may write while it lives, as a
// disk that fills up would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long saved_;
};

// The number of entries in a folder.
std::size_t filesIn(const std::string& folder);

// A file of tests/data.
std::string dataFile(const std::string& name);

}  // namespace tess::test
