// Stopping GEOS in the middle of a long operation. GEOS looks at a
// process-wide interrupt now and then while it works; while a
// GeosStopOnCancel lives, the thread that made it is interrupted there
// once the work's progress is cancelled, and the GEOS call fails with a
// GeosError. Other threads' GEOS work goes on.
#pragma once

#include "platform/WorkProgress.h"

namespace tess {

class GeosStopOnCancel {
public:
    explicit GeosStopOnCancel(const WorkProgress& progress);
    ~GeosStopOnCancel();
    GeosStopOnCancel(const GeosStopOnCancel&) = delete;
    GeosStopOnCancel& operator=(const GeosStopOnCancel&) = delete;
};

}  // namespace tess
