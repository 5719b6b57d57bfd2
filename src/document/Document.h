// The document: every ring held as text, and one loaded ring also held as
// numbers. Loads replace the whole of it at once; only the loaded ring's
// vertices change while the user edits, and a commit writes them back into
// that same ring's text.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "document/PolyText.h"

namespace tess {

struct Document {
    // The title line; the title box shows it.
    std::string title = "Title";

    // Every ring as text, in list order: list entry k stands for ring k.
    std::vector<RingText> rings;
    // How the file's lines end and what follows its rings, kept as read.
    PolyFrame frame;

    // The loaded ring: the one ring whose vertices are in ringLon/ringLat,
    // -1 when the document has no rings. Vertex 0 to lastPoint; the last
    // repeats the first (an open ring read from a file is closed here by
    // a copy of its first vertex, so none of its vertices is lost).
    int currentRing = -1;
    std::vector<double> ringLon;
    std::vector<double> ringLat;
    std::int64_t lastPoint = 0;
    // The loaded ring's vertices were moved since it was loaded or
    // committed: its text is out of date.
    bool ringEdited = false;
    // Which of them, each with where it stood before its first move: a
    // commit rewrites the lines of those that stand elsewhere now, so every
    // other vertex stays in the file exactly as it was written.
    struct Position {
        double lon = 0, lat = 0;
        friend bool operator==(const Position&, const Position&) = default;
    };
    std::map<std::int64_t, Position> movedVertices;
    // Handles of the loaded ring's vertices exist.
    bool handlesShown = false;


    // The file a Save writes to, and the file the document was read from
    // or last written to (empty when it came from elsewhere, such as a GPX
    // file): a Save over any other existing file asks first.
    std::string fileName;
    std::string ownFile;
    // Changes that are not in the file.
    bool modified = false;

    int ringCount() const { return static_cast<int>(rings.size()); }

    // A moved vertex of the loaded ring stands elsewhere than in its text.
    bool loadedRingMoved() const {
        for (const auto& [vertex, from] : movedVertices) {
            const auto i = static_cast<std::size_t>(vertex);
            if (i < ringLon.size() && !(Position{ringLon[i], ringLat[i]} == from)) return true;
        }
        return false;
    }
};

}  // namespace tess
