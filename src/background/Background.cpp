// Placeholder until background layers land.
#include "background/Background.h"

namespace tess {
void mbk_Click(State&, int) {}
void loadpolybk(State&, const std::string&) {}
}  // namespace tess
