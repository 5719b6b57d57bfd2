// The batch commands of the polygon tools: --simplify, --grow and --check.
#pragma once

#include "app/CommandLine.h"

namespace tess {

// Simplifies or grows the ring --ring names, or every ring; the exit status.
int runSimplifyOrGrow(const CommandLine& command);
// Lists what makes the input doubtful on standard output; 1 when there is
// anything.
int runCheck(const CommandLine& command);

}  // namespace tess
