// The long piece of work the window has under way away from its thread (a
// file being read, a tool running), if any: what it is, for the status
// line, and its progress, which the Cancel button stops. While it runs,
// the commands that would change the document wait.
#pragma once

#include <memory>
#include <string>

#include "platform/WorkProgress.h"

namespace tess {

struct WorkUnderWay {
    std::string what;                        // "Opening walk.poly"
    std::shared_ptr<WorkProgress> progress;  // none while nothing runs

    bool running() const { return progress != nullptr; }
    void cancel() const {
        if (progress) progress->cancel();
    }
};

}  // namespace tess
