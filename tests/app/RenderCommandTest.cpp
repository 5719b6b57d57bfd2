// tessaline --render from outside: exit status, picture written, messages
// on standard error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Files.h"
#include "support/TestFiles.h"

namespace {

int render(const std::string& arguments, const std::string& errFile) {
    const std::string command =
        "QT_QPA_PLATFORM=offscreen '" + std::string(TESSALINE_BINARY) + "' --render " + arguments + " 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace

TEST(RenderCommand, DrawsTheFirstRingIntoAPicture) {
    tess::test::TempDir dir;
    const std::string out = dir.file("berlin.png");
    EXPECT_EQ(render(quoted(tess::test::dataFile("osmium_berlin.poly")) + " -o " + quoted(out), dir.file("err")), 0);
    EXPECT_EQ(tess::test::readFile(out).substr(1, 3), "PNG");
}

TEST(RenderCommand, TheWholeWindowAndAChosenRingAndSizeAreAccepted) {
    tess::test::TempDir dir;
    const std::string out = dir.file("w.png");
    EXPECT_EQ(render(quoted(tess::test::dataFile("osmium_polygon-outer-inner.poly")) + " -o " + quoted(out) +
                         " --ring 2 --size 300x200 --window",
                     dir.file("err")),
              0);
    EXPECT_TRUE(tess::fileExists(out));
}

TEST(RenderCommand, AMissingFileFailsWithTheMessage) {
    tess::test::TempDir dir;
    EXPECT_NE(render(quoted(dir.file("gone.poly")) + " -o " + quoted(dir.file("x.png")), dir.file("err")), 0);
    EXPECT_NE(tess::test::readFile(dir.file("err")).find("Cannot open file."), std::string::npos);
    EXPECT_FALSE(tess::fileExists(dir.file("x.png")));
}

TEST(RenderCommand, ARingBeyondTheFileFails) {
    tess::test::TempDir dir;
    EXPECT_NE(render(quoted(tess::test::dataFile("osmium_berlin.poly")) + " -o " + quoted(dir.file("x.png")) +
                         " --ring 7",
                     dir.file("err")),
              0);
}

TEST(RenderCommand, WrongArgumentsShowTheUsage) {
    tess::test::TempDir dir;
    EXPECT_EQ(render("--size 3 " + quoted(dir.file("a.poly")), dir.file("err")), 2);
    EXPECT_NE(tess::test::readFile(dir.file("err")).find("usage:"), std::string::npos);
}

TEST(RenderCommand, EditModeOfARingTooLargeToEditFails) {
    tess::test::TempDir dir;
    EXPECT_NE(render(quoted(tess::test::dataFile("mapsforge_siberian-federal-district.poly")) + " -o " +
                         quoted(dir.file("x.png")) + " --edit",
                     dir.file("err")),
              0);
    EXPECT_NE(tess::test::readFile(dir.file("err")).find("Too many nodes to edit"), std::string::npos);
}

TEST(RenderCommand, EditModeOfASmallRingDrawsItsHandles) {
    tess::test::TempDir dir;
    EXPECT_EQ(render(quoted(tess::test::dataFile("osmium_berlin.poly")) + " -o " + quoted(dir.file("x.png")) +
                         " --edit",
                     dir.file("err")),
              0);
}
