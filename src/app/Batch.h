// The batch commands: the same procedures the window runs, driven from
// the command line with messages on standard error.
#pragma once

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "state/State.h"

namespace tess {

// Runs --convert, --combine, --simplify, --grow, --check, --help or
// --version; the exit status: 0 done (for --check: no problem), 1 a file
// could not be read or written (for --check: problems found).
int runBatch(const CommandLine& command);
// Reads the words and runs them; a wrong command line exits with 2 after
// its message and the hint to --help.
int runBatch(const std::vector<std::string>& args);

// Writes the open document to `output` in the kind its name names: a .poly
// file (every ring rewritten in the committed form with `commit`), or an
// export (GPX takes ring `ring`, from 1). What a save repaired goes to
// standard error. False after the message.
bool writeDocumentAs(State& s, const std::string& input, const std::string& output, int ring, bool commit);

}  // namespace tess
