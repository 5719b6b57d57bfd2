// Background layers: another file's first ring, or a GPX file's points,
// drawn in dark red behind the document and fixing the view while shown.
#pragma once

#include <string>
#include <vector>

#include "state/State.h"

namespace tess {

inline constexpr const char* kNotAPolyFile = "Not a poly file:";
inline constexpr const char* kNoPreviousBackground = "No previous background found";

// The Background menu: Add Background (a file dialog), Cancel Background
// (the view back to the loaded ring, nothing read again) and Use Last
// Background.
void addBackground(State& s);
void cancelBackground(State& s);
void useLastBackground(State& s);

// Shows a .poly file's first ring as the background, the view fitted to
// it. False after a message; the background and view are then unchanged.
bool showPolyBackground(State& s, const std::string& path);

// Shows a file as the background: a GPX file's points when its name ends
// in .gpx, else a .poly file's first ring. False after the file's message.
bool loadBackgroundFile(State& s, const std::string& path);


}  // namespace tess
