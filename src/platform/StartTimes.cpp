#include "platform/StartTimes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tess {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point& started() {
    static Clock::time_point at = Clock::now();
    return at;
}

bool wanted() {
    static const bool on = std::getenv("TESSALINE_START_TIMES") != nullptr;
    return on;
}

}  // namespace

void markProgramStart() { started() = Clock::now(); }

void reportStartStep(const char* step) {
    if (!wanted()) return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started()).count();
    std::fprintf(stderr, "tessaline: %s %lld ms\n", step, static_cast<long long>(ms));
    std::fflush(stderr);
}

}  // namespace tess
