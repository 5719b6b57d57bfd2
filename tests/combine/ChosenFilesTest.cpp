// The chosen-files list of the combine window: adding once, the
// contained-name rule, and taking entries out again.
#include <gtest/gtest.h>

#include "combine/ChosenFiles.h"

namespace tess {
namespace {

TEST(ChosenFiles, AddingTheSameFileTwiceAddsItOnce) {
    ChosenFiles chosen;
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "a.poly"));
    EXPECT_FALSE(addChosenFile(chosen, "/maps", "a.poly"));
    EXPECT_EQ(chosen.paths, std::vector<std::string>{"/maps/a.poly"});
    EXPECT_EQ(chosen.addedNames, "a.poly");
}

TEST(ChosenFiles, ANameContainedInAnEarlierNameIsRefused) {
    ChosenFiles chosen;
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "ab.poly"));
    EXPECT_FALSE(addChosenFile(chosen, "/other", "b.poly"));
    EXPECT_EQ(chosen.paths.size(), 1u);
}

TEST(ChosenFiles, TheSameNameFromAnotherFolderIsRefused) {
    ChosenFiles chosen;
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "a.poly"));
    EXPECT_FALSE(addChosenFile(chosen, "/other", "a.poly"));
}

TEST(ChosenFiles, ALongerNameAddedAfterAShorterOneIsAccepted) {
    ChosenFiles chosen;
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "b.poly"));
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "ab.poly"));
    EXPECT_EQ(chosen.addedNames, "b.polyab.poly");
    EXPECT_EQ(chosen.paths, (std::vector<std::string>{"/maps/b.poly", "/maps/ab.poly"}));
}

TEST(ChosenFiles, AnEmptyNameIsRefused) {
    EXPECT_FALSE(mayAdd("", ""));
    EXPECT_TRUE(mayAdd("", "a.poly"));
}

TEST(ChosenFiles, RemoveTakesTheEntriesAndTheirNamesOut) {
    ChosenFiles chosen;
    addChosenFile(chosen, "/maps", "a.poly");
    addChosenFile(chosen, "/maps", "b.poly");
    addChosenFile(chosen, "/maps", "c.poly");
    removeChosenFiles(chosen, {2, 0});
    EXPECT_EQ(chosen.paths, std::vector<std::string>{"/maps/b.poly"});
    EXPECT_EQ(chosen.addedNames, "b.poly");
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "a.poly"));
}

TEST(ChosenFiles, RemovingALongNameLetsAContainedNameBeAdded) {
    ChosenFiles chosen;
    addChosenFile(chosen, "/maps", "ab.poly");
    addChosenFile(chosen, "/maps", "c.poly");
    removeChosenFiles(chosen, {0});
    EXPECT_EQ(chosen.addedNames, "c.poly");
    EXPECT_TRUE(addChosenFile(chosen, "/maps", "b.poly"));
}

TEST(ChosenFiles, RemoveIgnoresIndicesOutOfRangeAndRepeats) {
    ChosenFiles chosen;
    addChosenFile(chosen, "/maps", "a.poly");
    addChosenFile(chosen, "/maps", "b.poly");
    removeChosenFiles(chosen, {-1, 5, 1, 1});
    EXPECT_EQ(chosen.paths, std::vector<std::string>{"/maps/a.poly"});
    EXPECT_EQ(chosen.addedNames, "a.poly");
}

}  // namespace
}  // namespace tess
