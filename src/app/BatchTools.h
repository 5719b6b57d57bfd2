// The batch commands of the polygon tools: --simplify, --grow and --check.
#pragma once

#include "app/CommandLine.h"

namespace tess {

// Simplifies or grows the ring --ring names, or every ring; the exit status.
int runSimplifyOrGrow(const CommandLine& command);
// Lists what makes the input doubtful on standard output, then every
// ring's area and the document's; 1 when there is anything doubtful.
int runCheck(const CommandLine& command);
// --union, --clip, --subtract, --drop-holes and --split-at-180: the
// document's area changed as the Tools menu changes it, then written.
int runAreaTool(const CommandLine& command);

}  // namespace tess
