// The canvas in the window: the back buffer holds the drawing, the canvas
// objects are painted above it and receive the mouse, the progress bar
// and the layout follow the state.
#include <QCheckBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QToolTip>
#include <cmath>

#include "app/QtControls.h"
#include "app/QtWindowFixture.h"
#include "editing/Editing.h"
#include "view/Plot.h"
#include "view/Progress.h"
#include "view/QtCanvas.h"
#include "view/Transform.h"
#include "view/Clearing.h"

using namespace tess;

namespace {

constexpr QRgb kBlue = 0xff0000ff;

bool blueNear(const QImage& image, double px, double py) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = static_cast<int>(std::floor(px)) + dx, y = static_cast<int>(std::floor(py)) + dy;
            if (image.rect().contains(x, y) && image.pixel(x, y) == kBlue) return true;
        }
    return false;
}

class CanvasTest : public test::QtWindowTest {
protected:
    State& state() { return window().state(); }
    QPointF pixelOf(double lon, double lat) {
        const auto p = toCanvas(state().view, lon, lat, window().canvas()->width(), window().canvas()->height());
        return QPointF(p->x / kTwipsPerPixel, p->y / kTwipsPerPixel);
    }
    QPoint handleCentre(int i) {
        const SquareObject& h = state().overlays.node[static_cast<std::size_t>(i)];
        return QPoint(static_cast<int>((h.left + 50) / kTwipsPerPixel), static_cast<int>((h.top + 50) / kTwipsPerPixel));
    }
    void startWithBerlin() { start(copyOf("osmium_berlin.poly", "berlin.poly")); }
    // Whether the drawn ring passes through the pixel of vertex i.
    bool ringDrawnThrough(const QImage& image, std::size_t i) {
        const QPointF p = pixelOf(state().doc.ringLon[i], state().doc.ringLat[i]);
        return blueNear(image, p.x(), p.y());
    }
    void chooseTool(int i) {
        QTest::mousePress(window().toolButton(i), Qt::LeftButton);
        QTest::mouseRelease(window().toolButton(i), Qt::LeftButton);
    }
    void clickCanvas(std::initializer_list<QPoint> points) {
        for (QPoint p : points) {
            QTest::mousePress(window().canvas(), Qt::LeftButton, Qt::NoModifier, p);
            QTest::mouseRelease(window().canvas(), Qt::LeftButton, Qt::NoModifier, p);
        }
    }
    // What the frame and layout give the canvas for the window's outer size.
    int canvasWidthFor(const QRect& outer) { return outer.width() * 15 - 768 - 300; }
    int canvasHeightFor(const QRect& outer) { return outer.height() * 15 - 600 - 1000; }
};

}  // namespace

TEST_F(CanvasTest, TheBackBufferHoldsTheRingAlongItsVertices) {
    startWithBerlin();
    const QImage image = window().canvas()->image();
    const Document& doc = state().doc;
    int hits = 0;
    for (std::int64_t i = 0; i <= doc.lastPoint; ++i)
        if (ringDrawnThrough(image, static_cast<std::size_t>(i))) ++hits;
    EXPECT_EQ(hits, doc.lastPoint + 1);
    EXPECT_EQ(image.pixel(2, 2), 0xffffffff);
}

TEST_F(CanvasTest, TheDrawingSurvivesARepaintWithoutARedraw) {
    startWithBerlin();
    const QImage before = window().canvas()->image();
    state().edit.busy = true;  // any redraw would now do nothing
    window().canvas()->repaint();
    const QImage shown = window().canvas()->grab().toImage().convertToFormat(before.format());
    state().edit.busy = false;
    EXPECT_TRUE(ringDrawnThrough(shown, 3));
    EXPECT_EQ(window().canvas()->image(), before);
}

TEST_F(CanvasTest, ARingOutsideTheViewShowsTheNoticeInRed) {
    startWithBerlin();
    state().view.minLon = 100;
    state().view.maxLon = 110;
    setSpans(state().view);
    plot(state(), false, 0);
    const QImage image = window().canvas()->image();
    int red = 0;
    for (int y = 13; y < 30; ++y)
        for (int x = 6; x < 200; ++x)
            if (image.pixel(x, y) == 0xffff0000) ++red;
    EXPECT_GT(red, 20);
}

TEST_F(CanvasTest, TheProgressBarShowsTheWidthsOfTheNineHundredTwentyFourUnitFrame) {
    start();
    ASSERT_EQ(state().progress.frameWidth, 924);
    EXPECT_EQ(window().progressFrame()->width(), 924 / 15);
    auto shown = [&] {
        window().syncFromState();
        return window().progressBar()->width();
    };
    struct Step { int phase, done; double total; int width; };
    for (const Step& s : {Step{0, 50, 100, 231}, Step{50, 50, 100, 693}, Step{50, 100, 100, 924}, Step{0, 0, 0, 15}}) {
        rec(state(), s.phase, s.done, s.total);
        EXPECT_EQ(state().progress.barWidth, s.width) << s.phase << " " << s.done;
        EXPECT_EQ(shown(), s.width / 15) << s.phase << " " << s.done;
    }
}

TEST_F(CanvasTest, ResizingLaysOutTheCanvasAndListFromTheOuterSize) {
    start();
    window().resize(800, 700);
    QApplication::processEvents();
    const QRect outer = window().frameGeometry();
    const Layout& l = state().layout;
    EXPECT_EQ(l.canvasWidth, canvasWidthFor(outer));
    EXPECT_EQ(l.canvasHeight, canvasHeightFor(outer));
    EXPECT_EQ(l.listHeight, l.canvasHeight - 2880);
    EXPECT_EQ(window().canvas()->QWidget::width(), l.canvasWidth / 15);
    EXPECT_EQ(window().canvas()->QWidget::height(), l.canvasHeight / 15);
    EXPECT_EQ(window().ringList()->height(), l.listHeight / 15);
    EXPECT_EQ(window().canvas()->pos(), QPoint(768 / 15, 600 / 15));
}

TEST_F(CanvasTest, ResizingRedrawsTheRingForTheNewSize) {
    startWithBerlin();
    window().resize(900, 760);
    QApplication::processEvents();
    const QImage image = window().canvas()->image();
    EXPECT_EQ(image.width(), window().canvas()->QWidget::width());
    EXPECT_TRUE(ringDrawnThrough(image, 5));
}

TEST_F(CanvasTest, AWindowShrunkToNothingKeepsWorking) {
    startWithBerlin();
    const Layout before = state().layout;
    window().resize(1, 1);
    QApplication::processEvents();
    // The window system may keep a minimum size; sizes it would make
    // negative leave the control as it was.
    const QRect outer = window().frameGeometry();
    const int width = canvasWidthFor(outer), height = canvasHeightFor(outer);
    EXPECT_EQ(state().layout.canvasWidth, width >= 0 ? width : before.canvasWidth);
    EXPECT_EQ(state().layout.canvasHeight, height >= 0 ? height : before.canvasHeight);
    EXPECT_EQ(state().layout.listHeight, std::max(100, state().layout.canvasHeight - 2880));
    EXPECT_FALSE(state().edit.busy);
    layoutForWindow(state(), 15, 15);
    window().Form_Resize();
    EXPECT_FALSE(state().edit.busy);
    window().resize(700, 700);
    QApplication::processEvents();
    EXPECT_EQ(state().layout.canvasHeight, canvasHeightFor(window().frameGeometry()));
}

TEST_F(CanvasTest, HandlesArePaintedAboveTheDrawingAndCarryTheirTips) {
    startWithBerlin();
    ASSERT_LE(state().doc.lastPoint, 1000);
    QTest::mouseClick(window().editBox(), Qt::LeftButton);
    ASSERT_TRUE(state().edit.editMode);
    const QPoint c = handleCentre(3);
    const QImage shown = window().canvas()->grab().toImage();
    EXPECT_EQ(shown.pixel(c), 0xff000000);
    const CanvasHit hit = window().canvas()->hitTest(c.x() * 15.0, c.y() * 15.0);
    EXPECT_EQ(hit.kind, CanvasHit::Node);
    EXPECT_EQ(state().overlays.node[static_cast<std::size_t>(hit.index)].tip,
              state().overlays.node[static_cast<std::size_t>(hit.index)].tag);
}

TEST_F(CanvasTest, DraggingAHandleMovesItsVertexAndMarksTheDocument) {
    startWithBerlin();
    QTest::mouseClick(window().editBox(), Qt::LeftButton);
    ASSERT_TRUE(state().edit.editMode);
    const double lonBefore = state().doc.ringLon[10];
    const QPoint from = handleCentre(10);
    const QPoint to = from + QPoint(25, 15);
    QtCanvas* canvas = window().canvas();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas, from + QPoint(10, 5));
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_TRUE(state().doc.modified);
    EXPECT_NE(state().doc.ringLon[10], lonBefore);
    EXPECT_EQ(handleCentre(10), to);
    EXPECT_EQ(window().windowTitle().back(), QChar('+'));
}

TEST_F(CanvasTest, ThePolygonToolMakesRedMarkersAndEscapeRemovesThem) {
    startWithBerlin();
    chooseTool(1);
    EXPECT_EQ(state().edit.tool, 1);
    EXPECT_TRUE(window().toolIndicator(1)->isVisible());
    clickCanvas({QPoint(100, 100), QPoint(300, 120), QPoint(250, 300)});
    EXPECT_EQ(state().sel.selCount, 3);
    const QImage shown = window().canvas()->grab().toImage();
    EXPECT_EQ(shown.pixel(300, 120), 0xffff0000);
    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_EQ(state().sel.selCount, 0);
}

TEST_F(CanvasTest, ADoubleClickClosesAnOpenOutline) {
    startWithBerlin();
    chooseTool(1);
    clickCanvas({QPoint(100, 100), QPoint(300, 120), QPoint(250, 300)});
    QtCanvas* canvas = window().canvas();
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 280));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 280));
    EXPECT_EQ(state().sel.selState, 2);
}

TEST_F(CanvasTest, ChoosingAnotherRingInTheListDrawsIt) {
    start(copyOf("osmium_polygon-outer-inner.poly", "rings.poly"));
    ASSERT_GE(window().ringList()->count(), 2);
    QListWidget* list = window().ringList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(state().doc.currentRing, 1);
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(CanvasTest, TheRubberBandFollowsThePointerAndTheSecondPressMakesARectangle) {
    startWithBerlin();
    chooseTool(2);
    clickCanvas({QPoint(100, 100)});
    QtCanvas* canvas = window().canvas();
    QTest::mouseMove(canvas, QPoint(200, 160));
    const RectObject& band = state().overlays.Shape1;
    EXPECT_TRUE(band.visible);
    EXPECT_DOUBLE_EQ(band.left, 1500);
    EXPECT_DOUBLE_EQ(band.width, 1500);
    EXPECT_DOUBLE_EQ(band.height, 900);
    QTest::mouseMove(canvas, QPoint(60, 160));
    EXPECT_DOUBLE_EQ(band.left, 900);
    EXPECT_DOUBLE_EQ(band.width, 600);
    clickCanvas({QPoint(60, 160)});
    EXPECT_EQ(state().sel.selCount, 4);
    EXPECT_EQ(state().sel.selState, 2);
}

TEST_F(CanvasTest, EscapeCancelsTheOutlineWhileTheTitleBoxHasTheFocus) {
    startWithBerlin();
    chooseTool(1);
    clickCanvas({QPoint(100, 100), QPoint(300, 120)});
    ASSERT_EQ(state().sel.selCount, 2);
    window().activateWindow();
    window().titleBox()->setFocus();
    QTest::keyClick(window().titleBox(), Qt::Key_Escape);
    EXPECT_EQ(state().sel.selCount, 0);
    EXPECT_FALSE(state().doc.modified);
}

TEST_F(CanvasTest, AHandlesTipShowsItsCoordinates) {
    startWithBerlin();
    QTest::mouseClick(window().editBox(), Qt::LeftButton);
    const QPoint c = handleCentre(4);
    QHelpEvent help(QEvent::ToolTip, c, window().canvas()->mapToGlobal(c));
    QApplication::sendEvent(window().canvas(), &help);
    EXPECT_EQ(QToolTip::text().toStdString(), state().overlays.node[4].tip);
    EXPECT_FALSE(QToolTip::text().isEmpty());
}
