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

void showProgress(ProgressBar& bar, ProgressPhase phase, std::int64_t done, double total) {
    if (done <= 0 || total <= 0) {
        setBarWidth(bar, kMinimumWidth);
        return;
    }
    const double half = std::nearbyint(bar.frameWidth / 2.0);
    const double start = phase == ProgressPhase::Drawing ? half : 0;
    setBarWidth(bar, static_cast<int>(std::lround(start + static_cast<double>(done) * half / total)));
}

void resetProgress(ProgressBar& bar, Platform& platform) {
    if (bar.barWidth < bar.frameWidth) {
        setBarWidth(bar, kMinimumWidth);
        return;
    }
    const std::uint64_t full = bar.changes;
    platform.runAfter(kFullBarMilliseconds, [&bar, full] {
        if (bar.changes == full) setBarWidth(bar, kMinimumWidth);
    });
}

}  // namespace tess
