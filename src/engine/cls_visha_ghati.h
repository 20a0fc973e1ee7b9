#pragma once
// The poison (visha) portions of the zodiac, one per nakshatra, and whether
// the Moon's sidereal longitude lies in one of them. The portions are kept as
// degree texts DDD.MM.SS.
#include <string>

namespace jd {

// Degree texts to decimal degrees.
class clsDecimal {
public:
    // Degrees are the first 3 characters, minutes the 2 from the fifth and
    // seconds the last 2, each read as a number ("011.06.40" is 11 degrees
    // 6 minutes 40 seconds; "12.00.00" reads "12.", "0." and "00" and is 12).
    // A part that is no number raises RunTimeError::typeMismatch().
    double FnFindDecimal(const std::string& strEnteredVal) const;
};

class ClsVishaGhati {
public:
    // True when the longitude lies in a poison portion, both ends included.
    bool dispVishaghati(double ldblMoonpos);

private:
    clsDecimal decimal_;
};

}  // namespace jd
