// How far a piece of work done away from the window has come, and whether
// the user asked to stop it. The worker reports, the window reads and may
// cancel: both sides only touch atomics.
#pragma once

#include <algorithm>
#include <atomic>
#include <memory>

namespace tess {

// Thrown by a report once the user has cancelled: it unwinds the work
// from wherever it reports, leaving nothing half made behind.
struct WorkCancelled {};

class WorkProgress {
public:
    // The share done, from 0 to 1; throws WorkCancelled after a cancel.
    void report(double share) {
        share_.store(std::clamp(share, 0.0, 1.0), std::memory_order_relaxed);
        if (cancelled()) throw WorkCancelled{};
    }
    double share() const { return share_.load(std::memory_order_relaxed); }

    void cancel() { cancelled_.store(true); }
    bool cancelled() const { return cancelled_.load(); }

private:
    std::atomic<double> share_{0};
    std::atomic<bool> cancelled_{false};
};

}  // namespace tess
