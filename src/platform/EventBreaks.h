// Keeps the window answering during a long loop: pending events are let in
// once the loop has begun, then every few thousand steps, at most once a
// twentieth of a second, so repaints and the progress bar keep up without
// the pumping itself costing time.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/Platform.h"

namespace tess {

class EventBreaks {
public:
    explicit EventBreaks(Platform& platform) : platform_(platform), last_(Clock::now()) {}

    void tick(std::int64_t step) {
        if (step == 1) {
            platform_.processEvents();
            return;
        }
        if (step % 4096 != 4095) return;
        const auto now = Clock::now();
        if (now - last_ < std::chrono::milliseconds(50)) return;
        last_ = now;
        platform_.processEvents();
    }

    // The same for a loop whose steps are few and long (a megabyte read):
    // every step may let events in, at most once a twentieth of a second.
    void tickNow(std::int64_t step) {
        const auto now = Clock::now();
        if (step != 1 && now - last_ < std::chrono::milliseconds(50)) return;
        last_ = now;
        platform_.processEvents();
    }

private:
    using Clock = std::chrono::steady_clock;
    Platform& platform_;
    Clock::time_point last_;
};

}  // namespace tess
