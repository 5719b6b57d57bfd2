// Union from the Tools menu of a real window, Ctrl+Z taking it back, and
// the combine window's "Merge overlapping areas" box.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/QtWindowFixture.h"
#include "combine/QtCombineWindow.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kSquares = "Squares\nwest\n 10.0 50.0\n 11.0 50.0\n 11.0 51.0\n 10.0 51.0\nEND\neast\n 10.5 50.5\n 11.5 50.5\n 11.5 51.5\n 10.5 51.5\nEND\nEND\n";

}  // namespace

TEST_F(QtWindowTest, theToolsMenuMergesOverlappingRingsInOneStepThatCtrlZTakesBack) {
    writeFile(temp.file("squares.poly"), kSquares);
    QtMainWindow& w = start(temp.file("squares.poly"));
    w.action(Command::Union)->trigger();
    EXPECT_EQ(1, w.state().doc.ringCount());
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(2, w.state().doc.ringCount());
}

TEST(CombineWindow, mergesOverlappingAreasWhenTheBoxIsTicked) {
    TempDir dir, out;
    writeFile(dir.file("squares.poly"), kSquares);
    ScriptedPlatform platform;
    State state(platform);
    CombineWindow window(nullptr, state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.setFolder(QString::fromStdString(dir.path())));
    window.fileList()->item(0)->setSelected(true);
    QTest::mouseClick(window.addButton(), Qt::LeftButton);
    window.findChild<QCheckBox*>()->setChecked(true);
    platform.dialogResults = {out.file("merged.poly")};
    platform.answers = {Answer::No};
    QTest::mouseClick(window.saveButton(), Qt::LeftButton);
    EXPECT_EQ(std::string::npos, readFile(out.file("merged.poly")).find("east"));
}
