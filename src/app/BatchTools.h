// The batch commands of the polygon tools: --simplify, --grow, --check,
// and --convert to or from GeoJSON.
#pragma once

#include <string>
#include <vector>

namespace tess {

// True for a verb runTool answers: --simplify, --grow, --check, and a
// --convert whose input or output is a GeoJSON file.
bool isToolCommand(const std::vector<std::string>& args);

// Runs it; the exit status: 0 done (for --check: no problem), 1 a file
// could not be read or written (for --check: problems found), 2 a wrong
// command line.
int runTool(const std::vector<std::string>& args);

}  // namespace tess
