// The platform of the batch commands: messages go to standard error, and
// every question is answered No (or Cancel where it is offered), so that
// nothing is replaced or lost without a person saying so.
#pragma once

#include <iosfwd>

#include "platform/Platform.h"

namespace tess {

class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(std::ostream& out);
    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    void busyPointer() override {}
    void normalPointer() override {}
    void processEvents() override {}
    std::string fileDialog(bool, const std::vector<FileFilter>&, const std::string&,
                           const std::string&) override {
        return {};
    }
    void openUrl(const std::string&) override {}

private:
    void print(std::string_view text);
    std::ostream& out_;
};

}  // namespace tess
