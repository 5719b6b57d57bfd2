// Where the working files go: the folder "system" beside the program when
// it can be written, else the per-user data folder (an installed program
// under /usr cannot write beside itself).
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/Files.h"
#include "platform/WorkingFolder.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

// Sets an environment variable (or removes it) for one test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value->c_str(), 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class WorkingFolderTest : public ::testing::Test {
protected:
    test::TempDir program;   // the folder the executable lies in
    test::TempDir userData;  // stands for $XDG_DATA_HOME
    ScopedEnv xdg{"XDG_DATA_HOME", userData.path()};
};

}  // namespace

TEST_F(WorkingFolderTest, AWritableProgramFolderGetsItsSystemFolderCreated) {
    EXPECT_EQ(chooseSystemDir(program.path()), program.file("system"));
    EXPECT_TRUE(folderExists(program.file("system")));
    EXPECT_EQ(test::filesIn(userData.path()), 0u);
}

TEST_F(WorkingFolderTest, AnExistingSystemFolderBesideTheProgramIsKept) {
    ASSERT_TRUE(makeFolder(program.file("system")));
    test::writeFile(program.file("system/tessaline.dat"), "settings");
    EXPECT_EQ(chooseSystemDir(program.path()), program.file("system"));
    EXPECT_EQ(test::readFile(program.file("system/tessaline.dat")), "settings");
}

// /proc takes no new folders, not even from root, so it stands for a
// program folder under /usr that the user may not write.
TEST_F(WorkingFolderTest, AProgramFolderThatCannotBeWrittenSendsTheFilesToTheUserDataFolder) {
    const std::string chosen = chooseSystemDir("/proc");
    EXPECT_EQ(chosen, userData.file("tessaline"));
    EXPECT_TRUE(folderExists(chosen));
    EXPECT_FALSE(folderExists("/proc/system"));
}

TEST_F(WorkingFolderTest, WithoutXdgDataHomeTheUserDataFolderIsUnderHome) {
    test::TempDir home;
    ScopedEnv noXdg("XDG_DATA_HOME", std::nullopt);
    ScopedEnv homeEnv("HOME", home.path());
    const std::string chosen = chooseSystemDir("/proc");
    EXPECT_EQ(chosen, home.file(".local/share/tessaline"));
    EXPECT_TRUE(folderExists(chosen));
}

TEST_F(WorkingFolderTest, AnEmptyXdgDataHomeCountsAsUnset) {
    test::TempDir home;
    ScopedEnv emptyXdg("XDG_DATA_HOME", std::string());
    ScopedEnv homeEnv("HOME", home.path());
    EXPECT_EQ(chooseSystemDir("/proc"), home.file(".local/share/tessaline"));
}

TEST_F(WorkingFolderTest, AFileNamedSystemBesideTheProgramIsLeftAlone) {
    test::writeFile(program.file("system"), "not a folder");
    EXPECT_EQ(chooseSystemDir(program.path()), userData.file("tessaline"));
    EXPECT_EQ(test::readFile(program.file("system")), "not a folder");
}

TEST_F(WorkingFolderTest, AProgramPathThatIsNoFolderSendsTheFilesToTheUserDataFolder) {
    test::writeFile(program.file("tessaline"), "");
    EXPECT_EQ(chooseSystemDir(program.file("tessaline")), userData.file("tessaline"));
}
