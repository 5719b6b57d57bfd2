// Turning the selection outline into a ring, removing a ring, and saving
// the outline as a file of its own.
#pragma once

#include "platform/Messages.h"

#include <optional>
#include <string>

#include "state/State.h"

namespace tess {

inline constexpr const char* kSelectionFileName = "untitled.poly";

// "+": the outline, closed on its first point, becomes the document's last
// ring, shown and loaded; the pointer tool is chosen again.
void addOutlineAsRing(State& s);
// "-": the loaded ring goes, after "Are you sure?", and the ring that takes
// its place is shown; the pointer tool is chosen again.
void removeLoadedRing(State& s);

// The outline as a one-ring .poly file; empty after a message when the
// view cannot map it.
std::optional<std::string> outlineFileText(State& s);
// Save Selection: asks for a file name and writes the outline there. The
// document and its name stay as they are.
void saveOutlineAsFile(State& s);

// One coordinate line of a selection: three blanks, the longitude, one
// blank, the latitude; whole numbers keep ".0" so that the line is read
// as coordinates ("   10.0 50.0").
std::string selectionCoordLine(float lon, float lat);

// The outline as a ring: a line per point and point 1 again. Empty after
// the message when the view has a bound pair that is exactly zero.
std::optional<RingText> selectionRing(State& s);

}  // namespace tess
