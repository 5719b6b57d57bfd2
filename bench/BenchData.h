// Generated inputs for the benchmarks, written once into a scratch folder.
#pragma once

#include <string>

#include "platform/SilentPlatform.h"

namespace tess::bench {

// Benchmarks have nobody to answer: every question gets No.
using NullPlatform = SilentPlatform;

// A folder under the system's temporary folder for benchmark files.
std::string scratchDir();

// A .poly file of `rings` rings holding `vertices` vertices in all, in the
// exponent form large real files use. Made once, then reused.
std::string polyFile(int rings, int vertices);

// The text of such a file.
std::string polyText(int rings, int vertices);

}  // namespace tess::bench
