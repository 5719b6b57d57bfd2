// Convert to GPX: the route file's exact text, the coordinate forms the
// schema accepts, and the dialog in front of it.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "document/Reader.h"
#include "gpx/GpxWriter.h"
#include "platform/Files.h"
#include "support/StateFixture.h"

namespace tess {
namespace {

using test::readFile;

const std::string kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<gpx version=\"1.1\" creator=\"Tessaline 2.1\"\r\n"
    "xmlns=\"http://www.topografix.com/GPX/1/1\"\r\n"
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\r\n"
    "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
    "<rte>\r\n"
    "<name></name>\r\n";

std::string point(const std::string& lat, const std::string& lon) {
    return "<rtept lat=\"" + lat + "\" lon=\"" + lon + "\">\r\n<sym>Waypoint</sym></rtept>\r\n";
}

TEST(GpxRouteText, AThreeVertexRingIsFourRoutePointsByteForByte) {
    const std::vector<double> lon{8.5, 9.25, -0.1, 8.5};
    const std::vector<double> lat{50.125, 51, -33.5, 50.125};
    EXPECT_EQ(gpxRouteText(lon, lat, 3), kHeader + point("50.125", "8.5") + point("51", "9.25") +
                                              point("-33.5", "-0.1") + point("50.125", "8.5") +
                                              "</rte></gpx>");
}

TEST(GpxRouteText, ThePointAtLastPointIsNeverWrittenTheFirstClosesTheRoute) {
    const std::vector<double> lon{1.5, 2.5, 3.5, 99};
    const std::vector<double> lat{4.5, 5.5, 6.5, 88};
    EXPECT_EQ(gpxRouteText(lon, lat, 3), kHeader + point("4.5", "1.5") + point("5.5", "2.5") +
                                              point("6.5", "3.5") + point("4.5", "1.5") + "</rte></gpx>");
}

TEST(GpxRouteText, NoRingGivesARouteWithoutPoints) {
    EXPECT_EQ(gpxRouteText({0.0}, {0.0}, 0), kHeader + "</rte></gpx>");
    EXPECT_EQ(gpxRouteText({0.0}, {0.0}, -1), kHeader + "</rte></gpx>");
}

TEST(GpxRouteText, ALastPointBeyondTheArraysWritesOnlyWhatIsHeld) {
    EXPECT_EQ(gpxRouteText({1.5, 2.5}, {3.5, 4.5}, 50),
              kHeader + point("3.5", "1.5") + point("4.5", "2.5") + point("3.5", "1.5") + "</rte></gpx>");
}

TEST(GpxCoordinates, AreTheShortestTextWithUpToFifteenDigits) {
    EXPECT_EQ(gpxLatitudeText(51.123456789), "51.123456789");
    EXPECT_EQ(gpxLatitudeText(51.12346), "51.12346");
    EXPECT_EQ(gpxLongitudeText(-0.1), "-0.1");
    EXPECT_EQ(gpxLongitudeText(12), "12");
    EXPECT_EQ(gpxLatitudeText(1.0 / 3.0), "0.333333333333333");
}

TEST(GpxCoordinates, NeverUseAnExponent) {
    EXPECT_EQ(gpxLatitudeText(0.00001), "0.00001");
    EXPECT_EQ(gpxLongitudeText(-1.5e-9), "-0.0000000015");
    EXPECT_EQ(gpxLongitudeText(-0.0), "0");
}

TEST(GpxCoordinates, LongitudeOneEightyIsWrittenAsMinusOneEighty) {
    EXPECT_EQ(gpxLongitudeText(180), "-180");
    EXPECT_EQ(gpxLongitudeText(-180), "-180");
    EXPECT_EQ(gpxLongitudeText(540), "-180");
    // Rounds to 180 at fifteen digits.
    EXPECT_EQ(gpxLongitudeText(179.99999999999997), "-180");
    EXPECT_EQ(gpxLongitudeText(179.5), "179.5");
}

TEST(GpxCoordinates, LongitudesOutsideTheRangeGoRoundTheEarth) {
    EXPECT_EQ(gpxLongitudeText(190), "-170");
    EXPECT_EQ(gpxLongitudeText(-190), "170");
    EXPECT_EQ(gpxLongitudeText(-540.5), "179.5");
}

TEST(GpxCoordinates, LatitudesAreHeldToThePoles) {
    EXPECT_EQ(gpxLatitudeText(90.5), "90");
    EXPECT_EQ(gpxLatitudeText(-91), "-90");
    EXPECT_EQ(gpxLatitudeText(90), "90");
}

TEST(GpxCoordinates, ValuesThatAreNotNumbersBecomeZero) {
    EXPECT_EQ(gpxLatitudeText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(gpxLongitudeText(std::numeric_limits<double>::infinity()), "0");
}

class GpxWriter : public test::StateTest {
protected:
    void loadRing(std::vector<double> lon, std::vector<double> lat) {
        state.doc.lastPoint = static_cast<std::int64_t>(lon.size()) - 1;
        state.doc.ringLon = std::move(lon);
        state.doc.ringLat = std::move(lat);
    }
};

TEST_F(GpxWriter, Savegpx2WritesTheRouteWithCrLfAndAFinalLineBreak) {
    loadRing({8.5, 9.5, 9, 8.5}, {50.5, 50.5, 51.5, 50.5});
    const std::string out = temp.file("ring.gpx");
    ASSERT_TRUE(savegpx2(state, out));
    EXPECT_EQ(readFile(out), gpxRouteText(state.doc.ringLon, state.doc.ringLat, 3) + "\r\n");
    EXPECT_TRUE(platform.shown.empty());
}

TEST_F(GpxWriter, AFailedWriteIsReportedAndKeepsTheOldFile) {
    loadRing({8.5, 9.5, 9, 8.5}, {50.5, 50.5, 51.5, 50.5});
    EXPECT_FALSE(savegpx2(state, temp.file("no-such-folder/ring.gpx")));
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_NE(platform.last().find("Error saving " + temp.file("no-such-folder/ring.gpx")), std::string::npos);
}

TEST_F(GpxWriter, ConvertToGpxOffersGpxFilesAndUntitledGpx) {
    loadRing({8.5, 9.5, 9, 8.5}, {50.5, 50.5, 51.5, 50.5});
    platform.dialogResults = {temp.file("out.gpx")};
    convertToGpx(state);
    EXPECT_TRUE(platform.lastDialogWasSave);
    ASSERT_EQ(platform.lastFilters.size(), 1u);
    EXPECT_EQ(platform.lastFilters[0].description, "GPX Files (*.gpx)");
    EXPECT_EQ(platform.lastFilters[0].pattern, "*.gpx");
    EXPECT_EQ(platform.lastDefaultName, "untitled.gpx");
    EXPECT_TRUE(fileExists(temp.file("out.gpx")));
}

TEST_F(GpxWriter, ConvertToGpxAddsNoExtensionAndReplacesWithoutAsking) {
    loadRing({8.5, 9.5, 9, 8.5}, {50.5, 50.5, 51.5, 50.5});
    test::writeFile(temp.file("route"), "old");
    platform.dialogResults = {temp.file("route")};
    convertToGpx(state);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(readFile(temp.file("route")), gpxRouteText(state.doc.ringLon, state.doc.ringLat, 3) + "\r\n");
}

TEST_F(GpxWriter, ACancelledDialogWritesNothing) {
    loadRing({8.5, 9.5, 9, 8.5}, {50.5, 50.5, 51.5, 50.5});
    for (const char* result : {"", "*.gpx", ".poly"}) {
        platform.dialogResults = {result};
        convertToGpx(state);
    }
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_FALSE(fileExists(".poly"));
}

TEST_F(GpxWriter, DigitsReadFromAFileSurviveWhicheverWayTheRingBecameCurrent) {
    const std::string poly = file("two.poly",
                                  "two\n1\n   8.123456789   51.123456789\n   9.5 51.5\n   9.5 52.5\n"
                                  "   8.123456789   51.123456789\nEND\n2\n   1.5 2.5\n   1.75 2.5\n"
                                  "   3.123456789 4.987654321\n   1.5 2.5\nEND\nEND\n");
    ASSERT_TRUE(loadpoly(state, poly, 0));
    const std::string first = temp.file("first.gpx");
    ASSERT_TRUE(savegpx2(state, first));
    EXPECT_NE(readFile(first).find(point("51.123456789", "8.123456789")), std::string::npos);
    loaddt(state, 1);
    const std::string second = temp.file("second.gpx");
    ASSERT_TRUE(savegpx2(state, second));
    EXPECT_NE(readFile(second).find(point("4.987654321", "3.123456789")), std::string::npos);
}

}  // namespace
}  // namespace tess
