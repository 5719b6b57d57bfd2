// What a save promises, over every real .poly file in tests/data and over
// generated texts of every shape the reader meets:
// - open and save writes the same bytes, but for the repairs the save
//   names (a vertex line indented or given a period, a number line before
//   a ring that had none, an END that was missing);
// - what is read back holds every ring with the same vertices, in order,
//   the same holes and the same names;
// - moving one vertex changes that vertex's line and no other;
// - committing every ring (the editor's own number form) keeps every
//   vertex to 15 significant digits;
// - combining the files keeps all their vertices and names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "combine/Merge.h"
#include "document/LoadedRing.h"
#include "document/Reader.h"
#include "editing/DocumentChanges.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "support/PolyTexts.h"
#include "support/StateFixture.h"

using namespace tess;

namespace {

using Ring = std::vector<std::pair<double, double>>;

Ring verticesOf(const RingText& ring) {
    Ring out;
    forEachLine(ring.lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        if (readRingLine(line, lon, lat) == LineKind::Vertex) out.emplace_back(lon, lat);
    });
    return out;
}

struct Line {
    std::string text, end;
};

std::vector<Line> linesOf(const std::string& text) {
    std::vector<Line> lines;
    forEachLineWithEnd(text, [&](std::string_view line, std::string_view end) {
        lines.push_back({std::string(line), std::string(end)});
    });
    return lines;
}

bool isAddedLine(const std::string& line) {
    return line == "END" || (!line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

// The lines the save changed, each of them a repair: a line in its written
// form, or an END or number line added. Fails the test on any other change.
std::int64_t repairsBetween(const std::string& original, const std::string& saved) {
    const std::vector<Line> a = linesOf(original), b = linesOf(saved);
    std::int64_t repairs = 0;
    std::size_t i = 0, j = 0;
    while (j < b.size()) {
        std::string repaired;
        if (i < a.size() && a[i].text == b[j].text) {
            // Only a last line without an end may gain one.
            EXPECT_TRUE(a[i].end == b[j].end || (a[i].end.empty() && i + 1 == a.size())) << "line " << i + 1;
            ++i, ++j;
        } else if (i < a.size() && appendRepairedVertexLine(repaired, a[i].text) && repaired == b[j].text) {
            ++repairs, ++i, ++j;
        } else if (isAddedLine(b[j].text)) {
            ++repairs, ++j;
        } else {
            ADD_FAILURE() << "line " << i + 1 << " '" << (i < a.size() ? a[i].text : "") << "' became '" << b[j].text << "'";
            return repairs;
        }
    }
    EXPECT_EQ(a.size(), i) << "lines were lost";
    return repairs;
}

std::int64_t reportedRepairs(const std::string& notice) { return notice.empty() ? 0 : std::stoll(notice); }

void expectSameRings(const PolyFile& a, const PolyFile& b) {
    ASSERT_EQ(a.rings.size(), b.rings.size());
    for (std::size_t k = 0; k < a.rings.size(); ++k) {
        EXPECT_EQ(verticesOf(a.rings[k]), verticesOf(b.rings[k])) << "ring " << k + 1;
        EXPECT_EQ(isHoleName(a.rings[k].name), isHoleName(b.rings[k].name)) << "ring " << k + 1;
        EXPECT_EQ(shownName(a.rings[k]), shownName(b.rings[k])) << "ring " << k + 1;
    }
}

// The lines of two texts that differ, when both have as many.
std::vector<std::size_t> changedLines(const std::string& a, const std::string& b) {
    const std::vector<Line> x = linesOf(a), y = linesOf(b);
    EXPECT_EQ(x.size(), y.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i)
        if (x[i].text != y[i].text || x[i].end != y[i].end) changed.push_back(i);
    return changed;
}

class SaveKeepsTheFile : public test::StateTest {
protected:
    void checkFile(const std::string& path) {
        const std::string original = test::readFile(path);
        const PolyLoad read = readPolyFile(path);
        if (!read.ok()) return;  // refused files are the reading cases' business
        ASSERT_TRUE(openDocumentFile(state, path));
        const std::string out = temp.file("saved.poly");
        ASSERT_TRUE(saveDocumentTo(state.doc, state.platform, out));
        const std::string saved = test::readFile(out);
        EXPECT_EQ(reportedRepairs(state.doc.saveNotice), repairsBetween(original, saved));
        const PolyLoad back = readPolyFile(out);
        ASSERT_TRUE(back.ok()) << back.error;
        EXPECT_EQ(read.file.title, back.file.title);
        expectSameRings(read.file, back.file);
        // Saved again, nothing more changes.
        ASSERT_TRUE(openDocumentFile(state, out));
        ASSERT_TRUE(saveDocumentTo(state.doc, state.platform, temp.file("again.poly")));
        EXPECT_EQ(saved, test::readFile(temp.file("again.poly")));
        EXPECT_EQ("", state.doc.saveNotice);

        moveOneVertexOfEachRing(out, saved);
        commitEveryRing(out, read.file);
    }

    void moveOneVertexOfEachRing(const std::string& path, const std::string& saved) {
        ASSERT_TRUE(openDocumentFile(state, path));
        const int rings = std::min(state.doc.ringCount(), 12);
        for (int k = 0; k < rings; ++k) {
            ASSERT_TRUE(openDocumentFile(state, path));
            showRing(state, k);
            holdVertices(state.doc.content, state.doc.loaded);
            if (state.doc.loaded.lastPoint < 3) continue;
            const double lon = state.doc.loaded.lon[1], lat = state.doc.loaded.lat[1];
            makeChange(state, moveVertex(state.doc, 1, lon + 0.5, lat - 0.25));
            ASSERT_TRUE(saveDocumentTo(state.doc, state.platform, temp.file("moved.poly")));
            EXPECT_EQ(1u, changedLines(saved, test::readFile(temp.file("moved.poly"))).size()) << "ring " << k + 1;
        }
    }

    void commitEveryRing(const std::string& path, const PolyFile& original) {
        ASSERT_TRUE(openDocumentFile(state, path));
        ASSERT_TRUE(saveDocumentCommittedTo(state.doc, state.platform, temp.file("committed.poly")));
        const PolyLoad committed = readPolyFile(temp.file("committed.poly"));
        ASSERT_TRUE(committed.ok()) << committed.error;
        ASSERT_EQ(original.rings.size(), committed.file.rings.size());
        for (std::size_t k = 0; k < original.rings.size(); ++k) {
            const Ring x = verticesOf(original.rings[k]), y = verticesOf(committed.file.rings[k]);
            ASSERT_GE(y.size(), x.size()) << "ring " << k + 1;
            for (std::size_t i = 0; i < x.size(); ++i) {
                EXPECT_NEAR(x[i].first, y[i].first, 1e-14 * std::max(1.0, std::fabs(x[i].first)));
                EXPECT_NEAR(x[i].second, y[i].second, 1e-14 * std::max(1.0, std::fabs(x[i].second)));
            }
        }
    }
};

class RealFile : public SaveKeepsTheFile, public testing::WithParamInterface<std::string> {};

TEST_P(RealFile, isSavedAsItWasReadButForTheNamedRepairs) { checkFile(test::dataFile(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Data, RealFile, testing::ValuesIn(test::realPolyFiles()), [](const auto& info) { return test::asTestName(info.param); });

TEST_F(SaveKeepsTheFile, forGeneratedTextsOfEveryShape) {
    std::mt19937 random(25);
    for (int n = 0; n < 300 && !HasFailure(); ++n) {
        const std::string text = test::randomPolyText(random);
        SCOPED_TRACE(testing::PrintToString(text));
        checkFile(file("generated.poly", text));
    }
}

// Every ring of every real file, in order, with its vertices and name.
TEST(Combine, keepsEveryVertexAndNameOfEveryFile) {
    std::vector<std::string> texts;
    std::vector<RingText> expected;
    for (const std::string& name : test::realPolyFiles()) {
        texts.push_back(test::readFile(test::dataFile(name)));
        const PolyParse parse = parsePolyText(texts.back());
        if (parse.ok()) expected.insert(expected.end(), parse.file.rings.begin(), parse.file.rings.end());
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const PolyParse combined = parsePolyText(mergeTexts(views, "all"));
    ASSERT_TRUE(combined.ok());
    ASSERT_EQ(expected.size(), combined.file.rings.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(verticesOf(expected[k]), verticesOf(combined.file.rings[k])) << "ring " << k + 1;
        EXPECT_EQ(isHoleName(expected[k].name), isHoleName(combined.file.rings[k].name)) << "ring " << k + 1;
        EXPECT_EQ(shownName(expected[k]), shownName(combined.file.rings[k])) << "ring " << k + 1;
    }
}

}  // namespace
