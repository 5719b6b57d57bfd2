// The test double of the platform: it records every message and question
// and answers from a queue. A question with no answer queued fails the
// test, since a real program would be left waiting for the user.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tess::test {

class ScriptedPlatform : public Platform {
public:
    // Everything shown, in order: messages as they stand, questions too.
    std::vector<std::string> shown;
    std::deque<Answer> answers;
    std::deque<std::string> dialogResults;  // paths the file dialog returns
    std::vector<std::string> openedUrls;
    int busyCalls = 0, normalCalls = 0, eventPumps = 0;
    bool pointerBusy = false;
    // Filters and proposed name of the last file dialog.
    std::vector<FileFilter> lastFilters;
    std::string lastDefaultName;
    std::string lastInitialDir;
    bool lastDialogWasSave = false;

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    void busyPointer() override;
    void normalPointer() override;
    void processEvents() override;
    std::string fileDialog(bool save, const std::vector<FileFilter>& filters,
                           const std::string& initialDir, const std::string& defaultName) override;
    void openUrl(const std::string& url) override;

    // The last thing shown, or "" when nothing was.
    std::string last() const { return shown.empty() ? std::string() : shown.back(); }

private:
    Answer nextAnswer(std::string_view question);
};

}  // namespace tess::test
