// The number texts: what the lenient reader accepts in any locale, the
// forms the program writes, and that every written form reads back as the
// value rounded to 15 significant digits.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "document/Numbers.h"
#include "formats/Gpx.h"

using namespace tess;

static const std::string kZeros400(400, '0');

// The value rounded to 15 significant digits, as printf rounds it.
static double roundedTo15(double value) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.14e", value);
    double rounded = 0;
    std::from_chars(text, text + length, rounded);
    return rounded;
}

TEST(DecimalReader, ReadsEveryFormAlikeInAnyLocale) {
    struct Case { std::string text; double value; bool overflow; };
    const Case cases[] = {
        {"51.5", 51.5, false}, {"-1.5E-01", -0.15, false}, {"-0.2000000E+02", -20, false}, {"2.5D2", 250, false},
        {"2.5d-1", 0.25, false}, {"+3.25", 3.25, false}, {".5", 0.5, false}, {"7.", 7, false}, {"12,5", 12, false},
        {"\t 12.5\r", 12.5, false}, {"12.5abc", 12.5, false}, {"1.5E+", 1.5, false}, {"", 0, false}, {"-.", 0, false},
        {"0.1234567890123456789012", 0.1234567890123456789012, false}, {"0." + kZeros400 + "1e730", 0, true},
        {"4.9406564584124654e-324", 4.9406564584124654e-324, false}, {"0." + kZeros400 + "1e330", 1e-71, false},
        {"1.5e-400", 0, false}, {"1e-99999999999999999999", 0, false}, {"1" + kZeros400 + "e-800", 0, false},
        {std::string(300, '9'), 1e300, false}, {std::string(400, '9'), 0, true}, {"1.5e999", 0, true}, {"1D400", 0, true},
    };
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale)) continue;  // not installed here
        for (const Case& c : cases) {
            const DecimalRead read = readDecimalChecked(c.text);
            EXPECT_EQ(std::pair(read.value, read.overflow), std::pair(c.value, c.overflow)) << locale << ' ' << c.text;
        }
    }
    std::setlocale(LC_ALL, "C");
}

TEST(NumberTexts, PlainLabelsAndCommittedFormsThatTurnToExponentsOnlyForExtremeMagnitudes) {
    struct Case { double value; std::string shortest, lon, lat; };
    const Case cases[] = {
        {51.123456789, "51.123456789", "51.123456789", " 51.123456789"},
        {1.0 / 3, "0.333333333333333", "0.333333333333333", " .333333333333333"},
        {0.25, "0.25", "0.25", " .25"}, {-0.25, "-0.25", "-0.25", "-.25"}, {10, "10", "10.0", " 10.0"},
        {-180, "-180", "-180.0", "-180.0"}, {-0.0, "0", "0.0", " 0.0"}, {NAN, "0", "0.0", " 0.0"},
        {1e-9, "0.000000001", "0.000000001", " .000000001"}, {-1.5e-7, "-0.00000015", "-0.00000015", "-.00000015"},
        {999999999999999, "999999999999999", "999999999999999.0", " 999999999999999.0"},
        {1e15, "1000000000000000", "1.0E+15", " 1.0E+15"}, {-2.5e-12, "-0.0000000000025", "-2.5E-12", "-2.5E-12"},
        {1e308, "1" + std::string(308, '0'), "1.0E+308", " 1.0E+308"},
        {-DBL_MAX, "-179769313486231" + std::string(294, '0'), "-1.79769313486231E+308", "-1.79769313486231E+308"},
        {5e-324, "0." + std::string(323, '0') + "5", "5.0E-324", " 5.0E-324"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shortestText(c.value), c.shortest) << c.value;
        EXPECT_EQ(commitLonText(c.value), c.lon) << c.value;
        EXPECT_EQ(commitLatText(c.value), c.lat) << c.value;
    }
    EXPECT_EQ(shortestText(51.123456789f), "51.12346");
    EXPECT_EQ(signedFieldText(51.5f) + signedFieldText(-0.5f) + signedFieldText(0.0f), " 51.5-.5 0");
}

TEST(NumberTexts, EveryFormReadsBackAsTheValueRoundedToFifteenDigits) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(0.5, 1);
    std::uniform_int_distribution<int> anyPower(-1074, 1023), coordinatePower(-40, 60);
    for (int i = 0; i < 100000 && !testing::Test::HasFailure(); ++i) {
        const int power = i % 2 ? anyPower(random) : coordinatePower(random);
        const double drawn = std::ldexp(unit(random), power) * (i % 3 ? 1 : -1);
        for (const double value : {roundedTo15(drawn), drawn}) {  // the first as if read from a file
            const double expected = roundedTo15(value);
            const bool plain = std::fabs(expected) >= 1e-9 && std::fabs(expected) < 1e15;
            const std::string shortest = shortestText(value), lon = commitLonText(value), lat = commitLatText(value);
            for (const std::string* text : {&shortest, &lon, &lat}) EXPECT_EQ(readDecimal(*text), expected) << *text;
            EXPECT_TRUE(shortest.find_first_of("eE") == std::string::npos && shortest.size() <= kLongestPlainNumber);
            EXPECT_EQ(lon.find('E') == std::string::npos, plain) << lon;
            EXPECT_EQ(lat.find('E') == std::string::npos, plain) << lat;
            const double coordinate = std::fmod(value, 90.0);
            for (const std::string& gpx : {gpxLatitudeText(coordinate), gpxLongitudeText(coordinate)}) {
                EXPECT_EQ(gpx.find_first_of("eE"), std::string::npos) << gpx;
                char decimals[400];  // below a tenth, at most 15 decimals
                std::snprintf(decimals, sizeof decimals, "%.15f", coordinate);
                EXPECT_EQ(readDecimal(gpx), std::fabs(coordinate) < 0.1 ? readDecimal(decimals) : roundedTo15(coordinate)) << gpx;
            }
        }
    }
}

// GPX longitudes lie in [-180, 180): the schema has no 180, which is -180,
// and a value beyond wraps round; latitudes stop at the poles.
TEST(NumberTexts, GpxCoordinatesAreWithinTheSchemasRanges) {
    const std::pair<double, const char*> longitudes[] = {
        {180, "-180"}, {-180, "-180"}, {179.5, "179.5"}, {190, "-170"}, {-190, "170"}, {540, "-180"}};
    for (const auto& [lon, text] : longitudes) EXPECT_EQ(gpxLongitudeText(lon), text) << lon;
    EXPECT_EQ(gpxLatitudeText(91), "90");
    EXPECT_EQ(gpxLatitudeText(-90.5), "-90");
    EXPECT_EQ(gpxLatitudeText(-1e-20), "0");  // no "-0"
}

// A ring's line is a vertex when it starts like a number and its first two
// words are numbers; one that starts like a number but is no vertex, or
// that holds a period, cannot be read; every other line is passed over.
TEST(RingLine, isAVertexOfItsFirstTwoNumbersOrBadOrPassedOver) {
    struct Case { const char* line; LineKind kind; double lon, lat; };
    const Case cases[] = {
        {"   -1.5E-01   5.15E+01", LineKind::Vertex, -0.15, 51.5}, {"\t1.5\t2.5", LineKind::Vertex, 1.5, 2.5},
        {"2.0 1.0 5", LineKind::Vertex, 2, 1}, {"1.5  51.25 ", LineKind::Vertex, 1.5, 51.25},
        {"10 50", LineKind::Vertex, 10, 50}, {"   1E+01 1E+01", LineKind::Vertex, 10, 10},
        {"+.5 -7.", LineKind::Vertex, 0.5, -7}, {"5 1.5", LineKind::Vertex, 5, 1.5},
        {"10,5 50,5", LineKind::Bad, 0, 0}, {"   1.5   ", LineKind::Bad, 0, 0}, {"12", LineKind::Bad, 0, 0},
        {"1e999 2.0", LineKind::Bad, 0, 0}, {"1.0 2.0x", LineKind::Bad, 0, 0}, {"- 1 2", LineKind::Bad, 0, 0},
        {"1e 5", LineKind::Bad, 0, 0}, {"Area v1.2", LineKind::Bad, 0, 0},
        {"", LineKind::Blank, 0, 0}, {" \t ", LineKind::Blank, 0, 0}, {"comment", LineKind::Text, 0, 0},
        {"nan 5", LineKind::Text, 0, 0},
    };
    for (const Case& c : cases) {
        double lon = 0, lat = 0;
        EXPECT_EQ(readRingLine(c.line, lon, lat), c.kind) << c.line;
        EXPECT_EQ(lon, c.lon) << c.line;
        EXPECT_EQ(lat, c.lat) << c.line;
    }
}
