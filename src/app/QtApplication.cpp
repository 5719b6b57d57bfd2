// Placeholder until the window lands.
#include "app/QtApplication.h"

#include <iostream>

namespace tess {
int runWindow(int, char**) {
    std::cerr << "tessaline: the window is not available yet\n";
    return 2;
}
}  // namespace tess
