// The main window end to end: its controls and menus, the File menu, the
// recent files, drops, the close guard and the settings between runs.
#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "app/QtControls.h"
#include "app/QtWindowFixture.h"
#include "view/QtCanvas.h"

using namespace tess;

namespace {

class MainWindowTest : public test::QtWindowTest {
protected:
    void openThroughMenu(const std::string& path) {
        platform.dialogResults.push_back(path);
        window().menuEntry("File", 2)->trigger();
    }
    std::string title() { return window().windowTitle().toStdString(); }
    std::string berlin() { return copyOf("osmium_berlin.poly", "a.poly"); }
    std::string testPolygon() { return copyOf("osmosis_testPolygon.poly", "b.poly"); }
    QAction* recentEntry(int i) { return window().menuEntry("File", 12 + i); }
    std::string recentCaption(int i) { return recentEntry(i)->text().toStdString(); }
    // Asks the window to close and answers its question with this.
    bool closeAnswering(Answer answer) {
        platform.answers = {answer};
        return window().close();
    }
    // Leaves a settings file for the next start of the window.
    void writeSettings(const std::string& content) {
        std::filesystem::create_directories(temp.file("system"));
        test::writeFile(temp.file("system/tessaline.dat"), content);
    }
};

void dropOn(QWidget* target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

}  // namespace

TEST_F(MainWindowTest, MenusCarryEveryEntryWithItsCaptionAndShortcut) {
    start();
    struct Entry { const char* menu; int n; const char* caption; };
    for (const Entry& e : {Entry{"File", 0, "New"}, Entry{"File", 2, "Open Poly File"}, Entry{"File", 3, "Open GPX"},
                           Entry{"File", 6, "Save "}, Entry{"File", 7, "Save As"}, Entry{"File", 9, "Save Selection"},
                           Entry{"File", 11, "Exit"}, Entry{"Background", 0, "Add Background"},
                           Entry{"Background", 1, "Cancel Background"}, Entry{"Background", 3, "Use Last Background"},
                           Entry{"Tools", 0, "Combine Poly Files"}, Entry{"Tools", 1, "Convert to GPX"},
                           Entry{"Help", 0, "About Tessaline"}, Entry{"Help", 1, "Help"}}) {
        ASSERT_NE(window().menuEntry(e.menu, e.n), nullptr) << e.menu << " " << e.n;
        EXPECT_EQ(window().menuEntry(e.menu, e.n)->text().toStdString(), e.caption);
    }
    EXPECT_EQ(window().menuEntry("File", 5), nullptr);
    EXPECT_EQ(window().menuEntry("File", 6)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(window().menuEntry("Background", 3)->shortcut(), QKeySequence("Ctrl+B"));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(recentEntry(i)->isVisible());
}

TEST_F(MainWindowTest, ControlsStartWithTheirDesignTexts) {
    start();
    EXPECT_EQ(title(), "Tessaline 2.1 ");
    EXPECT_EQ(window().titleBox()->text(), "Title");
    EXPECT_EQ(window().editLabel()->text(), "Edit");
    EXPECT_FALSE(window().editBox()->isChecked());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window().boundLabel(i)->text(), "0000");
    EXPECT_EQ(window().selectionLabel(0)->text(), "+");
    EXPECT_EQ(window().selectionLabel(0)->toolTip(), "Add Selection ");
    EXPECT_EQ(window().selectionLabel(1)->text(), "-");
    EXPECT_EQ(window().selectionLabel(1)->toolTip(), "Remove Selection");
    EXPECT_EQ(window().ringList()->count(), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(window().toolIndicator(i)->isVisible());
        EXPECT_EQ(window().toolIndicator(i)->geometry(), window().toolButton(i)->geometry());
    }
    EXPECT_EQ(window().progressBar()->width(), 1);  // 15 twips
    EXPECT_EQ(window().progressBar()->pos(), window().progressFrame()->pos());
}

TEST_F(MainWindowTest, OpenEditTheTitleSaveAndReopenFromTheRecentFiles) {
    start();
    const std::string a = berlin();
    const std::string b = testPolygon();
    openThroughMenu(a);
    EXPECT_EQ(title(), "Tessaline 2.1 " + a);
    EXPECT_EQ(window().ringList()->count(), window().state().doc.listCount);
    EXPECT_EQ(window().ringList()->item(0)->text(), "1");
    EXPECT_NE(window().boundLabel(0)->text(), "0000");

    window().titleBox()->setFocus();
    window().titleBox()->selectAll();
    QTest::keyClicks(window().titleBox(), "BERLIN MITTE");
    EXPECT_EQ(title(), "Tessaline 2.1 " + a + "+");
    window().menuEntry("File", 6)->trigger();
    EXPECT_EQ(title(), "Tessaline 2.1 " + a);
    EXPECT_EQ(test::readFile(a).rfind("BERLIN MITTE", 0), 0u);

    openThroughMenu(b);
    EXPECT_EQ(recentCaption(0), b);
    EXPECT_EQ(recentCaption(1), a);
    EXPECT_TRUE(recentEntry(1)->isVisible());
    EXPECT_TRUE(recentEntry(1)->isEnabled());
    recentEntry(1)->trigger();
    EXPECT_EQ(window().titleBox()->text(), "BERLIN MITTE");
    EXPECT_EQ(title(), "Tessaline 2.1 " + a);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(MainWindowTest, ADropOnTheCanvasLoadsOnlyTheFirstFile) {
    start();
    const std::string a = berlin();
    const std::string b = testPolygon();
    dropOn(window().canvas(), {a, b});
    EXPECT_EQ(window().state().doc.fileName, a);
    EXPECT_EQ(title(), "Tessaline 2.1 " + a);
    EXPECT_GT(window().state().doc.lastPoint, 0);
}

TEST_F(MainWindowTest, ADropOnTheWindowLoadsTheFile) {
    start();
    const std::string b = testPolygon();
    dropOn(&window(), {b});
    EXPECT_EQ(window().state().doc.fileName, b);
}

TEST_F(MainWindowTest, ADroppedMissingFileIsReported) {
    start();
    dropOn(window().canvas(), {temp.file("gone.poly")});
    ASSERT_FALSE(platform.shown.empty());
    EXPECT_EQ(platform.shown[0].rfind("Cannot open file.", 0), 0u);
}

TEST_F(MainWindowTest, CloseGuardCancelKeepsTheWindowOpen) {
    start();
    openThroughMenu(berlin());
    QTest::keyClicks(window().titleBox(), "x");
    EXPECT_FALSE(closeAnswering(Answer::Cancel));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(platform.last(), "File not saved . Save file ?");
}

TEST_F(MainWindowTest, CloseGuardNoClosesWithoutSavingAndWritesTheSettings) {
    start();
    const std::string a = berlin();
    const std::string before = test::readFile(a);
    openThroughMenu(a);
    QTest::keyClicks(window().titleBox(), "x");
    EXPECT_TRUE(closeAnswering(Answer::No));
    EXPECT_EQ(test::readFile(a), before);
    EXPECT_EQ(test::readFile(temp.file("system/tessaline.dat")).rfind("\xA3)*(\r\n" + a + "\r\n", 0), 0u);
}

TEST_F(MainWindowTest, CloseGuardYesSavesAndThenCloses) {
    start();
    const std::string a = berlin();
    openThroughMenu(a);
    window().titleBox()->selectAll();
    QTest::keyClicks(window().titleBox(), "SAVED ON CLOSE");
    EXPECT_TRUE(closeAnswering(Answer::Yes));
    EXPECT_EQ(test::readFile(a).rfind("SAVED ON CLOSE", 0), 0u);
}

TEST_F(MainWindowTest, CloseGuardYesWithAFailedSaveKeepsTheWindowOpen) {
    start();
    QTest::keyClicks(window().titleBox(), "x");  // modified, but nothing to save
    EXPECT_FALSE(closeAnswering(Answer::Yes));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(platform.last(), "No data");
}

TEST_F(MainWindowTest, RecentFilesSurviveARestart) {
    start();
    const std::string a = berlin();
    const std::string b = testPolygon();
    openThroughMenu(a);
    openThroughMenu(b);
    EXPECT_TRUE(window().close());
    restart();
    start();
    EXPECT_EQ(recentCaption(0), b);
    EXPECT_EQ(recentCaption(1), a);
    EXPECT_FALSE(recentEntry(2)->isVisible());
}

TEST_F(MainWindowTest, ABinarySettingsFileStillLetsTheWindowStart) {
    test::TempDir unused;
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 131) % 256);
    writeSettings(junk);
    start();
    EXPECT_EQ(title(), "Tessaline 2.1 ");
}

TEST_F(MainWindowTest, AShortSettingsFileFillsTheFirstRecentEntry) {
    const std::string a = berlin();
    writeSettings("\xA3)*(\r\n" + a);
    start();
    EXPECT_EQ(recentCaption(0), a);
    EXPECT_TRUE(recentEntry(0)->isVisible());
    EXPECT_FALSE(recentEntry(1)->isVisible());
}

TEST_F(MainWindowTest, TheCommandLineFileIsShownAtStart) {
    const std::string a = copyOf("osmium_berlin.poly", "my area.poly");
    start(a);
    EXPECT_EQ(title(), "Tessaline 2.1 " + a);
    EXPECT_GT(window().ringList()->count(), 0);
    EXPECT_EQ(window().ringList()->currentRow(), 0);
}

TEST_F(MainWindowTest, AMissingCommandLineFileIsReportedAndNamed) {
    start(temp.file("gone.poly"));
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].rfind("Cannot open file.", 0), 0u);
    EXPECT_EQ(title(), "Tessaline 2.1 " + temp.file("gone.poly"));
}

TEST_F(MainWindowTest, NewEmptiesTheListAndTheBoundLabels) {
    start();
    openThroughMenu(berlin());
    platform.answers = {Answer::Yes};
    window().menuEntry("File", 0)->trigger();
    EXPECT_EQ(window().ringList()->count(), 0);
    EXPECT_EQ(window().boundLabel(0)->text(), "0000");
    EXPECT_EQ(title(), "Tessaline 2.1 untitled.poly");
}

TEST_F(MainWindowTest, ClickingPlusWithoutAnOutlineAsksForAPolygon) {
    start(berlin());
    QTest::mouseClick(window().selectionLabel(0), Qt::LeftButton);
    EXPECT_EQ(platform.last(), "Please create a Polygon.");
}

TEST_F(MainWindowTest, ClickingMinusOnAOneRingFileRefuses) {
    start(berlin());
    QTest::mouseClick(window().selectionLabel(1), Qt::LeftButton);
    EXPECT_EQ(platform.last(), "File must contain more than 1 polygon");
    EXPECT_EQ(window().ringList()->count(), 1);
}

TEST_F(MainWindowTest, CheckingEditWithoutADocumentSaysNoDataAndUnchecksTheBox) {
    start();
    QTest::mouseClick(window().editBox(), Qt::LeftButton);
    EXPECT_EQ(platform.last(), "No Data");
    EXPECT_FALSE(window().editBox()->isChecked());
}

TEST_F(MainWindowTest, ClickingTheEditCaptionTogglesEditMode) {
    start(berlin());
    QTest::mouseClick(window().editLabel(), Qt::LeftButton);
    EXPECT_TRUE(window().editBox()->isChecked());
    EXPECT_TRUE(window().state().edit.editMode);
    QTest::mouseClick(window().editLabel(), Qt::LeftButton);
    EXPECT_FALSE(window().editBox()->isChecked());
}

TEST_F(MainWindowTest, TheHelpEntryOpensTheHelpPageBesideTheProgram) {
    std::filesystem::create_directories(temp.file("help"));
    test::writeFile(temp.file("help/tessaline-help.html"), "<html></html>");
    start();
    window().menuEntry("Help", 1)->trigger();
    ASSERT_EQ(platform.openedUrls.size(), 1u);
    EXPECT_EQ(platform.openedUrls[0].rfind("file://", 0), 0u);
    EXPECT_NE(platform.openedUrls[0].find("help/tessaline-help.html"), std::string::npos);
    EXPECT_TRUE(platform.shown.empty());
}
