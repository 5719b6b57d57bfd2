// The seam between the program and the toolkit: message boxes, file
// dialogs, the mouse pointer, the event pump and the browser. The window
// uses the Qt implementation, batch commands the console one, and tests a
// scripted double, so every command runs the same code in all three.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

enum class Answer { Yes, No, Cancel };

// One entry of a file dialog's type list, such as
// {"Polygon Files (*.poly)", "*.poly"}.
struct FileFilter {
    std::string description;
    std::string pattern;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal box with the text and an OK button, telling what went wrong.
    virtual void message(std::string_view text) = 0;
    // The same for good news, such as where a file went.
    virtual void inform(std::string_view text) { message(text); }
    // A modal box with Yes and No; true only for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
    virtual Answer askYesNoCancel(std::string_view text) = 0;

    // The whole application's pointer. They do not nest: one
    // normalPointer ends any number of busyPointer calls.
    virtual void busyPointer() = 0;
    virtual void normalPointer() = 0;

    // Lets pending window events run once.
    virtual void processEvents() = 0;
    // Puts what the window holds now on the screen, to be seen for about
    // that long; it returns at once, without holding back input, and what
    // should then go runs through runAfter. Without a screen it does nothing.
    virtual void pumpEventsFor(int milliseconds) { (void)milliseconds; }
    // Runs task after that long, while the window goes on handling input,
    // and shows the state again; without a window it runs at once. The
    // task may outlive the operation that asked for it, never the window.
    virtual void runAfter(int milliseconds, std::function<void()> task) {
        (void)milliseconds;
        task();
    }

    // Runs work on a thread of its own, so that the window goes on
    // answering and drawing meanwhile, then done on the window's thread.
    // Work must touch nothing the window shows, and must not throw. Without
    // a window both run at once, one after the other.
    virtual void runInBackground(std::function<void()> work, std::function<void()> done) {
        work();
        done();
    }

    // The open (save false) or save dialog; the chosen path, or the empty
    // text when the user cancels.
    virtual std::string fileDialog(bool save, const std::vector<FileFilter>& filters,
                                   const std::string& initialDir,
                                   const std::string& defaultName) = 0;

    // The folder dialog; the chosen folder, or the empty text when the
    // user cancels (or nobody is there to choose).
    virtual std::string folderDialog(const std::string& initialDir) {
        (void)initialDir;
        return {};
    }

    // Hands an address (web or file URL) to the desktop shell. Errors are
    // ignored, as nobody could act on them.
    virtual void openUrl(const std::string& url) = 0;
};

}  // namespace tess
