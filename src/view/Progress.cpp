#include "view/Progress.h"

#include <cmath>

namespace tess {

void rec(State& s, std::int16_t& phase, std::int32_t done, double total) {
    ProgressBar& bar = s.progress;
    if (done <= 0 || total <= 0) {
        bar.barWidth = 15;
        return;
    }
    const auto half = static_cast<std::int32_t>(std::nearbyint(bar.frameWidth / 2.0));
    if (phase > 0) phase = static_cast<std::int16_t>(half);
    bar.barWidth = static_cast<int>(std::lround(phase + done * static_cast<double>(half) / total));
}

}  // namespace tess
