// Scratch folders and small file helpers for tests.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

// A file of tests/data or tests/cases, and tests/data's .poly files in order.
std::string dataFile(const std::string& name);
std::string caseFile(const std::string& name);
std::vector<std::string> realPolyFiles();

// A parameter as part of a test's name: every character but letters and
// digits becomes "_".
std::string asTestName(std::string parameter);

// A command line's words: blanks between, double quotes around a word with blanks.
std::vector<std::string> commandWords(const std::string& text);

// The rows of a table in tests/cases: "INPUT => EXPECTED" a line, blank
// lines and lines starting with "#" passed over. In both halves \xHH
// stands for the byte it names, so a row can hold line breaks and bytes
// that are not UTF-8; every other backslash is itself. A table without
// rows throws.
struct TableRow {
    std::string input, expected;
    int line;
};
std::vector<TableRow> tableRows(const std::string& table);

}  // namespace tess::test
