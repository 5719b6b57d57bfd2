// The platform of the window: Qt message boxes titled with the program's
// name, Qt's file chooser, the application-wide busy pointer, the event
// pump and the desktop's browser.
#pragma once

#include <functional>

#include "platform/Platform.h"

class QWidget;

namespace tess {

inline constexpr const char* kApplicationTitle = "Tessaline";

class QtPlatform : public Platform {
public:
    QtPlatform() = default;

    // Dialogs are centred over this window.
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    // Runs before each event pump, so that the window shows the progress
    // of a long load or drawing.
    void setBeforeEvents(std::function<void()> hook) { beforeEvents_ = std::move(hook); }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    void busyPointer() override;
    void normalPointer() override;
    void processEvents() override;
    void pumpEventsFor(int milliseconds) override;
    void runAfter(int milliseconds, std::function<void()> task) override;
    std::string fileDialog(bool save, const std::vector<FileFilter>& filters,
                           const std::string& initialDir, const std::string& defaultName) override;
    void openUrl(const std::string& url) override;

    bool pointerBusy() const { return busy_; }

private:
    QWidget* parent_ = nullptr;
    std::function<void()> beforeEvents_;
    bool busy_ = false;
};

}  // namespace tess
