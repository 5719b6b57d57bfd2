#include "osm/MemberWays.h"

#include <osmium/osm/node.hpp>

#include <algorithm>

#include "osm/OsmReading.h"

namespace tess {

namespace {

void sortUnique(std::vector<std::int64_t>& ids) {
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

bool holds(const std::vector<std::int64_t>& sorted, std::int64_t id) {
    return std::binary_search(sorted.begin(), sorted.end(), id);
}

}  // namespace

std::string MemberWays::read(const std::string& path, std::vector<std::int64_t> wayIds, const OsmProgress& progress,
                             bool& cancelled) {
    sortUnique(wayIds);
    // The two passes share one bar.
    const auto half = [&](std::uint64_t pass) -> OsmProgress {
        if (!progress) return {};
        return [&, pass](std::uint64_t done, std::uint64_t total) { return progress(pass * total + done, 2 * total); };
    };
    std::vector<std::int64_t> nodeIds;
    std::string error = readOsmPass(path, osmium::osm_entity_bits::way, half(0), cancelled,
                                    [&](const osmium::OSMObject& object) {
                                        if (!holds(wayIds, object.id())) return;
                                        offsets_.emplace_back(object.id(), ways_.committed());
                                        ways_.add_item(object);
                                        ways_.commit();
                                        for (const osmium::NodeRef& ref : static_cast<const osmium::Way&>(object).nodes())
                                            nodeIds.push_back(ref.ref());
                                    },
                                    osmium::osm_entity_bits::relation);
    if (!error.empty() || cancelled) return error;
    std::sort(offsets_.begin(), offsets_.end());
    sortUnique(nodeIds);

    std::vector<osmium::Location> places(nodeIds.size());
    error = readOsmPass(path, osmium::osm_entity_bits::node, half(1), cancelled, [&](const osmium::OSMObject& object) {
        const auto at = std::lower_bound(nodeIds.begin(), nodeIds.end(), object.id());
        if (at != nodeIds.end() && *at == object.id())
            places[static_cast<std::size_t>(at - nodeIds.begin())] = static_cast<const osmium::Node&>(object).location();
    }, osmium::osm_entity_bits::way | osmium::osm_entity_bits::relation);
    if (!error.empty() || cancelled) return error;

    for (const auto& [id, offset] : offsets_) {
        for (osmium::NodeRef& ref : ways_.get<osmium::Way>(offset).nodes()) {
            const auto at = std::lower_bound(nodeIds.begin(), nodeIds.end(), ref.ref());
            ref.set_location(places[static_cast<std::size_t>(at - nodeIds.begin())]);
            if (!ref.location().valid()) unplaced_.push_back(id);
        }
    }
    sortUnique(unplaced_);
    return {};
}

const osmium::Way* MemberWays::find(std::int64_t id) const {
    const auto at = std::lower_bound(offsets_.begin(), offsets_.end(), std::make_pair(id, std::size_t{0}));
    if (at == offsets_.end() || at->first != id || holds(unplaced_, id)) return nullptr;
    return &ways_.get<osmium::Way>(at->second);
}

}  // namespace tess
