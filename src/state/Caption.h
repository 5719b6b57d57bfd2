#pragma once

#include <string>

#include "state/State.h"

namespace tess {

// The window caption: "Tessaline 2.1 " and the name, with "+" while the
// document has unsaved changes.
void updateCaption(State& s, const std::string& name);

}  // namespace tess
