// Reading and writing the numbers of coordinate lines.
#include "document/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace tess {

namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

DecimalRead readDecimalChecked(std::string_view text) {
    std::size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Measure the longest prefix that forms a number.
    const std::size_t start = i;
    std::size_t mantissaDigits = 0;
    while (i < n && isDigit(text[i])) ++i, ++mantissaDigits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return {};
    std::size_t end = i;
    char exponentLetter = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < n && isDigit(text[j])) {
            exponentLetter = text[i];
            while (j < n && isDigit(text[j])) ++j;
            end = j;
        }
    }

    std::string_view number = text.substr(start, end - start);
    std::string normalized;
    if (exponentLetter == 'D' || exponentLetter == 'd') {
        normalized.assign(number);
        normalized[normalized.find_first_of("Dd")] = 'E';
        number = normalized;
    }

    DecimalRead result;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), result.value);
    if (ec == std::errc::result_out_of_range) {
        // Either too large for a double or so small it rounds to zero.
        std::string copy(number);
        double v = std::strtod(copy.c_str(), nullptr);
        result.overflow = std::isinf(v);
        result.value = result.overflow ? 0 : v;
    }
    (void)ptr;
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
    std::size_t first = 0, last = line.size();
    while (first < last && isBlank(line[first])) ++first;
    while (last > first && isBlank(line[last - 1])) --last;
    std::size_t gap = first;
    while (gap < last && !isBlank(line[gap])) ++gap;
    if (gap >= last) return LineParse::NoBlank;

    DecimalRead x = readDecimalChecked(line.substr(first, gap - first));

    // The latitude is everything after the first blank, with every blank
    // removed, so "5 1.5" reads as 51.5 and "2.0 3.0" as 2.03.
    std::size_t from = gap;
    while (from < last && isBlank(line[from])) ++from;
    std::string_view rest = line.substr(from, last - from);
    DecimalRead y;
    if (rest.find_first_of(" \t") == std::string_view::npos) {
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
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

}  // namespace tess
