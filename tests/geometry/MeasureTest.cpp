// Areas and lengths on the ellipsoid, against GeographicLib's Planimeter
// and against the laws an area obeys.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <random>

#include <GeographicLib/AlbersEqualArea.hpp>

#include "document/PolyText.h"
#include "document/Reader.h"
#include "geometry/Antimeridian.h"
#include "geometry/AreaTestHelpers.h"
#include "geometry/Measure.h"
#include "support/TestFiles.h"

using namespace tess;
using namespace tess::test;

namespace {

void expectRelativelyNear(double expected, double actual, double relative) {
    EXPECT_NEAR(expected, actual, relative * std::abs(expected)) << "relative " << (actual - expected) / expected;
}

std::vector<std::string> realFiles() {
    std::vector<std::string> out;
    for (const char* name : {"mapsforge_germany.poly", "geofabrik_nepal.poly", "osmium_polygon-outer-inner.poly",
                             "organicmaps_Monaco.poly", "geofabrik_south-africa.poly", "osmfr_krasnoyarsk_krai.poly"})
        out.push_back(dataFile(name));
    return out;
}

}  // namespace

TEST(Measure, aCellOfOneDegreeAtTheEquatorIsWhatPlanimeterMeasures) {
    const Vertices cell{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
    double perimeter = 0;
    // Parallels and meridians are rhumb lines, so the rhumb-line polygon is
    // exactly the cell the file draws.
    const double reference = planimeterArea(cell, true, 0, &perimeter);
    ASSERT_GT(reference, 0) << "Planimeter (geographiclib-tools) is needed";
    expectRelativelyNear(reference, ringArea(cell), 1e-9);
    expectRelativelyNear(perimeter, ringPerimeter(cell), 1e-6);
    expectRelativelyNear(reference, planimeterArea(cell, false, 0.001), 1e-6);
}

TEST(Measure, everyRingOfRealFilesIsWhatPlanimeterMeasuresAlongItsEdges) {
    int measured = 0;
    for (const std::string& path : realFiles()) {
        const PolyParse parse = parsePolyText(readFile(path));
        ASSERT_TRUE(parse.ok()) << path;
        for (const RingText& ring : parse.file.rings) {
            const Vertices v = closedVerticesOf(ring.lines);
            if (v.size() < 4) continue;
            // Geodesics bulge from the straight edges by the square of their
            // length: the pieces are cut finer on a small ring.
            double west = v[0].lon, east = west;
            for (const Vertex& x : v) west = std::min(west, x.lon), east = std::max(east, x.lon);
            const double reference = planimeterArea(v, false, std::clamp((east - west) / 3000, 1e-5, 1e-3));
            ASSERT_GT(reference, 0) << path;
            expectRelativelyNear(reference, ringArea(v), 1e-6);
            ++measured;
        }
    }
    EXPECT_GT(measured, 6);
}

TEST(Measure, theStripAreaIsGeographicLibsCylindricalEqualArea) {
    // A thin band from the equator to a latitude: its area is the
    // projection's northing times the width in easting.
    const auto& projection = GeographicLib::AlbersEqualArea::CylindricalEqualArea();
    for (double lat : {-89.0, -60.0, -12.5, 0.5, 33.3, 71.0, 89.9}) {
        double x = 0, y = 0, gamma = 0, k = 0;
        projection.Forward(0, lat, 1, x, y, gamma, k);
        const Vertices band{{0, 0}, {1, 0}, {1, lat}, {0, lat}, {0, 0}};
        expectRelativelyNear(std::abs(x * y), ringArea(band), 1e-12);
    }
}

TEST(Measure, anAreaDoesNotDependOnWhereTheRingStartsWhichWayItRunsOrWhereItStandsInLongitude) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> lon(-170, 170), lat(-70, 70), shift(-200, 200);
    for (int trial = 0; trial < 200; ++trial) {
        const Vertices ring = randomRing(random, lon(random), lat(random), 2, 40);
        const double area = ringArea(ring);
        Vertices reversed(ring.rbegin(), ring.rend());
        expectRelativelyNear(area, ringArea(reversed), 1e-12);
        Vertices rotated(ring.begin() + 7, ring.end() - 1);
        rotated.insert(rotated.end(), ring.begin(), ring.begin() + 8);
        expectRelativelyNear(area, ringArea(rotated), 1e-12);
        // Moved east or west, across the ±180° line when it gets there,
        // and written within -180..180 as files write it.
        const double by = shift(random);
        Vertices moved = ring;
        for (Vertex& v : moved) v.lon += by;
        expectRelativelyNear(area, ringArea(wrapped(moved)), 1e-9);
    }
}

TEST(Measure, aRingAroundAPoleEnclosesThePoleOnItsSide) {
    Vertices north, south, cap;
    for (int lon = -180; lon < 180; lon += 5) north.push_back({double(lon), 80}), south.push_back({double(lon), -80});
    north.push_back(north.front()), south.push_back(south.front());
    // The cap as files draw Antarctica: along the coast from -180 to 180,
    // then along the pole back.
    for (int lon = -180; lon <= 180; lon += 5) cap.push_back({double(lon), 80});
    cap.insert(cap.end(), {{180, 90}, {-180, 90}, {-180, 80}});
    EXPECT_GT(ringArea(cap), 3.8e12);
    expectRelativelyNear(ringArea(cap), ringArea(north), 1e-12);
    expectRelativelyNear(ringArea(cap), ringArea(south), 1e-12);
}

TEST(Measure, degenerateRingsEncloseNothing) {
    EXPECT_EQ(0, ringArea({}));
    EXPECT_EQ(0, ringArea({{1, 1}, {2, 2}}));
    EXPECT_EQ(0, ringPerimeter({{1, 1}}));
    // Out and back along a line of 2°: what is left is rounding, 1e-12 of
    // the strips summed.
    EXPECT_NEAR(0, ringArea({{1, 1}, {2, 2}, {3, 3}, {1, 1}}), 0.1);
}

TEST(Measure, aLongMeridianEdgeIsMeasuredAlongTheMeridian) {
    // A quarter meridian of WGS84 is 10,001,965.7 m.
    const Vertices quarter{{10, 0}, {10, 90}};
    EXPECT_NEAR(2 * 10001965.729, ringPerimeter(quarter), 1.0);
}
