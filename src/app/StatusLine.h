// What the status bar says: where the pointer is, which ring is loaded and
// how large it is, how close the view is, and what to do when edit mode
// has too many vertices in view.
#pragma once

#include "platform/Messages.h"

#include <optional>
#include <string>

#include "state/State.h"

namespace tess {


struct StatusLine {
    std::string pointer;  // "Lon 7.5667020  Lat 48.0576400", empty off the canvas
    std::string ring;     // "Ring 3: 1,489 vertices, hole, 12.5 km², 20.3 km around"
    std::string zoom;     // "Zoom 4×"
    std::string hint;     // kZoomInToEdit, or what the last save repaired
};

// The status for the pointer at canvas point (x, y), twips, if it is over
// the canvas.
StatusLine statusLine(const State& s, std::optional<std::pair<double, double>> pointer);

// 1489 -> "1,489".
std::string groupedNumber(std::int64_t n);

}  // namespace tess
