#include "support/TestFiles.h"

#include <sys/resource.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <stdexcept>

namespace tess::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaline-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

FileSizeLimit::FileSizeLimit(long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    saved_ = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = saved_;
    setrlimit(RLIMIT_FSIZE, &limit);
}

std::size_t filesIn(const std::string& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

std::string dataFile(const std::string& name) { return std::string(TESSALINE_TEST_DATA) + "/" + name; }

std::vector<std::string> realPolyFiles() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(TESSALINE_TEST_DATA))
        if (e.path().extension() == ".poly") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string asTestName(std::string parameter) {
    std::replace_if(parameter.begin(), parameter.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return parameter;
}

namespace {

std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0 && i + 4 <= text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string caseFile(const std::string& name) { return std::string(TESSALINE_TEST_DATA) + "/../cases/" + name; }

std::vector<std::string> commandWords(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> std::quoted(word);) words.push_back(word);
    return words;
}

std::vector<TableRow> tableRows(const std::string& table) {
    std::istringstream in(readFile(caseFile(table)));
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const auto arrow = line.find(" => ");
        if (line.empty() || line[0] == '#' || arrow == std::string::npos) continue;
        rows.push_back({unescaped(line.substr(0, arrow)), unescaped(line.substr(arrow + 4)), number});
    }
    if (rows.empty()) throw std::runtime_error("no rows in " + table);
    return rows;
}

}  // namespace tess::test
