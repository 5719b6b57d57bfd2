// The document: every ring held as text, the current ring also as numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tess {

struct Document {
    // The file split at "END": element 0 holds the title line, the first
    // ring's name line and its coordinate lines; element k holds the rest of
    // the k-th END line, the name of ring k+1 and its lines. A line of a
    // ring text is a coordinate line exactly when it contains a period.
    std::vector<std::string> ringTexts;

    // The current ring, vertex 0 to lastPoint. A ring read from a file
    // repeats its first vertex as its last. lastPoint 0 means no ring.
    std::vector<double> ringLon;
    std::vector<double> ringLat;
    std::int64_t lastPoint = 0;

    // Ring-list index of the ring whose vertices are loaded; -1 for none.
    int currentRing = -1;
    // The handles node(1..lastPoint) and Line1(1..lastPoint) exist.
    bool handlesShown = false;

    // The ring list List1 always reads "1", "2", ..., listCount; list
    // index k stands for ringTexts element k. -1 selects no entry.
    int listCount = 0;
    int listIndex = -1;

    // The title box text1; the writer takes the title from here.
    std::string title = "Title";
    bool titleEnabled = true;

    // Full path of the open document; empty when none.
    std::string fileName;
    // Changes that are not in the file.
    bool modified = false;
};

}  // namespace tess
