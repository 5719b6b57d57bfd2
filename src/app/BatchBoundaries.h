// The batch commands on OpenStreetMap files: listing their boundaries, and
// converting chosen relations into a document written as --convert writes.
#pragma once

#include "app/CommandLine.h"

namespace tess {

// --list-boundaries FILE [--admin-level N]: one line a relation on standard
// output, its id, admin_level and name separated by tabs. 0, or 1 when
// the file cannot be read.
int runListBoundaries(const CommandLine& command);

// --convert FILE --relation ID... -o OUT [--partial]: 1 after the message
// when a relation is missing or incomplete (unless --partial), or when a
// file cannot be read or written.
int runConvertBoundaries(const CommandLine& command);

}  // namespace tess
