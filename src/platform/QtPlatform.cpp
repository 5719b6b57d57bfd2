// Qt's side of the platform seam.
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <algorithm>

namespace tess {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Qt wants "Description (pattern)"; our descriptions already carry the
// pattern in brackets, so it is only added when missing.
QString qtFilter(const std::vector<FileFilter>& filters) {
    QStringList parts;
    for (const FileFilter& f : filters) {
        QString description = QString::fromStdString(f.description);
        QString pattern = QString::fromStdString(f.pattern);
        if (description.contains("(" + pattern + ")")) parts << description;
        else parts << description + " (" + pattern + ")";
    }
    return parts.join(";;");
}

// Qt's own file dialog opens small, with the names and dates cut short: it
// takes most of the window, the size, kind and date columns what their
// text needs, and the names the rest. A desktop's own dialog keeps its own
// size.
void makeRoomy(QFileDialog& dialog, const QWidget* window) {
    const QSize room = window ? window->size() : QSize(1000, 700);
    dialog.resize(std::max(760, room.width() * 4 / 5), std::max(520, room.height() * 4 / 5));
    dialog.setViewMode(QFileDialog::Detail);
    auto* details = dialog.findChild<QTreeView*>();
    if (!details) return;
    const QFontMetrics text(details->font());
    const int padding = 3 * text.averageCharWidth();
    const int size = text.horizontalAdvance("999.9 MiB") + padding, kind = text.horizontalAdvance("plain text document") + padding;
    const int date = text.horizontalAdvance(QLocale().toString(QDateTime(QDate(2026, 12, 31), QTime(23, 59)), QLocale::ShortFormat)) + padding;
    QHeaderView* columns = details->header();
    columns->resizeSection(1, size);
    columns->resizeSection(2, kind);
    columns->resizeSection(3, date);
    // The sidebar of places takes about a fifth of the dialog.
    columns->resizeSection(0, std::max(200, dialog.width() * 4 / 5 - size - kind - date - 2 * padding));
}

std::string chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

// The help page in a window of the program's own, for a desktop with no
// program to show web pages; one window, brought forward when asked again.
void showPageInOwnWindow(const QUrl& page) {
    static QPointer<QTextBrowser> viewer;
    if (!viewer) {
        viewer = new QTextBrowser;
        viewer->setObjectName("helpViewer");
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setWindowTitle(QString(kApplicationTitle) + " Help");
        viewer->setOpenExternalLinks(true);
        viewer->resize(860, 700);
    }
    viewer->setSource(page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace

// What went wrong carries the warning sign; news the plain one.
void QtPlatform::message(std::string_view text) {
    QMessageBox::warning(parent_, kApplicationTitle, qs(text), QMessageBox::Ok);
}

void QtPlatform::inform(std::string_view text) {
    QMessageBox::information(parent_, kApplicationTitle, qs(text), QMessageBox::Ok);
}

// Enter gives the answer that keeps the work (No, or Cancel where offered,
// unless Yes keeps it): a stray key never throws work away.
bool QtPlatform::askYesNo(std::string_view text) {
    const bool yesKeeps = std::find(yesKeepsWork_.begin(), yesKeepsWork_.end(), text) != yesKeepsWork_.end();
    return QMessageBox::question(parent_, kApplicationTitle, qs(text), QMessageBox::Yes | QMessageBox::No,
                                 yesKeeps ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPlatform::askYesNoCancel(std::string_view text) {
    const auto button = QMessageBox::question(parent_, kApplicationTitle, qs(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Cancel);
    if (button == QMessageBox::Yes) return Answer::Yes;
    if (button == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

void QtPlatform::busyPointer() {
    if (busy_) return;
    busy_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPlatform::normalPointer() {
    if (!busy_) return;
    busy_ = false;
    QApplication::restoreOverrideCursor();
}

void QtPlatform::processEvents() {
    if (beforeEvents_) beforeEvents_();
    // Repaints, resizes and close requests run; clicks and keys wait until
    // the load or drawing is over, so no second command starts inside it.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::pumpEventsFor(int milliseconds) {
    // Waiting here would hold back the user's keys and clicks; what has to
    // stay up for a while is taken down later through runAfter.
    (void)milliseconds;
    processEvents();
}

void QtPlatform::runAfter(int milliseconds, std::function<void()> task) {
    if (!parent_) {
        task();
        return;
    }
    // The window is the timer's context: a closed window cancels the task.
    QTimer::singleShot(milliseconds, parent_, [this, task = std::move(task)] {
        task();
        if (beforeEvents_) beforeEvents_();
        if (afterTasks_) afterTasks_();
    });
}

QtPlatform::~QtPlatform() { abandonBackground(); }

void QtPlatform::runInBackground(std::function<void()> work, std::function<void()> done) {
    const std::uint64_t id = ++lastWorker_;
    QThread* worker = QThread::create(std::move(work));
    workers_[id] = worker;
    afterWork_[id] = std::move(done);
    // The application is the context: the finish is seen on the window's
    // thread, in the event loop, whatever the window does meanwhile.
    QObject::connect(worker, &QThread::finished, qApp, [this, id, worker] {
        workers_.erase(id);
        worker->deleteLater();
        const auto after = afterWork_.find(id);
        if (after == afterWork_.end()) return;
        const std::function<void()> done = std::move(after->second);
        afterWork_.erase(after);
        done();
        if (afterTasks_) afterTasks_();
    });
    worker->start();
}

void QtPlatform::abandonBackground() {
    afterWork_.clear();
    for (const auto& [id, worker] : workers_) {
        // Its finish must not reach a platform that is gone.
        QObject::disconnect(worker, nullptr, qApp, nullptr);
        worker->wait();
        delete worker;
    }
    workers_.clear();
}

std::string QtPlatform::fileDialog(bool save, const std::vector<FileFilter>& filters,
                                   const std::string& initialDir, const std::string& defaultName) {
    // Without a folder of its own, a dialog starts where the last one ended.
    QString start = QString::fromStdString(initialDir.empty() ? lastFolder_ : initialDir);
    if (!defaultName.empty()) start = start.isEmpty() ? QString::fromStdString(defaultName)
                                                      : start + "/" + QString::fromStdString(defaultName);
    QFileDialog dialog(parent_, save ? "Save File" : "Open File", start, qtFilter(filters));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Replacing and extensions are the program's own questions.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    makeRoomy(dialog, parent_);
    const std::string path = chosenPath(dialog);
    if (!path.empty()) lastFolder_ = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
    return path;
}

std::string QtPlatform::folderDialog(const std::string& initialDir) {
    QFileDialog dialog(parent_, "Choose Folder", QString::fromStdString(initialDir.empty() ? lastFolder_ : initialDir));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    makeRoomy(dialog, parent_);
    const std::string path = chosenPath(dialog);
    if (!path.empty()) lastFolder_ = path;
    return path;
}

void QtPlatform::openUrl(const std::string& url) {
    const QUrl target = QUrl::fromUserInput(QString::fromStdString(url));
    if (!target.isLocalFile()) {
        QDesktopServices::openUrl(target);
        return;
    }
    // A page of our own opens in the desktop's browser when there is one;
    // without xdg-open, or when it finds no program for the page, it opens
    // in the program.
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) {
        showPageInOwnWindow(target);
        return;
    }
    // Without a parent and with no pipes, a browser xdg-open waits for
    // outlives the program: a QProcess deleted at exit would end it.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, [process, target](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0) showPageInOwnWindow(target);
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, target](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        showPageInOwnWindow(target);
        process->deleteLater();
    });
    process->start(opener, {target.toString()});
}

}  // namespace tess
