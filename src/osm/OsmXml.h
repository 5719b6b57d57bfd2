// A document as OpenStreetMap XML: one multipolygon relation tagged with
// the title as its name, a closed way for each ring (outer, or inner for a
// hole), and their nodes, all with negative ids, as editors give objects
// not yet uploaded. libosmium builds and writes the objects.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "document/Document.h"

namespace tess {

// Puts the XML in pieces; the empty text, or why nothing was put.
std::string writeOsmXml(const Document& d, const std::function<void(std::string_view)>& put);

}  // namespace tess
