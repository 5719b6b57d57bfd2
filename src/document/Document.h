// The document: its title and every ring held as text, in the frame its
// file gave it. Loads replace the whole of it at once; a change replaces
// one ring's text, or the title.
#pragma once

#include <string>
#include <vector>

#include "document/PolyText.h"

namespace tess {

struct Document {
    std::string title = "Title";  // the title line, as written
    // Every ring, in list order: list entry k stands for ring k.
    std::vector<RingText> rings;
    // How the file's lines end and what follows its rings, kept as read.
    PolyFrame frame;

    int ringCount() const { return static_cast<int>(rings.size()); }
};

}  // namespace tess
