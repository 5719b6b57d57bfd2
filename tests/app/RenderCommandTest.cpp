// tessaline --render from outside: exit status, picture written, messages
// on standard error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Files.h"
#include "support/TestFiles.h"

namespace {

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// Each run gets a scratch folder for its picture and its standard error.
class RenderCommand : public testing::Test {
protected:
    // Runs the program with these arguments and returns its exit status.
    int render(const std::string& arguments) {
        const std::string command = "QT_QPA_PLATFORM=offscreen '" + std::string(TESSALINE_BINARY) + "' --render " +
                                    arguments + " 2>" + quoted(dir.file("err"));
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Renders a file of tests/data into x.png with the extra options.
    int renderData(const std::string& dataName, const std::string& options = "") {
        return render(quoted(tess::test::dataFile(dataName)) + " -o " + quoted(picture()) + options);
    }
    std::string picture() const { return dir.file("x.png"); }
    std::string errors() const { return tess::test::readFile(dir.file("err")); }

    tess::test::TempDir dir;
};

}  // namespace

TEST_F(RenderCommand, DrawsTheFirstRingIntoAPicture) {
    EXPECT_EQ(renderData("osmium_berlin.poly"), 0);
    EXPECT_EQ(tess::test::readFile(picture()).substr(1, 3), "PNG");
}

TEST_F(RenderCommand, TheWholeWindowAndAChosenRingAndSizeAreAccepted) {
    EXPECT_EQ(renderData("osmium_polygon-outer-inner.poly", " --ring 2 --size 300x200 --window"), 0);
    EXPECT_TRUE(tess::fileExists(picture()));
}

TEST_F(RenderCommand, AMissingFileFailsWithTheMessage) {
    EXPECT_NE(render(quoted(dir.file("gone.poly")) + " -o " + quoted(picture())), 0);
    EXPECT_NE(errors().find("Cannot open file."), std::string::npos);
    EXPECT_FALSE(tess::fileExists(picture()));
}

TEST_F(RenderCommand, ARingBeyondTheFileFails) {
    EXPECT_NE(renderData("osmium_berlin.poly", " --ring 7"), 0);
}

TEST_F(RenderCommand, WrongArgumentsShowTheUsage) {
    EXPECT_EQ(render("--size 3 " + quoted(dir.file("a.poly"))), 2);
    EXPECT_NE(errors().find("usage:"), std::string::npos);
}

TEST_F(RenderCommand, EditModeOfARingTooLargeToEditFails) {
    EXPECT_NE(renderData("mapsforge_siberian-federal-district.poly", " --edit"), 0);
    EXPECT_NE(errors().find("Too many nodes to edit"), std::string::npos);
}

TEST_F(RenderCommand, EditModeOfASmallRingDrawsItsHandles) {
    EXPECT_EQ(renderData("osmium_berlin.poly", " --edit"), 0);
}
