// Qt's side of the platform seam.
#include "platform/QtPlatform.h"

#include <QApplication>
#include <algorithm>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QUrl>

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
    // Replacing and extensions are the program's own questions.
    const QString path = save ? QFileDialog::getSaveFileName(parent_, "Save File", start, qtFilter(filters),
                                                             nullptr, QFileDialog::DontConfirmOverwrite)
                              : QFileDialog::getOpenFileName(parent_, "Open File", start, qtFilter(filters));
    if (!path.isEmpty()) lastFolder_ = QFileInfo(path).absolutePath().toStdString();
    return path.toStdString();
}

std::string QtPlatform::folderDialog(const std::string& initialDir) {
    const QString start = QString::fromStdString(initialDir.empty() ? lastFolder_ : initialDir);
    const QString path = QFileDialog::getExistingDirectory(parent_, "Choose Folder", start);
    if (!path.isEmpty()) lastFolder_ = path.toStdString();
    return path.toStdString();
}

void QtPlatform::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

}  // namespace tess
