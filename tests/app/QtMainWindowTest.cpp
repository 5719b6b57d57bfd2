// What only the real window shows: the layout and menus, a real drag of a
// vertex handle, a real double-click, Escape wherever the focus is, a
// dropped file, the close guard, and the settings written on closing.
#include <QAction>
#include <cstdio>
#include <QCheckBox>
#include <QListWidget>
#include <QMimeData>
#include <QStyle>
#include <QUrl>
#include <QWheelEvent>

#include "state/TitleTyping.h"
#include "app/QtControls.h"
#include "app/QtWindowFixture.h"
#include "view/ViewArea.h"
#include "app/Settings.h"
#include "document/Numbers.h"
#include "document/LoadedRing.h"
#include "document/Reader.h"
#include "editing/QtCanvas.h"
#include "view/Transform.h"

using namespace tess;

namespace {

const char* kSquares =
    "SQUARES\n1\n   10.0 50.0\n   20.0 50.0\n   20.0 60.0\n   10.0 60.0\n   10.0 50.0\nEND\n"
    "2\n   12.0 52.0\n   18.0 52.0\n   18.0 58.0\n   12.0 58.0\n   12.0 52.0\nEND\nEND\n";

class MainWindowTest : public test::QtWindowTest {
protected:
    State& state() { return window().state(); }
    QtCanvas* canvas() { return window().canvas(); }
    std::string open() {
        const std::string path = temp.file("squares.poly");
        test::writeFile(path, kSquares);
        start(path);
        return path;
    }
    static QPoint centreOf(const SquareObject& o) {
        return QPoint(static_cast<int>((o.left + o.width / 2) / kTwipsPerPixel),
                      static_cast<int>((o.top + o.height / 2) / kTwipsPerPixel));
    }
    void click(QWidget* w, QPoint at = QPoint(5, 5)) {
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
    }
};

TEST_F(MainWindowTest, laysOutItsControlsAndShowsFiveDigitRingNumbersAndAmpersandsWhole) {
    start();
    EXPECT_EQ("Tessaline 2.1", window().windowTitle().toStdString());
    QListWidget* list = window().ringList();
    const int needed = list->fontMetrics().horizontalAdvance("32767");
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_GE(list->width() - 2 * list->frameWidth() - scrollBar, needed);
    EXPECT_GT(canvas()->geometry().left(), list->geometry().right());  // the list never covers the canvas
    state().settings.recent[0].path = "/maps/Rock & Roll.poly";
    window().syncFromState();
    EXPECT_EQ("/maps/Rock && Roll.poly", window().recentFileAction(0)->text().toStdString());
}

TEST_F(MainWindowTest, aRealDragMovesTheVertexToWhereTheHandleIsDropped) {
    open();
    QTest::mouseClick(window().editBox(), Qt::LeftButton);
    ASSERT_TRUE(state().edit.handlesShown);
    const QPoint from = centreOf(state().edit.overlays.handles[2]), to = from + QPoint(-40, 30);
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas(), (from + to) / 2);
    QTest::mouseMove(canvas(), to);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, to);
    const GeoPoint under = geoPointAt(state().view, to.x() * 15.0, to.y() * 15.0, canvasArea(state().canvas));
    EXPECT_EQ(sevenDigitValue(under.lon), state().doc.loaded.lon[2]);
    EXPECT_EQ(sevenDigitValue(under.lat), state().doc.loaded.lat[2]);
    EXPECT_TRUE(window().windowTitle().contains("+ ("));
}

TEST_F(MainWindowTest, aRealDoubleClickClosesThePolygonAndEscapeCancelsItFromAnyControl) {
    open();
    click(window().toolButton(1));
    for (QPoint p : {QPoint(100, 60), QPoint(300, 60), QPoint(300, 150)}) click(canvas(), p);
    const QPoint last(100, 150);
    click(canvas(), last);
    QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier, last);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, last);
    EXPECT_EQ(4, state().edit.outline.pointCount);
    EXPECT_EQ(OutlineState::Closed, state().edit.outline.state);
    window().titleBox()->setFocus();
    QTest::keyClick(window().titleBox(), Qt::Key_Escape);
    EXPECT_EQ(0, state().edit.outline.pointCount);
    EXPECT_FALSE(state().doc.modified);
}

TEST_F(MainWindowTest, aDroppedFileOpensAndTheRingListFollows) {
    start();
    test::writeFile(temp.file("a.poly"), kSquares);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(temp.file("a.poly"))), QUrl::fromLocalFile("/other.poly")});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &drop);
    EXPECT_EQ(temp.file("a.poly"), state().doc.fileName);
    ASSERT_EQ(2, window().ringList()->count());
    QListWidget* list = window().ringList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(1, state().doc.loaded.index);
}

TEST_F(MainWindowTest, theCloseGuardKeepsTheWindowOnCancelAndSavesOnYes) {
    const std::string path = open();
    state().doc.content.title = "EDITED";
    titleTyped(state().doc);
    platform.answers = {Answer::Cancel};
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    platform.answers = {Answer::Yes};
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(test::readFile(path).starts_with("EDITED\n"));
    EXPECT_NE(std::string::npos, test::readFile(temp.file("system/tessaline.dat")).find(kSettingsMarker));
}

}  // namespace

namespace {

// The wheel zooms around the pointer, a middle drag pans, and the status
// bar tells where the pointer is, which ring is shown and how close.
TEST_F(MainWindowTest, theWheelZoomsAroundThePointerAndAMiddleDragPans) {
    open();
    const QPoint at(200, 150);
    QTest::mouseMove(canvas(), at);
    const std::string before = window().statusLabel(0)->text().toStdString();
    EXPECT_EQ(0u, before.find("Lon "));
    EXPECT_EQ(0u, window().statusLabel(1)->text().toStdString().find("Ring 1: 4 vertices, "));
    EXPECT_NE(std::string::npos, window().statusLabel(1)->text().toStdString().find(" km around"));
    EXPECT_EQ("Zoom 1\xC3\x97", window().statusLabel(2)->text().toStdString());

    QWheelEvent wheel(at, canvas()->mapToGlobal(at), QPoint(), QPoint(0, 2 * 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas(), &wheel);
    EXPECT_EQ("Zoom 1.6\xC3\x97", window().statusLabel(2)->text().toStdString());  // two notches of 1.25
    QTest::mouseMove(canvas(), at);
    double lon0 = 0, lat0 = 0, lon1 = 0, lat1 = 0;  // the point under the pointer stayed
    std::sscanf(before.c_str(), "Lon %lf Lat %lf", &lon0, &lat0);
    std::sscanf(window().statusLabel(0)->text().toUtf8().constData(), "Lon %lf Lat %lf", &lon1, &lat1);
    EXPECT_NEAR(lon0, lon1, 1e-5);
    EXPECT_NEAR(lat0, lat1, 1e-5);
    EXPECT_EQ("W " + state().view.labels[0].substr(1), window().boundLabel(0)->text().toStdString());

    const float west = state().view.minLon;
    QTest::mousePress(canvas(), Qt::MiddleButton, Qt::NoModifier, at);
    QTest::mouseMove(canvas(), at + QPoint(60, 0));
    QTest::mouseRelease(canvas(), Qt::MiddleButton, Qt::NoModifier, at + QPoint(60, 0));
    EXPECT_LT(state().view.minLon, west);  // dragged right: what is west comes into view
    EXPECT_EQ(0, state().edit.outline.pointCount);    // a pan draws no outline

    window().action(Command::FitRing)->trigger();  // Fit Ring
    EXPECT_EQ("Zoom 1\xC3\x97", window().statusLabel(2)->text().toStdString());
}

}  // namespace

namespace {

// A vertex dragged, a ring added with "+" and removed with "-", the title
// typed over: Ctrl+Z takes all four back, to the window and caption the
// file opened with; Ctrl+Shift+Z makes them again, and Save writes that.
TEST_F(MainWindowTest, ctrlZTakesBackEveryKindOfChangeAndCtrlShiftZMakesThemAgain) {
    const std::string path = open();
    const std::string opened = window().windowTitle().toStdString();
    auto shownNow = [&] {
        std::string shown = window().windowTitle().toStdString() + "|" + window().titleBox()->text().toStdString() +
                            "|" + std::to_string(window().ringList()->count()) + "|" +
                            std::to_string(window().ringList()->currentRow());
        // Every ring's vertices as the document holds them: the loaded
        // ring's as numbers, which its text follows at the next commit.
        const OpenDocument& d = state().doc;
        for (int k = 0; k < d.ringCount(); ++k) {
            shown += "|";
            auto add = [&](double lon, double lat) { shown += " " + shortestText(lon) + "," + shortestText(lat); };
            if (k == d.loaded.index) forEachLoadedVertex(d.content, d.loaded, add);
            else forEachVertexOf(d.content.rings[static_cast<std::size_t>(k)].lines, add);
        }
        return shown;
    };
    const std::string start = shownNow();

    QTest::mouseClick(window().editBox(), Qt::LeftButton);
    const QPoint from = centreOf(state().edit.overlays.handles[2]), to = from + QPoint(-40, 30);
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas(), to);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ("Undo Move Vertex", window().action(Command::Undo)->text().remove(QChar('&')).toStdString());

    click(window().toolButton(2));  // a rectangle, added with "+"
    click(canvas(), QPoint(150, 100));
    click(canvas(), QPoint(250, 200));
    click(window().selectionLabel(0));
    EXPECT_EQ(3, window().ringList()->count());
    platform.answers.push_back(Answer::Yes);  // "Are you sure?": Delete asks as "-" does
    canvas()->setFocus();
    QTest::keyClick(canvas(), Qt::Key_Delete);
    EXPECT_EQ("Undo Remove Ring 3", window().action(Command::Undo)->text().remove(QChar('&')).toStdString());
    window().titleBox()->setFocus();
    QTest::keyClicks(window().titleBox(), "X");
    window().canvas()->setFocus();  // leaving the box ends the typing: one step
    const std::string changed = shownNow();
    EXPECT_TRUE(window().windowTitle().contains("+ ("));

    for (int i = 0; i < 4; ++i) QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(start, shownNow());
    EXPECT_EQ(opened, window().windowTitle().toStdString());  // no "+": the file holds this
    EXPECT_FALSE(window().action(Command::Undo)->isEnabled());

    for (int i = 0; i < 4; ++i) QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(changed, shownNow());
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    PolyLoad saved = readPolyFile(path);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ("SQUARESX", saved.file.title);
    ASSERT_EQ(2u, saved.file.rings.size());
    EXPECT_FALSE(window().windowTitle().contains("+ ("));
}

// The place Check Document points at is ringed on the canvas until the
// document takes a step.
TEST_F(MainWindowTest, aCheckedPlaceIsRingedUntilTheDocumentChanges) {
    open();
    const double lon = 15, lat = 55;
    const CanvasArea area = canvasArea(state().canvas);
    const CanvasPoint at = ViewMapping(state().view, area.width, area.height, area.margin)(lon, lat);
    const QPoint onRing(static_cast<int>(at.x / kTwipsPerPixel) + 14, static_cast<int>(at.y / kTwipsPerPixel));
    auto redAt = [&](QPoint p) {
        const QColor c = canvas()->grab().toImage().pixelColor(p);
        return c.red() > 180 && c.green() < 80 && c.blue() < 80;
    };
    EXPECT_FALSE(redAt(onRing));
    state().edit.overlays.problem = {lon, lat, 0, state().doc.history.done.size()};
    canvas()->update();
    EXPECT_TRUE(redAt(onRing));
    window().titleBox()->setFocus();
    QTest::keyClicks(window().titleBox(), "X");
    canvas()->setFocus();
    EXPECT_FALSE(redAt(onRing));
}

// A long hint in a narrow window takes another line of the status bar
// rather than losing its end.
TEST_F(MainWindowTest, theStatusHintIsShownWholeInTheNarrowestWindow) {
    open();
    window().resize(kMinimumWidth, kMinimumHeight);
    state().doc.saveNotice = "Saved with repairs other programs need: 3 coordinates written with a period, "
                             "1 ring closed with its first vertex again, 2 lines of blanks removed";
    window().syncFromState();
    QLabel* hint = window().statusLabel(3);
    const QString text = QString::fromStdString(state().doc.saveNotice);
    auto shownWhole = [&] {
        if (!hint->isVisible() || hint->width() <= 0) return false;
        const QRect needed = hint->fontMetrics().boundingRect(QRect(0, 0, hint->width(), 1000), Qt::TextWordWrap, text);
        return needed.width() <= hint->width() && needed.height() <= hint->height();
    };
    EXPECT_TRUE(QTest::qWaitFor(shownWhole, 2000)) << hint->width() << " x " << hint->height();
    EXPECT_LE(hint->geometry().right(), window().width());
    EXPECT_EQ(window().width(), kMinimumWidth);  // and the window did not have to widen for it
}

// While a drawing runs, the canvas keeps the last whole picture: a zoom
// on a huge ring never shows it blank.
TEST_F(MainWindowTest, theLastWholePictureStaysUpWhileADrawingRuns) {
    open();
    auto blueShown = [&] {
        const QImage shown = canvas()->grab().toImage();
        for (int y = 0; y < shown.height(); y += 2)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixelColor(x, y) == QColor(0, 0, 255)) return true;
        return false;
    };
    ASSERT_TRUE(blueShown());
    state().canvas.drawing = true;  // as in the middle of a redraw, which starts from a clear canvas
    canvas()->clear();
    EXPECT_TRUE(blueShown());
    state().canvas.drawing = false;
    EXPECT_FALSE(blueShown());
}

}  // namespace
