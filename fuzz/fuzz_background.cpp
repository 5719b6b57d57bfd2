// The background reader.
#include "FuzzSupport.h"
#include "background/Background.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::SilentPlatform platform;
    State s(platform);
    s.settings.systemDir = fuzz::scratch();
    loadBackgroundFile(s, fuzz::writeInput("background.poly", data, size));
    return 0;
}
