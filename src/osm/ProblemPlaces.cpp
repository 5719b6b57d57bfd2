#include "osm/ProblemPlaces.h"

#include <osmium/osm/way.hpp>

#include "platform/Messages.h"

namespace tess {

OutlinePlace placeAt(const std::string& before, osmium::Location location) {
    return {before + osmCoordinateText(location.x()) + " " + osmCoordinateText(location.y()), location.lon_without_check(),
            location.lat_without_check()};
}

void ProblemPlaces::report_ring_not_closed(const osmium::NodeRef& nr, const osmium::Way* way) {
    const osmium::Location at = nr.location();
    openEnds.push_back({openEndMessage(osmCoordinateText(at.x()), osmCoordinateText(at.y()), way ? way->id() : 0),
                        at.lon_without_check(), at.lat_without_check()});
}

void ProblemPlaces::report_intersection(osmium::object_id_type, osmium::Location, osmium::Location,
                                        osmium::object_id_type, osmium::Location, osmium::Location,
                                        osmium::Location intersection) {
    others.push_back(placeAt(kRingsCrossAt, intersection));
}

void ProblemPlaces::report_touching_ring(osmium::object_id_type, osmium::Location location) {
    others.push_back(placeAt(kRingsTouchAt, location));
}

void ProblemPlaces::report_duplicate_segment(const osmium::NodeRef& nr1, const osmium::NodeRef&) {
    others.push_back(placeAt(kWaysOverlapAt, nr1.location()));
}

void ProblemPlaces::report_overlapping_segment(const osmium::NodeRef& nr1, const osmium::NodeRef&) {
    others.push_back(placeAt(kWaysOverlapAt, nr1.location()));
}

}  // namespace tess
