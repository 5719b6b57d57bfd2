// Lets the event loop run for a while, with nothing else to do: for a
// batch run waiting for what arrives in the background (map tiles).
#pragma once

namespace tess {

// Runs the events of this thread for `milliseconds`, sleeping while none
// arrive.
void runEventsFor(int milliseconds);

}  // namespace tess
