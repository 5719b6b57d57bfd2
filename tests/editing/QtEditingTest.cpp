// Editing through the real window: mouse and key events on the canvas,
// the tool buttons, the "Edit" box, the ring list and the "+" and "-"
// labels reach the program's handlers with the right coordinates.
#include <initializer_list>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>

#include "app/QtControls.h"
#include "app/QtWindowFixture.h"
#include "document/Numbers.h"
#include "editing/Editing.h"
#include "view/QtCanvas.h"
#include "view/Transform.h"

using namespace tess;

namespace {

const char* kSquares =
    "SQUARES\n1\n   10.0 50.0\n   20.0 50.0\n   20.0 60.0\n   10.0 60.0\n   10.0 50.0\nEND\n"
    "2\n   12.0 52.0\n   18.0 52.0\n   18.0 58.0\n   12.0 58.0\n   12.0 52.0\nEND\nEND\n";

class EditingWindowTest : public test::QtWindowTest {
protected:
    State& state() { return window().state(); }
    QtCanvas* canvas() { return window().canvas(); }

    void open() {
        const std::string path = temp.file("squares.poly");
        test::writeFile(path, kSquares);
        start(path);
        ASSERT_EQ(state().doc.lastPoint, 4);
    }
    QPoint centreOf(const SquareObject& o) {
        return QPoint(static_cast<int>((o.left + o.width / 2) / kTwipsPerPixel),
                      static_cast<int>((o.top + o.height / 2) / kTwipsPerPixel));
    }
    // The 7-digit text newcoord gives for a canvas pixel.
    std::string textOf(QPoint pixel) {
        return newcoord(state().view, pixel.x() * double(kTwipsPerPixel), pixel.y() * double(kTwipsPerPixel),
                        canvas()->width(), canvas()->height());
    }
    // The single-precision coordinates of a canvas pixel.
    std::pair<float, float> mapOf(QPoint pixel) {
        float lon = 0, lat = 0;
        EXPECT_TRUE(splitCoordText(textOf(pixel), lon, lat));
        return {lon, lat};
    }
    void click(QWidget* w, QPoint at) {
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
    }
    void chooseTool(int index) {
        QTest::mousePress(window().toolButton(index), Qt::LeftButton);
        QTest::mouseRelease(window().toolButton(index), Qt::LeftButton);
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(canvas(), (from + to) / 2);
        QTest::mouseMove(canvas(), to);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, to);
    }
    void drawPolygon(std::initializer_list<QPoint> points) {
        chooseTool(1);
        for (QPoint p : points) click(canvas(), p);
    }
    void drawRectangle(QPoint a, QPoint b) {
        chooseTool(2);
        click(canvas(), a);
        QTest::mouseMove(canvas(), b);
        click(canvas(), b);
    }
    void toggleEditBox() { QTest::mouseClick(window().editBox(), Qt::LeftButton); }
    void clickRingRow(int row) {
        QListWidget* list = window().ringList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
    }
    void doubleClick(QPoint at) {
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, at);
    }
};

}  // namespace

TEST_F(EditingWindowTest, DraggingAVertexStoresTheDropPointToSevenDigits) {
    open();
    toggleEditBox();
    ASSERT_TRUE(state().edit.editMode);
    const QPoint from = centreOf(state().overlays.node[2]);
    const QPoint to = from + QPoint(-40, 30);
    drag(from, to);
    double lon = 0, lat = 0;
    ASSERT_TRUE(splitCoordText(textOf(to), lon, lat));
    EXPECT_EQ(state().doc.ringLon[2], lon);
    EXPECT_EQ(state().doc.ringLat[2], lat);
    EXPECT_EQ(state().overlays.node[2].tag, textOf(to));
    EXPECT_EQ(centreOf(state().overlays.node[2]), to);
    EXPECT_TRUE(window().windowTitle().endsWith('+'));
    // The document keeps the move after edit mode ends.
    toggleEditBox();
    EXPECT_FALSE(state().edit.editMode);
    EXPECT_NE(state().doc.ringTexts[0].find(shortestText(lon)), std::string::npos);
}

TEST_F(EditingWindowTest, DraggingTheLastVertexMovesTheClosingCopy) {
    open();
    toggleEditBox();
    const QPoint from = centreOf(state().overlays.node[4]);
    drag(from, from + QPoint(20, 20));
    EXPECT_EQ(state().doc.ringLon[0], state().doc.ringLon[4]);
    EXPECT_EQ(state().doc.ringLat[0], state().doc.ringLat[4]);
    EXPECT_NE(state().doc.ringLat[4], 60.0);
}

TEST_F(EditingWindowTest, AReleaseOutsideTheCanvasStoresNothing) {
    open();
    toggleEditBox();
    const QPoint from = centreOf(state().overlays.node[3]);
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas(), from + QPoint(30, 30));
    const QPoint outside(-20, -20);
    QTest::mouseMove(canvas(), outside);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, outside);
    EXPECT_FALSE(dragInProgress(state()));
    EXPECT_DOUBLE_EQ(state().doc.ringLon[3], 10);
    EXPECT_DOUBLE_EQ(state().doc.ringLat[3], 60);
    EXPECT_FALSE(state().doc.modified);
}

TEST_F(EditingWindowTest, TheEditCaptionTogglesEditMode) {
    open();
    QTest::mouseClick(window().editLabel(), Qt::LeftButton);
    EXPECT_TRUE(state().edit.editMode);
    EXPECT_TRUE(window().editBox()->isChecked());
    QTest::mouseClick(window().editLabel(), Qt::LeftButton);
    EXPECT_FALSE(state().edit.editMode);
    EXPECT_FALSE(window().editBox()->isChecked());
}

TEST_F(EditingWindowTest, PressReleaseDoubleClickReleaseAddsOnePointAndCloses) {
    open();
    drawPolygon({QPoint(100, 60), QPoint(300, 60), QPoint(300, 150)});
    ASSERT_EQ(state().sel.selCount, 3);
    doubleClick(QPoint(100, 150));
    EXPECT_EQ(state().sel.selCount, 4);
    EXPECT_EQ(state().sel.selState, 2);
    const auto [lon, lat] = mapOf(QPoint(100, 150));
    EXPECT_EQ(state().sel.selLon[4], lon);
    EXPECT_EQ(state().sel.selLat[4], lat);
}

TEST_F(EditingWindowTest, ADoubleClickOnAMarkerClosesWithoutAddingAPoint) {
    open();
    drawPolygon({QPoint(100, 60), QPoint(300, 60), QPoint(300, 150)});
    const QPoint marker2 = centreOf(state().overlays.nd[2]);
    doubleClick(marker2);
    EXPECT_EQ(state().sel.selCount, 3);
    EXPECT_EQ(state().sel.selState, 2);
}

TEST_F(EditingWindowTest, EscapeCancelsTheOutlineWhileTheTitleBoxHasTheFocus) {
    open();
    drawPolygon({QPoint(100, 60), QPoint(300, 60)});
    window().titleBox()->setFocus();
    QTest::keyClick(window().titleBox(), Qt::Key_Escape);
    EXPECT_EQ(state().sel.selCount, 0);
    EXPECT_FALSE(state().doc.modified);
    QTest::keyClick(window().titleBox(), Qt::Key_Escape);  // nothing left to cancel
    EXPECT_EQ(state().sel.selCount, 0);
}

TEST_F(EditingWindowTest, EscapeCancelsTheRubberBandWhileTheRingListHasTheFocus) {
    open();
    chooseTool(2);
    click(canvas(), QPoint(120, 80));
    ASSERT_TRUE(state().overlays.Shape1.visible);
    window().ringList()->setFocus();
    QTest::keyClick(window().ringList(), Qt::Key_Escape);
    EXPECT_FALSE(state().overlays.Shape1.visible);
    EXPECT_EQ(state().doc.currentRing, -1);  // the list itself was not used
}

TEST_F(EditingWindowTest, ARectangleAddedWithPlusBecomesTheNewCurrentRing) {
    open();
    const QPoint a(120, 80), b(320, 200);
    drawRectangle(a, b);
    ASSERT_EQ(state().sel.selCount, 4);
    ASSERT_EQ(state().sel.selState, 2);
    // The view fits the new ring once it is current; map the corner first.
    const auto [lonA, latA] = mapOf(a);
    QTest::mouseClick(window().selectionLabel(0), Qt::LeftButton);
    EXPECT_EQ(state().sel.selCount, 0);
    EXPECT_EQ(window().ringList()->count(), 3);
    EXPECT_EQ(window().ringList()->currentRow(), 2);
    EXPECT_EQ(window().ringList()->item(2)->text(), "3");
    EXPECT_EQ(state().doc.currentRing, 2);
    ASSERT_EQ(state().doc.lastPoint, 4);
    EXPECT_NEAR(state().doc.ringLon[0], lonA, 1e-4);
    EXPECT_NEAR(state().doc.ringLat[0], latA, 1e-4);
    EXPECT_TRUE(window().windowTitle().endsWith('+'));
    EXPECT_EQ(state().edit.tool, 0);
    EXPECT_FALSE(window().toolIndicator(2)->isVisible());
}

TEST_F(EditingWindowTest, DraggingARectangleCornerMovesItsMarkerAndPoint) {
    open();
    drawRectangle(QPoint(120, 80), QPoint(320, 200));
    const QPoint from = centreOf(state().overlays.nd[3]);
    const QPoint to = from + QPoint(30, 10);
    drag(from, to);
    const auto [lon, lat] = mapOf(to);
    EXPECT_EQ(state().sel.selLon[3], lon);
    EXPECT_EQ(state().sel.selLat[3], lat);
    EXPECT_EQ(centreOf(state().overlays.nd[3]), to);
}

TEST_F(EditingWindowTest, MinusRemovesTheChosenRingAfterYes) {
    open();
    platform.answers.push_back(Answer::Yes);
    QTest::mouseClick(window().selectionLabel(1), Qt::LeftButton);
    EXPECT_EQ(platform.last(), "Are you sure?");
    EXPECT_EQ(window().ringList()->count(), 1);
    EXPECT_EQ(window().ringList()->item(0)->text(), "1");
    EXPECT_EQ(state().doc.lastPoint, 0);
    EXPECT_NE(state().doc.ringTexts[0].find("12.0 52.0"), std::string::npos);
    // The entry that held the removed ring now loads its successor.
    clickRingRow(0);
    EXPECT_EQ(state().doc.lastPoint, 4);
    EXPECT_DOUBLE_EQ(state().doc.ringLon[0], 12);
}

TEST_F(EditingWindowTest, TheRingListRefusesWhileAnOutlineExists) {
    open();
    drawPolygon({QPoint(100, 60)});
    clickRingRow(1);
    EXPECT_EQ(platform.last(), "Please Add (+) or Cancel (ESc) selection");
    EXPECT_EQ(window().ringList()->currentRow(), 0);
    EXPECT_EQ(state().sel.selCount, 1);
}
