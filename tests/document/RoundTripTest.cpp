// Every real file in tests/data, opened and saved, reads back with the
// same title, the same rings and holes, and the same vertices; with every
// ring committed (rewritten in the editor's own number form) the vertices
// stay equal to 15 significant digits.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "document/Numbers.h"
#include "document/Reader.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "support/StateFixture.h"

using namespace tess;

namespace {

std::vector<std::string> realPolyFiles() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(TESSALINE_TEST_DATA))
        if (e.path().extension() == ".poly" && !e.path().stem().string().starts_with("osmium_missing-end-ring"))
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<double> numbers(std::string_view lines) {
    std::vector<double> out;
    forEachLine(lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        EXPECT_EQ(LineParse::Ok, parseCoordinateLine(line, lon, lat)) << line;
        out.push_back(lon);
        out.push_back(lat);
    });
    return out;
}

void expectSameDocument(const PolyFile& a, const PolyFile& b, double tolerance) {
    std::string titleA = a.title, titleB = b.title;
    upperAscii(titleA);
    upperAscii(titleB);
    EXPECT_EQ(titleA, titleB);
    ASSERT_EQ(a.rings.size(), b.rings.size());
    for (std::size_t k = 0; k < a.rings.size(); ++k) {
        EXPECT_EQ(isHoleName(a.rings[k].name), isHoleName(b.rings[k].name)) << "ring " << k + 1;
        const auto x = numbers(a.rings[k].lines), y = numbers(b.rings[k].lines);
        ASSERT_GE(y.size(), x.size()) << "ring " << k + 1;
        for (std::size_t i = 0; i < x.size(); ++i)
            ASSERT_NEAR(x[i], y[i], tolerance * std::max(1.0, std::fabs(x[i]))) << "ring " << k + 1 << " number " << i;
    }
}

class RealFile : public test::StateTest, public testing::WithParamInterface<std::string> {};

TEST_P(RealFile, savesAndCommitsWithoutLosingAnything) {
    const PolyLoad original = readPolyFile(test::dataFile(GetParam()));
    ASSERT_TRUE(original.ok()) << original.error;
    ASSERT_TRUE(loadpoly(state, test::dataFile(GetParam())));
    ASSERT_TRUE(savepoly(state, temp.file("saved.poly")));
    const PolyLoad saved = readPolyFile(temp.file("saved.poly"));
    ASSERT_TRUE(saved.ok()) << saved.error;
    expectSameDocument(original.file, saved.file, 0);

    for (int k = 0; k < state.doc.ringCount(); ++k) {
        loaddt(state, k);
        if (state.doc.lastPoint >= 1) {
            ASSERT_TRUE(savecurpoly(state));
        }
    }
    ASSERT_TRUE(savepoly(state, temp.file("committed.poly")));
    const PolyLoad committed = readPolyFile(temp.file("committed.poly"));
    ASSERT_TRUE(committed.ok()) << committed.error;
    expectSameDocument(original.file, committed.file, 1e-14);
    EXPECT_TRUE(platform.shown.empty()) << platform.last();
}

INSTANTIATE_TEST_SUITE_P(Data, RealFile, testing::ValuesIn(realPolyFiles()), [](const auto& info) {
    std::string n = info.param;
    std::replace_if(n.begin(), n.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return n;
});

}  // namespace
