// The About window, "Information".
#pragma once

namespace tess {
struct State;
// Shows the window modally.
void showAboutWindow(State& s);
}  // namespace tess
