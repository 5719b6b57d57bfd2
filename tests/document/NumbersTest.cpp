// The number texts: what the lenient reader accepts in any locale, the
// forms the program writes (tables in tests/cases), and that every written
// form reads back as the value rounded to 15 significant digits.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "document/Numbers.h"
#include "formats/Gpx.h"
#include "support/TestFiles.h"

using namespace tess;

// The value rounded to 15 significant digits, as printf rounds it.
static double roundedTo15(double value) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.14e", value);
    double rounded = 0;
    std::from_chars(text, text + length, rounded);
    return rounded;
}

// The shortest text that reads back as the same double.
static std::string shortestRoundTrip(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

TEST(DecimalReader, ReadsEveryFormAlikeInAnyLocale) {
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale)) continue;  // not installed here
        for (const test::TableRow& row : test::tableRows("number-reads.txt")) {
            const DecimalRead read = readDecimalChecked(row.input);
            EXPECT_EQ(row.expected, (read.overflow ? "overflow " : "") + shortestRoundTrip(read.value))
                << locale << " number-reads.txt:" << row.line;
        }
    }
    std::setlocale(LC_ALL, "C");
}

TEST(NumberTexts, PlainLabelsAndCommittedFormsThatTurnToExponentsOnlyForExtremeMagnitudes) {
    for (const test::TableRow& row : test::tableRows("number-texts.txt")) {
        const double value = std::strtod(row.input.c_str(), nullptr);
        EXPECT_EQ(row.expected, shortestText(value) + " | " + commitLonText(value) + " | " + commitLatText(value) + " | " +
                                    gpxLongitudeText(value) + " | " + gpxLatitudeText(value))
            << "number-texts.txt:" << row.line;
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

// A ring's lines as a table: a vertex, bad, or passed over.
TEST(RingLine, isAVertexOfItsFirstTwoNumbersOrBadOrPassedOver) {
    constexpr const char* kinds[] = {"vertex", "bad", "blank", "text"};
    for (const test::TableRow& row : test::tableRows("ring-lines.txt")) {
        double lon = 0, lat = 0;
        const LineKind kind = readRingLine(row.input, lon, lat);
        std::string read = kinds[static_cast<int>(kind)];
        if (kind == LineKind::Vertex) read += " " + shortestRoundTrip(lon) + " " + shortestRoundTrip(lat);
        else EXPECT_EQ(std::pair(lon, lat), std::pair(0.0, 0.0)) << row.input;
        EXPECT_EQ(row.expected, read) << "ring-lines.txt:" << row.line;
    }
}
