// Shared pieces of the fuzz targets: a platform that answers Yes, and a
// scratch file the readers that take a path can be pointed at.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "state/State.h"
#include "platform/Files.h"
#include "platform/SilentPlatform.h"

namespace tess::fuzz {

// Every question answered Yes, to reach the paths behind it.
struct SilentPlatform : tess::SilentPlatform {
    SilentPlatform() : tess::SilentPlatform(Answer::Yes) {}
};

// A folder in memory for this process's files.
inline const std::string& scratch() {
    static const std::string dir = [] {
        std::string d = "/dev/shm/tessaline-fuzz-" + std::to_string(::getpid());
        makeFolder(d);
        return d;
    }();
    return dir;
}

inline std::string writeInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::string path = scratch() + "/" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace tess::fuzz
