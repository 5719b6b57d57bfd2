// The two-phase progress bar.
#include "view/Progress.h"

#include <cmath>

namespace tess {

namespace {

constexpr int kMinimumWidth = 15;
constexpr int kFullBarMilliseconds = 100;

void setBarWidth(ProgressBar& bar, int width) {
    bar.barWidth = width;
    ++bar.changes;
}

}  // namespace

void showProgress(State& s, std::int16_t& phase, std::int32_t done, double total) {
    ProgressBar& bar = s.progress;
    if (done <= 0 || total <= 0) {
        setBarWidth(bar, kMinimumWidth);
        return;
    }
    const auto half = static_cast<std::int32_t>(std::nearbyint(bar.frameWidth / 2.0));
    if (phase > 0) phase = static_cast<std::int16_t>(half);
    setBarWidth(bar, static_cast<int>(std::lround(phase + done * static_cast<double>(half) / total)));
}

void resetProgress(State& s) {
    ProgressBar& bar = s.progress;
    if (bar.barWidth < bar.frameWidth) {
        setBarWidth(bar, kMinimumWidth);
        return;
    }
    const std::uint64_t full = bar.changes;
    s.platform.runAfter(kFullBarMilliseconds, [&s, full] {
        if (s.progress.changes == full) setBarWidth(s.progress, kMinimumWidth);
    });
}

}  // namespace tess
