// Positions and sizes of the main window's canvas and ring list, which
// follow the window's size, in twips of its client area.
#pragma once

namespace tess {

struct WindowLayout {
    int windowWidth = 9795, windowHeight = 9900;  // outer size
    int canvasLeft = 768, canvasTop = 600, canvasWidth = 8580, canvasHeight = 8040;
    int listLeft = 96, listTop = 3480, listWidth = 588, listHeight = 5064;
};

// Lays the canvas and ring list out for the window's outer size (twips).
// A size the window system would refuse leaves that control as it was.
void layoutForWindow(WindowLayout& l, int windowWidth, int windowHeight);

}  // namespace tess
