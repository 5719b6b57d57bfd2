// Where the working files go: the folder "system" beside the program when it can be written, else the
// per-user data folder (an installed program cannot write beside itself); and what a killed process left.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"
#include "platform/WorkingFolder.h"
#include "support/TestFiles.h"

using namespace tess;
namespace fs = std::filesystem;

class WorkingFolderTest : public testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_DATA_HOME", userData.path().c_str(), 1); ::setenv("HOME", home.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_DATA_HOME"); ::setenv("HOME", oldHome.c_str(), 1); }
    static void leave(const fs::path& path, int minutesAgo) {
        test::writeFile(path, "x");
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(minutesAgo));
    }
    test::TempDir program, userData, home, programBesideAFile;  // userData is $XDG_DATA_HOME, home $HOME
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
};

TEST_F(WorkingFolderTest, TheSystemFolderBesideTheProgramWhenItCanBeWrittenElseTheUserDataFolder) {
    for (int call = 0; call < 2; ++call)  // made, then kept
        EXPECT_EQ(chooseSystemDir(program.path()), program.file("system"));
    test::writeFile(programBesideAFile.file("system"), "not a folder");
    // /proc takes no new folders, not even from root: it stands for /usr/bin.
    for (const std::string& exeDir : {std::string("/proc"), programBesideAFile.path(), program.file("system/x")})
        EXPECT_EQ(chooseSystemDir(exeDir), userData.file("tessaline")) << exeDir;
    EXPECT_TRUE(folderExists(userData.file("tessaline")));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(chooseSystemDir("/proc"), home.file(".local/share/tessaline"));
}

TEST_F(WorkingFolderTest, LeftoversAreClearedButNotASettingsWriteThatMayStillBeRunning) {
    AtomicFile abandoned(program.file("tessaline.dat"));  // the folder's one file is its temporary file
    const fs::path temporary = fs::directory_iterator(program.path())->path();
    leave(temporary, 2);
    struct Case { const char* name; int minutesAgo; bool kept; };
    const Case cases[] = {{"tmpfl", 0, false}, {"tmp.poly", 0, false}, {".tessaline.dat.Ab12Cd", 0, true},
                          {"tessaline.dat", 9, true}, {".tessaline.dat.Ab1", 9, true}, {".tmpfl.Ab12Cd", 9, true}};
    for (const Case& c : cases) leave(program.file(c.name), c.minutesAgo);
    clearLeftovers(program.path());
    for (const Case& c : cases) EXPECT_EQ(fs::exists(program.file(c.name)), c.kept) << c.name;
    EXPECT_FALSE(fs::exists(temporary));
}
