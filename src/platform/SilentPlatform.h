// A platform with nobody in front of it: it shows nothing, and gives every
// question one fixed answer. Benchmarks answer No; fuzzers answer Yes, so
// that they reach the paths behind each question too.
#pragma once

#include "platform/Platform.h"

namespace tess {

class SilentPlatform : public Platform {
public:
    explicit SilentPlatform(Answer answer = Answer::No) : answer_(answer) {}
    void message(std::string_view) override {}
    bool askYesNo(std::string_view) override { return answer_ == Answer::Yes; }
    Answer askYesNoCancel(std::string_view) override { return answer_; }
    void busyPointer() override {}
    void normalPointer() override {}
    void processEvents() override {}
    std::string fileDialog(bool, const std::vector<FileFilter>&, const std::string&, const std::string&) override {
        return {};
    }
    void openUrl(const std::string&) override {}

private:
    Answer answer_;
};

}  // namespace tess
