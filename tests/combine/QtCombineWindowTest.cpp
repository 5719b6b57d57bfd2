// The combine window: files picked from the folder list, added once, and
// merged under the title as typed into the file the user names, proposed
// from the title in the first file's folder; an existing file is replaced
// only after Yes, and the merged file is opened when the user asks. The
// About window opens the product page.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "state/State.h"
#include "combine/QtCombineWindow.h"
#include "shell/QtAboutWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

TEST(CombineWindow, mergesThePickedFilesUnderTheTypedTitleAndAsksBeforeReplacing) {
    test::TempDir dir, out;
    const std::string ring = "   10.5   50.25\n   11.5   50.25\n   10.5   50.25\n";
    test::writeFile(dir.file("berlin.poly"), "B\n1\n" + ring + "END\nEND\n");
    test::writeFile(dir.file("lin.poly"), "L\n1\n" + ring + "END\nEND\n");
    test::writeFile(dir.file("notes.txt"), "not a polygon");
    test::writeFile(out.file("untitled.poly"), "older work");
    test::ScriptedPlatform platform;
    State state(platform);
    CombineWindow window(nullptr, state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.setFolder(QString::fromStdString(dir.path())));
    ASSERT_EQ(2, window.fileList()->count());  // .poly files only
    for (int pass = 0; pass < 2; ++pass) {     // a second ADD adds nothing
        for (int i = 0; i < 2; ++i) window.fileList()->item(i)->setSelected(true);
        QTest::mouseClick(window.addButton(), Qt::LeftButton);
    }
    ASSERT_EQ(2, window.chosenList()->count());
    window.titleBox()->setText("Legend map");
    platform.dialogResults = {out.file("untitled.poly"), "", out.file("untitled")};
    platform.answers = {Answer::No, Answer::Yes, Answer::Yes};
    QTest::mouseClick(window.saveButton(), Qt::LeftButton);
    EXPECT_EQ("Legend map.poly", platform.lastDefaultName);
    EXPECT_EQ(dir.path(), platform.lastInitialDir);
    EXPECT_EQ("older work", test::readFile(out.file("untitled.poly")));
    QTest::mouseClick(window.saveButton(), Qt::LeftButton);  // the dialog cancelled
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.saveButton(), Qt::LeftButton);
    const std::string crlf = "   10.5   50.25\r\n   11.5   50.25\r\n   10.5   50.25\r\n";
    EXPECT_EQ("Legend map\r\n1\r\n" + crlf + "END\r\n2\r\n" + crlf + "END\r\nEND\r\n",
              test::readFile(out.file("untitled.poly")));
    EXPECT_EQ(out.file("untitled.poly"), window.fileToOpen());
    EXPECT_FALSE(window.isVisible());
}

TEST(AboutWindow, showsTheVersionAndOpensTheProductPage) {
    test::ScriptedPlatform platform;
    State state(platform);
    AboutWindow window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ("Information", window.windowTitle());
    EXPECT_TRUE(window.versionLabel()->text().startsWith("Version 2.1"));
    QTest::mouseClick(window.linkLabel(), Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{"https://tessaline.example.org/"}, platform.openedUrls);
}

}  // namespace
