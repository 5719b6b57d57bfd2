#include "editing/Clearing.h"

#include "view/Progress.h"

namespace tess {

void removeHandlesAndOutline(State& s) {
    removeHandles(s.edit);
    if (s.edit.outline.pointCount > 0) removeOutline(s);
}

void removeOutline(State& s) {
    removeOutlineObjects(s.edit);
    resetProgress(s.progress, s.platform);
}

}  // namespace tess
