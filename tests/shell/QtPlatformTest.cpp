// The window's platform: boxes titled "Tessaline" with the right buttons,
// the file chooser with its title and type list, a busy pointer that does
// not nest. Each box is answered by a timer, as a user would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "platform/QtPlatform.h"
#include "shell/FileHelpers.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

// Waits for the next modal window and hands it to `act`.
void whenModalOpens(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

void press(QWidget* modal, QMessageBox::StandardButton which, QString* title, QString* text,
           QMessageBox::StandardButtons* buttons) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    *title = box->windowTitle();
    *text = box->text();
    *buttons = box->standardButtons();
    box->button(which)->click();
}

}  // namespace

TEST(QtPlatform, AMessageHasTheProgramsTitleAndAnOkButton) {
    QtPlatform platform;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    whenModalOpens([&](QWidget* m) { press(m, QMessageBox::Ok, &title, &text, &buttons); });
    platform.message("No data");
    EXPECT_EQ(title, "Tessaline");
    EXPECT_EQ(text, "No data");
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

TEST(QtPlatform, AYesNoQuestionIsTrueOnlyForYes) {
    QtPlatform platform;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    whenModalOpens([&](QWidget* m) { press(m, QMessageBox::No, &title, &text, &buttons); });
    EXPECT_FALSE(platform.askYesNo("Replace file?"));
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    whenModalOpens([&](QWidget* m) { press(m, QMessageBox::Yes, &title, &text, &buttons); });
    EXPECT_TRUE(platform.askYesNo("Replace file?"));
    EXPECT_EQ(text, "Replace file?");
}

TEST(QtPlatform, TheCloseQuestionOffersCancel) {
    QtPlatform platform;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    whenModalOpens([&](QWidget* m) { press(m, QMessageBox::Cancel, &title, &text, &buttons); });
    EXPECT_EQ(platform.askYesNoCancel("File not saved . Save file ?"), Answer::Cancel);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(title, "Tessaline");
}

TEST(QtPlatform, TheOpenChooserShowsItsTitleAndTypeListAndReturnsTheChoice) {
    test::TempDir dir;
    test::writeFile(dir.file("a.poly"), "x");
    QtPlatform platform;
    QString title;
    QStringList filters;
    whenModalOpens([&](QWidget* m) {
        auto* dialog = qobject_cast<QFileDialog*>(m);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        dialog->selectFile(QString::fromStdString(dir.file("a.poly")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(platform.fileDialog(false, polyFilters(), dir.path(), ""), dir.file("a.poly"));
    EXPECT_EQ(title, "Open File");
    EXPECT_EQ(filters, QStringList{"Polygon Files (*.poly)"});
}

TEST(QtPlatform, ACancelledSaveChooserGivesTheEmptyName) {
    QtPlatform platform;
    QString title;
    whenModalOpens([&](QWidget* m) {
        title = m->windowTitle();
        qobject_cast<QDialog*>(m)->reject();
    });
    EXPECT_EQ(platform.fileDialog(true, gpxFilters(), "", "untitled.gpx"), "");
    EXPECT_EQ(title, "Save File");
}

TEST(QtPlatform, TheBusyPointerDoesNotNest) {
    QtPlatform platform;
    platform.busyPointer();
    platform.busyPointer();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.normalPointer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform.normalPointer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatform, EventPumpsRunTheWindowsHookFirst) {
    QtPlatform platform;
    int calls = 0;
    platform.setBeforeEvents([&] { ++calls; });
    platform.processEvents();
    platform.processEvents();
    EXPECT_EQ(calls, 2);
}
