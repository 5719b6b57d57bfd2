// Reading a .poly file: the whole file is read and checked before anyone
// may use it, so that a refused file changes nothing.
#pragma once

#include <string>

#include "platform/Messages.h"
#include "document/PolyText.h"

namespace tess {

struct PolyLoad {
    PolyFile file;
    std::string error;  // the message to show when the file is refused
    bool ok() const { return error.empty(); }
};

// Reads and checks a .poly file; the document is not touched.
// `progress` hears first how much of the file was read, then how much of
// its text was parsed: done of total, each a megabyte at a time.
PolyLoad readPolyFile(const std::string& path, const ReadProgress& progress = {});

}  // namespace tess
