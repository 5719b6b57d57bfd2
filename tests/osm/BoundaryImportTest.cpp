// File › Import OSM Boundary… on the state, with the person's answers
// scripted: what replaces the document, and what leaves it as it was.
// The files are the cases of OsmCasesTest.
#include <gtest/gtest.h>

#include "osm/OplFiles.h"
#include "platform/Messages.h"
#include "session/Opening.h"
#include "support/StateFixture.h"
#include "tools/BoundaryImport.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kCases = std::string(TESSALINE_TEST_DATA) + "/../osm/cases/";

// Answers as a script: the relations to choose, and a pass to cancel.
struct ScriptedChoices : BoundaryChoices {
    std::vector<std::int64_t> chosen;
    int cancelInWork = -1;  // the pass (0 listing, 1 assembling) whose progress says stop
    std::vector<std::string> captions;
    std::vector<Boundary> offered;
    std::vector<OutlinePlace> listed;

    void beginWork(const std::string& caption) override { captions.push_back(caption); }
    bool working(std::uint64_t, std::uint64_t) override { return static_cast<int>(captions.size()) - 1 != cancelInWork; }
    void endWork() override {}
    std::vector<std::int64_t> choose(const std::vector<Boundary>& found) override {
        offered = found;
        return chosen;
    }
    void listProblems(const std::vector<OutlinePlace>& places, const std::function<void(const OutlinePlace&)>& show) override {
        listed = places;
        show(places.back());
    }
};

class BoundaryImport : public StateTest {
protected:
    void runImport(const std::string& caseName) {
        const std::string pbf = temp.file(caseName + ".osm.pbf");
        oplToPbf(kCases + caseName + ".opl", pbf);
        platform.dialogResults.push_back(pbf);
        importOsmBoundaryCommand(state, choices, [] {});
    }
    void openSquareFirst() {
        ASSERT_TRUE(openDocumentFile(state, file("mine.poly", "Mine\n1\n   1.0 1.0\n   2.0 1.0\n   2.0 2.0\n   1.0 1.0\nEND\nEND\n")));
    }

    ScriptedChoices choices;
};

TEST_F(BoundaryImport, ChosenRelationsBecomeOneUnsavedDocumentLargestRingFirst) {
    choices.chosen = {7, 8};
    runImport("two-relations");
    ASSERT_EQ(choices.offered.size(), 2u);
    EXPECT_EQ(choices.offered[0].kind + "|" + choices.offered[1].kind, "administrative|");
    EXPECT_EQ(choices.captions, (std::vector<std::string>{kListingBoundaries, kAssemblingOutlines}));
    EXPECT_EQ(state.doc.content.title, "Small; Large");
    ASSERT_EQ(state.doc.ringCount(), 3);
    EXPECT_EQ(state.doc.content.rings[1].name, "!2");
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ(state.doc.fileName, temp.file("two-relations.poly"));
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BoundaryImport, UnsavedChangesAreAskedAboutBeforeTheFileDialog) {
    state.doc.modified = true;
    platform.answers.push_back(Answer::No);
    importOsmBoundaryCommand(state, choices, [] {});
    EXPECT_EQ(platform.shown, std::vector<std::string>{kChangesNotSaved});
    EXPECT_TRUE(choices.captions.empty());
}

TEST_F(BoundaryImport, CancellingEitherPassOrChoosingNothingLeavesTheDocument) {
    openSquareFirst();
    for (int pass : {0, 1, 2}) {
        choices = ScriptedChoices{};
        if (pass < 2) choices.chosen = {8};
        choices.cancelInWork = pass;
        runImport("two-relations");
        EXPECT_EQ(state.doc.content.title, "Mine");
        EXPECT_FALSE(state.doc.modified);
        EXPECT_EQ(choices.offered.empty(), pass == 0);
    }
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BoundaryImport, AnIncompleteRelationIsNamedAndImportedInPartOnlyAfterAYes) {
    openSquareFirst();
    choices.chosen = {62422};
    platform.answers.push_back(Answer::No);
    runImport("missing-way");
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Relation 62422 (Berlin) is incomplete: 1 member way is missing "
                                                        "from this file\n\n" + std::string(kImportClosingRings)});
    EXPECT_EQ(state.doc.content.title, "Mine");

    platform.answers.push_back(Answer::Yes);
    runImport("missing-way");
    EXPECT_EQ(state.doc.content.title, "Berlin");
    ASSERT_EQ(state.doc.ringCount(), 1);
    ASSERT_EQ(choices.listed.size(), 2u);
    EXPECT_EQ(choices.listed[0].text, "Open end at 13.0 52.0 (way 10)");
    // The place chosen is in the middle of the view, as Check Document shows its places.
    EXPECT_NEAR((state.view.minLon + state.view.maxLon) / 2, 13.2f, 1e-4);
    EXPECT_NEAR((state.view.minLat + state.view.maxLat) / 2, 52.2f, 1e-4);
    EXPECT_LT(state.view.maxLon - state.view.minLon, 0.1f);
}

TEST_F(BoundaryImport, AFileWithoutBoundariesOrNotOsmAtAllIsTold) {
    platform.dialogResults.push_back(file("nodes.opl", "n1 v1 x1 y1\n"));
    importOsmBoundaryCommand(state, choices, [] {});
    EXPECT_EQ(platform.last(), kNoBoundaries);
    platform.dialogResults.push_back(file("text.osm.pbf", "not a protocol buffer"));
    importOsmBoundaryCommand(state, choices, [] {});
    EXPECT_TRUE(platform.last().starts_with(kNotOsmData)) << platform.last();
    EXPECT_NE(platform.last().find("\r\n" + temp.file("text.osm.pbf")), std::string::npos);
    EXPECT_TRUE(choices.offered.empty());
}

}  // namespace
