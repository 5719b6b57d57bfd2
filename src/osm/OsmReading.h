// One pass over an OpenStreetMap file with libosmium's reader, for the
// kinds of object asked for, with progress and a way to stop; every
// failure of the file becomes a message naming it.
#pragma once

#include <osmium/osm/entity_bits.hpp>
#include <osmium/osm/object.hpp>

#include <functional>
#include <string>

#include "osm/Boundaries.h"

namespace tess {

// Hands each object of the kinds `kinds` to `visit`, in the file's order,
// and stops at the first object of the kinds `after`: OpenStreetMap files
// hold their nodes, then their ways, then their relations, so a pass for
// nodes need not decompress the ways. The empty text when the pass ended
// well; else the message (the file, a blank line and why). `cancelled` is
// set to true when `progress` said stop, and left as it is otherwise.
std::string readOsmPass(const std::string& path, osmium::osm_entity_bits::type kinds, const OsmProgress& progress,
                        bool& cancelled, const std::function<void(const osmium::OSMObject&)>& visit,
                        osmium::osm_entity_bits::type after = osmium::osm_entity_bits::nothing);

}  // namespace tess
