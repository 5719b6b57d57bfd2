// --render: draws what the canvas shows for a file, with no window on
// screen, and writes it as a PNG.
#pragma once

#include "app/CommandLine.h"

namespace tess {

// The exit status: 0 written, 1 a file could not be read or written or an
// edit was refused.
int runRender(const char* program, const CommandLine& command);

}  // namespace tess
