// Placeholder until the About window lands.
#include "shell/QtAboutWindow.h"

namespace tess {
void showAboutWindow(State&) {}
}  // namespace tess
