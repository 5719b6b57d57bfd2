#pragma once

#include <cstdint>

#include "state/State.h"

namespace tess {

// The two-phase progress bar. Readers pass phase 0 and fill the first
// half of the frame, plot passes 50 and fills the second; done <= 0
// shrinks the bar to its minimum of 15 twips. A positive phase is
// replaced by half the frame width, as the caller's variable.
void showProgress(State& s, std::int16_t& phase, std::int32_t done, double total);
// Shrinks the bar to its minimum, as showProgress(0, 0, 0) does. A full bar stays
// up a tenth of a second longer, so that the user sees the work finish,
// while the window goes on handling input; the next operation to move
// the bar takes it over at once.
void resetProgress(State& s);
inline void showProgress(State& s, int phase, std::int32_t done, double total) {
    auto p = static_cast<std::int16_t>(phase);
    showProgress(s, p, done, total);
}

}  // namespace tess
