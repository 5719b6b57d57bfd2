// Placeholder until rendering lands.
#include "app/QtRender.h"

#include <iostream>

namespace tess {
int runRender(int, char**, const std::vector<std::string>&) {
    std::cerr << "tessaline: --render is not available yet\n";
    return 2;
}
}  // namespace tess
