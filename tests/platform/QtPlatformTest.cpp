// The window's own platform: the full progress bar after a drawing stays
// up a while by itself, and never makes the user's next key wait for it;
// the help page opens in a window of the program's own on a desktop with
// no way to show web pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>

#include "app/QtMainWindow.h"
#include "platform/QtPlatform.h"
#include "shell/HelpPage.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

TEST(QtPlatform, theNextKeyIsHandledAtOnceWhileTheFullBarStaysUpAWhile) {
    test::TempDir temp;
    const std::string path = temp.file("squares.poly");
    test::writeFile(path, "SQUARES\n1\n   10.0 50.0\n   20.0 50.0\n   20.0 60.0\n   10.0 50.0\nEND\n"
                          "2\n   12.0 52.0\n   18.0 52.0\n   18.0 58.0\n   12.0 52.0\nEND\nEND\n");
    QtPlatform platform;
    QtMainWindow window(platform, WindowStart{temp.path(), path, false});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const ProgressBar& bar = window.state().progress;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.state().doc.loaded.index == 0; })) << window.state().doc.loaded.index;  // read away from the window
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.barWidth == 15; })) << bar.barWidth;                    // the load's full bar went by itself

    QListWidget* list = window.ringList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(1, window.state().doc.loaded.index);
    // The key's drawing is done and its bar is still full: nothing waited
    // for the bar before the key was handled.
    EXPECT_EQ(bar.frameWidth, bar.barWidth);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(0, window.state().doc.loaded.index);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.barWidth == 15; })) << bar.barWidth;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.progressBar()->width() == 1; })) << window.progressBar()->width();
}

// The viewer the platform opened, or none.
QTextBrowser* helpViewer() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "helpViewer" && w->isVisible()) return qobject_cast<QTextBrowser*>(w);
    return nullptr;
}

TEST(QtPlatform, opensTheHelpPageInAWindowOfItsOwnWhereNoProgramShowsWebPages) {
    test::TempDir nowhere;  // a PATH with no xdg-open in it, then one that finds no browser
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(nowhere.path()));
    QtPlatform platform;
    const std::string page = helpPagePath(QCoreApplication::applicationDirPath().toStdString());
    ASSERT_FALSE(page.empty());
    platform.openUrl(fileUrl(page));
    ASSERT_NE(helpViewer(), nullptr);
    EXPECT_TRUE(helpViewer()->toPlainText().contains("Keep Proportions"));
    helpViewer()->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return helpViewer() == nullptr; }));

    test::writeFile(nowhere.file("xdg-open"), "#!/bin/sh\nexit 3\n");
    std::filesystem::permissions(nowhere.file("xdg-open"), std::filesystem::perms::owner_all);
    platform.openUrl(fileUrl(page));
    qputenv("PATH", path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return helpViewer() != nullptr; }));
    helpViewer()->close();
}

}  // namespace
