// The area tools in the Tools menu of a real window, Ctrl+Z taking one
// back, and the combine window's "Merge overlapping areas" box.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/QtWindowFixture.h"
#include "combine/QtCombineWindow.h"
#include "platform/Messages.h"
#include "support/TestFiles.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kSquares =
    "Squares\nwest\n   10.0 50.0\n   11.0 50.0\n   11.0 51.0\n   10.0 51.0\n   10.0 50.0\nEND\n"
    "east\n   10.5 50.5\n   11.5 50.5\n   11.5 51.5\n   10.5 51.5\n   10.5 50.5\nEND\nEND\n";

}  // namespace

TEST_F(QtWindowTest, theToolsMenuMergesOverlappingRingsInOneStepThatCtrlZTakesBack) {
    writeFile(temp.file("squares.poly"), kSquares);
    QtMainWindow& w = start(temp.file("squares.poly"));
    for (Command c : {Command::Union, Command::ClipToFile, Command::SubtractFile, Command::RemoveSmallHoles, Command::SplitAt180})
        ASSERT_NE(nullptr, w.action(c));
    EXPECT_EQ("Split at \xC2\xB1" "180\xC2\xB0", w.action(Command::SplitAt180)->text().toStdString());
    w.action(Command::Union)->trigger();
    EXPECT_EQ(1, w.state().doc.ringCount());
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(2, w.state().doc.ringCount());
    EXPECT_FALSE(w.state().doc.modified);
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
    auto* merge = window.findChild<QCheckBox*>();
    ASSERT_NE(nullptr, merge);
    EXPECT_EQ(kMergeOverlappingAreas, merge->text().toStdString());
    merge->setChecked(true);
    platform.dialogResults = {out.file("merged.poly")};
    platform.answers = {Answer::No};
    QTest::mouseClick(window.saveButton(), Qt::LeftButton);
    const std::string merged = readFile(out.file("merged.poly"));
    EXPECT_EQ(std::string::npos, merged.find("east"));
    EXPECT_NE(std::string::npos, merged.find("west"));
}
