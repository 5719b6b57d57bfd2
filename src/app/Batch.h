// The batch commands: the same procedures the window runs, driven from
// the command line with messages on standard error.
#pragma once

#include <string>
#include <vector>

namespace tess {

// True when the arguments ask for a batch command rather than the window:
// the first one looks like an option (a known verb or a mistyped one).
bool isBatchCommand(const std::vector<std::string>& args);

// Runs --convert, --combine, --help or --version; the exit status (2, with
// a hint to --help, for an option it does not know).
int runBatch(const std::vector<std::string>& args);

}  // namespace tess
