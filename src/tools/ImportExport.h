// The File and Tools menus' imports and exports through the file dialogs:
// Import and Export GeoJSON, and Convert to GPX (the loaded ring as a
// route). An export leaves the document, its name and its mark as they are.
#pragma once

#include "state/State.h"

namespace tess {

// After the question about unsaved changes, the dialog, then the file as
// a new, unsaved document named after it with .poly.
void importGeoJsonCommand(State& s);
// The dialog proposing the document's name with .geojson; a file that
// exists is replaced only after a Yes.
void exportGeoJsonCommand(State& s);
void convertToGpxCommand(State& s);

}  // namespace tess
