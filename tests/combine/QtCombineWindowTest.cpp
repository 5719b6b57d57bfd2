// The combine window on the offscreen platform: the proposed title, the
// folder and file lists, ADD and Remove, and what Save does and says.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/State.h"
#include "combine/QtCombineWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

namespace tess {
namespace {

using test::readFile;
using test::ScriptedPlatform;
using test::TempDir;
using test::writeFile;

const std::string kRing = "   10.5   50.25\n   11.5   50.25\n   10.5   50.25\n";

class CombineWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(dir.file("a.poly"), "A\n1\n" + kRing + "END\nEND\n");
        writeFile(dir.file("b.poly"), "B\n1\n" + kRing + "END\nEND\n");
        writeFile(dir.file("notes.txt"), "not a polygon");
        std::filesystem::create_directory(dir.file("sub"));
        state.mergeTitle = "ALPS";
    }

    std::unique_ptr<CombineWindow> open() {
        auto window = std::make_unique<CombineWindow>(nullptr, state);
        window->setOutputPath(out.file("untitled.poly"));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_TRUE(window->setFolder(QString::fromStdString(dir.path())));
        return window;
    }

    static QStringList texts(QListWidget* list) {
        QStringList result;
        for (int i = 0; i < list->count(); ++i) result << list->item(i)->text();
        return result;
    }

    static void selectAll(QListWidget* list) {
        for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(true);
    }

    TempDir dir, out;
    ScriptedPlatform platform;
    State state{platform};
};

TEST_F(CombineWindowTest, TheWindowIsCalledMergeAndProposesTheRememberedTitle) {
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "Merge");
    EXPECT_EQ(window->titleBox()->text(), "ALPS");
    EXPECT_EQ(window->addButton()->text(), "ADD");
    EXPECT_EQ(window->removeButton()->text(), "Remove");
    EXPECT_EQ(window->saveButton()->text(), "Save");
    EXPECT_EQ(window->cancelButton()->text(), "Cancel");
}

TEST_F(CombineWindowTest, ABlankRememberedTitleBecomesUntitledForGood) {
    state.mergeTitle = "   ";
    auto window = open();
    EXPECT_EQ(window->titleBox()->text(), "Untitled");
    EXPECT_EQ(state.mergeTitle, "Untitled");
}

TEST_F(CombineWindowTest, AnEditedTitleIsNotRemembered) {
    auto window = open();
    window->titleBox()->setText("OTHER");
    EXPECT_EQ(state.mergeTitle, "ALPS");
}

TEST_F(CombineWindowTest, TheFileListShowsOnlyPolyFilesOfTheFolder) {
    auto window = open();
    EXPECT_EQ(texts(window->fileList()), (QStringList{"a.poly", "b.poly"}));
    EXPECT_TRUE(texts(window->folderList()).contains("sub"));
    EXPECT_TRUE(texts(window->folderList()).contains(".."));
}

TEST_F(CombineWindowTest, PolyFilesWithAnUpperCaseExtensionAreListedToo) {
    writeFile(dir.file("C.POLY"), "C\n1\n" + kRing + "END\nEND\n");
    auto window = open();
    EXPECT_EQ(texts(window->fileList()), (QStringList{"a.poly", "b.poly", "C.POLY"}));
}

TEST_F(CombineWindowTest, ActivatingAFolderShowsItsFiles) {
    auto window = open();
    writeFile(dir.file("sub/c.poly"), "C\n1\n" + kRing + "END\nEND\n");
    QListWidget* folders = window->folderList();
    folders->setCurrentRow(static_cast<int>(texts(folders).indexOf("sub")));
    emit folders->itemActivated(folders->currentItem());
    EXPECT_EQ(texts(window->fileList()), QStringList{"c.poly"});
}

TEST_F(CombineWindowTest, AFolderThatCannotBeReadLeavesTheListsAsTheyWere) {
    auto window = open();
    EXPECT_FALSE(window->setFolder(QString::fromStdString(dir.file("missing"))));
    EXPECT_EQ(texts(window->fileList()), (QStringList{"a.poly", "b.poly"}));
    EXPECT_EQ(window->folder().toStdString(), std::filesystem::canonical(dir.path()).string());
}

TEST_F(CombineWindowTest, AddPutsTheSelectedFilesInTheChosenListOnce) {
    auto window = open();
    selectAll(window->fileList());
    QTest::mouseClick(window->addButton(), Qt::LeftButton);
    QTest::mouseClick(window->addButton(), Qt::LeftButton);
    const QString folder = window->folder();
    EXPECT_EQ(texts(window->chosenList()), (QStringList{folder + "/a.poly", folder + "/b.poly"}));
    EXPECT_EQ(window->chosen().addedNames, "a.polyb.poly");
}

TEST_F(CombineWindowTest, RemoveTakesTheSelectedChosenFilesOut) {
    auto window = open();
    selectAll(window->fileList());
    window->addSelectedFiles();
    window->chosenList()->item(0)->setSelected(true);
    QTest::mouseClick(window->removeButton(), Qt::LeftButton);
    EXPECT_EQ(texts(window->chosenList()), QStringList{window->folder() + "/b.poly"});
    EXPECT_EQ(window->chosen().addedNames, "b.poly");
    // The removed file can be chosen again.
    window->fileList()->item(0)->setSelected(true);
    window->addSelectedFiles();
    EXPECT_EQ(window->chosenList()->count(), 2);
}

TEST_F(CombineWindowTest, SaveWritesTheMergeShowsProgressSaysWhereAndCloses) {
    auto window = open();
    window->titleBox()->setText("JOINED");
    selectAll(window->fileList());
    window->addSelectedFiles();
    QStringList captions;
    QObject::connect(window.get(), &QWidget::windowTitleChanged,
                     [&](const QString& title) { captions << title; });
    QTest::mouseClick(window->saveButton(), Qt::LeftButton);

    const std::string ring = "   10.5   50.25\r\n   11.5   50.25\r\n   10.5   50.25\r\n";
    EXPECT_EQ(readFile(out.file("untitled.poly")),
              "JOINED\r\n1\r\n" + ring + "END\r\n2\r\n" + ring + "END\r\nEND\r\n");
    EXPECT_TRUE(captions.contains(" 0%"));
    EXPECT_TRUE(captions.contains(" 50%"));
    EXPECT_FALSE(captions.contains(" 100%"));
    EXPECT_EQ(platform.shown, std::vector<std::string>{"The combined file was saved as " + out.file("untitled.poly")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(CombineWindowTest, AnExistingMergedFileIsReplacedOnlyAfterYes) {
    writeFile(out.file("untitled.poly"), "older work");
    auto window = open();
    selectAll(window->fileList());
    window->addSelectedFiles();

    platform.answers.push_back(Answer::No);
    window->saveAndClose();
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Replace file?"});
    EXPECT_EQ(readFile(out.file("untitled.poly")), "older work");
    EXPECT_TRUE(window->isVisible());

    platform.answers.push_back(Answer::Yes);
    window->saveAndClose();
    EXPECT_NE(readFile(out.file("untitled.poly")), "older work");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CombineWindowTest, SaveWithNothingChosenAsksForFilesAndCloses) {
    auto window = open();
    window->saveAndClose();
    EXPECT_EQ(platform.shown, std::vector<std::string>{"Please add Files"});
    EXPECT_FALSE(std::filesystem::exists(out.file("untitled.poly")));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CombineWindowTest, AnUnwritableDesktopIsReportedAndNothingCrashes) {
    auto window = open();
    writeFile(out.file("blocker"), "x");
    window->setOutputPath(out.file("blocker") + "/untitled.poly");
    selectAll(window->fileList());
    window->addSelectedFiles();
    window->saveAndClose();
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_NE(platform.shown[0].find("\r\n\r\nError saving " + out.file("blocker") + "/untitled.poly"),
              std::string::npos);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CombineWindowTest, AChosenFileThatVanishedIsNamedAndTheRestIsMerged) {
    auto window = open();
    selectAll(window->fileList());
    window->addSelectedFiles();
    std::filesystem::remove(dir.file("a.poly"));
    window->saveAndClose();
    ASSERT_EQ(platform.shown.size(), 2u);
    EXPECT_NE(platform.shown[0].find("a.poly"), std::string::npos);
    EXPECT_NE(readFile(out.file("untitled.poly")).find("\r\n1\r\n"), std::string::npos);
}

TEST_F(CombineWindowTest, CancelClosesWithoutWriting) {
    auto window = open();
    selectAll(window->fileList());
    window->addSelectedFiles();
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(out.file("untitled.poly")));
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(CombineWindowTest, TheDriveListHoldsTheRootAndFollowsTheFolder) {
    auto window = open();
    QComboBox* drives = window->driveList();
    ASSERT_GE(drives->count(), 1);
    EXPECT_EQ(drives->itemText(0), "/");
    const QString root = drives->currentData().toString();
    EXPECT_TRUE(window->folder().startsWith(root));
}

TEST_F(CombineWindowTest, ChoosingTheRootDriveShowsTheRootFolder) {
    auto window = open();
    window->driveList()->setCurrentIndex(-1);
    window->driveList()->setCurrentIndex(0);
    EXPECT_EQ(window->folder(), "/");
}

TEST(CombineOutput, TheMergedFileGoesOnTheDesktopAsUntitledPolyWhichIsCreatedWhenMissing) {
    TempDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const std::string path = combineOutputPath();
    qputenv("HOME", oldHome);
    if (!oldConfig.isEmpty()) qputenv("XDG_CONFIG_HOME", oldConfig);

    EXPECT_EQ(path, home.file("Desktop/untitled.poly"));
    EXPECT_TRUE(std::filesystem::is_directory(home.file("Desktop")));
}

}  // namespace
}  // namespace tess
