// The loaded ring: the one ring whose vertices are held as numbers, so that
// it is drawn and edited without reading its text again, and the vertices
// the user moved since they were last written into its text.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "document/Document.h"
#include "document/Numbers.h"

namespace tess {

struct LoadedRing {
    // The ring loaded, -1 for none.
    int index = -1;
    // Vertex 0 to lastPoint; the last repeats the first (an open ring read
    // from a file is closed here by a copy of its first vertex, so every
    // vertex keeps a handle of its own). Empty while the numbers are not
    // held: batch commands hold only rings small enough to edit.
    std::vector<double> lon, lat;
    std::int64_t lastPoint = 0;
    // The vertices moved since the text was last written, each with where
    // it stood before its first move: a commit rewrites the lines of those
    // that stand elsewhere now, and no other line.
    struct Position {
        double lon = 0, lat = 0;
        friend bool operator==(const Position&, const Position&) = default;
    };
    std::map<std::int64_t, Position> moved;

    bool loaded(const Document& d) const { return index >= 0 && index < d.ringCount(); }
    bool held() const { return lastPoint >= 0 && lon.size() == static_cast<std::size_t>(lastPoint) + 1; }
    // A moved vertex stands elsewhere than in the text.
    bool movedElsewhere() const {
        for (const auto& [vertex, from] : moved) {
            const auto i = static_cast<std::size_t>(vertex);
            if (i < lon.size() && !(Position{lon[i], lat[i]} == from)) return true;
        }
        return false;
    }
};

// Calls take(lon, lat) for the vertices of a ring text in order, and for
// the first once more when the ring does not end on it.
template <class Take>
void forEachVertexOf(std::string_view lines, Take take) {
    double firstLon = 0, firstLat = 0, lastLon = 0, lastLat = 0;
    std::int64_t count = 0;
    forEachLine(lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        if (readRingLine(line, lon, lat) != LineKind::Vertex) return;
        if (count++ == 0) firstLon = lon, firstLat = lat;
        lastLon = lon, lastLat = lat;
        take(lon, lat);
    });
    if (count >= 2 && (lastLon != firstLon || lastLat != firstLat)) take(firstLon, firstLat);
}

// Calls take(lon, lat) for vertex 0 to lastPoint of the loaded ring,
// wherever they are held.
template <class Take>
void forEachLoadedVertex(const Document& d, const LoadedRing& r, Take take) {
    if (r.held()) {
        for (std::size_t i = 0; i < r.lon.size(); ++i) take(r.lon[i], r.lat[i]);
    } else if (r.loaded(d)) {
        forEachVertexOf(d.rings[static_cast<std::size_t>(r.index)].lines, take);
    }
}

// Told every thousand vertices how many have been read of a ring being
// held, so that a window can show it and stay drawn.
using VertexProgress = std::function<void(std::int64_t done)>;

// Makes ring k the loaded ring: counts its vertices and holds them as
// numbers when `holdAll` says so or when it is small enough to edit. No
// moves are kept. Nothing is loaded when k names no ring.
void loadRingNumbers(const Document& d, LoadedRing& r, int k, bool holdAll, const VertexProgress& progress = {});
// Holds the loaded ring's vertices as numbers, if they are not held yet.
void holdVertices(const Document& d, LoadedRing& r);
// Nothing loaded.
void unloadRing(LoadedRing& r);

}  // namespace tess
