#pragma once
// The local mean time offset from Greenwich of a longitude, at 4 minutes of
// time per degree. The operation always works on the fixed longitude
// 80 degrees 17 minutes, negative.
namespace jd {

class TimeZone {
public:
    int TZoneLongitudeDegree = 0;  // whole degrees, signed
    int TZoneLongitudeMinute = 0;
    double TimeZone = 0;  // the offset in hours

    // Sets the longitude to -80 degrees 17 minutes and returns its offset,
    // -5.352222... hours (5 hours 21 minutes 8 seconds west).
    double findTimeZone();

private:
    double minutesOfArc_ = 0;
};

}  // namespace jd
