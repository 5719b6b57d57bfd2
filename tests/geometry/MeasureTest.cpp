// Areas on the ellipsoid against GeographicLib's Planimeter, and the laws
// an area obeys.
#include <gtest/gtest.h>

#include "document/PolyText.h"
#include "geometry/Antimeridian.h"
#include "geometry/AreaTestHelpers.h"
#include "geometry/Areas.h"
#include "geometry/Measure.h"

using namespace tess;
using namespace tess::test;

TEST(Measure, aCellOfOneDegreeAtTheEquatorIsWhatPlanimeterMeasures) {
    const Vertices cell{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
    // Parallels and meridians are rhumb lines: the rhumb polygon is the cell.
    const double reference = planimeterArea(cell, true);
    ASSERT_GT(reference, 1e10) << "Planimeter (geographiclib-tools) is needed";
    expectRelativelyNear(reference, ringArea(cell), 1e-9);
    EXPECT_EQ(ringArea(cell), documentArea({ringText("cell", cell)}));
    const Vertices hole{{0.5, 0.5}, {0.6, 0.5}, {0.6, 0.6}, {0.5, 0.5}};
    expectRelativelyNear(ringArea(cell) - ringArea(hole), documentArea({ringText("cell", cell), ringText("!hole", hole)}), 1e-13);
    expectRelativelyNear(reference, planimeterArea(cell, false, 0.001), 1e-6);
    expectRelativelyNear(443770.9176786, ringPerimeter(cell), 1e-6);
    EXPECT_EQ(ringPerimeter({{0, 0}, {1, 0}, {0, 0}}), ringPerimeter({{0, 0}, {1, 0}}));  // there and back
}

TEST(Measure, everyRingOfRealFilesIsWhatPlanimeterMeasuresAlongItsEdges) {
    int measured = 0;
    for (const char* name : {"mapsforge_germany.poly", "geofabrik_nepal.poly", "osmium_polygon-outer-inner.poly",
                             "organicmaps_Monaco.poly", "geofabrik_south-africa.poly", "osmfr_krasnoyarsk_krai.poly"}) {
        for (const RingText& ring : parsePolyText(readFile(dataFile(name))).file.rings) {
            const Vertices v = closedVerticesOf(ring.lines);
            // Geodesics bulge from straight edges: small rings cut finer.
            double west = v[0].lon, east = west;
            for (const Vertex& x : v) west = std::min(west, x.lon), east = std::max(east, x.lon);
            expectRelativelyNear(planimeterArea(v, false, std::clamp((east - west) / 3000, 1e-5, 1e-3)), ringArea(v), 1e-6);
            ++measured;
        }
    }
    EXPECT_GT(measured, 6);
}

TEST(Measure, anAreaDoesNotDependOnWhereTheRingStartsWhichWayItRunsOrWhereItStandsInLongitude) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> lon(-170, 170), lat(-70, 70), shift(-200, 200);
    for (int trial = 0; trial < 200; ++trial) {
        const Vertices ring = randomRing(random, lon(random), lat(random), 2, 40);
        const double area = ringArea(ring);
        expectRelativelyNear(area, ringArea(Vertices(ring.rbegin(), ring.rend())), 1e-12);
        Vertices rotated(ring.begin() + 7, ring.end() - 1);
        rotated.insert(rotated.end(), ring.begin(), ring.begin() + 8);
        expectRelativelyNear(area, ringArea(rotated), 1e-12);
        // Moved, across the ±180° line too, and written within -180..180.
        Vertices moved = ring;
        const double by = shift(random);
        for (Vertex& v : moved) v.lon += by;
        expectRelativelyNear(area, ringArea(wrapped(moved)), 1e-9);
    }
}

TEST(Measure, aRingAroundAPoleEnclosesThePoleOnItsSide) {
    Vertices north, south, cap;
    for (int lon = -180; lon < 180; lon += 5) north.push_back({double(lon), 80}), south.push_back({double(lon), -80});
    // The cap as files draw Antarctica: along the coast, back along the pole.
    for (int lon = -180; lon <= 180; lon += 5) cap.push_back({double(lon), 80});
    cap.insert(cap.end(), {{180, 90}, {-180, 90}, {-180, 80}});
    EXPECT_GT(ringArea(cap), 3.8e12);
    EXPECT_FALSE(crossesAntimeridian(cap));
    expectRelativelyNear(ringArea(cap), ringArea(closed(north)), 1e-12);
    expectRelativelyNear(ringArea(cap), ringArea(closed(south)), 1e-12);
}
