// The settings reader.
#include "FuzzSupport.h"
#include "app/Settings.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    settingsLines(std::string(fuzz::asText(data, size)));
    fuzz::SilentPlatform platform;
    State s(platform);
    s.settings.systemDir = fuzz::scratch();
    fuzz::writeInput("tessaline.dat", data, size);
    readSettingsFile(s);
    settingsText(s);
    return 0;
}
