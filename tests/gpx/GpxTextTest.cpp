// Cutting points out of GPX text and laying them out as the working .poly
// text: which points are taken, in which order, and what the lines say.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/Reader.h"
#include "gpx/GpxReader.h"

namespace tess {
namespace {

using P = GpxPointText;

TEST(GpxPoints, WaypointsRoutesAndTracksBecomePointsInFileOrder) {
    const std::string gpx =
        "<gpx><trk><trkseg><trkpt lat=\"1.5\" lon=\"2.5\"><ele>3</ele></trkpt></trkseg></trk>\n"
        "<wpt lat=\"10.25\" lon=\"-20.75\"><name>A</name></wpt>\n"
        "<rte><rtept lat=\"-30.5\" lon=\"40.125\"/><rtept lat=\"31\" lon=\"41\"/></rte>\n"
        "<wpt lat=\"0.5\" lon=\"0.25\"/></gpx>";
    EXPECT_EQ(gpxPoints(gpx), (std::vector<P>{{"2.5", "1.5"}, {"-20.75", "10.25"}, {"40.125", "-30.5"},
                                             {"41", "31"}, {"0.25", "0.5"}}));
}

TEST(GpxPoints, BoundsCornersAreNeverPointsWhateverTheAttributeOrder) {
    for (const std::string bounds :
         {"<bounds minlat=\"1.1\" minlon=\"2.2\" maxlat=\"3.3\" maxlon=\"4.4\"/>",
          "<bounds maxlat=\"3.3\" maxlon=\"4.4\" minlat=\"1.1\" minlon=\"2.2\" />",
          "<bounds minlon=\"2.2\" minlat=\"1.1\" maxlon=\"4.4\" maxlat=\"3.3\"/>"}) {
        const std::string gpx = "<gpx><metadata>" + bounds + "</metadata>\n<wpt lat=\"7.5\" lon=\"8.5\"/></gpx>";
        EXPECT_EQ(gpxPoints(gpx), (std::vector<P>{{"8.5", "7.5"}})) << bounds;
    }
}

TEST(GpxPoints, ByteOrderMarkAndCrLfLineEndsChangeNothing) {
    const std::string gpx =
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<gpx>\r\n<trkpt lat=\"50.1\" lon=\"8.2\">\r\n"
        "<ele>1</ele>\r\n</trkpt>\r\n<trkpt lat=\"50.2\" lon=\"8.3\">\r\n</trkpt>\r\n</gpx>\r\n";
    EXPECT_EQ(gpxPoints(gpx), (std::vector<P>{{"8.2", "50.1"}, {"8.3", "50.2"}}));
}

TEST(GpxPoints, AFileWithoutLatHasNoPoints) {
    EXPECT_TRUE(gpxPoints("<gpx><trk><name>empty</name></trk></gpx>").empty());
    EXPECT_TRUE(gpxPoints("").empty());
}

TEST(GpxPoints, PointsNotWrittenAsLatThenLonInDoubleQuotesArePassedOver) {
    const std::string gpx =
        "<wpt lon=\"8.1\" lat=\"50.1\"><name>lon first</name></wpt>\n"
        "<wpt lat='50.2' lon='8.2'/>\n"
        "<wpt lat=50.3 lon=8.3/>\n"
        "<wpt lat=\"50.4\"  lon=\"8.4\"/>\n"
        "<wpt lat=\"\" lon=\"8.5\"/>\n"
        "<wpt lat=\"50.6\" lon=\"\"/>\n"
        "<wpt lat=\"north\" lon=\"8.7\"/>\n"
        "<wpt lat=\"50.8\" ele=\"8.8\"/>\n"
        "<wpt lat=\"50.9\" lon=\"8.9\"/>\n"
        "<wpt lat=\"51.0\" lon=\"9.0";  // cut off at the end of the file
    EXPECT_EQ(gpxPoints(gpx), (std::vector<P>{{"8.9", "50.9"}}));
}

TEST(GpxPoints, WholeNumbersSignsAndExponentsAreNumbers) {
    const std::string gpx =
        "<wpt lat=\"50\" lon=\"-8\"/><wpt lat=\"+1.5\" lon=\".5\"/><wpt lat=\"1e-5\" lon=\"2.5E+1\"/>";
    EXPECT_EQ(gpxPoints(gpx), (std::vector<P>{{"-8", "50"}, {".5", "+1.5"}, {"2.5E+1", "1e-5"}}));
}

TEST(GpxPoints, NumbersBeyondTheRangeOfADoubleArePassedOver) {
    const std::string gpx = "<wpt lat=\"1e999\" lon=\"8.5\"/><wpt lat=\"50.5\" lon=\"-2E+400\"/>"
                            "<wpt lat=\"50.5\" lon=\"8.5\"/><wpt lat=\"1" + std::string(400, '0') + "\" lon=\"1\"/>";
    EXPECT_EQ(gpxPoints(gpx), (std::vector<P>{{"8.5", "50.5"}}));
}

TEST(GpxPoints, BinaryContentNeverCrashes) {
    std::mt19937 random(20261206);
    std::string noise;
    for (int i = 0; i < 200000; ++i) noise += static_cast<char>(random() & 0xFF);
    // Sprinkle the key through the noise so that every cut runs on garbage.
    for (std::size_t at = 7; at + 4 < noise.size(); at += 997) noise.replace(at, 4, "lat=");
    noise += "lat=";
    const auto points = gpxPoints(noise);
    for (const P& p : points) {
        EXPECT_FALSE(p.lon.empty());
        EXPECT_FALSE(p.lat.empty());
    }
}

TEST(GpxPoints, EveryPrefixOfAPointIsReadWithoutCrashing) {
    const std::string gpx = "<wpt lat=\"50.5\" lon=\"8.25\"/>";
    for (std::size_t n = 0; n < gpx.size(); ++n) {
        const auto points = gpxPoints(std::string_view(gpx).substr(0, n));
        EXPECT_TRUE(points.empty() || points == (std::vector<P>{{"8.25", "50.5"}})) << n;
    }
}

TEST(GpxWorkingText, LaysOutTitleRingPointsClosingPointAndTwoEnds) {
    const std::string gpx = "<trkpt lat=\"50.1\" lon=\"8.2\"/><trkpt lat=\"50.3\" lon=\"8.4\"/>";
    EXPECT_EQ(gpxToPolyText("walk.gpx", gpx),
              "walk\r\n1\r\n   8.2 50.1\r\n   8.4 50.3\r\n   8.2 50.1\r\n\r\nEND\r\nEND");
}

TEST(GpxWorkingText, WholeNumbersStayCoordinateLines) {
    EXPECT_EQ(gpxToPolyText("a.gpx", "<wpt lat=\"50\" lon=\"8\"/><wpt lat=\"-1e2\" lon=\"7.5\"/>"),
              "a\r\n1\r\n   8.0 50.0\r\n   7.5 -1.0e2\r\n   8.0 50.0\r\n\r\nEND\r\nEND");
}

TEST(GpxWorkingText, NoPointsLeaveRingOneWithOnlyTheEmptyLineAndTheEnds) {
    EXPECT_EQ(gpxToPolyText("none.gpx", "<gpx></gpx>"), "none\r\n1\r\n\r\nEND\r\nEND");
}

TEST(GpxWorkingText, TheTextReadsAsExactlyOneRing) {
    const std::string text = gpxToPolyText("Weekend.trip.GPX", "<wpt lat=\"1.5\" lon=\"2.5\"/>");
    // Title and ring, the closing END's piece, and what follows it.
    EXPECT_EQ(splitRings(text).size(), 3u);
}

TEST(GpxTitleLine, LowerCaseGpxIsRemovedEverywhere) {
    EXPECT_EQ(gpxTitleLine("walk.gpx"), "walk");
    EXPECT_EQ(gpxTitleLine("a.gpxb.gpx"), "ab");
}

TEST(GpxTitleLine, PeriodsAndEndNeverReachTheTitle) {
    EXPECT_EQ(gpxTitleLine("Walk.GPX"), "Walk_GPX");
    EXPECT_EQ(gpxTitleLine("trip.2024.gpx"), "trip_2024");
    EXPECT_EQ(gpxTitleLine("Weekend.gpx"), "Weeke_nd");
    EXPECT_EQ(gpxTitleLine("END"), "E_ND");
}

TEST(GpxTitleLine, Utf8NamesSurvive) { EXPECT_EQ(gpxTitleLine("Gr\xC3\xBCn.gpx"), "Gr\xC3\xBCn"); }

TEST(GpxDocumentName, IsThePathInLowerCaseWithPolyForGpx) {
    EXPECT_EQ(gpxDocumentName("/home/Ann/Walk.GPX"), "/home/ann/walk.poly");
    EXPECT_EQ(gpxDocumentName("/tmp/trip.gpx"), "/tmp/trip.poly");
    EXPECT_EQ(gpxDocumentName("/tmp/trip"), "/tmp/trip");
}

}  // namespace
}  // namespace tess
