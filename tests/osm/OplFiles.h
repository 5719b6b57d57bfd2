// OpenStreetMap files for tests, written by hand as OPL text and turned
// into .osm.pbf by libosmium's writer.
#pragma once

#include <osmium/io/any_input.hpp>
#include <osmium/io/any_output.hpp>

#include <string>

namespace tess::test {

inline void oplToPbf(const std::string& opl, const std::string& pbf) {
    osmium::io::Reader reader{opl};
    osmium::io::Writer writer{pbf, osmium::io::overwrite::allow};
    while (osmium::memory::Buffer buffer = reader.read()) writer(std::move(buffer));
    writer.close();
    reader.close();
}

}  // namespace tess::test
