// Reading and writing the numbers of coordinate lines.
#include "document/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>

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

// The slow, general path: the standard library's correctly rounded reader
// on the measured text, with D exponents turned into E.
DecimalRead readGeneral(std::string_view number, char exponentLetter) {
    std::string normalized;
    if (exponentLetter == 'D' || exponentLetter == 'd') {
        normalized.assign(number);
        normalized[normalized.find_first_of("Dd")] = 'E';
        number = normalized;
    }
    DecimalRead result;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), result.value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Either too large for a double or so small it rounds to zero.
        std::string copy(number);
        double v = std::strtod(copy.c_str(), nullptr);
        result.overflow = std::isinf(v);
        result.value = result.overflow ? 0 : v;
    }
    return result;
}

}  // namespace

DecimalRead readDecimalChecked(std::string_view text) {
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
    if (digits == 0) return {};
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
    return result;
}

std::string shortestText(double value, int digits) {
    if (!std::isfinite(value) || value == 0) return "0";
    // Round to the significant digits, then lay the digits out in plain
    // decimal form: readers of our files need not know exponents.
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, digits - 1);
    if (ec != std::errc()) return "0";
    std::string_view sci(buffer, static_cast<std::size_t>(end - buffer));
    bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    std::size_t e = sci.find('e');
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+'), sci.data() + sci.size(), exponent);
    std::string mantissa;
    mantissa.reserve(static_cast<std::size_t>(digits));
    for (char c : sci.substr(0, e))
        if (c != '.') mantissa.push_back(c);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out;
    if (negative) out.push_back('-');
    const int count = static_cast<int>(mantissa.size());
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa;
    } else if (exponent + 1 >= count) {
        out += mantissa;
        out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        out.append(mantissa, 0, static_cast<std::size_t>(exponent + 1));
        out.push_back('.');
        out.append(mantissa, static_cast<std::size_t>(exponent + 1));
    }
    return out;
}

std::string shortestText(float value) { return shortestText(static_cast<double>(value), 7); }

namespace {

// " .25" style: drop the "0" before the point and mark non-negatives with
// a blank.
std::string signedField(std::string text, bool negative) {
    if (text.starts_with("0.")) text.erase(0, 1);
    else if (text.starts_with("-0.")) text.erase(1, 1);
    return negative ? text : " " + text;
}

bool isWhole(const std::string& text) { return text.find('.') == std::string::npos; }

}  // namespace

std::string signedFieldText(float value) { return signedField(shortestText(value), value < 0); }

std::string commitLonText(double value) {
    std::string text = shortestText(value, 15);
    if (isWhole(text)) text += ".0";
    return text;
}

std::string commitLatText(double value) {
    std::string text = shortestText(value, 15);
    if (isWhole(text)) return (value < 0 ? "" : " ") + text + ".0";
    return signedField(std::move(text), value < 0);
}

LineParse parseCoordinateLine(std::string_view line, double& lon, double& lat) {
    const char* p = line.data();
    std::size_t first = 0, last = line.size();
    while (first < last && isBlank(p[first])) ++first;
    while (last > first && isBlank(p[last - 1])) --last;
    std::size_t gap = first;
    while (gap < last && !isBlank(p[gap])) ++gap;
    if (gap >= last) return LineParse::NoBlank;

    DecimalRead x = readDecimalChecked(line.substr(first, gap - first));

    // The latitude is everything after the first blank, with every blank
    // removed, so "5 1.5" reads as 51.5 and "2.0 3.0" as 2.03.
    std::size_t from = gap;
    while (from < last && isBlank(p[from])) ++from;
    std::string_view rest = line.substr(from, last - from);
    bool innerBlank = false;
    for (char c : rest) innerBlank |= isBlank(c);
    DecimalRead y;
    if (!innerBlank) {
        y = readDecimalChecked(rest);
    } else {
        std::string packed;
        packed.reserve(rest.size());
        for (char c : rest)
            if (!isBlank(c)) packed.push_back(c);
        y = readDecimalChecked(packed);
    }
    if (x.overflow || y.overflow) return LineParse::Overflow;
    lon = x.value;
    lat = y.value;
    return LineParse::Ok;
}

void upperAscii(std::string& text) {
    // Branch-free, so the compiler can work on many bytes at once.
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(u - 32 * (static_cast<unsigned char>(u - 'a') < 26));
    }
}

}  // namespace tess
