#include "geometry/GeosStop.h"

#define GEOS_USE_ONLY_R_API
#include <geos_c.h>

#include <atomic>
#include <thread>

namespace tess {

namespace {

// One piece of work away from the window runs at a time; these name it.
std::atomic<const WorkProgress*> watched{nullptr};
std::atomic<std::thread::id> worker{};

// GEOS calls this on whichever thread reaches a check; only the worker's
// own checks are turned into an interrupt.
void interruptWhenCancelled() {
    const WorkProgress* progress = watched.load();
    if (progress && progress->cancelled() && std::this_thread::get_id() == worker.load()) GEOS_interruptRequest();
}

}  // namespace

GeosStopOnCancel::GeosStopOnCancel(const WorkProgress& progress) {
    worker.store(std::this_thread::get_id());
    watched.store(&progress);
    GEOS_interruptRegisterCallback(interruptWhenCancelled);
}

GeosStopOnCancel::~GeosStopOnCancel() {
    GEOS_interruptRegisterCallback(nullptr);
    watched.store(nullptr);
    // A request made after the last check must not stop the next work.
    GEOS_interruptCancel();
}

}  // namespace tess
