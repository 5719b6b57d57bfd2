// The main window's start, its resize, close and drop handling, and the
// push of the state into the widgets after every handler.
#include "app/QtMainWindow.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QMenu>
#include <QFont>
#include <QColor>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/QtControls.h"
#include "app/QtWorkIndicator.h"
#include "app/QtMapMenu.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/StatusLine.h"
#include "app/WindowDesign.h"
#include "editing/Editing.h"
#include "platform/QtPlatform.h"
#include "platform/QtText.h"
#include "shell/HelpPage.h"
#include "editing/Clearing.h"
#include "editing/Redraw.h"
#include "editing/QtCanvas.h"
#include "editing/ViewCommands.h"

namespace tess {

QtMainWindow::QtMainWindow(Platform& platform, const WindowStart& start) : state_(platform) {
    setAcceptDrops(true);
    // The window draws and edits the loaded ring from numbers, whatever
    // its size.
    state_.doc.holdAllRings = true;
    buildMenus();
    buildControls();
    buildStatusBar();
    resize(design::kWindowWidth / kTwipsPerPixel, design::kWindowHeight / kTwipsPerPixel);
    // Narrower, the bound labels would run into each other; lower, the ring
    // list would vanish under the "+" and "-".
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    // Escape cancels the outline whichever control has the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        pressEscape(state_);
        syncFromState();
    });

    if (auto* qtPlatform = dynamic_cast<QtPlatform*>(&platform)) {
        qtPlatform->setParentWindow(this);
        qtPlatform->setYesKeepsWork({kSaveChanges});
        // A file read or a tool run away from the window changes what it shows.
        qtPlatform->setAfterTasks([this] { syncFromState(); });
        // Long loads and drawings pump events; show their progress, and
        // the drawing so far a few times a second.
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        qtPlatform->setBeforeEvents([this, timer] {
            syncProgress();
            if (timer->elapsed() > 40) {
                canvas_->update();
                timer->restart();
            }
        });
    }

    state_.canvas.surface = canvas_;
    startup(state_, start.exeDir, start.commandLine);
    map_ = new QtMapControl(*this, start.restoreMap);
    action(Command::KeepProportions)->setChecked(state_.view.keepProportions);
    // Space held over the window turns a left drag into a pan.
    qApp->installEventFilter(this);

    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && start.placeOnScreen) {
        const QRect area = screen->availableGeometry();
        const WindowPlace place = openingPlace({area.left(), area.top(), area.width(), area.height()},
                                               state_.settings.window, kMinimumWidth, kMinimumHeight);
        resize(place.width, place.height);
        move(place.left, place.top);
        remembersPlace_ = true;
    } else if (start.center) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const WindowPosition at = centerWindow(area.width(), area.height(), width(), height());
            move(area.left() + at.left, area.top() + at.top);
        }
    }
    syncFromState();
}

QtMainWindow::~QtMainWindow() {
    qApp->removeEventFilter(this);
    // Closing moves the focus out of the title box after the state is gone.
    titleBox_->onFocusLost = nullptr;
    titlePause_->stop();
    state_.canvas.surface = nullptr;
    if (auto* qtPlatform = dynamic_cast<QtPlatform*>(&state_.platform)) {
        state_.work.cancel();
        qtPlatform->abandonBackground();
        qtPlatform->setBeforeEvents({});
        qtPlatform->setAfterTasks({});
        qtPlatform->setParentWindow(nullptr);
    }
}

void QtMainWindow::syncFromState() {
    if (syncing_) return;
    syncing_ = true;
    bool relayout = false;
    setWindowTitle(QString::fromUtf8(windowCaption(state_.doc).c_str()));

    const OpenDocument& doc = state_.doc;
    // The list reads the ring numbers, each with its name when that is not
    // a number ("3  eichwalde"); a hole's entry is in grey italics.
    std::vector<ListedRing> listed(static_cast<std::size_t>(doc.ringCount()));
    for (std::size_t k = 0; k < listed.size(); ++k) {
        listed[k].hole = isHoleName(doc.content.rings[k].name);
        listed[k].name = shownName(doc.content.rings[k]);
    }
    if (shownRings_ != listed) {
        ringList_->clear();
        QStringList entries;
        entries.reserve(doc.ringCount());
        for (std::size_t k = 0; k < listed.size(); ++k) {
            QString entry = QString::number(k + 1);
            if (!listed[k].name.empty()) entry += "  " + shownText(listed[k].name);
            entries << entry;
        }
        ringList_->addItems(entries);
        for (std::size_t k = 0; k < listed.size(); ++k)
            if (!listed[k].name.empty()) ringList_->item(static_cast<int>(k))->setToolTip(entries[static_cast<int>(k)]);
        QFont holeFont = ringList_->font();
        holeFont.setItalic(true);
        for (std::size_t k = 0; k < listed.size(); ++k) {
            if (!listed[k].hole) continue;
            QListWidgetItem* item = ringList_->item(static_cast<int>(k));
            item->setFont(holeFont);
            item->setForeground(QColor(110, 110, 110));
            item->setToolTip(QString("Ring %1 is a hole").arg(k + 1));
        }
        shownRings_ = std::move(listed);
        relayout = fitRingListTo(entries);
    }
    if (ringList_->currentRow() != doc.loaded.index) ringList_->setCurrentRow(doc.loaded.index);

    const QString title = shownText(doc.content.title);
    if (titleBox_->text() != title) titleBox_->setText(title);
    editBox_->setChecked(state_.edit.editBoxChecked);
    // Each bound says which it is: west, south, east, north.
    static constexpr const char* kBoundNames[] = {"W ", "S ", "E ", "N "};
    for (std::size_t i = 0; i < boundLabels_.size(); ++i) {
        const std::string& bound = state_.view.labels[i];
        const std::size_t figure = bound.starts_with(' ') ? 1 : 0;
        boundLabels_[i]->setText(QString::fromUtf8((kBoundNames[i] + bound.substr(figure)).c_str()));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        toolIndicators_[i]->setVisible(state_.edit.toolIndicatorShown && state_.edit.tool == static_cast<Tool>(i));
    }
    for (int k = 0; k < kRecentCount; ++k) {
        QAction* entry = recentFileAction(k);
        const RecentEntry& recent = state_.settings.recent[static_cast<std::size_t>(k)];
        // A menu takes "&" for a shortcut mark; "&&" shows one "&".
        entry->setText(QString::fromUtf8(recent.path.c_str()).replace("&", "&&"));
        entry->setEnabled(recent.enabled);
        // An entry that names no file is not worth a blank menu line.
        entry->setVisible(!recent.path.empty());
    }
    // With no file opened yet, the submenu has nothing to offer.
    recentMenu_->setEnabled(std::any_of(state_.settings.recent.begin(), state_.settings.recent.end(),
                                        [](const RecentEntry& r) { return !r.path.empty(); }));
    // Undo and Redo name what they would take back or make again.
    action(Command::Undo)->setText(QString::fromUtf8(("&" + undoCaption(state_.doc)).c_str()));
    action(Command::Undo)->setEnabled(canUndo(state_.doc));
    action(Command::Redo)->setText(QString::fromUtf8(("&" + redoCaption(state_.doc)).c_str()));
    action(Command::Redo)->setEnabled(!state_.doc.history.undone.empty());
    syncWork();
    syncProgress();
    syncStatus();
    canvas_->update();
    syncing_ = false;
    // Names in the ring list widened it: the canvas makes room.
    if (relayout) windowResized();
}

namespace {

// The commands that leave the document alone, which stay at hand while a
// file is read or a tool runs.
bool leavesDocumentAlone(Command command) {
    switch (command) {
    case Command::ZoomIn:
    case Command::ZoomOut:
    case Command::FitRing:
    case Command::KeepProportions:
    case Command::About:
    case Command::Help:
    case Command::Exit: return true;
    default: return false;
    }
}

}  // namespace

void QtMainWindow::syncWork() {
    const bool waiting = work_->sync();
    // Undo, Redo and the recent files have their own say when nothing runs.
    for (const auto& [command, entry] : actions_) {
        if (leavesDocumentAlone(command)) continue;
        if (command == Command::Undo || command == Command::Redo) entry->setEnabled(entry->isEnabled() && !waiting);
        else entry->setEnabled(!waiting);
    }
    for (QAction* recent : recentActions_) recent->setEnabled(recent->isEnabled() && !waiting);
    titleBox_->setReadOnly(waiting);
    editBox_->setEnabled(!waiting);
    for (ToolButton* button : toolButtons_) button->setEnabled(!waiting);
    for (ClickLabel* button : ringButtons_) button->setEnabled(!waiting);
}

void QtMainWindow::buildStatusBar() {
    for (QLabel*& label : status_) label = new QLabel(this);
    // The pointer's position changes constantly: it keeps a fixed width
    // so that the rest of the bar does not jump.
    status_[0]->setMinimumWidth(status_[0]->fontMetrics().horizontalAdvance("Lon -180.0000000  Lat -90.0000000 "));
    // The hint, when there is one, is read whole: it has a line of its own
    // under the pointer and the ring, and takes more where the bar is narrow.
    auto* rows = new QWidget(this);
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* line = new QHBoxLayout;
    line->addWidget(status_[0]);
    line->addWidget(status_[1], 1);
    column->addLayout(line);
    column->addWidget(status_[3]);
    status_[3]->setWordWrap(true);
    status_[3]->setStyleSheet("color: #b00000");
    status_[3]->hide();
    statusBar()->addWidget(rows, 1);
    statusBar()->addPermanentWidget(status_[2]);
    work_ = new QtWorkIndicator(state_, [this] { syncProgress(); }, this);
    statusBar()->addPermanentWidget(work_);
}

void QtMainWindow::syncStatus() {
    if (!status_[0]) return;
    const StatusLine line = statusLine(state_, pointer_);
    const std::string* texts[] = {&line.pointer, &line.ring, &line.zoom, &line.hint};
    for (std::size_t i = 0; i < status_.size(); ++i) status_[i]->setText(QString::fromUtf8(texts[i]->c_str()));
    // A hint that comes or goes changes the bar's height, and the canvas
    // above it follows once the bar has its new size.
    if (status_[3]->isHidden() != line.hint.empty()) {
        status_[3]->setHidden(line.hint.empty());
        QTimer::singleShot(0, this, [this] { windowResized(); });
    }
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* e) {
    const bool key = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease;
    if (key && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space && isActiveWindow()) {
        auto* k = static_cast<QKeyEvent*>(e);
        // A space typed into the title is a space.
        const bool typing = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
        if (!typing) {
            if (!k->isAutoRepeat()) canvas_->setSpaceHeld(e->type() == QEvent::KeyPress);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void QtMainWindow::windowResized() {
    const QRect outer = frameGeometry();
    // The status bar takes its height from the bottom of the window.
    // A hint on two lines makes it taller than its size hint says.
    const int statusHeight = statusBar()->isHidden() ? 0 : std::max(statusBar()->height(), statusBar()->sizeHint().height());
    layoutForWindow(layout_, outer.width() * kTwipsPerPixel, (outer.height() - statusHeight) * kTwipsPerPixel);
    applyLayout();
    canvasResized(state_);
    syncFromState();
}

void QtMainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    windowResized();
}

void QtMainWindow::closeEvent(QCloseEvent* e) {
    if (!mayClose(state_)) {
        e->ignore();
        syncFromState();
        return;
    }
    // Work under way is stopped and waited for: nothing may follow it into
    // a window that is gone.
    state_.work.cancel();
    if (auto* qtPlatform = dynamic_cast<QtPlatform*>(&state_.platform)) qtPlatform->abandonBackground();
    state_.work = WorkUnderWay{};
    writeSettingsFile(state_);
    // A maximised or full-screen window has the screen's size, not one of
    // the user's choosing: the place it had before is kept.
    if (remembersPlace_ && !isMaximized() && !isFullScreen()) {
        const WindowPlace place{x(), y(), width(), height()};
        if (place != state_.settings.window) {
            state_.settings.window = place;
            savePreferences(state_);
        }
    }
    removeHandlesAndOutline(state_);
    e->accept();
}

void QtMainWindow::dropFile(const std::string& path) {
    openDroppedFile(state_, path);
    syncFromState();
}

void QtMainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void QtMainWindow::dropEvent(QDropEvent* e) {
    const auto urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    dropFile(urls.front().toLocalFile().toStdString());
}

void QtMainWindow::helpPage() { openHelpPage(state_.platform, state_.settings.exeDir); }

}  // namespace tess
