// libosmium's problem reporter, told to keep the places where a relation's
// rings fail to join, so the user can be shown them.
#pragma once

#include <osmium/area/problem_reporter.hpp>

#include <vector>

#include "osm/BoundaryAssembly.h"

namespace tess {

class ProblemPlaces : public osmium::area::ProblemReporter {
public:
    std::vector<OutlinePlace> openEnds;
    std::vector<OutlinePlace> others;  // crossings, touches, overlaps

    void report_ring_not_closed(const osmium::NodeRef& nr, const osmium::Way* way) override;
    void report_intersection(osmium::object_id_type way1, osmium::Location way1Start, osmium::Location way1End,
                             osmium::object_id_type way2, osmium::Location way2Start, osmium::Location way2End,
                             osmium::Location intersection) override;
    void report_touching_ring(osmium::object_id_type node, osmium::Location location) override;
    void report_duplicate_segment(const osmium::NodeRef& nr1, const osmium::NodeRef& nr2) override;
    void report_overlapping_segment(const osmium::NodeRef& nr1, const osmium::NodeRef& nr2) override;
};

OutlinePlace placeAt(const std::string& before, osmium::Location location);

}  // namespace tess
