// What the main window does when it opens, apart from building widgets:
// the working folder, the settings, the command-line file and its drawing.
#pragma once

#include <string>
#include <vector>

#include "state/State.h"

namespace tess {

// The start-up sequence. state.canvas.surface must already be set so that the
// command-line file can be drawn.
void startup(State& s, const std::string& exeDir, const std::string& commandLine);

struct WindowPosition {
    int left = 0, top = 0;
};
// Where a window of the given size sits centred on the screen.
WindowPosition centerWindow(int screenWidth, int screenHeight, int windowWidth,
                            int windowHeight);

// Where the window opens on a screen's free area: where it last closed,
// when that place still shows enough of it to grab, no larger than the
// area; else at about 70 % of the area in its middle, never below the
// smallest window.
WindowPlace openingPlace(const WindowPlace& area, const WindowPlace& remembered, int minWidth, int minHeight);

}  // namespace tess
