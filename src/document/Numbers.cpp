// Reading and writing the numbers of coordinate lines.
#include "document/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

namespace tess {

namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The exponent of a number text capped far beyond any double, so that
// a text of a million digits cannot overflow the count.
long long cappedExponent(std::string_view text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    long long exponent = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000LL);
    return negative ? -exponent : exponent;
}

// Tells the two kinds of number from_chars finds out of range apart: one
// beyond the largest double (the power of ten of its first significant
// digit is positive, above 300) or one below the smallest (negative,
// below -300), which reads as 0.
bool beyondLargestDouble(std::string_view number) {
    const std::size_t exponentAt = std::min(number.find_first_of("Ee"), number.size());
    const std::string_view digits = number.substr(0, exponentAt);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t first = digits.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const long long firstPower = first < point ? static_cast<long long>(point - first) - 1
                                               : -static_cast<long long>(first - point);
    return firstPower + cappedExponent(number.substr(std::min(exponentAt + 1, number.size()))) > 0;
}

// The slow, general path: the standard library's correctly rounded reader
// on the measured text, with D exponents turned into E. It reads the same
// whatever the process's locale.
DecimalRead readGeneral(std::string_view number, char exponentLetter) {
    std::string normalized;
    if (exponentLetter == 'D' || exponentLetter == 'd') {
        normalized.assign(number);
        normalized[normalized.find_first_of("Dd")] = 'E';
        number = normalized;
    }
    DecimalRead result;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), result.value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        result.value = 0;
        result.overflow = beyondLargestDouble(number);
    }
    return result;
}

}  // namespace

namespace {

// Reads the number at the start of text; `stop` receives the index of the
// first character that is not part of it, and `anyDigit` whether a digit
// came before it (else there was no number, and it reads as 0).
DecimalRead readDecimalPrefix(std::string_view text, std::size_t& stop, bool& anyDigit) {
    std::size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Measure the longest prefix that forms a number, and gather its digits
    // on the way: coordinates have few enough digits to be read exactly as
    // an integer scaled by a power of ten.
    const std::size_t start = i;
    std::uint64_t mantissa = 0;
    const std::size_t intStart = i;
    while (i < n && isDigit(text[i])) mantissa = mantissa * 10 + static_cast<unsigned>(text[i++] - '0');
    std::size_t digits = i - intStart;
    int scale = 0;
    if (i < n && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < n && isDigit(text[i])) mantissa = mantissa * 10 + static_cast<unsigned>(text[i++] - '0');
        scale = -static_cast<int>(i - fracStart);
        digits += i - fracStart;
    }
    anyDigit = digits > 0;
    if (digits == 0) {
        stop = i;
        return {};
    }
    std::size_t end = i;
    char exponentLetter = 0;
    int exponent = 0;
    bool exponentHuge = false;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) exponentNegative = text[j++] == '-';
        if (j < n && isDigit(text[j])) {
            exponentLetter = text[i];
            while (j < n && isDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                else exponentHuge = true;
                ++j;
            }
            if (exponentNegative) exponent = -exponent;
            end = j;
        }
    }

    DecimalRead result;
    const int power = scale + exponent;
    // Up to 19 digits fit the integer; below 2^53 it is exact as a double,
    // and one multiplication or division by an exact power of ten then
    // rounds correctly.
    if (digits <= 19 && mantissa < (std::uint64_t{1} << 53) && !exponentHuge && power >= -22 &&
        power <= 22) {
        const double m = static_cast<double>(mantissa);
        result.value = power < 0 ? m / kExactPowers[-power] : m * kExactPowers[power];
    } else {
        result = readGeneral(text.substr(start, end - start), exponentLetter);
    }
    if (negative) result.value = -result.value;
    stop = end;
    return result;
}

}  // namespace

DecimalRead readDecimalChecked(std::string_view text) {
    std::size_t stop = 0;
    bool anyDigit = false;
    return readDecimalPrefix(text, stop, anyDigit);
}

namespace {

// A value's significant digits (no trailing zeros) and the power of ten of
// the first one: 51.25 is "5125" with exponent 1.
struct Digits {
    char digit[32];
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

void takeScientific(const char* begin, const char* end, Digits& d) {
    const char* p = begin;
    d.negative = *p == '-';
    if (d.negative) ++p;
    d.count = 0;
    while (p < end && *p != 'e') {
        if (*p != '.') d.digit[d.count++] = *p;
        ++p;
    }
    int exponent = 0;
    if (p < end) {
        ++p;
        bool minus = *p == '-';
        if (*p == '+' || *p == '-') ++p;
        while (p < end) exponent = exponent * 10 + (*p++ - '0');
        if (minus) exponent = -exponent;
    }
    d.exponent = exponent;
    while (d.count > 1 && d.digit[d.count - 1] == '0') --d.count;
}

// The digits of a value that is exactly m / 10^p for a 15-digit integer m,
// as every coordinate read from a text of up to 15 digits is: the decimal
// m * 10^-p reads back as the value, and no other 15-digit decimal does,
// so it is the value rounded to 15 digits. False when the value is not of
// that kind; the caller then takes the general way.
bool fifteenDigitsByScaling(double value, Digits& d) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-7 && magnitude < 1e15)) return false;
    int exponent = 0;  // the power of ten of the first digit
    while (exponent < 14 && magnitude >= kExactPowers[exponent + 1]) ++exponent;
    while (exponent > -8 && magnitude < (exponent >= 0 ? kExactPowers[exponent] : 1 / kExactPowers[-exponent]))
        --exponent;
    const int p = 14 - exponent;
    if (p < 0 || p > 22) return false;
    const double scaled = std::nearbyint(magnitude * kExactPowers[p]);
    if (scaled >= 1e15 || scaled < 1e14 || scaled / kExactPowers[p] != magnitude) return false;
    auto m = static_cast<std::uint64_t>(scaled);
    for (int k = 14; k >= 0; --k, m /= 10) d.digit[k] = static_cast<char>('0' + m % 10);
    d.count = 15;
    while (d.count > 1 && d.digit[d.count - 1] == '0') --d.count;
    d.exponent = exponent;
    d.negative = value < 0;
    return true;
}

// The largest double, 1.7976931348623157e308, rounds up at 15 digits to a
// number beyond every double, which would read back as an overflow: such
// digits are cut to the largest number of their length that is a double.
void keepWithinDoubleRange(Digits& d, int digits) {
    constexpr std::string_view kLargest = "17976931348623157";
    const std::string_view limit = kLargest.substr(0, static_cast<std::size_t>(digits));
    if (d.exponent == 308 && std::string_view(d.digit, static_cast<std::size_t>(d.count)) > limit) {
        std::copy(limit.begin(), limit.end(), d.digit);
        d.count = static_cast<int>(limit.size());
    }
}

// The value rounded to `digits` significant digits. The shortest text that
// reads back as the value is tried first: when it has no more digits than
// wanted it is also the rounding, because the value lies within half a unit
// in its last place of it, far inside half a step of the rounding.
template <class Float>
Digits roundedDigits(Float value, int digits) {
    // A double has no more than 17 significant digits to tell.
    digits = std::clamp(digits, 1, 17);
    Digits d;
    if constexpr (std::is_same_v<Float, double>) {
        if (digits == 15 && fifteenDigitsByScaling(value, d)) return d;
    }
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    takeScientific(buffer, r.ptr, d);
    if (d.count > digits) {
        r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                          std::chars_format::scientific, digits - 1);
        takeScientific(buffer, r.ptr, d);
        keepWithinDoubleRange(d, digits);
    }
    return d;
}

// Lays the digits out in plain decimal form, with "0." before magnitudes
// below 1, as labels and GPX files (which take no exponents) want them.
void appendPlain(std::string& out, const Digits& d) {
    if (d.negative) out.push_back('-');
    const int count = d.count;
    if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(d.digit, static_cast<std::size_t>(count));
    } else if (d.exponent + 1 >= count) {
        out.append(d.digit, static_cast<std::size_t>(count));
        out.append(static_cast<std::size_t>(d.exponent + 1 - count), '0');
    } else {
        out.append(d.digit, static_cast<std::size_t>(d.exponent + 1));
        out.push_back('.');
        out.append(d.digit + d.exponent + 1, static_cast<std::size_t>(count - d.exponent - 1));
    }
}

// The committed forms are plain from 1e-9 up to below 1e15; beyond, a
// plain text would run to hundreds of characters.
bool isPlainWhenCommitted(const Digits& d) { return d.exponent >= -9 && d.exponent <= 14; }

// "1.0E+308", "-2.5E-12": a period and at least one digit after it, so
// that the line still counts as a coordinate line.
void appendExponentForm(std::string& out, const Digits& d) {
    if (d.negative) out.push_back('-');
    out.push_back(d.digit[0]);
    out.push_back('.');
    if (d.count > 1) out.append(d.digit + 1, static_cast<std::size_t>(d.count - 1));
    else out.push_back('0');
    out += d.exponent < 0 ? "E-" : "E+";
    out += std::to_string(std::abs(d.exponent));
}

bool isZero(double value) { return !std::isfinite(value) || value == 0; }

}  // namespace

std::string shortestText(double value, int digits) {
    if (isZero(value)) return "0";
    std::string out;
    appendPlain(out, roundedDigits(value, digits));
    return out;
}

std::string shortestText(float value) {
    if (isZero(value)) return "0";
    std::string out;
    appendPlain(out, roundedDigits(value, 7));
    return out;
}

double sevenDigitValue(double value) { return readDecimal(shortestText(static_cast<float>(value))); }

namespace {

// " .25" style: drop the "0" before the point and mark non-negatives with
// a blank.
std::string signedField(std::string text, bool negative) {
    if (text.starts_with("0.")) text.erase(0, 1);
    else if (text.starts_with("-0.")) text.erase(1, 1);
    return negative ? text : " " + text;
}

}  // namespace

std::string signedFieldText(float value) { return signedField(shortestText(value), value < 0); }

void appendCommitLon(std::string& out, double value) {
    if (isZero(value)) {
        out += "0.0";
        return;
    }
    const Digits d = roundedDigits(value, 15);
    if (!isPlainWhenCommitted(d)) {
        appendExponentForm(out, d);
        return;
    }
    appendPlain(out, d);
    if (d.exponent + 1 >= d.count) out += ".0";
}

void appendCommitLat(std::string& out, double value) {
    if (isZero(value)) {
        out += " 0.0";
        return;
    }
    const Digits d = roundedDigits(value, 15);
    if (!d.negative) out.push_back(' ');
    if (!isPlainWhenCommitted(d)) {
        appendExponentForm(out, d);
        return;
    }
    const std::size_t from = out.size();
    appendPlain(out, d);
    if (d.exponent + 1 >= d.count) {
        out += ".0";
    } else if (d.exponent < 0) {
        out.erase(from + (d.negative ? 1 : 0), 1);  // ".25", "-.25"
    }
}

void appendVertexLine(std::string& out, double lon, double lat, std::string_view lineEnd) {
    out += "   ";
    appendCommitLon(out, lon);
    out += ' ';
    appendCommitLat(out, lat);
    out += lineEnd;
}

std::string commitLonText(double value) {
    std::string text;
    appendCommitLon(text, value);
    return text;
}

std::string commitLatText(double value) {
    std::string text;
    appendCommitLat(text, value);
    return text;
}

namespace {

bool startsLikeNumber(char c) { return isDigit(c) || c == '+' || c == '-' || c == '.'; }

// Reads the number word at `at` (moved past it). False unless the whole
// word, up to a blank or the line's end, is one number within double range.
bool readNumberWord(std::string_view line, std::size_t& at, double& value) {
    std::size_t stop = 0;
    bool anyDigit = false;
    const DecimalRead read = readDecimalPrefix(line.substr(at), stop, anyDigit);
    at += stop;
    if (!anyDigit || read.overflow || (at < line.size() && !isBlank(line[at]))) return false;
    value = read.value;
    return true;
}

}  // namespace

LineKind readRingLine(std::string_view line, double& lon, double& lat) {
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n && isBlank(line[i])) ++i;
    if (i == n) return LineKind::Blank;
    if (!startsLikeNumber(line[i])) return line.find('.', i) == std::string_view::npos ? LineKind::Text : LineKind::Bad;
    double x = 0, y = 0;
    if (!readNumberWord(line, i, x)) return LineKind::Bad;
    while (i < n && isBlank(line[i])) ++i;
    if (i == n || !readNumberWord(line, i, y)) return LineKind::Bad;
    lon = x;
    lat = y;
    return LineKind::Vertex;
}

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}


}  // namespace tess
