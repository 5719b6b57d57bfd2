// Writing the loaded ring's numbers back into its text. Only the lines of
// vertices that stand elsewhere are rewritten, in the committed form
// ("   13.4 52.5"), each keeping its line end; every other line stays.
#pragma once

#include <string>

#include "document/LoadedRing.h"

namespace tess {

// The moved vertices' lines rewritten; a vertex moved back where it stood
// leaves its line alone. The moves are then forgotten.
void commitMovedVertices(Document& d, LoadedRing& r);

// The loaded ring's lines with every vertex line in the committed form, and
// an open ring closed by one more line, appended to `out`; after(out)
// follows each line, so a large ring can be written in pieces without its
// committed text ever being held.
void appendCommittedLines(const Document& d, const LoadedRing& r, std::string& out,
                          const std::function<void(std::string&)>& after);

}  // namespace tess
