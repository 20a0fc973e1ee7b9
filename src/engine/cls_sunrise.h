#pragma once
// Sunrise and sunset of a date at a place: the moments at which the Sun's
// centre stands 0.833 degrees below the horizon, rising and setting, in the
// place's civil time and to the whole minute. A short solar theory and mean
// sidereal time give the Sun's altitude every hour of the local day; a
// parabola through three samples finds each crossing.
//
// A date's day is the one stretch of daylight, from a rising to the next
// setting, whose middle falls on the date: its rising is the date's sunrise
// and its setting the date's sunset, whichever clock dates their minutes fall
// on. Far north in summer a rising just before midnight is thus the next
// date's sunrise, and a setting just after midnight (where the clock runs
// ahead of the Sun) the date before's sunset; a day that rises searches on to
// hour 26 for its setting. A daylight with no end within reach (the first
// date of the midnight sun) or no start (a date whose Sun sets and did not
// rise) keeps the event of the date its minute falls on. A date with neither
// event has none (midnight sun, polar night), except that where the midnight
// sun ends with a setting just after the midnight that ends it, before the
// next date's first rising, that setting is its sunset. An event that does
// not happen is reported as an empty value; callers leave what depends on it
// empty.
#include <optional>
#include <string>

#include "platform/date_time.h"

namespace jd {

class clsSunrise {
public:
    // The date whose events are wanted; its time of day is ignored.
    DateTime BirthDateTime;
    // Longitude east positive, latitude north positive. The sign travels on
    // the degrees: a negative angle is negative degrees with positive minutes,
    // or, below one degree, zero degrees with negative minutes.
    double CL_LongitudeDeg = 0;
    double CL_LongitudeMin = 0;
    double CL_LatitudeDeg = 0;
    double CL_LatitideMin = 0;
    // Outputs; empty when the date's day has no such event. Either may lie
    // on the clock date before or after the date.
    std::optional<DateTime> m_dateSunrise;
    std::optional<DateTime> m_dateSunset;
    // Zone offset in hours, east positive: civil time = universal time + STZ.
    double STZ = 0;
    // Summer-time hours: kept, never used by the calculation.
    double DSAVE = 0;

    // Computes both outputs from the inputs.
    void FnCalculate();
    // Where a date rises again after the setting that ends its day and the
    // Sun then does not set within reach (the midnight sun begins), that
    // rising; otherwise empty. Searches the whole date: call it only where
    // it is needed.
    std::optional<DateTime> FnRisingIntoMidnightSun() const;
};

// The facades the rest of the program uses: the place as entered (degrees and
// minutes, never negative, with hemisphere letters) and the zone as hours
// with "E" or "W". Each owns one calculator, kept for its life.
class clsFindSunrise {
public:
    std::optional<DateTime> FnFindSunrise(const DateTime& m_Date, const std::string& m_LatNs, double m_LatDeg,
                                          double m_LatMin, const std::string& m_LonEw, double m_LonDeg,
                                          double m_LonMin, bool m_DaySavings, double TZVal,
                                          const std::string& TZEW);
    // The rising into the midnight sun after the date's day, if any (see
    // clsSunrise::FnRisingIntoMidnightSun).
    std::optional<DateTime> FnFindRisingIntoMidnightSun(const DateTime& m_Date, const std::string& m_LatNs,
                                                        double m_LatDeg, double m_LatMin, const std::string& m_LonEw,
                                                        double m_LonDeg, double m_LonMin, bool m_DaySavings,
                                                        double TZVal, const std::string& TZEW);

private:
    clsSunrise calculator_;
};

class clsFindSunSet {
public:
    std::optional<DateTime> FnFindSunset(const DateTime& m_Date, const std::string& m_LatNs, double m_LatDeg,
                                         double m_LatMin, const std::string& m_LonEw, double m_LonDeg,
                                         double m_LonMin, bool m_DaySavings, double TZVal,
                                         const std::string& TZEW);

private:
    clsSunrise calculator_;
};

// Sets up a calculator from a place as entered, the way both facades do:
// "S" makes the latitude southern and "W" the longitude western (any other
// text counts as north or east, lower case included), "E" makes the zone
// east (any other text west). Exposed so that a caller needing both events
// can run one calculation.
void FnSetUpSunrise(clsSunrise& calculator, const DateTime& m_Date, const std::string& m_LatNs, double m_LatDeg,
                    double m_LatMin, const std::string& m_LonEw, double m_LonDeg, double m_LonMin,
                    bool m_DaySavings, double TZVal, const std::string& TZEW);

}  // namespace jd
