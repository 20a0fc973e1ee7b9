#pragma once
// What a longitude shows in the charts and tables: the sign that holds it,
// its degrees within that sign, and the texts degrees.minutes (10.05) and
// degrees.minutes.seconds (10.05.15).
//
// Each routine traps its run-time errors: the error's description is shown
// in a message box with the critical icon and no title, and the routine
// returns its default (empty text, or 0).
#include <string>

namespace jd {

// "D.MM": whole degrees, then the minutes as two digits. The minutes are not
// rounded; only seconds that round to 60 carry into them (10.99999 -> "11.00").
std::string FnFormatDegMin(double x);
// "D.MM.SS": the seconds to the nearest whole one, carried into minutes and
// degrees (10.0875 -> "10.05.15", 359.99999 -> "360.00.00").
std::string FnFormatDegMinSec(double x);
// The sign 1..12 of a longitude for divisions of `span` degrees (30 for the
// rasi, 30 / 9 for the navamsa), counted on from 0 degrees Aries around the
// whole circle. A longitude on a boundary begins the next division (100
// degrees is the 31st navamsa, sign 7), though the quotient may come out a
// hair short of the whole number. A negative longitude gives 0 or less.
// Span 0 is an error (division by zero), as is a quotient beyond the 16-bit
// range (overflow).
int FnSignNumber(double longitude, double span);
// The degrees within the sign: the longitude less the largest multiple of 30
// not above it, so 0 <= d < 30 and the sign is FnSignNumber(longitude, 30)
// (30 is 0 degrees of sign 2, 360 is 0 degrees of sign 1).
double FnDegreesInSign(double longitude);

}  // namespace jd
