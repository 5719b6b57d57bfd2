// Listing the boundaries of a 100 MB .osm.pbf and assembling one of them,
// as File › Import OSM Boundary… does (one pass for the list, two for the
// relation's ways and nodes), against osmium-tool doing the same job:
// `osmium getid -r` of the relation, then `osmium export` of what it got.
// The file is made once: 5,000 boundary relations of four ways each and
// enough roads around them (random walks, as streets are drawn) to reach
// 100 MB.
//   bench_osm_boundaries                 the benchmarks
//   bench_osm_boundaries --make          makes the file; prints its path
//                                        and the relation assembled
#include <benchmark/benchmark.h>

#include <osmium/builder/attr.hpp>
#include <osmium/io/pbf_output.hpp>
#include <osmium/io/writer.hpp>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>

#include "BenchData.h"
#include "osm/BoundaryDocument.h"
#include "osm/OsmImport.h"

using namespace tess;
using namespace osmium::builder::attr;  // NOLINT: the builder's attribute names

namespace {

constexpr int kBoundaries = 5000;
constexpr int kRingNodes = 400;          // a boundary's nodes, in four ways
constexpr std::int64_t kRoads = 1100000;  // roads of 20 nodes
constexpr int kRoadNodes = 20;
constexpr std::int64_t kChosen = 2500;   // the relation assembled

// Every node in id order, then every way, then the relations, as OSM
// files keep them; written a piece at a time.
class ExtractWriter {
public:
    explicit ExtractWriter(const std::string& path) : writer_(path, osmium::io::overwrite::allow) {}

    void write() {
        std::mt19937 random(2026);
        std::uniform_real_distribution<double> step(-0.0004, 0.0004);
        std::int64_t node = 0;
        for (int b = 0; b < kBoundaries; ++b) {
            const double lon = -170 + (b % 100) * 3.4, lat = -70 + (b / 100) * 2.8;
            for (int k = 0; k < kRingNodes; ++k) {
                const double angle = 2 * M_PI * k / kRingNodes;
                add(osmium::builder::add_node(buffer_, _id(++node), _version(1),
                                              _location(lon + std::cos(angle) + step(random), lat + std::sin(angle))));
            }
        }
        for (std::int64_t r = 0; r < kRoads; ++r) {
            double lon = -170 + random() % 340000 / 1000.0, lat = -70 + random() % 140000 / 1000.0;
            for (int k = 0; k < kRoadNodes; ++k, lon += step(random), lat += step(random))
                add(osmium::builder::add_node(buffer_, _id(++node), _version(1), _location(lon, lat)));
        }
        std::int64_t way = 0;
        for (int b = 0; b < kBoundaries; ++b) {
            const std::int64_t first = static_cast<std::int64_t>(b) * kRingNodes + 1;
            for (int q = 0; q < 4; ++q) {
                std::vector<std::int64_t> refs;
                for (int k = q * kRingNodes / 4; k <= (q + 1) * kRingNodes / 4; ++k) refs.push_back(first + k % kRingNodes);
                add(osmium::builder::add_way(buffer_, _id(++way), _version(1), _tag("boundary", "administrative"),
                                             _nodes(refs.begin(), refs.end())));
            }
        }
        const std::int64_t roadNodes = static_cast<std::int64_t>(kBoundaries) * kRingNodes;
        for (std::int64_t r = 0; r < kRoads; ++r) {
            std::vector<std::int64_t> refs;
            for (int k = 1; k <= kRoadNodes; ++k) refs.push_back(roadNodes + r * kRoadNodes + k);
            add(osmium::builder::add_way(buffer_, _id(++way), _version(1), _tag("highway", "residential"),
                                         _nodes(refs.begin(), refs.end())));
        }
        for (int b = 0; b < kBoundaries; ++b) {
            const std::int64_t firstWay = static_cast<std::int64_t>(b) * 4 + 1;
            std::vector<member_type> members;
            for (int q = 0; q < 4; ++q) members.emplace_back(osmium::item_type::way, firstWay + q, "outer");
            add(osmium::builder::add_relation(buffer_, _id(b + 1), _version(1), _tag("type", "boundary"),
                                              _tag("boundary", "administrative"), _tag("admin_level", "8"),
                                              _tag("name", "Area " + std::to_string(b + 1)),
                                              _members(members.begin(), members.end())));
        }
        writer_(std::move(buffer_));
        writer_.close();
    }

private:
    void add(std::size_t) {
        if (buffer_.committed() < 8 << 20) return;
        writer_(std::move(buffer_));
        buffer_ = osmium::memory::Buffer{10 << 20, osmium::memory::Buffer::auto_grow::yes};
    }

    osmium::io::Writer writer_;
    osmium::memory::Buffer buffer_{10 << 20, osmium::memory::Buffer::auto_grow::yes};
};

const std::string& extractFile() {
    static const std::string path = [] {
        const std::string p = bench::scratchDir() + "/extract-100mb.osm.pbf";
        if (!std::filesystem::exists(p)) ExtractWriter(p).write();
        return p;
    }();
    return path;
}

void listAndAssembleOne(benchmark::State& state) {
    const std::string& path = extractFile();
    std::size_t rings = 0;
    for (auto _ : state) {
        const BoundaryScan scan = scanBoundaries(path);
        std::string error;
        const std::vector<Boundary> chosen = relationsWithIds(scan.boundaries, {kChosen}, error);
        const BoundaryAssembly assembly = assembleBoundaries(path, chosen);
        const BoundaryDocument document = outlineDocument(assembly.outlines);
        rings = document.file.rings.size();
        benchmark::DoNotOptimize(rings);
    }
    state.counters["rings"] = static_cast<double>(rings);
}

void osmiumGetidAndExport(benchmark::State& state) {
    const std::string& path = extractFile();
    const std::string got = bench::scratchDir() + "/relation.osm.pbf", exported = bench::scratchDir() + "/relation.geojson";
    const std::string command = "osmium getid -r -O -o '" + got + "' '" + path + "' r" + std::to_string(kChosen) +
                                " >/dev/null 2>&1 && osmium export -O -o '" + exported + "' '" + got + "' >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("osmium-tool failed or is not installed");
}

}  // namespace

BENCHMARK(listAndAssembleOne)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(osmiumGetidAndExport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--make") {
        std::cout << extractFile() << "\n" << kChosen << "\n";
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
