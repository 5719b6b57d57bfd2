// Placeholder until the selection commands land.
#include "selection/Selection.h"

namespace tess {
void Label3_Click(State&, int) {}
void add_selection(State&) {}
void remove_selection(State&) {}
std::string save_selection(State&, bool) { return {}; }
}  // namespace tess
