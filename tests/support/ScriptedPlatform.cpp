#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace tess::test {

void ScriptedPlatform::message(std::string_view text) { shown.emplace_back(text); }

Answer ScriptedPlatform::nextAnswer(std::string_view question) {
    shown.emplace_back(question);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question;
        return Answer::Cancel;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedPlatform::askYesNo(std::string_view text) { return nextAnswer(text) == Answer::Yes; }

Answer ScriptedPlatform::askYesNoCancel(std::string_view text) { return nextAnswer(text); }

void ScriptedPlatform::busyPointer() { pointerBusy = true; }

void ScriptedPlatform::normalPointer() { pointerBusy = false; }

void ScriptedPlatform::processEvents() {}

std::string ScriptedPlatform::fileDialog(bool save, const std::vector<FileFilter>&,
                                         const std::string& initialDir, const std::string& defaultName) {
    lastDialogWasSave = save;
    lastInitialDir = initialDir;
    lastDefaultName = defaultName;
    if (dialogResults.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return {};
    }
    std::string path = dialogResults.front();
    dialogResults.pop_front();
    return path;
}

void ScriptedPlatform::openUrl(const std::string& url) { openedUrls.push_back(url); }

}  // namespace tess::test
