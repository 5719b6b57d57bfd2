// Our outlines agree with osmium-tool's: a generated file of thousands of
// relations (star-shaped rings cut into ways that run either way, holes,
// several outer rings) is assembled by us and exported by `osmium export`,
// and every relation's area, outer rings less holes, is the same within
// a billionth.
#include <gtest/gtest.h>

#include <osmium/builder/attr.hpp>
#include <osmium/io/pbf_output.hpp>
#include <osmium/io/writer.hpp>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>

#include "geometry/Vertex.h"
#include "geometry/GeoJson.h"
#include "osm/BoundaryDocument.h"
#include "support/TestFiles.h"

namespace {

using namespace osmium::builder::attr;  // NOLINT: the builder's attribute names

constexpr int kRelations = 3000;

// The generated file, its objects in the order OSM files keep.
struct GeneratedFile {
    std::mt19937 random{20261207};
    osmium::memory::Buffer nodes{1 << 20, osmium::memory::Buffer::auto_grow::yes};
    osmium::memory::Buffer ways{1 << 20, osmium::memory::Buffer::auto_grow::yes};
    osmium::memory::Buffer relations{1 << 20, osmium::memory::Buffer::auto_grow::yes};
    std::int64_t node = 0, way = 0;

    // A star-shaped ring around (lon, lat) of `radius` degrees at most, whose
    // edges stay farther than a fifth of it from the middle, where a hole
    // fits; cut into `pieces` ways that run either way.
    void addRing(double lon, double lat, double radius, int pieces, const char* role, std::vector<member_type>& members) {
        const int n = std::uniform_int_distribution<int>(5, 30)(random);
        std::uniform_real_distribution<double> reach(0.3, 1.0);
        std::vector<std::int64_t> ids;
        for (int k = 0; k < n; ++k) {
            const double angle = 2 * M_PI * (k + reach(random) * 0.5) / n, r = radius * reach(random);
            osmium::builder::add_node(nodes, _id(++node), _location(lon + r * std::cos(angle), lat + r * std::sin(angle)));
            ids.push_back(node);
        }
        ids.push_back(ids.front());
        const std::size_t step = ids.size() / static_cast<std::size_t>(pieces) + 1;
        for (std::size_t from = 0; from + 1 < ids.size(); from += step) {
            std::vector<std::int64_t> refs(ids.begin() + static_cast<std::ptrdiff_t>(from),
                                           ids.begin() + static_cast<std::ptrdiff_t>(std::min(from + step, ids.size() - 1)) + 1);
            if (random() % 2) std::reverse(refs.begin(), refs.end());
            osmium::builder::add_way(ways, _id(++way), _nodes(refs.begin(), refs.end()));
            members.emplace_back(osmium::item_type::way, way, role);
        }
    }

    void write(const std::string& path) {
        for (int r = 1; r <= kRelations; ++r) {
            std::vector<member_type> members;
            for (int o = 0; o <= static_cast<int>(random() % 2); ++o) {
                const double lon = -170 + (r % 60) * 5.5 + o * 2.5, lat = -80 + (r / 60) * 3.0;
                addRing(lon, lat, 1.0, 1 + static_cast<int>(random() % 3), "outer", members);
                if (random() % 2) addRing(lon, lat, 0.1, 1, "inner", members);
            }
            osmium::builder::add_relation(relations, _id(r), _tag("type", random() % 2 ? "boundary" : "multipolygon"),
                                          _tag("name", "R" + std::to_string(r)), _members(members.begin(), members.end()));
        }
        osmium::io::Writer writer{path, osmium::io::overwrite::allow};
        writer(std::move(nodes));
        writer(std::move(ways));
        writer(std::move(relations));
        writer.close();
    }
};

// Outer rings less holes, in square degrees.
double areaOf(const std::vector<tess::RingText>& rings) {
    double total = 0;
    for (const tess::RingText& ring : rings) {
        const tess::Vertices v = tess::verticesOf(ring.lines);
        double sum = 0;
        for (std::size_t k = 1; k < v.size(); ++k) sum += (v[k - 1].lon - v[k].lon) * (v[k - 1].lat + v[k].lat);
        total += (tess::isHoleName(ring.name) ? -1 : 1) * std::fabs(sum) / 2;
    }
    return total;
}

TEST(ExportAgreement, AreasOfOurOutlinesMatchOsmiumExport) {
    if (std::system("osmium --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "osmium-tool is not installed (scripts/setup.sh)";
    tess::test::TempDir scratch;
    const std::string pbf = scratch.file("generated.osm.pbf"), exported = scratch.file("exported.geojsonseq");
    GeneratedFile().write(pbf);

    ASSERT_EQ(std::system(("osmium export -O -f geojsonseq -x print_record_separator=false -o '" + exported + "' '" + pbf +
                           "' >/dev/null 2>&1").c_str()), 0);
    std::map<std::string, double> theirs;
    std::ifstream in(exported);
    for (std::string line; std::getline(in, line);) {
        const tess::GeoJsonRead read = tess::parseGeoJson(line);
        ASSERT_TRUE(read.ok()) << read.error;
        theirs[read.file.title] = areaOf(read.file.rings);
    }

    const tess::BoundaryScan scan = tess::scanBoundaries(pbf);
    ASSERT_EQ(scan.boundaries.size(), static_cast<std::size_t>(kRelations));
    const tess::BoundaryAssembly assembly = tess::assembleBoundaries(pbf, scan.boundaries);
    ASSERT_TRUE(assembly.ok());
    ASSERT_EQ(theirs.size(), assembly.outlines.size());
    for (const tess::BoundaryOutline& outline : assembly.outlines) {
        ASSERT_TRUE(outline.complete()) << outline.incompleteness();
        const double expected = theirs[outline.relation.name];
        EXPECT_NEAR(areaOf(tess::outlineDocument({outline}).file.rings), expected, 1e-9 * expected) << outline.relation.name;
    }
}

}  // namespace
