// File › Import OSM Boundary… on the state, with the person's answers
// scripted: what replaces the document, and what leaves it as it was.
#include <gtest/gtest.h>

#include <deque>

#include "osm/OplFiles.h"
#include "platform/Messages.h"
#include "session/Opening.h"
#include "support/StateFixture.h"
#include "tools/BoundaryImport.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kTwoRelations =
    "n1 v1 x13.0 y52.0\nn2 v1 x13.1 y52.0\nn3 v1 x13.1 y52.1\nn4 v1 x13.0 y52.1\n"
    "n5 v1 x14.0 y52.0\nn6 v1 x15.0 y52.0\nn7 v1 x15.0 y53.0\nn8 v1 x14.0 y53.0\n"
    "n9 v1 x14.4 y52.4\nn10 v1 x14.6 y52.4\nn11 v1 x14.6 y52.6\nn12 v1 x14.4 y52.6\n"
    "w1 v1 T Nn1,n2,n3,n4,n1\nw2 v1 T Nn5,n6,n7,n8,n5\nw3 v1 T Nn9,n10,n11,n12,n9\n"
    "r7 v1 Ttype=boundary,admin_level=8,name=Small Mw1@outer\n"
    "r8 v1 Ttype=multipolygon,name=Large Mw2@outer,w3@inner\n";

// r9 lacks way 5: only its island w4 closes.
const std::string kCutOff =
    "n1 v1 x13.0 y52.0\nn2 v1 x13.1 y52.0\nn3 v1 x13.1 y52.1\nn4 v1 x13.0 y52.1\n"
    "n5 v1 x14.0 y52.0\nn6 v1 x14.5 y52.0\nn7 v1 x14.5 y52.5\n"
    "w4 v1 T Nn1,n2,n3,n4,n1\nw6 v1 T Nn5,n6,n7\n"
    "r9 v1 Ttype=boundary,name=Cut Mw4@outer,w5@outer,w6@outer\n";

// Answers as a script: the relations to choose, and a pass to cancel.
class ScriptedChoices : public BoundaryChoices {
public:
    std::vector<std::int64_t> chosen;
    int cancelInWork = -1;  // the pass (0 listing, 1 assembling) whose progress says stop
    std::vector<std::string> captions;
    std::vector<Boundary> offered;
    std::vector<OutlinePlace> listed;
    int placeToShow = -1;

    void beginWork(const std::string& caption) override { captions.push_back(caption); }
    bool working(std::uint64_t done, std::uint64_t total) override {
        EXPECT_LE(done, total);
        return static_cast<int>(captions.size()) - 1 != cancelInWork;
    }
    void endWork() override {}
    std::vector<std::int64_t> choose(const std::vector<Boundary>& found) override {
        offered = found;
        return chosen;
    }
    void listProblems(const std::vector<OutlinePlace>& places, const std::function<void(const OutlinePlace&)>& show) override {
        listed = places;
        if (placeToShow >= 0) show(places[static_cast<std::size_t>(placeToShow)]);
    }
};

class BoundaryImport : public StateTest {
protected:
    void runImport(const std::string& pbf) {
        platform.dialogResults.push_back(pbf);
        importOsmBoundaryCommand(state, choices, [&] { ++refreshes; });
    }
    void openSquareFirst() {
        const std::string poly = file("mine.poly", "Mine\n1\n   1.0 1.0\n   2.0 1.0\n   2.0 2.0\n   1.0 1.0\nEND\nEND\n");
        ASSERT_TRUE(openDocumentFile(state, poly));
    }

    ScriptedChoices choices;
    int refreshes = 0;
};

TEST_F(BoundaryImport, ChosenRelationsBecomeOneUnsavedDocumentLargestRingFirst) {
    choices.chosen = {7, 8};
    runImport(pbfFile(temp, "two", kTwoRelations));
    ASSERT_EQ(choices.offered.size(), 2u);
    EXPECT_EQ(choices.offered[0].name, "Small");
    EXPECT_EQ(choices.offered[1].adminLevel, "");
    EXPECT_EQ(choices.captions, (std::vector<std::string>{kListingBoundaries, kAssemblingOutlines}));
    EXPECT_EQ(state.doc.content.title, "Small; Large");
    ASSERT_EQ(state.doc.ringCount(), 3);
    EXPECT_EQ(state.doc.content.rings[0].name, "1");
    EXPECT_EQ(state.doc.content.rings[0].facts.minLon, 14.0);
    EXPECT_EQ(state.doc.content.rings[1].name, "!2");
    EXPECT_EQ(state.doc.content.rings[2].facts.maxLon, 13.1);
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ(state.doc.fileName, temp.file("two.poly"));
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BoundaryImport, UnsavedChangesAreAskedAboutBeforeTheFileDialog) {
    state.doc.modified = true;
    platform.answers.push_back(Answer::No);
    importOsmBoundaryCommand(state, choices, [] {});
    EXPECT_EQ(platform.shown, std::vector<std::string>{kChangesNotSaved});
    EXPECT_TRUE(choices.captions.empty());
}

TEST_F(BoundaryImport, CancellingEitherPassLeavesTheDocument) {
    openSquareFirst();
    const std::string pbf = pbfFile(temp, "two", kTwoRelations);
    for (int pass : {0, 1}) {
        choices = ScriptedChoices{};
        choices.chosen = {8};
        choices.cancelInWork = pass;
        runImport(pbf);
        EXPECT_EQ(state.doc.content.title, "Mine");
        EXPECT_FALSE(state.doc.modified);
        EXPECT_EQ(choices.offered.empty(), pass == 0);
    }
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BoundaryImport, ChoosingNothingLeavesTheDocument) {
    openSquareFirst();
    runImport(pbfFile(temp, "two", kTwoRelations));
    EXPECT_EQ(choices.captions.size(), 1u);
    EXPECT_EQ(state.doc.content.title, "Mine");
}

TEST_F(BoundaryImport, AnIncompleteRelationIsNamedAndImportedInPartOnlyAfterAYes) {
    openSquareFirst();
    const std::string pbf = pbfFile(temp, "cut", kCutOff);
    const std::string question =
        "Relation 9 (Cut) is incomplete: 1 member way is missing from this file\n\n" + std::string(kImportClosingRings);
    choices.chosen = {9};
    platform.answers.push_back(Answer::No);
    runImport(pbf);
    EXPECT_EQ(platform.shown, std::vector<std::string>{question});
    EXPECT_EQ(state.doc.content.title, "Mine");

    platform.answers.push_back(Answer::Yes);
    choices.placeToShow = 1;
    runImport(pbf);
    EXPECT_EQ(state.doc.content.title, "Cut");
    ASSERT_EQ(state.doc.ringCount(), 1);
    EXPECT_EQ(state.doc.content.rings[0].facts.maxLat, 52.1);
    ASSERT_EQ(choices.listed.size(), 2u);
    EXPECT_EQ(choices.listed[0].text, "Open end at 14.0 52.0 (way 6)");
    // The chosen place is in view, as Check Document shows its places.
    EXPECT_LE(state.view.minLon, 14.5f);
    EXPECT_GE(state.view.maxLon, 14.5f);
    EXPECT_LE(state.view.minLat, 52.5f);
    EXPECT_GE(state.view.maxLat, 52.5f);
    EXPECT_LT(state.view.maxLon - state.view.minLon, 0.1f);
    EXPECT_GE(refreshes, 2);
}

TEST_F(BoundaryImport, AFileWithoutBoundariesOrNotOsmAtAllIsToldAndChangesNothing) {
    openSquareFirst();
    runImport(pbfFile(temp, "nodes", "n1 v1 x1 y1\n"));
    EXPECT_EQ(platform.last(), kNoBoundaries);
    const std::string text = file("text.osm.pbf", "not a protocol buffer");
    runImport(text);
    EXPECT_TRUE(platform.last().starts_with(text + "\r\n\r\n" + kNotOsmData)) << platform.last();
    EXPECT_EQ(state.doc.content.title, "Mine");
    EXPECT_TRUE(choices.offered.empty());
}

}  // namespace
