#include "app/WindowLayout.h"

#include <cstdlib>

namespace tess {

void layoutForWindow(WindowLayout& l, int windowWidth, int windowHeight) {
    l.windowWidth = windowWidth;
    l.windowHeight = windowHeight;
    if (int w = windowWidth - l.canvasLeft - 300; w >= 0) l.canvasWidth = w;
    if (int h = windowHeight - l.canvasTop - 1000; h >= 0) l.canvasHeight = h;
    const int listHeight = l.canvasHeight - std::abs(l.listTop - l.canvasTop);
    l.listHeight = listHeight < 100 ? 100 : listHeight;
}

}  // namespace tess
