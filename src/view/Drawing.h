// Drawing the document onto a surface: the background in dark red and the
// loaded ring in blue, thinned to what the canvas shows. What lies above
// the drawing (handles, edge lines, the outline) is placed by the editing
// side; the edges it draws above are left out here, so that they follow a
// drag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "document/LoadedRing.h"
#include "platform/Platform.h"
#include "state/Background.h"
#include "state/Surface.h"
#include "view/Transform.h"

namespace tess {

void drawBackground(Surface& surface, const ViewMapping& mapping, const Background& background);

// Draws the loaded ring, leaving out edge k (from vertex k - 1 to vertex
// k) for every k in `edgesAbove`, which is sorted. `progress` hears now and
// then how many vertices were drawn. True when a vertex falls within the
// canvas's width.
bool drawLoadedRing(Surface& surface, const ViewMapping& mapping, const Document& d, const LoadedRing& r,
                    const std::vector<std::size_t>& edgesAbove, Platform& platform,
                    const std::function<void(std::int64_t done)>& progress);

// About ten progress reports for a large ring, one every tenth vertex for
// a small one, none below ten vertices.
std::int64_t progressStep(std::int64_t vertices);

}  // namespace tess
