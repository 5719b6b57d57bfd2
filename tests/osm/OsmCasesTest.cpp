// Boundaries as cases: every tests/osm/cases/NAME.opl, made .osm.pbf by libosmium's writer and
// imported whole (as --convert does) and with the rings that close, as tests/README.md describes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "formats/DocumentFormats.h"
#include "osm/OplFiles.h"
#include "osm/OsmImport.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(TESSALINE_TEST_DATA).parent_path() / "osm" / "cases";

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(kCases))
        if (e.path().extension() == ".opl") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string caseFile(const std::string& name, const std::string& ending) {
    const fs::path path = kCases / (name + ending);
    return fs::exists(path) ? tess::test::readFile(path.string()) : std::string();
}

std::vector<std::int64_t> relationIds(const std::string& text) {
    std::vector<std::int64_t> ids;
    std::istringstream in(text);
    for (std::int64_t id; in >> id;) ids.push_back(id);
    return ids;
}

std::string polyText(const tess::PolyFile& file) {
    std::string text;
    tess::polyFormat().write({file.title, file.rings, file.frame}, 0, [&](std::string_view piece) { text += piece; });
    return text;
}

std::string toldLines(const tess::BoundaryImport& import) {
    std::string text;
    for (const auto& line : import.incomplete) text += line + "\n";
    for (const auto& line : import.notes) text += line + "\n";
    for (const auto& place : import.problems) text += place.text + "\n";
    return text;
}

class OsmCase : public testing::TestWithParam<std::string> {};

TEST_P(OsmCase, ImportsTheOutlineItsFilesExpect) {
    const std::string name = GetParam();
    tess::test::TempDir scratch;
    const std::string pbf = scratch.file(name + ".osm.pbf");
    tess::test::oplToPbf((kCases / (name + ".opl")).string(), pbf);
    const std::vector<std::int64_t> ids = relationIds(caseFile(name, ".relations"));

    const tess::BoundaryImport whole = tess::importBoundaries(pbf, ids, false);
    EXPECT_EQ(whole.error + (whole.error.empty() ? "" : "\n"), caseFile(name, ".error"));
    const tess::BoundaryImport partial = tess::importBoundaries(pbf, ids, true);
    EXPECT_EQ(partial.ok() ? polyText(partial.file) : partial.error + "\n", caseFile(name, ".expected"));
    EXPECT_EQ(toldLines(partial), caseFile(name, ".notes"));
}

INSTANTIATE_TEST_SUITE_P(Files, OsmCase, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
