// The platform of the window: Qt message boxes titled with the program's
// name, Qt's file chooser, the application-wide busy pointer, the event
// pump and the desktop's browser.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/Platform.h"

class QThread;
class QWidget;

namespace tess {

inline constexpr const char* kApplicationTitle = "Tessaline";

class QtPlatform : public Platform {
public:
    QtPlatform() = default;
    ~QtPlatform() override;

    // Dialogs are centred over this window.
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    // Runs before each event pump, so that the window shows the progress
    // of a long load or drawing.
    void setBeforeEvents(std::function<void()> hook) { beforeEvents_ = std::move(hook); }
    // Runs after each task that runAfter or runInBackground brings back to
    // the window, so that the window shows what the task changed.
    void setAfterTasks(std::function<void()> hook) { afterTasks_ = std::move(hook); }

    void message(std::string_view text) override;
    void inform(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    void busyPointer() override;
    void normalPointer() override;
    void processEvents() override;
    void pumpEventsFor(int milliseconds) override;
    void runAfter(int milliseconds, std::function<void()> task) override;
    void runInBackground(std::function<void()> work, std::function<void()> done) override;
    // Waits for every worker still running and drops what was to follow
    // them: the window that asked for them is going.
    void abandonBackground();
    std::string folderDialog(const std::string& initialDir) override;
    std::string fileDialog(bool save, const std::vector<FileFilter>& filters,
                           const std::string& initialDir, const std::string& defaultName) override;
    void openUrl(const std::string& url) override;

    bool pointerBusy() const { return busy_; }
    // Questions whose Yes keeps the user's work ("Save changes", whose Yes
    // stops a drop from opening a file): Enter answers Yes to them, No to
    // every other.
    void setYesKeepsWork(std::vector<std::string> questions) { yesKeepsWork_ = std::move(questions); }

private:
    QWidget* parent_ = nullptr;
    std::vector<std::string> yesKeepsWork_;
    std::string lastFolder_;  // where the last file dialog ended
    std::function<void()> beforeEvents_;
    std::function<void()> afterTasks_;
    bool busy_ = false;
    // Workers still running, and what follows each on the window's thread.
    std::map<std::uint64_t, QThread*> workers_;
    std::map<std::uint64_t, std::function<void()>> afterWork_;
    std::uint64_t lastWorker_ = 0;
};

}  // namespace tess
