// The number texts: what the lenient reader accepts, and the forms the
// program writes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "document/Numbers.h"

using namespace tess;

TEST(DecimalReader, ReadsWhatRealFilesContain) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"51.5", 51.5},          {"-0.15", -0.15},        {"-1.5E-01", -0.15},
        {"5.15E+01", 51.5},      {"1.80E+02", 180},       {"-0.2000000E+02", -20},
        {"1.5e1", 15},           {"2.5D2", 250},          {"2.5d-1", 0.25},
        {"+3.25", 3.25},         {".5", 0.5},             {"7.", 7},
        {"   12.5", 12.5},       {"\t12.5", 12.5},        {"12.5\r", 12.5},
        {"12.5abc", 12.5},       {"1.5E", 1.5},           {"1.5E+", 1.5},
        {"", 0},                 {"abc", 0},              {"-", 0},
        {".", 0},                {"1e-400", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(readDecimal(c.text), c.value) << c.text;
}

TEST(DecimalReader, FlagsNumbersBeyondDoubleRange) {
    EXPECT_TRUE(readDecimalChecked("1e999").overflow);
    EXPECT_TRUE(readDecimalChecked(std::string(400, '9')).overflow);
    EXPECT_FALSE(readDecimalChecked(std::string(300, '9')).overflow);
    EXPECT_FALSE(readDecimalChecked("1e-999").overflow);
}

TEST(NumberTexts, ShortestFormRoundsToSignificantDigits) {
    EXPECT_EQ(shortestText(51.123456789), "51.123456789");
    EXPECT_EQ(shortestText(0.1), "0.1");
    EXPECT_EQ(shortestText(-0.25), "-0.25");
    EXPECT_EQ(shortestText(10.0), "10");
    EXPECT_EQ(shortestText(1234567.0), "1234567");
    EXPECT_EQ(shortestText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(shortestText(0.0), "0");
    EXPECT_EQ(shortestText(-0.0), "0");
    EXPECT_EQ(shortestText(51.123456789f), "51.12346");
    EXPECT_EQ(shortestText(-1.25f), "-1.25");
}

TEST(NumberTexts, NeverUseAnExponent) {
    EXPECT_EQ(shortestText(0.00001), "0.00001");
    EXPECT_EQ(shortestText(-1.5e-7), "-0.00000015");
    EXPECT_EQ(shortestText(1e20), "100000000000000000000");
    EXPECT_EQ(shortestText(1e-5f), "0.00001");
}

TEST(NumberTexts, SignedFieldFormOfTheBoundLabels) {
    EXPECT_EQ(signedFieldText(51.5f), " 51.5");
    EXPECT_EQ(signedFieldText(-0.5f), "-.5");
    EXPECT_EQ(signedFieldText(0.25f), " .25");
    EXPECT_EQ(signedFieldText(-12.75f), "-12.75");
    EXPECT_EQ(signedFieldText(0.0f), " 0");
}

TEST(NumberTexts, CommittedVertexFormsKeepAPeriod) {
    EXPECT_EQ(commitLonText(1.5), "1.5");
    EXPECT_EQ(commitLonText(0.25), "0.25");
    EXPECT_EQ(commitLonText(10), "10.0");
    EXPECT_EQ(commitLonText(-180), "-180.0");
    EXPECT_EQ(commitLatText(51.25), " 51.25");
    EXPECT_EQ(commitLatText(-33.5), "-33.5");
    EXPECT_EQ(commitLatText(0.25), " .25");
    EXPECT_EQ(commitLatText(-0.25), "-.25");
    EXPECT_EQ(commitLatText(50), " 50.0");
    EXPECT_EQ(commitLatText(0), " 0.0");
}

TEST(CoordinateLine, TakesTheFirstWordAndEverythingAfterIt) {
    struct Case { const char* line; double lon, lat; };
    const Case cases[] = {
        {"   -1.5E-01   5.15E+01", -0.15, 51.5},
        {"-0.15 51.5", -0.15, 51.5},
        {"\t1.5\t2.5", 1.5, 2.5},
        {"1.0 2.0 3.0", 1, 2.03},
        {"  10.0  10.0  ", 10, 10},
        {"1.5  51.25\r", 1.5, 51.25},
    };
    for (const auto& c : cases) {
        double lon = -1, lat = -1;
        ASSERT_EQ(parseCoordinateLine(c.line, lon, lat), LineParse::Ok) << c.line;
        EXPECT_DOUBLE_EQ(lon, c.lon) << c.line;
        EXPECT_DOUBLE_EQ(lat, c.lat) << c.line;
    }
}

TEST(CoordinateLine, RefusesALineWithoutABlankBetweenTheNumbers) {
    double lon = 0, lat = 0;
    EXPECT_EQ(parseCoordinateLine("1.5,2.5", lon, lat), LineParse::NoBlank);
    EXPECT_EQ(parseCoordinateLine("   1.5   ", lon, lat), LineParse::NoBlank);
    EXPECT_EQ(parseCoordinateLine("1e999 2.0", lon, lat), LineParse::Overflow);
}

TEST(UpperCase, ChangesAsciiLettersOnly) {
    std::string title = "weekend \xc3\xa9t\xc3\xa9 Сибирь";
    upperAscii(title);
    EXPECT_EQ(title, "WEEKEND \xc3\xa9T\xc3\xa9 Сибирь");
}

TEST(DecimalReader, AgreesWithTheStandardReaderOnEveryForm) {
    // Coordinates in every notation real files use, against strtod.
    std::uint64_t seed = 12345;
    auto next = [&] { return seed = seed * 6364136223846793005ULL + 1442695040888963407ULL; };
    char buffer[64];
    const char* formats[] = {"%.6f", "%.7E", "%.15g", "%.3e", "%.12f", "%.17g", "%.0f", "%.20f"};
    for (int i = 0; i < 20000; ++i) {
        const double value = (static_cast<double>(next() >> 11) / 9007199254740992.0 - 0.5) * 400 *
                             ((i % 7 == 0) ? 1e-6 : 1);
        std::snprintf(buffer, sizeof buffer, formats[i % 8], value);
        EXPECT_EQ(readDecimal(buffer), std::strtod(buffer, nullptr)) << buffer;
    }
}

TEST(NumberTexts, RoundingAgreesWithPrintfForEveryMagnitude) {
    // The shortest text is only a shortcut to the rounding to 15 (or 7)
    // significant digits: compare it with printf's rounding.
    std::uint64_t seed = 99;
    auto next = [&] { return seed = seed * 6364136223846793005ULL + 1442695040888963407ULL; };
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, static_cast<int>(next() % 12) - 6);
        const double value = (static_cast<double>(next() >> 11) / 9007199254740992.0 - 0.5) * 360 * scale;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.14e", value);
        EXPECT_EQ(readDecimal(shortestText(value)), std::strtod(expected, nullptr)) << expected;
        const float single = static_cast<float>(value);
        std::snprintf(expected, sizeof expected, "%.6e", static_cast<double>(single));
        EXPECT_EQ(readDecimal(shortestText(single)), std::strtod(expected, nullptr)) << expected;
    }
}

namespace {

// The coordinate parse spelled out step by step, as a reference.
LineParse parseByTheSteps(std::string line, double& lon, double& lat) {
    for (char& c : line)
        if (c == '\t') c = ' ';
    line.erase(0, line.find_first_not_of(' ') == std::string::npos ? line.size() : line.find_first_not_of(' '));
    std::string once;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' ') {
            once += ' ';
            ++i;
        } else {
            once += line[i];
        }
    }
    while (!once.empty() && once.back() == ' ') once.pop_back();
    while (!once.empty() && once.front() == ' ') once.erase(0, 1);
    const auto blank = once.find(' ');
    if (blank == std::string::npos) return LineParse::NoBlank;
    std::string a = once.substr(0, blank), b = once.substr(blank + 1);
    std::erase(a, ' ');
    std::erase(b, ' ');
    const DecimalRead x = readDecimalChecked(a), y = readDecimalChecked(b);
    if (x.overflow || y.overflow) return LineParse::Overflow;
    lon = x.value;
    lat = y.value;
    return LineParse::Ok;
}

}  // namespace

TEST(CoordinateLine, TheOnePassParseMatchesTheStepByStepOne) {
    const char alphabet[] = {'1', '2', '.', '-', '+', 'E', 'd', ' ', ' ', '\t', '\r', 'x', '0'};
    std::uint64_t seed = 4242;
    auto next = [&] { return seed = seed * 6364136223846793005ULL + 1442695040888963407ULL; };
    for (int i = 0; i < 50000; ++i) {
        std::string line;
        const int length = static_cast<int>(next() >> 60) + 1;
        for (int k = 0; k < length; ++k) line += alphabet[(next() >> 33) % sizeof alphabet];
        double lon1 = -7, lat1 = -7, lon2 = -7, lat2 = -7;
        const LineParse fast = parseCoordinateLine(line, lon1, lat1);
        ASSERT_EQ(fast, parseByTheSteps(line, lon2, lat2)) << '[' << line << ']';
        EXPECT_EQ(lon1, lon2) << '[' << line << ']';
        EXPECT_EQ(lat1, lat2) << '[' << line << ']';
    }
}

TEST(NumberTexts, ValuesReadFromShortDecimalsAreWrittenBackAsTheyWere) {
    // The common case: a coordinate read from a file is written back with
    // the digits it was read from.
    std::uint64_t seed = 7;
    auto next = [&] { return seed = seed * 6364136223846793005ULL + 1442695040888963407ULL; };
    char text[64];
    for (int i = 0; i < 50000; ++i) {
        const int digits = static_cast<int>(next() % 15) + 1;
        const int exponent = static_cast<int>(next() % 14) - 7;
        std::uint64_t mantissa = next() % 1000000000000000ULL;
        while (mantissa >= std::uint64_t(std::pow(10.0, digits))) mantissa /= 10;
        std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(mantissa), exponent - digits + 1);
        const double value = std::strtod(text, nullptr) * ((i % 2) ? -1 : 1);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.14e", value);
        const std::string written = shortestText(value);
        EXPECT_EQ(readDecimal(written), std::strtod(expected, nullptr)) << text << " -> " << written;
        EXPECT_EQ(readDecimal(written), value) << text << " -> " << written;
    }
}
