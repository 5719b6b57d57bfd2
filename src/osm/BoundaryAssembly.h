// Turning chosen boundary relations into outlines with libosmium's
// multipolygon assembler. Two passes over the file follow the listing: the
// member ways of the chosen relations, then the nodes those ways use. Only
// these are held, so a relation is assembled from a country extract in the
// memory its own ways and nodes take.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "osm/Boundaries.h"

namespace tess {

// A point as OpenStreetMap stores it: whole tens of millionths of a degree.
struct OsmPoint {
    std::int32_t x = 0;  // longitude
    std::int32_t y = 0;  // latitude
};

// A place where an outline is wrong, with its line ("Open end at ...").
struct OutlinePlace {
    std::string text;
    double lon = 0;
    double lat = 0;
};

struct OutlineRing {
    std::vector<OsmPoint> points;  // closed: the last is the first
    bool hole = false;
    double squareMetres = 0;       // on the sphere, holes not taken off
};

// One relation's outline: each outer ring followed by its holes, in the
// assembler's order.
struct BoundaryOutline {
    Boundary relation;
    std::vector<OutlineRing> rings;  // for an incomplete relation: the rings that close
    std::int64_t missingWays = 0;    // members not in the file, or with nodes that are not
    std::int64_t openEnds = 0;
    std::vector<OutlinePlace> problems;  // open ends first

    bool complete() const { return missingWays == 0 && problems.empty(); }
    // Why it is incomplete, as the dialog and the batch command name it.
    std::string incompleteness() const;
};

struct BoundaryAssembly {
    std::vector<BoundaryOutline> outlines;  // in the order chosen
    std::string error;
    bool cancelled = false;
    bool ok() const { return error.empty() && !cancelled; }
};

// Assembles the relations, which a scan of the same file found.
BoundaryAssembly assembleBoundaries(const std::string& path, const std::vector<Boundary>& chosen,
                                    const OsmProgress& progress = {});

// A coordinate of OpenStreetMap as text, exact: 134123456 is "13.4123456",
// 130000000 is "13.0".
std::string osmCoordinateText(std::int32_t value);

}  // namespace tess
