// The batch commands: the same procedures the window runs, driven from
// the command line with messages on standard error.
#pragma once

#include <string>
#include <vector>

namespace tess {

// True when the arguments ask for a batch command rather than the window.
bool isBatchCommand(const std::vector<std::string>& args);

// Runs --convert, --combine, --help or --version; the exit status.
int runBatch(const std::vector<std::string>& args);

}  // namespace tess
