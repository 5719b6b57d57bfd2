#include "osm/OsmReading.h"

#include <osmium/io/any_input.hpp>

#include <new>

#include "platform/Files.h"
#include "platform/Messages.h"

namespace tess {

std::string readOsmPass(const std::string& path, osmium::osm_entity_bits::type kinds, const OsmProgress& progress,
                        bool& cancelled, const std::function<void(const osmium::OSMObject&)>& visit,
                        osmium::osm_entity_bits::type after) {
    {
        // Refuses a folder, a device or a missing file at once, as every
        // other reader does.
        FileReader probe(path);
        if (!probe.error().empty()) return unreadableFileMessage(path, probe.error());
    }
    try {
        // Who edited what and when is of no use here: it is not decoded.
        osmium::io::Reader reader(path, kinds | after, osmium::io::read_meta::no);
        const std::uint64_t total = reader.file_size();
        while (osmium::memory::Buffer buffer = reader.read()) {
            for (const osmium::OSMObject& object : buffer.select<osmium::OSMObject>()) {
                const osmium::osm_entity_bits::type kind = osmium::osm_entity_bits::from_item_type(object.type());
                if (kind & after) {
                    reader.close();
                    return {};
                }
                if (kind & kinds) visit(object);
            }
            if (progress && !progress(reader.offset(), total)) {
                cancelled = true;
                reader.close();
                return {};
            }
        }
        reader.close();
    } catch (const std::bad_alloc&) {
        return unreadableFileMessage(path, kNotEnoughMemory);
    } catch (const std::exception& e) {
        return unreadableFileMessage(path, std::string(kNotOsmData) + e.what());
    }
    return {};
}

}  // namespace tess
