// Placeholder until edit mode lands.
#include "editing/Editing.h"

namespace tess {
void Check1_MouseUp(State&) {}
void Label2_Click(State&) {}
void List1_MouseDown(State&) {}
void inv_MouseDown(State&, int) {}
void inv_MouseUp(State&, int) {}
void text1_KeyPress(State&) {}
void p1_MouseDown(State&, int, double, double) {}
void p1_DblClick(State&) {}
void node_MouseDown(State&, int) {}
void nd_MouseDown(State&, int) {}
bool dragInProgress(const State&) { return false; }
void p1_DragOver(State&, double, double) {}
void node_DragDrop(State&, int) {}
void nd_DragDrop(State&, int) {}
void cancelDrag(State&) {}
void create_polygon(State&) {}
void nd_DblClick(State&, int) {}
void Form_KeyDown(State&, int) {}
}  // namespace tess
