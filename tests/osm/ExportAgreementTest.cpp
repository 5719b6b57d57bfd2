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

#include "document/LoadedRing.h"
#include "geometry/GeoJson.h"
#include "osm/BoundaryDocument.h"
#include "support/TestFiles.h"

namespace {

using namespace osmium::builder::attr;  // NOLINT: the builder's attribute names

constexpr int kRelations = 3000;

// A star-shaped ring around (lon, lat) of `radius` degrees at most, whose
// edges stay farther than a fifth of it from the middle, where a hole fits.
std::vector<osmium::Location> starRing(std::mt19937& random, double lon, double lat, double radius) {
    std::uniform_int_distribution<int> count(5, 30);
    std::uniform_real_distribution<double> reach(0.3, 1.0);
    const int n = count(random);
    std::vector<osmium::Location> ring;
    for (int k = 0; k < n; ++k) {
        const double angle = 2 * M_PI * (k + reach(random) * 0.5) / n;
        const double r = radius * reach(random);
        ring.emplace_back(lon + r * std::cos(angle), lat + r * std::sin(angle));
    }
    ring.push_back(ring.front());
    return ring;
}

class GeneratedFile {
public:
    explicit GeneratedFile(std::uint32_t seed) : random_(seed) {}

    void write(const std::string& path) {
        std::uniform_int_distribution<int> pieces(1, 3), outers(1, 2);
        std::bernoulli_distribution coin(0.5);
        for (int r = 0; r < kRelations; ++r) {
            const double lon = -170 + (r % 60) * 5.5, lat = -80 + (r / 60) * 3.0;
            std::vector<member_type> members;
            const int outerCount = outers(random_);
            for (int o = 0; o < outerCount; ++o) {
                const double x = lon + o * 2.5;
                addRing(starRing(random_, x, lat, 1.0), pieces(random_), "outer", members);
                if (coin(random_)) addRing(starRing(random_, x, lat, 0.1), 1, "inner", members);
            }
            const std::string type = coin(random_) ? "boundary" : "multipolygon";
            relations_.push_back(Relation{r + 1, type, "R" + std::to_string(r + 1), members});
        }
        osmium::memory::Buffer buffer{1 << 20, osmium::memory::Buffer::auto_grow::yes};
        for (std::size_t k = 0; k < nodes_.size(); ++k)
            osmium::builder::add_node(buffer, _id(static_cast<std::int64_t>(k) + 1), _version(1), _location(nodes_[k]));
        for (std::size_t k = 0; k < ways_.size(); ++k)
            osmium::builder::add_way(buffer, _id(static_cast<std::int64_t>(k) + 1), _version(1),
                                     _nodes(ways_[k].begin(), ways_[k].end()));
        for (const Relation& r : relations_)
            osmium::builder::add_relation(buffer, _id(r.id), _version(1), _tag("type", r.type), _tag("name", r.name),
                                          _members(r.members.begin(), r.members.end()));
        osmium::io::Writer writer{path, osmium::io::overwrite::allow};
        writer(std::move(buffer));
        writer.close();
    }

private:
    struct Relation {
        std::int64_t id;
        std::string type, name;
        std::vector<member_type> members;
    };

    // The ring as `pieces` ways, each running either way.
    void addRing(const std::vector<osmium::Location>& ring, int pieces, const char* role, std::vector<member_type>& members) {
        std::vector<std::int64_t> ids;
        for (std::size_t k = 0; k + 1 < ring.size(); ++k) {
            nodes_.push_back(ring[k]);
            ids.push_back(static_cast<std::int64_t>(nodes_.size()));
        }
        ids.push_back(ids.front());
        const std::size_t step = (ids.size() - 1) / static_cast<std::size_t>(pieces) + 1;
        for (std::size_t from = 0; from + 1 < ids.size(); from += step) {
            std::vector<std::int64_t> way(ids.begin() + static_cast<std::ptrdiff_t>(from),
                                          ids.begin() + static_cast<std::ptrdiff_t>(std::min(from + step, ids.size() - 1)) + 1);
            if (std::bernoulli_distribution(0.5)(random_)) std::reverse(way.begin(), way.end());
            ways_.push_back(way);
            members.emplace_back(osmium::item_type::way, static_cast<std::int64_t>(ways_.size()), role);
        }
    }

    std::mt19937 random_;
    std::vector<osmium::Location> nodes_;
    std::vector<std::vector<std::int64_t>> ways_;
    std::vector<Relation> relations_;
};

// Outer rings less holes, in square degrees.
double areaOf(const std::vector<tess::RingText>& rings) {
    double total = 0;
    for (const tess::RingText& ring : rings) {
        double sum = 0, lastLon = 0, lastLat = 0;
        bool first = true;
        tess::forEachVertexOf(ring.lines, [&](double lon, double lat) {
            if (!first) sum += (lastLon - lon) * (lastLat + lat);
            first = false;
            lastLon = lon;
            lastLat = lat;
        });
        total += (tess::isHoleName(ring.name) ? -1 : 1) * std::fabs(sum) / 2;
    }
    return total;
}

TEST(ExportAgreement, AreasOfOurOutlinesMatchOsmiumExport) {
    if (std::system("osmium --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "osmium-tool is not installed (scripts/setup.sh)";
    tess::test::TempDir scratch;
    const std::string pbf = scratch.file("generated.osm.pbf"), exported = scratch.file("exported.geojsonseq");
    GeneratedFile(20261207).write(pbf);

    const std::string command = "osmium export -O -f geojsonseq -x print_record_separator=false -o '" + exported +
                                "' '" + pbf + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
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
        const tess::BoundaryDocument document = tess::outlineDocument({outline});
        ASSERT_TRUE(document.ok());
        const double ours = areaOf(document.file.rings), expected = theirs[outline.relation.name];
        EXPECT_NEAR(ours, expected, 1e-9 * expected) << outline.relation.name;
    }
}

}  // namespace
