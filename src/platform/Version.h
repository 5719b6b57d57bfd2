// The program's version, as --version, the About window, the caption and
// the GPX files it writes name it.
#pragma once

namespace tess {

inline constexpr const char* kAppVersion = "2.1";

}  // namespace tess
