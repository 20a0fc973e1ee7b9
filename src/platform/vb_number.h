#pragma once
// The run time's number functions: whole parts, rounding, conversion to
// 16- and 32-bit integers, number pictures, the shortest text of a number and
// reading numbers from text. '.' is always the decimal point, whatever the
// machine's locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace jd {

// Int: the greatest whole number not above x (Int(-2.5) = -3).
double vbInt(double x);
// Fix: x without its fraction, towards zero (Fix(-2.5) = -2).
double vbFix(double x);
// The whole number nearest to x, an exact half to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double x);

// The nearest whole number (half to even) as a 16-bit integer; a result
// outside -32768..32767 (or no number at all) raises RunTimeError::overflow().
int toInt16(double x);
// A text read as a number (see toDouble), then as above.
int toInt16(std::string_view text);
// Likewise for a 32-bit integer.
std::int32_t toInt32(double x);
std::int32_t toInt32(std::string_view text);

// x in a number picture of digit places: "0" a digit always written, "#" a
// digit written only when it counts, one optional "." ("00.00", "000.00",
// "00.0000", "0.00", "0"). The integer part grows as needed; the last decimal
// is rounded half away from zero on the number's decimal digits (up to 15
// significant), so 0.125 in "00.00" gives "00.13" and 1.005 in "0.00" gives
// "1.01". A negative number is preceded by "-" unless it rounds to zero.
// Any other picture character raises RunTimeError::invalidCall().
std::string formatNumber(double x, std::string_view pattern);

// The shortest text of x as the run time writes a number: at most 15
// significant digits, no trailing zeros, no trailing point (5.5, 10, 0.25,
// -23.853991, 0.3 for 0.1 + 0.2). Magnitudes from 1E+15 and below 1E-04 are
// written with an exponent ("1E+15", "1.5E-05").
std::string numberText(double x);

// Strict test of a number text: optional blanks, an optional sign, digits with
// at most one '.', at least one digit, optional blanks. No exponent, no
// thousands separators, no other decimal point.
bool isNumeric(std::string_view text);
// The number of a text that passes isNumeric; any other text raises
// RunTimeError::typeMismatch().
double toDouble(std::string_view text);
// Val: the number at the start of a text, blanks anywhere ignored, reading up
// to the first character that cannot continue it ("12.5kg" -> 12.5,
// "1 2 3" -> 123, "abc" -> 0). An exponent "E" or "D" is read.
double val(std::string_view text);

}  // namespace jd
