// The vertices of the loaded ring, wherever they are held. A ring small
// enough to edit is held as numbers in ringLon/ringLat; a larger one stays
// text and is read again whenever it is drawn or written, so that no ring
// is ever held twice, as text and as numbers four times its size.
#pragma once

#include <cstdint>

#include "document/Document.h"
#include "document/Numbers.h"

namespace tess {

// The loaded ring's vertices are in ringLon/ringLat.
inline bool verticesHeld(const Document& d) {
    return d.lastPoint >= 0 && d.ringLon.size() == static_cast<std::size_t>(d.lastPoint) + 1;
}

// Calls take(lon, lat) for the vertices of a ring text in order, and for
// the first once more when the ring does not end on it.
template <class Take>
void forEachVertexOf(std::string_view lines, Take take) {
    double firstLon = 0, firstLat = 0, lastLon = 0, lastLat = 0;
    std::int64_t count = 0;
    forEachLine(lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        if (parseCoordinateLine(line, lon, lat) != LineParse::Ok) return;
        if (count++ == 0) firstLon = lon, firstLat = lat;
        lastLon = lon, lastLat = lat;
        take(lon, lat);
    });
    if (count >= 2 && (lastLon != firstLon || lastLat != firstLat)) take(firstLon, firstLat);
}

// Reads the loaded ring's vertices into ringLon/ringLat, if they are not
// there yet.
inline void holdLoadedVertices(Document& d) {
    if (verticesHeld(d) || d.currentRing < 0 || d.currentRing >= d.ringCount()) return;
    d.ringLon.clear();
    d.ringLat.clear();
    d.ringLon.reserve(static_cast<std::size_t>(d.lastPoint) + 1);
    d.ringLat.reserve(static_cast<std::size_t>(d.lastPoint) + 1);
    forEachVertexOf(d.rings[static_cast<std::size_t>(d.currentRing)].lines, [&](double lon, double lat) {
        d.ringLon.push_back(lon);
        d.ringLat.push_back(lat);
    });
}

// Calls take(lon, lat) for vertex 0 to lastPoint of the loaded ring.
template <class Take>
void forEachLoadedVertex(const Document& d, Take take) {
    if (verticesHeld(d)) {
        for (std::size_t i = 0; i < d.ringLon.size(); ++i) take(d.ringLon[i], d.ringLat[i]);
    } else if (d.currentRing >= 0 && d.currentRing < d.ringCount()) {
        forEachVertexOf(d.rings[static_cast<std::size_t>(d.currentRing)].lines, take);
    }
}

}  // namespace tess
