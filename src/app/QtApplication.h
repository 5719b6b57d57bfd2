// Starts the editor window, on the file the command line names if any.
#pragma once

#include "app/CommandLine.h"

namespace tess {

int runWindow(const char* program, const CommandLine& command);

}  // namespace tess
