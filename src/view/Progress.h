// The two-phase progress bar: reading fills the first half of the frame,
// drawing the second.
#pragma once

#include <cstdint>

#include "platform/Platform.h"
#include "state/ProgressBar.h"

namespace tess {

enum class ProgressPhase { Reading, Drawing };

// Shows `done` of `total` of the phase; done <= 0 shrinks the bar to its
// minimum of 15 twips.
void showProgress(ProgressBar& bar, ProgressPhase phase, std::int64_t done, double total);
// Shrinks the bar to its minimum. A full bar stays up a tenth of a second
// longer, so that the user sees the work finish, while the window goes on
// handling input; the next operation to move the bar takes it over at once.
void resetProgress(ProgressBar& bar, Platform& platform);

}  // namespace tess
