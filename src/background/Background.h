// Background layers: another file's first ring drawn in dark red behind
// the document, fixing the view while it is shown.
#pragma once

#include <string>

#include "app/State.h"

namespace tess {

inline constexpr const char* kNotAPolyFile = "Not a poly file:";
inline constexpr const char* kNoPreviousBackground = "No previous background found";

// Background entry numbers.
namespace mbk {
inline constexpr int Add = 0, Cancel = 1, UseLast = 3;
}

// The Background menu: 0 Add Background, 1 Cancel Background,
// 3 Use Last Background.
void mbk_Click(State& s, int index);

// Reads the first ring of a .poly file into the background and fits the
// view to it.
void loadpolybk(State& s, const std::string& path);

}  // namespace tess
