// Placeholder until the GPX reader lands.
#include "gpx/GpxReader.h"

namespace tess {
void loadgpx(State&, const std::string&, int) {}
}  // namespace tess
