// The window's own platform: the full progress bar after a drawing stays
// up a while by itself, and never makes the user's next key wait for it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "app/QtMainWindow.h"
#include "platform/QtPlatform.h"
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
    QTRY_COMPARE(window.state().doc.loaded.index, 0);  // read away from the window
    QTRY_COMPARE(bar.barWidth, 15);                    // the load's full bar went by itself

    QListWidget* list = window.ringList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(1, window.state().doc.loaded.index);
    // The key's drawing is done and its bar is still full: nothing waited
    // for the bar before the key was handled.
    EXPECT_EQ(bar.frameWidth, bar.barWidth);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(0, window.state().doc.loaded.index);
    QTRY_COMPARE(bar.barWidth, 15);
    QTRY_COMPARE(window.progressBar()->width(), 1);
}

}  // namespace
