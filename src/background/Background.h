// Background layers: another file's first ring, or a GPX file's points,
// drawn in dark red behind the document and fixing the view while shown.
#pragma once

#include "platform/Messages.h"

#include <string>
#include <vector>

#include "state/State.h"

namespace tess {


// The Background menu: Add Background (a file dialog), Cancel Background
// (the view back to the loaded ring, nothing read again) and Use Last
// Background.
void addBackground(State& s);
void cancelBackground(State& s);
void useLastBackground(State& s);

// Shows a file as the background, the view fitted to it: a GPX file's
// points, or the first ring of a .poly or GeoJSON file. False after the
// file's message; the background and view are then unchanged.
bool loadBackgroundFile(State& s, const std::string& path);


}  // namespace tess
