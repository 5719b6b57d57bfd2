// File › Import OSM Boundary…: an OpenStreetMap file listed, relations
// chosen and assembled, and the outline made the document.
#pragma once

#include <functional>

#include "osm/BoundaryChoices.h"
#include "state/State.h"

namespace tess {

// After the question about unsaved changes and the file dialog, the file
// is listed, the chosen relations assembled and their outline replaces the
// document, unsaved and named after the file with .poly. Incomplete
// relations are named first, and only a Yes imports their rings that close;
// the places where they are incomplete are then listed, and choosing one
// shows it as Check Document does (`refresh` shows the state again).
void importOsmBoundaryCommand(State& s, BoundaryChoices& choices, const std::function<void()>& refresh);

}  // namespace tess
