// A tool that may take long on a large document, run away from the window:
// the window goes on answering, shows what runs with its Cancel, and holds
// back the commands that would change the document. The result is put in
// on the window's thread, unless the user cancelled. Without a window it
// all happens before the call returns.
#pragma once

#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string>

#include "geometry/Geos.h"
#include "geometry/GeosStop.h"
#include "platform/Messages.h"
#include "state/State.h"

namespace tess {

// `compute` must touch nothing the window shows: it works on copies.
// `failed` starts the message of a GEOS failure.
template <class Result>
void runToolAway(State& s, const std::string& what, const char* failed, std::function<Result(WorkProgress&)> compute,
                 std::function<void(Result&)> use) {
    if (s.work.running()) return;
    struct Outcome {
        std::optional<Result> result;
        std::string error;
    };
    auto progress = std::make_shared<WorkProgress>();
    auto outcome = std::make_shared<Outcome>();
    s.work = WorkUnderWay{what, progress};
    s.platform.runInBackground(
        [progress, outcome, failed, compute = std::move(compute)] {
            const GeosStopOnCancel stop(*progress);
            try {
                outcome->result = compute(*progress);
            } catch (const WorkCancelled&) {
            } catch (const GeosError& e) {
                // A cancel ends GEOS's work with an error of its own.
                if (!progress->cancelled()) outcome->error = std::string(failed) + e.what();
            } catch (const std::bad_alloc&) {
                outcome->error = kNotEnoughMemory;
            } catch (const std::exception& e) {
                outcome->error = std::string(failed) + e.what();
            }
        },
        [&s, progress, outcome, use = std::move(use)] {
            s.work = WorkUnderWay{};
            if (!outcome->error.empty()) s.platform.message(outcome->error);
            else if (outcome->result && !progress->cancelled()) use(*outcome->result);
        });
}

}  // namespace tess
