// --render: draws what the canvas shows for a file, with no window on
// screen, and writes it as a PNG.
#pragma once

#include <string>
#include <vector>

namespace tess {
int runRender(int argc, char** argv, const std::vector<std::string>& args);
}  // namespace tess
