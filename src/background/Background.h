// Background layers: another file's first ring drawn in dark red behind
// the document, fixing the view while it is shown.
#pragma once

#include <string>

#include "app/State.h"

namespace tess {

// The Background menu: 0 Add Background, 1 Cancel Background,
// 3 Use Last Background.
void mbk_Click(State& s, int index);

// Reads the first ring of a .poly file into the background and fits the
// view to it.
void loadpolybk(State& s, const std::string& path);

}  // namespace tess
