// Importing GPX files, read as plain text: every point, in file order,
// becomes one closed ring of a working .poly file that the ordinary
// readers then load.
#pragma once

#include <string>

#include "app/State.h"

namespace tess {

// mode 0 imports as the document, 1 as the background.
void loadgpx(State& s, const std::string& path, int mode);

}  // namespace tess
