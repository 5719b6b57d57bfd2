// The background: another file's outline drawn in dark red behind the
// document; while it is shown its extent fixes the view.
#pragma once

#include <cstdint>
#include <vector>

namespace tess {

struct Background {
    std::vector<float> lon{0.0f};
    std::vector<float> lat{0.0f};
    std::int32_t lastIndex = 0;  // index of the last point; 0 = none

    bool shown() const { return lastIndex > 0; }
};

}  // namespace tess
