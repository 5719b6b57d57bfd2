// The progress bar beside the title box: reading fills its first half,
// drawing the second.
#pragma once

#include <cstdint>

namespace tess {

struct ProgressBar {
    // The frame and the bar inside it, in twips.
    int frameLeft = 0, frameTop = 0, frameWidth = 924, frameHeight = 135;
    int barWidth = 15;
    // Counts the bar's changes, so that a delayed shrink can tell whether
    // another operation has moved the bar since.
    std::uint64_t changes = 0;
};

}  // namespace tess
