// Starts the editor window on an optional command-line path.
#pragma once

namespace tess {
int runWindow(int argc, char** argv);
}  // namespace tess
