// A large file is read away from the window: the window shows at once,
// answers its menus meanwhile, and Cancel leaves the document it had.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "app/FileMenu.h"
#include "app/QtMainWindow.h"
#include "app/QtWorkIndicator.h"
#include "platform/QtPlatform.h"
#include "support/TestFiles.h"

namespace {

using namespace tess;

// A ring of four million vertices, 100 MB: long enough to read that the
// window is seen answering before it is done.
std::string largeFile(test::TempDir& temp) {
    const std::string path = temp.file("large.poly");
    std::string text = "large\n1\n";
    constexpr int kVertices = 4000000;
    text.reserve(static_cast<std::size_t>(kVertices) * 26);
    char line[64];
    for (int i = 0; i < kVertices; ++i) {
        const double a = 2 * M_PI * i / kVertices;
        std::snprintf(line, sizeof line, "   %.7f %.7f\n", 10 + std::cos(a), 50 + std::sin(a));
        text += line;
    }
    text += "END\nEND\n";
    test::writeFile(path, text);
    return path;
}

void cancelAndWait(QtMainWindow& window) {
    QTest::mouseClick(window.workIndicator()->cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.state().work.running(); }, 30000));
}

TEST(Loading, theWindowShowsAndAnswersWhileALargeFileIsReadAndCancelKeepsWhatItHad) {
    test::TempDir temp;
    const std::string large = largeFile(temp);
    QtPlatform platform;
    {
        QtMainWindow window(platform, WindowStart{temp.path(), large, false});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(window.state().work.running()) << "the window waited for the file";
        QMenu* help = window.menuBar()->actions().back()->menu();
        help->popup(window.mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }));
        EXPECT_TRUE(window.state().work.running()) << "the menu waited for the file";
        help->hide();
        cancelAndWait(window);
        EXPECT_EQ(0, window.state().doc.ringCount());
        EXPECT_EQ("", window.state().doc.fileName);
    }
    const std::string small = temp.file("small.poly");
    test::writeFile(small, "small\n1\n   10.0 50.0\n   11.0 50.0\n   11.0 51.0\n   10.0 50.0\nEND\nEND\n");
    QtMainWindow window(platform, WindowStart{temp.path(), small, false});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.state().doc.ringCount() == 1; })) << window.state().doc.ringCount();
    openPolyPath(window.state(), large);
    window.syncFromState();
    ASSERT_TRUE(window.state().work.running());
    EXPECT_FALSE(window.action(Command::Save)->isEnabled()) << "commands that change the document wait";
    EXPECT_TRUE(window.action(Command::ZoomIn)->isEnabled());
    cancelAndWait(window);
    EXPECT_EQ(small, window.state().doc.fileName);
    EXPECT_EQ("small", window.state().doc.content.title);
    EXPECT_FALSE(window.state().doc.modified);
    EXPECT_TRUE(window.action(Command::Save)->isEnabled());
}

// Rings that overlap each other everywhere: their union takes GEOS a while.
std::string overlappingRings(test::TempDir& temp) {
    const std::string path = temp.file("overlapping.poly");
    std::string text = "overlapping\n";
    char line[64];
    for (int ring = 0; ring < 60; ++ring) {
        text += std::to_string(ring + 1) + "\n";
        constexpr int kVertices = 20000;
        for (int i = 0; i <= kVertices; ++i) {
            const double a = 2 * M_PI * (i % kVertices) / kVertices, wobble = 0.02 * std::sin(a * (50 + ring));
            std::snprintf(line, sizeof line, "   %.7f %.7f\n", 10 + ring * 0.01 + (1 + wobble) * std::cos(a),
                          50 + (1 + wobble) * std::sin(a));
            text += line;
        }
        text += "END\n";
    }
    test::writeFile(path, text + "END\n");
    return path;
}

TEST(Loading, toolsRunAwayFromTheWindowAndCancelLeavesTheDocument) {
    test::TempDir temp;
    QtPlatform platform;
    QtMainWindow window(platform, WindowStart{temp.path(), overlappingRings(temp), false});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.state().doc.ringCount() == 60; }, 30000));
    window.action(Command::Union)->trigger();
    ASSERT_TRUE(window.state().work.running()) << "the window waited for the union";
    EXPECT_FALSE(window.action(Command::Save)->isEnabled());
    EXPECT_TRUE(window.action(Command::ZoomIn)->isEnabled());
    cancelAndWait(window);
    EXPECT_EQ(60, window.state().doc.ringCount());
    EXPECT_FALSE(window.state().doc.modified);
    EXPECT_TRUE(window.action(Command::Save)->isEnabled());

    // Simplify's dialog answered with OK: the ring is simplified away from
    // the window, as one step.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    window.action(Command::Simplify)->trigger();
    ASSERT_TRUE(window.state().work.running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.state().work.running(); }, 30000));
    EXPECT_LT(window.state().doc.content.rings[0].facts.vertices, 20001);
    EXPECT_EQ("Undo Simplify Ring 1", undoCaption(window.state().doc));

    window.action(Command::Union)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.state().work.running(); }, 120000));
    EXPECT_EQ(1, window.state().doc.ringCount());
    EXPECT_TRUE(window.state().doc.modified);
}

}  // namespace
