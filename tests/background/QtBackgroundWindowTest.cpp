// Backgrounds and GPX files through the main window: the menus, Ctrl+B,
// the bound labels, and the last background carried over a restart.
#include <QAction>
#include <QLabel>
#include <QListWidget>

#include "app/QtControls.h"
#include "app/QtWindowFixture.h"

using namespace tess;

namespace {

const char* kBackground = "bk\n1\n   0.5 40.5\n   20.5 40.5\n   20.5 60.5\n   0.5 40.5\nEND\nEND\n";
const char* kDocument = "doc\n1\n   11.5 51.5\n   11.75 51.5\n   11.75 51.75\n   11.5 51.5\nEND\n"
                        "2\n   12 52\n   12.5 52\n   12.5 52.5\n   12 52\nEND\nEND\n";

class BackgroundWindowTest : public test::QtWindowTest {
protected:
    std::string write(const std::string& name, const std::string& content) {
        const std::string path = temp.file(name);
        test::writeFile(path, content);
        return path;
    }
    void choose(const std::string& menu, int number, const std::string& path) {
        platform.dialogResults.push_back(path);
        window().menuEntry(menu, number)->trigger();
    }
    std::vector<std::string> labels() {
        std::vector<std::string> texts;
        for (int i = 0; i < 4; ++i) texts.push_back(window().boundLabel(i)->text().toStdString());
        return texts;
    }
};

const std::vector<std::string> kBackgroundLabels{" .5", " 40.5", " 20.5", " 60.5"};

TEST_F(BackgroundWindowTest, ABackgroundKeepsTheViewWhileRingsAreChosen) {
    start();
    choose("File", 2, write("doc.poly", kDocument));
    choose("Background", 0, write("bk.poly", kBackground));
    EXPECT_EQ(labels(), kBackgroundLabels);
    window().ringList()->setCurrentRow(1);
    EXPECT_EQ(window().state().doc.ringLon[1], 12.5);
    EXPECT_EQ(labels(), kBackgroundLabels);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BackgroundWindowTest, CancelBackgroundFitsTheDocumentAgain) {
    start();
    choose("File", 2, write("doc.poly", kDocument));
    choose("Background", 0, write("bk.poly", kBackground));
    window().menuEntry("Background", 1)->trigger();
    EXPECT_EQ(window().state().bk.bkPointCount, 0);
    EXPECT_EQ(labels(), (std::vector<std::string>{" 11.5", " 51.5", " 11.75", " 51.75"}));
}

TEST_F(BackgroundWindowTest, CtrlBAfterARestartBringsTheLastBackgroundBack) {
    start();
    const std::string bk = write("bk.poly", kBackground);
    choose("Background", 0, bk);
    EXPECT_TRUE(window().close());
    restart();

    start();
    EXPECT_EQ(window().state().lastBackground, bk);
    EXPECT_EQ(window().state().bk.bkPointCount, 0);
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(window().state().bk.bkPointCount, 3);
    EXPECT_EQ(labels(), kBackgroundLabels);
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(BackgroundWindowTest, NewDropsTheBackgroundButRemembersIt) {
    start();
    const std::string bk = write("bk.poly", kBackground);
    choose("Background", 0, bk);
    platform.answers = {Answer::Yes};  // "Start a new project?"
    window().menuEntry("File", 0)->trigger();
    EXPECT_EQ(window().state().bk.bkPointCount, 0);
    EXPECT_EQ(window().state().lastBackground, bk);
    choose("File", 2, write("doc.poly", kDocument));
    EXPECT_EQ(labels(), (std::vector<std::string>{" 11.5", " 51.5", " 11.75", " 51.75"}));
}

TEST_F(BackgroundWindowTest, UseLastBackgroundWithNoneRecordedSaysSo) {
    start();
    window().menuEntry("Background", 3)->trigger();
    EXPECT_EQ(platform.shown, (std::vector<std::string>{"No previous background found"}));
}

TEST_F(BackgroundWindowTest, OpenGpxMakesAOneRingDocumentNamedAfterTheFile) {
    start();
    const std::string gpx = write("walk.gpx", "<gpx><trk><trkseg><trkpt lat=\"50.5\" lon=\"8.5\"/>"
                                              "<trkpt lat=\"51\" lon=\"9\"/><trkpt lat=\"50\" lon=\"9.5\"/>"
                                              "</trkseg></trk></gpx>");
    choose("File", 3, gpx);
    EXPECT_EQ(window().ringList()->count(), 1);
    EXPECT_EQ(window().state().doc.lastPoint, 3);
    EXPECT_EQ(window().state().doc.fileName, temp.file("walk.poly"));
    EXPECT_TRUE(window().state().doc.modified);
    EXPECT_EQ(labels(), (std::vector<std::string>{" 8.5", " 50", " 9.5", " 51"}));
}

TEST_F(BackgroundWindowTest, ConvertToGpxWritesTheCurrentRing) {
    start();
    choose("File", 2, write("doc.poly", kDocument));
    const std::string out = temp.file("ring.gpx");
    choose("Tools", 1, out);
    const std::string text = test::readFile(out);
    EXPECT_NE(text.find("<rtept lat=\"51.5\" lon=\"11.75\">"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 14), "</rte></gpx>\r\n");
}

}  // namespace
