// Number texts: the lenient decimal reader used for every coordinate the
// program reads, and the forms in which it writes numbers. Reading and
// writing use "." as decimal point whatever the process's locale. Only the
// committed vertex forms use an exponent, and only for magnitudes a plain
// text would spell out in hundreds of characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess {

struct DecimalRead {
    double value = 0;
    bool overflow = false;  // the digits name a number beyond double range
};

// Optional blanks, optional sign, digits with one ".", optional exponent
// introduced by E or D (either case); stops at the first character that
// does not fit. No number reads as 0.
DecimalRead readDecimalChecked(std::string_view text);
inline double readDecimal(std::string_view text) { return readDecimalChecked(text).value; }

// The longest text shortestText writes: "-0.", the 323 zeros before the
// first digit of the smallest double, and 17 digits.
inline constexpr std::size_t kLongestPlainNumber = 343;

// The shortest text of the value rounded to `digits` significant digits
// (at most 17): no trailing zeros, "-" for negatives, "0" before the point
// below 1, never an exponent (tiny magnitudes are written out in full, in
// at most kLongestPlainNumber characters).
std::string shortestText(double value, int digits = 15);
// Single-precision values carry at most 7 significant digits.
std::string shortestText(float value);
// The value of that text for the value in single precision: what a handle
// shows, to seven digits (13.679683 is 13.67968).
double sevenDigitValue(double value);

// The signed-field form of the bound labels: one blank before a value that
// is not negative, "-" before a negative one, and no "0" before the point
// below 1 (51.5 is " 51.5", -0.5 is "-.5").
std::string signedFieldText(float value);

// The two forms of a committed vertex line, with 15 significant digits. A
// whole number keeps ".0" so that the line still counts as a coordinate
// line. Magnitudes from 1e-9 up to below 1e15 are written plain, others
// with an exponent: 1e308 -> "1.0E+308", -2.5e-12 -> "-2.5E-12".
std::string commitLonText(double value);  // 0.25 -> "0.25", 10 -> "10.0"
std::string commitLatText(double value);  // 0.25 -> " .25", -0.25 -> "-.25", 1e20 -> " 1.0E+20"
// The same, appended to a text without building one of their own.
void appendCommitLon(std::string& out, double value);
void appendCommitLat(std::string& out, double value);
// A whole vertex line in the committed form: three blanks, the two
// numbers, the line end.
void appendVertexLine(std::string& out, double lon, double lat, std::string_view lineEnd = "\n");

// What one line of a ring is, as the common tools read it:
// - Vertex: it starts like a number (a digit, a sign or a period after
//   any blanks) and its first two words are whole numbers ("10.5 50",
//   "1E+01 1E+01", "2.0 1.0 5": a third word, an elevation, is passed over);
// - Bad: it starts like a number but does not read as two ("10,5 50,5",
//   "12"), or it holds a period without starting like a number ("Area
//   v1.2"), or a number lies beyond double range: a vertex that cannot be
//   read;
// - Blank: nothing but blanks;
// - Text: any other line, passed over.
// Tabs count as blanks; the line carries no line end.
enum class LineKind { Vertex, Bad, Blank, Text };
LineKind readRingLine(std::string_view line, double& lon, double& lat);

// The line is a vertex; lon and lat receive its numbers.
enum class LineParse { Ok, NotVertex };
inline LineParse parseCoordinateLine(std::string_view line, double& lon, double& lat) {
    return readRingLine(line, lon, lat) == LineKind::Vertex ? LineParse::Ok : LineParse::NotVertex;
}

// Lower-cases ASCII letters only, for comparing file extensions.
std::string lowerAscii(std::string text);

}  // namespace tess
