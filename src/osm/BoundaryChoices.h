// What importing a boundary asks of the person at the window: to wait
// (with a way to cancel), to choose relations, and to look at the places
// where an outline is incomplete. The window answers with dialogs, the
// tests from a script.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "osm/BoundaryAssembly.h"
#include "osm/Boundaries.h"

namespace tess {

class BoundaryChoices {
public:
    virtual ~BoundaryChoices() = default;
    // A long pass over the file begins, under this caption.
    virtual void beginWork(const std::string& caption) = 0;
    // How far it is; false once the person cancelled.
    virtual bool working(std::uint64_t done, std::uint64_t total) = 0;
    virtual void endWork() = 0;
    // The ids of the relations chosen among `found`; none when cancelled.
    virtual std::vector<std::int64_t> choose(const std::vector<Boundary>& found) = 0;
    // The places listed; choosing one calls `show` with it.
    virtual void listProblems(const std::vector<OutlinePlace>& places,
                              const std::function<void(const OutlinePlace&)>& show) = 0;
};

}  // namespace tess
