// The About window on the offscreen platform: its captions, the version
// line written on every activation, the product link and OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "app/State.h"
#include "shell/QtAboutWindow.h"
#include "support/ScriptedPlatform.h"

namespace tess {
namespace {

using test::ScriptedPlatform;

class AboutWindowTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    State state{platform};
};

TEST_F(AboutWindowTest, TheWindowIsCalledInformationAndNamesTheProduct) {
    AboutWindow window(state);
    EXPECT_EQ(window.windowTitle(), "Information");
    EXPECT_EQ(window.nameLabel()->text(), "Tessaline");
    EXPECT_EQ(window.nameLabel()->font().styleHint(), QFont::SansSerif);
    EXPECT_EQ(window.okButton()->text(), "OK");
    ASSERT_FALSE(window.logo()->pixmap().isNull());
}

TEST_F(AboutWindowTest, TheVersionLineStartsWithVersionFollowedDirectlyByTheNumber) {
    AboutWindow window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    const QString line = window.versionLabel()->text();
    EXPECT_TRUE(line.startsWith("Version 2.1 ")) << line.toStdString();
    EXPECT_EQ(line, QString("Version 2.1") + kAboutNotice);
}

TEST_F(AboutWindowTest, TheVersionLineIsWrittenAgainEachTimeTheWindowBecomesActive) {
    AboutWindow window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.versionLabel()->setText("stale");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(window.versionLabel()->text(), AboutWindow::versionText());

    // And when another window had the focus in between.
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window.versionLabel()->setText("stale");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.versionLabel()->text(), AboutWindow::versionText());
}

TEST_F(AboutWindowTest, ClickingTheLinkOpensTheProductPageThroughThePlatform) {
    AboutWindow window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.linkLabel()->text().contains(kProductPage));
    QTest::mouseClick(window.linkLabel(), Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{kProductPage});
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(AboutWindowTest, ARightClickOnTheLinkOpensNothing) {
    AboutWindow window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.linkLabel(), Qt::RightButton);
    EXPECT_TRUE(platform.openedUrls.empty());
}

TEST_F(AboutWindowTest, OkClosesTheWindow) {
    AboutWindow window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tess
