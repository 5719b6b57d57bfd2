// Generated .poly texts with every shape the reader meets: rings named by
// numbers, words, holes or not at all, lines of every kind and line end,
// blank lines between rings, missing END lines, further polygons and text
// after the last END.
#pragma once

#include <random>
#include <string>

namespace tess::test {

std::string randomPolyText(std::mt19937& random);

}  // namespace tess::test
