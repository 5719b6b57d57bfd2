// Reading .poly files into the document. The file is split at every
// "END"; only the ring being made current is parsed into numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/State.h"

namespace tess {

inline constexpr int kMaxRings = 32767;

inline constexpr const char* kCannotOpenFile =
    "Cannot open file.\r\n\r\nTry renaming it ( & folder) using non-Unicode asci";
inline constexpr const char* kCannotFindEnd = "Cannot find END";
inline constexpr const char* kCheckPolyFile = "Error. Check poly file ";

// Carriage returns removed, ASCII letters upper-cased, split at "END".
std::vector<std::string> splitRings(std::string text);

// Loads a .poly file as the document and makes ring ringIndex current.
// False after a message, or when the file was not found.
bool loadpoly(State& s, const std::string& fileName, int ringIndex = 0);

// Makes ring ringIndex current: parses its text into ringLon/ringLat and
// fits the view unless a background fixes it.
void loaddt(State& s, int ringIndex);

}  // namespace tess
