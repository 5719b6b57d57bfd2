// The batch cases: every tests/cases/NAME.poly and NAME.args is one run of
// the program, checked by the files beside it as tests/README.md describes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "app/Batch.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCases = tess::test::caseFile("");

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(kCases)) {
        const std::string ext = e.path().extension().string();
        const std::string name = e.path().stem().string();
        const bool expects = fs::exists(kCases / (name + ".expected")) || fs::exists(kCases / (name + ".stderr")) ||
                             fs::exists(kCases / (name + ".stdout"));
        if (ext == ".args" || (ext == ".poly" && expects && !fs::exists(kCases / (name + ".args"))))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The words of the command line; names of case files become their paths,
// and out.EXT the output file in the scratch folder.
std::vector<std::string> commandLine(const std::string& name, const std::string& scratch, std::string& out) {
    std::string text = "--convert " + name + ".poly -o out.poly";
    if (fs::exists(kCases / (name + ".args"))) text = tess::test::readFile((kCases / (name + ".args")).string());
    std::vector<std::string> words = tess::test::commandWords(text);
    for (std::string& word : words) {
        if (word.starts_with("out.")) word = out = scratch + "/" + word;
        else if (!word.starts_with("-") && fs::exists(kCases / word)) word = (kCases / word).string();
    }
    return words;
}

class BatchCase : public testing::TestWithParam<std::string> {};

TEST_P(BatchCase, writesWhatTheCaseExpects) {
    const std::string name = GetParam();
    tess::test::TempDir dir;
    std::string outPath;
    const std::vector<std::string> words = commandLine(name, dir.path(), outPath);
    if (!outPath.empty()) tess::test::writeFile(outPath, "previous");

    std::ostringstream out, err;
    auto* savedOut = std::cout.rdbuf(out.rdbuf());
    auto* savedErr = std::cerr.rdbuf(err.rdbuf());
    const int status = tess::runBatch(words);
    std::cout.rdbuf(savedOut);
    std::cerr.rdbuf(savedErr);

    const fs::path expected = kCases / (name + ".expected");
    // TESSALINE_UPDATE_CASES=1 writes what the runs wrote as the expected
    // files: read every change with git diff before committing it.
    if (fs::exists(expected) && std::getenv("TESSALINE_UPDATE_CASES")) {
        tess::test::writeFile(expected.string(), tess::test::readFile(outPath));
    }
    const fs::path printed = kCases / (name + ".stdout"), statusFile = kCases / (name + ".status");
    const int wanted = fs::exists(statusFile) ? std::stoi(tess::test::readFile(statusFile.string()))
                                              : fs::exists(expected) || fs::exists(printed) ? 0 : 1;
    EXPECT_EQ(wanted, status) << err.str();
    if (fs::exists(printed)) {
        EXPECT_EQ(tess::test::readFile(printed.string()), out.str());
    }
    if (fs::exists(expected)) {
        EXPECT_EQ(tess::test::readFile(expected.string()), tess::test::readFile(outPath));
    } else if (!outPath.empty() && wanted != 0) {
        EXPECT_EQ("previous", tess::test::readFile(outPath));
    }
    if (!fs::exists(kCases / (name + ".stderr"))) return;
    std::istringstream told(tess::test::readFile((kCases / (name + ".stderr")).string()));
    for (std::string line; std::getline(told, line);) EXPECT_NE(std::string::npos, err.str().find(line)) << err.str();
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchCase, testing::ValuesIn(caseNames()),
                         [](const auto& info) { return tess::test::asTestName(info.param); });

}  // namespace
