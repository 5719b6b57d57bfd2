// Generated inputs for the benchmarks, written once into a scratch folder.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace tess::bench {

// A platform that shows nothing and answers No.
struct NullPlatform : Platform {
    void message(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    Answer askYesNoCancel(std::string_view) override { return Answer::Cancel; }
    void busyPointer() override {}
    void normalPointer() override {}
    void processEvents() override {}
    std::string fileDialog(bool, const std::vector<FileFilter>&, const std::string&, const std::string&) override {
        return {};
    }
    void openUrl(const std::string&) override {}
};

// A folder under the system's temporary folder for benchmark files.
std::string scratchDir();

// A .poly file of `rings` rings holding `vertices` vertices in all, in the
// exponent form large real files use. Made once, then reused.
std::string polyFile(int rings, int vertices);

// The text of such a file.
std::string polyText(int rings, int vertices);

}  // namespace tess::bench
