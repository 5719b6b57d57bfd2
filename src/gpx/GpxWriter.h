// Writing the current ring as a GPX 1.1 route.
#pragma once

#include <string>

#include "app/State.h"

namespace tess {

// Writes the current ring as a route that closes on its first vertex.
// True when the file was written.
bool savegpx2(State& s, const std::string& path);

// Tools, "Convert to GPX": asks for a name, then savegpx2.
void convertToGpx(State& s);

}  // namespace tess
