// Reading refuses what is not a regular file without waiting on it;
// writing replaces a file whole, through links, keeping its mode, and
// never replaces a folder, a pipe or a device.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "support/TestFiles.h"

using namespace tess;
namespace fs = std::filesystem;

class FilesTest : public testing::Test {
protected:
    std::string made(const std::string& name, const std::string& content) {
        test::writeFile(temp.file(name), content);
        return temp.file(name);
    }
    std::string fifo(const std::string& name) {
        EXPECT_EQ(::mkfifo(temp.file(name).c_str(), 0600), 0);
        return temp.file(name);
    }
    static auto modeOf(const std::string& path) { return fs::status(path).permissions(); }
    test::TempDir temp;
};

TEST_F(FilesTest, AFolderAPipeAndADeviceAreRefusedAtOnce) {
    for (const std::string& path : {temp.path(), fifo("pipe"), std::string("/dev/zero")}) {
        EXPECT_EQ(readFile(path).error, kNotRegularFile) << path;
        EXPECT_EQ(readWholeFile(path), "") << path;
    }
}

TEST_F(FilesTest, AMissingFileGivesTheSystemsReasonAndARegularFileItsBytes) {
    EXPECT_EQ(readFile(temp.file("missing")).error, "No such file or directory");
    const std::string bytes("a\0\xff\r\n", 5);
    EXPECT_EQ(readFile(made("bytes", bytes)).text, bytes);
    EXPECT_EQ(writeWholeFile("", "text"), "No file name");
}

TEST_F(FilesTest, AChainOfLinksIsWrittenThroughAndStaysAChain) {
    made("real.poly", "old");
    fs::create_symlink("real.poly", temp.file("first"));
    fs::create_symlink(temp.file("first"), temp.file("second"));
    fs::create_symlink("created.poly", temp.file("dangling"));
    EXPECT_EQ(writeWholeFile(temp.file("second"), "new"), "");
    EXPECT_EQ(writeWholeFile(temp.file("dangling"), "made"), "");
    for (const char* link : {"first", "second", "dangling"}) EXPECT_TRUE(fs::is_symlink(temp.file(link))) << link;
    EXPECT_EQ(test::readFile(temp.file("real.poly")), "new");
    EXPECT_EQ(test::readFile(temp.file("created.poly")), "made");
}

TEST_F(FilesTest, ANewFileGetsTheModeTheUmaskAllows) {
    for (const mode_t mask : {0022, 0027, 0077, 0002}) {
        const mode_t old = ::umask(mask);
        const std::string path = temp.file("new" + std::to_string(mask));
        EXPECT_EQ(writeWholeFile(path, "x"), "");
        ::umask(old);
        EXPECT_EQ(modeOf(path), fs::perms(0666 & ~mask)) << std::oct << mask;
    }
}

TEST_F(FilesTest, AReplacedFileKeepsItsMode) {
    const std::string path = made("kept.poly", "old");
    ::chmod(path.c_str(), 0604);
    EXPECT_EQ(writeWholeFile(path, "new"), "");
    EXPECT_EQ(modeOf(path), fs::perms(0604));
}

TEST_F(FilesTest, AFolderOrAPipeIsNeverReplacedNotEvenThroughALink) {
    fs::create_directory(temp.file("folder"));
    fs::create_symlink(fifo("pipe"), temp.file("link"));
    for (const char* name : {"folder", "pipe", "link"}) {
        EXPECT_EQ(writeWholeFile(temp.file(name), "x"), kNotRegularFile) << name;
    }
    EXPECT_TRUE(fs::is_directory(temp.file("folder")));
    EXPECT_TRUE(fs::is_fifo(temp.file("pipe")));
    EXPECT_EQ(test::filesIn(temp.path()), 3u);
}

TEST_F(FilesTest, ANameThatBecomesAPipeDuringTheWriteIsNotReplaced) {
    const std::string path = made("file", "old");
    AtomicFile file(path);
    file.write("new");
    fs::remove(path);
    fifo("file");
    EXPECT_EQ(file.commit(), kNotRegularFile);
    EXPECT_TRUE(fs::is_fifo(path));
    EXPECT_EQ(test::filesIn(temp.path()), 1u);
}

TEST_F(FilesTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string path = made("full.poly", "old content");
    {
        test::FileSizeLimit diskFull(1000);
        EXPECT_EQ(writeWholeFile(path, std::string(5000, 'x')), "File too large");
    }
    EXPECT_EQ(test::readFile(path), "old content");
    EXPECT_EQ(test::filesIn(temp.path()), 1u);
}

TEST_F(FilesTest, PiecesArriveInOrderAndOnlyOnCommit) {
    const std::string path = made("pieces", "old");
    std::string expected;
    AtomicFile(path).write("lost");  // never committed
    AtomicFile file(path);
    for (const std::size_t size : {10u, 700000u, 3u, 2500000u, 600000u, 1u}) {
        const std::string piece(size, static_cast<char>('a' + expected.size() % 26));
        file.write(piece);
        expected += piece;
    }
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_EQ(file.commit(false), "");
    EXPECT_EQ(test::readFile(path), expected);
    EXPECT_EQ(test::filesIn(temp.path()), 1u);
}

TEST_F(FilesTest, AFileReaderGivesTheBytesInPiecesAndRefusesWhatIsNoFile) {
    FileReader reader(made("big", std::string(300000, 'x')));
    EXPECT_EQ(reader.size(), 300000u);
    std::string got;
    char piece[1000];
    for (std::size_t n; (n = reader.read(piece, sizeof piece)) > 0;) got.append(piece, n);
    EXPECT_EQ(got, std::string(300000, 'x'));
    for (const std::string& path : {temp.path(), fifo("pipe"), std::string("/dev/zero")}) {
        FileReader refused(path);
        EXPECT_EQ(refused.error(), kNotRegularFile) << path;
        EXPECT_EQ(refused.read(piece, sizeof piece), 0u);
    }
}

TEST_F(FilesTest, AReadOnlyFileIsReplacedOnlyAfterConsentAndStaysReadOnly) {
    const std::string path = made("locked.poly", "old");
    ::chmod(path.c_str(), 0444);
    fs::create_symlink("locked.poly", temp.file("link.poly"));
    EXPECT_TRUE(isReadOnlyFile(temp.file("link.poly")));
    EXPECT_FALSE(isReadOnlyFile(made("open.poly", "")));
    EXPECT_EQ(writeWholeFile(path, "new"), kReadOnlyFile);
    consentToReplace(temp.file("link.poly"));
    EXPECT_EQ(writeWholeFile(path, "new"), "");
    EXPECT_EQ(writeWholeFile(path, "newer"), kReadOnlyFile);  // the consent was for one write
    EXPECT_EQ(test::readFile(path), "new");
    EXPECT_EQ(modeOf(path), fs::perms(0444));
    EXPECT_EQ(test::filesIn(temp.path()), 3u);
}

TEST_F(FilesTest, AFileOfSeveralNamesIsUpdatedUnderEveryNameAndKeepsItsOwner) {
    const std::string path = made("linked.poly", "old content");
    fs::create_hard_link(path, temp.file("other.poly"));
    const bool root = ::geteuid() == 0;  // only root may give a file away
    ASSERT_EQ(root ? ::chown(path.c_str(), 12345, 23456) : 0, 0);
    EXPECT_EQ(writeWholeFile(path, std::string(3000000, 'n')), "");
    EXPECT_EQ(test::readFile(temp.file("other.poly")), std::string(3000000, 'n'));
    EXPECT_EQ(writeWholeFile(temp.file("other.poly"), "short"), "");
    EXPECT_EQ((test::FileSizeLimit(1000), writeWholeFile(path, std::string(5000, 'x'))), "File too large");
    EXPECT_EQ(test::readFile(path), "short");
    EXPECT_EQ(fs::hard_link_count(path), 2u);
    fs::remove(temp.file("other.poly"));
    EXPECT_EQ(writeWholeFile(path, "renamed over"), "");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_TRUE(!root || (st.st_uid == 12345u && st.st_gid == 23456u)) << st.st_uid << ":" << st.st_gid;
    EXPECT_EQ(test::filesIn(temp.path()), 1u);
}

TEST_F(FilesTest, NamesUpToTheLimitAreSavedAndTheirTemporaryNamesCutBetweenCharacters) {
    for (std::size_t size = 245; size <= 255; ++size) EXPECT_EQ(writeWholeFile(temp.file(std::string(size, 'n')), "x"), "") << size;
    std::string name;
    while (name.size() < 250) name += "\xC3\xA9";
    AtomicFile file(temp.file(name));
    std::string temporary;
    for (const auto& e : fs::directory_iterator(temp.path()))
        if (isTemporaryFileOf(e.path().filename().string(), name)) temporary = e.path().filename().string();
    EXPECT_LE(temporary.size(), 255u);
    EXPECT_EQ(temporary.find("\xC3."), std::string::npos) << temporary;
}

TEST_F(FilesTest, LeftoversOfKilledWritesAreRemovedByTheNextSaveButNotThoseOfRunningOnes) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = ".out.poly." + std::to_string(child) + ".Ab12Cd", alive = ".out.poly." + std::to_string(::getpid()) + ".Ab12Cd";
    const std::string otherFile = ".out.poly.bak." + std::to_string(child) + ".Ab12Cd", visible = "Xout.poly." + std::to_string(child) + ".Ab12Cd";
    for (const std::string& name : {dead, alive, otherFile, visible}) made(name, "left");
    EXPECT_EQ(writeWholeFile(temp.file("out.poly"), "x"), "");
    EXPECT_EQ(std::make_tuple(false, true, true, true), std::make_tuple(fs::exists(temp.file(dead)), fs::exists(temp.file(alive)),
                                                                       fs::exists(temp.file(otherFile)), fs::exists(temp.file(visible))));
}
