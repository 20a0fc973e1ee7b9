#include "engine/cls_sunrise.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/run_time_error.h"

namespace jd {
namespace {

constexpr double kRad = 0.0174532925;  // degrees to radians
constexpr double kTwoPi = 6.283185307;

// Sine of the altitude at which the Sun's centre rises and sets: refraction
// and the Sun's semi-diameter put it 0.833 degrees below the horizon.
const double kSinRiseAltitude = std::sin(-0.833 * kRad);

double FnFrac(double x) {
    x = x - std::floor(x);
    if (x < 0) x += 1;
    return x;
}

// 0 <= result < 360.
double FnRangeDegrees(double x) {
    double b = x / 360;
    double a = 360 * (b - std::floor(b));
    if (a < 0) a += 360;
    return a;
}

// Modified Julian date (days since 1858-11-17 0h) of a calendar date and hour;
// dates up to 1582-10-04 count in the Julian calendar.
double FnMjd(int day, int month, int year, double hour) {
    if (month <= 2) {
        month += 12;
        year -= 1;
    }
    const double a = 10000.0 * year + 100.0 * month + day;
    double b;
    if (a <= 15821004.1) {
        b = -2 * std::trunc((year + 4716) / 4.0) - 1179;
    } else {
        b = std::trunc(year / 400.0) - std::trunc(year / 100.0) + std::trunc(year / 4.0);
    }
    return 365.0 * year - 679004 + b + std::trunc(30.6001 * (month + 1)) + day + hour / 24;
}

// Low-precision Sun for T Julian centuries from 2000 January 1.5: right
// ascension in hours 0..24 and declination in degrees.
void FnMiniSun(double t, double& ra, double& dec) {
    const double m = kTwoPi * FnFrac(0.993133 + 99.997361 * t);
    const double dl = 6893 * std::sin(m) + 72 * std::sin(2 * m);
    const double l = kTwoPi * FnFrac(0.7859453 + m / kTwoPi + (6191.2 * t + dl) / 1296000);
    const double x = std::cos(l);
    const double y = 0.91748 * std::sin(l);
    const double z = 0.39778 * std::sin(l);
    const double rho = std::sqrt(1 - z * z);
    dec = (360 / kTwoPi) * std::atan(z / rho);
    // Half-angle form of the right ascension; x + rho only reaches 0 at a
    // longitude of exactly 180 degrees, where the angle is a quarter turn.
    ra = (48 / kTwoPi) * std::atan2(y, x + rho);
    if (ra < 0) ra += 24;
}

// Local mean sidereal time in hours (not reduced to 0..24).
double FnLmst(double mjd, double longitude) {
    const double d = mjd - 51544.5;
    const double t = d / 36525;
    const double gmst = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000;
    return FnRangeDegrees(gmst) / 15 + longitude / 15;
}

// Sine of the Sun's altitude at an hour of the local day.
double FnSinAlt(double dayStart, double hour, double longitude, double cosLat, double sinLat) {
    const double mjd = dayStart + hour / 24;
    const double t = (mjd - 51544.5) / 36525;
    double ra = 0, dec = 0;
    FnMiniSun(t, ra, dec);
    const double tau = 15 * (FnLmst(mjd, longitude) - ra);
    return sinLat * std::sin(dec * kRad) + cosLat * std::cos(dec * kRad) * std::cos(tau * kRad);
}

struct QuadFit {
    int n = 0;                // roots within -1..1
    double z1 = 0, z2 = 0;    // the roots
    double xe = 0, ye = 0;    // the extremum
};

// The parabola through the samples at x = -1, 0, +1 and its roots in -1..1.
// Three samples on a straight line have no extremum: the line's own root
// serves then.
QuadFit FnQuad(double ym, double y0, double yp) {
    QuadFit q;
    const double a = 0.5 * (ym + yp) - y0;
    const double b = 0.5 * (yp - ym);
    const double c = y0;
    if (a == 0) {
        q.ye = c;
        if (b != 0) {
            const double z = -c / b;
            if (std::fabs(z) <= 1) {
                q.n = 1;
                q.z1 = q.z2 = z;
            }
        }
        return q;
    }
    q.xe = -b / (2 * a);
    q.ye = (a * q.xe + b) * q.xe + c;
    const double dis = b * b - 4 * a * c;
    if (dis > 0) {
        const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        q.z1 = q.xe - dx;
        q.z2 = q.xe + dx;
        if (std::fabs(q.z1) <= 1) ++q.n;
        if (std::fabs(q.z2) <= 1) ++q.n;
        if (q.z1 < -1) q.z1 = q.z2;
    }
    return q;
}

// An hour of the local day, to the nearest whole minute, as a moment counted
// from the calculator's date: an hour that rounds to 24:00 is midnight of the
// next date, a negative hour lies on the date before.
DateTime FnHoursToDate(const DateTime& date, double hours) {
    const auto minutes = static_cast<std::int64_t>(std::floor(hours * 60 + 0.5));
    return DateTime::fromTotalSeconds(date.datePart().totalSeconds() + minutes * 60);
}

// The crossings of one step, in their order in time: the parabola through
// the altitudes at hour - 1, hour and hour + 1 and its roots within them.
struct Crossing {
    double hour;
    bool rise;
};
struct Step {
    int n = 0;
    Crossing first{}, second{};
};
Step crossings(double hour, double ym, const QuadFit& q) {
    Step s;
    s.n = q.n;
    if (q.n == 1) {
        s.first = {hour + q.z1, ym < 0};
    } else if (q.n == 2) {
        // A minimum between the roots is a set followed by a rise.
        s.first = {hour + q.z1, q.ye > 0};
        s.second = {hour + q.z2, q.ye < 0};
    }
    return s;
}

// Degrees and minutes with the sign on the degrees, as one angle.
double combine(double degrees, double minutes) {
    return degrees < 0 ? degrees - minutes / 60 : degrees + minutes / 60;
}

// The sine of the Sun's altitude less that of rising and setting, at an hour
// of the calculator's local day: negative while the Sun is down.
class SunAltitude {
public:
    explicit SunAltitude(const clsSunrise& c)
        : longitude_(combine(c.CL_LongitudeDeg, c.CL_LongitudeMin)),
          sinLat_(std::sin(combine(c.CL_LatitudeDeg, c.CL_LatitideMin) * kRad)),
          cosLat_(std::cos(combine(c.CL_LatitudeDeg, c.CL_LatitideMin) * kRad)),
          // local midnight in universal time
          dayStart_(FnMjd(c.BirthDateTime.day(), c.BirthDateTime.month(), c.BirthDateTime.year(), 0) - c.STZ / 24) {}
    double operator()(double hour) const {
        return FnSinAlt(dayStart_, hour, longitude_, cosLat_, sinLat_) - kSinRiseAltitude;
    }

private:
    double longitude_, sinLat_, cosLat_, dayStart_;
};

}  // namespace

void clsSunrise::FnCalculate() {
    const SunAltitude altitude(*this);

    m_dateSunrise.reset();
    m_dateSunset.reset();

    // Twelve steps of two hours cover the local day, each sharing a sample
    // with the one before.
    double ym = altitude(0);
    double hour = 1;
    auto next = [&] {
        const double y0 = altitude(hour);
        const double yp = altitude(hour + 1);
        const Step s = crossings(hour, ym, FnQuad(ym, y0, yp));
        ym = yp;
        hour += 2;
        return s;
    };

    // The day of a date is the one stretch of daylight, a rising to the next
    // setting, whose middle falls on the date. The search of the date finds its
    // first rising and the first setting after it; a setting before any rising
    // opens the date (the Sun rose on the date before).
    bool riseFound = false, setFound = false;
    bool setFirst = false, setInFirstStep = false;
    double riseHour = 0, setHour = 0, firstSetHour = 0;
    double lastRiseHour = 0;  // the last rising met, kept where a setting opens the date
    const auto take = [&](const Crossing& c, bool firstStep) {
        if (c.rise) {
            if (!riseFound) riseHour = c.hour;
            lastRiseHour = c.hour;
            riseFound = true;
        } else if (!setFound) {
            setHour = c.hour;
            setFound = true;
            setInFirstStep = firstStep;
            if (!riseFound) {
                setFirst = true;
                firstSetHour = c.hour;
            }
        } else if (!riseFound || setFirst) {
            setHour = c.hour;
            setInFirstStep = firstStep;
        }
    };
    // The search goes on from the step reached to the first setting, up to
    // hour 26: the day's sunset where the Sun sets after midnight on the clock.
    const auto setAfterMidnight = [&] {
        while (hour < 27 && !setFound) {
            const Step s = next();
            if (s.n == 1 && !s.first.rise) {
                setHour = s.first.hour;
                setFound = true;
            } else if (s.n == 2) {
                setHour = s.first.rise ? s.second.hour : s.first.hour;
                setFound = true;
            }
        }
    };
    while (hour < 25 && !(riseFound && setFound)) {
        const bool firstStep = hour == 1;
        const Step s = next();
        if (s.n >= 1) take(s.first, firstStep);
        if (s.n == 2) take(s.second, firstStep);
    }
    if (!setFirst) {
        // A rising opened the date (ordinary days): the day runs from it to
        // the first setting after it, up to hour 26 when the Sun sets after
        // midnight on the clock; none there is the midnight sun.
        if (riseFound && !setFound) setAfterMidnight();
        if (!riseFound) {
            // Neither a rising nor a setting on the date (midnight sun, polar
            // night). Where the midnight sun ends with a setting just after
            // the midnight that ends the date, before the next date's first
            // rising, that setting is this date's sunset: the next date leaves
            // it to the evening before, and the night runs from it to that
            // rising.
            const Step s = next();
            if (s.n >= 1 && !s.first.rise) {
                const double candidate = s.first.hour;
                bool riseAfter = s.n == 2;
                while (!riseAfter && hour < 49) {
                    const Step later = next();
                    riseAfter = later.n == 2 || (later.n == 1 && later.first.rise);
                }
                if (riseAfter) {
                    m_dateSunset = FnHoursToDate(BirthDateTime, candidate);
                }
            }
            return;
        }
        m_dateSunrise = FnHoursToDate(BirthDateTime, riseHour);
        if (setFound) m_dateSunset = FnHoursToDate(BirthDateTime, setHour);
        return;
    }

    // The date opens with a setting: the daylight it ends began with the last
    // rising before midnight. When the middle of that stretch falls on this
    // date (the rising no earlier than as many hours before midnight as the
    // setting comes after it) that rising is this date's sunrise, on the
    // clock date before or at 00:00, and the setting its sunset.
    {
        double h = -1;
        double upper = altitude(0);
        bool decided = false;
        while (!decided && h + 1 > -firstSetHour) {
            const double y0 = altitude(h);
            const double lower = altitude(h - 1);
            const Step s = crossings(h, lower, FnQuad(lower, y0, upper));
            upper = lower;
            h -= 2;
            if (s.n == 0) continue;
            const Crossing& last = s.n == 2 ? s.second : s.first;
            decided = true;
            if (last.rise && last.hour >= -firstSetHour) {
                m_dateSunrise = FnHoursToDate(BirthDateTime, last.hour);
                m_dateSunset = FnHoursToDate(BirthDateTime, firstSetHour);
                return;
            }
        }
    }

    // Otherwise the setting belongs to a day that began before the date (the
    // evening before's set after midnight, or the end of the midnight sun):
    // the date keeps its last rising, and a setting found just after
    // midnight before that rising is dropped for the first setting after
    // it, up to hour 26.
    riseHour = lastRiseHour;
    if (riseFound && setInFirstStep && setHour < riseHour) {
        setFound = false;
        setAfterMidnight();
    }
    if (riseFound) m_dateSunrise = FnHoursToDate(BirthDateTime, riseHour);
    if (setFound) m_dateSunset = FnHoursToDate(BirthDateTime, setHour);
}

std::optional<DateTime> clsSunrise::FnRisingIntoMidnightSun() const {
    const SunAltitude altitude(*this);
    // A rising on the date after a setting, with no setting after it up to
    // hour 26.
    bool risen = false, setSeen = false;
    double rising = 0;
    double ym = altitude(0);
    for (double hour = 1; hour < 27; hour += 2) {
        const double yp = altitude(hour + 1);
        const Step s = crossings(hour, ym, FnQuad(ym, altitude(hour), yp));
        ym = yp;
        for (int i = 0; i < s.n; ++i) {
            const Crossing& c = i == 0 ? s.first : s.second;
            if (!c.rise) {
                setSeen = true;
                risen = false;
            } else if (setSeen && c.hour < 24) {
                rising = c.hour;
                risen = true;
            }
        }
    }
    if (!risen) return std::nullopt;
    return FnHoursToDate(BirthDateTime, rising);
}

void FnSetUpSunrise(clsSunrise& calculator, const DateTime& m_Date, const std::string& m_LatNs, double m_LatDeg,
                    double m_LatMin, const std::string& m_LonEw, double m_LonDeg, double m_LonMin,
                    bool m_DaySavings, double TZVal, const std::string& TZEW) {
    // A southern or western angle becomes negative: on the degrees, or on the
    // minutes when the degrees are zero.
    auto negate = [](double& degrees, double& minutes) {
        if (degrees > 0) {
            degrees = -degrees;
        } else if (degrees == 0) {
            minutes = -minutes;
        }
    };
    calculator.BirthDateTime = m_Date;
    double latDeg = m_LatDeg, latMin = m_LatMin;
    if (m_LatNs == "S") negate(latDeg, latMin);
    calculator.CL_LatitudeDeg = latDeg;
    calculator.CL_LatitideMin = latMin;
    double lonDeg = m_LonDeg, lonMin = m_LonMin;
    if (m_LonEw == "W") negate(lonDeg, lonMin);
    calculator.CL_LongitudeDeg = lonDeg;
    calculator.CL_LongitudeMin = lonMin;
    calculator.STZ = TZEW == "E" ? TZVal : -TZVal;
    if (!m_DaySavings) calculator.DSAVE = 0;
}

std::optional<DateTime> clsFindSunrise::FnFindSunrise(const DateTime& m_Date, const std::string& m_LatNs,
                                                      double m_LatDeg, double m_LatMin, const std::string& m_LonEw,
                                                      double m_LonDeg, double m_LonMin, bool m_DaySavings,
                                                      double TZVal, const std::string& TZEW) {
    FnSetUpSunrise(calculator_, m_Date, m_LatNs, m_LatDeg, m_LatMin, m_LonEw, m_LonDeg, m_LonMin, m_DaySavings,
                   TZVal, TZEW);
    calculator_.FnCalculate();
    return calculator_.m_dateSunrise;
}

std::optional<DateTime> clsFindSunSet::FnFindSunset(const DateTime& m_Date, const std::string& m_LatNs,
                                                    double m_LatDeg, double m_LatMin, const std::string& m_LonEw,
                                                    double m_LonDeg, double m_LonMin, bool m_DaySavings,
                                                    double TZVal, const std::string& TZEW) {
    FnSetUpSunrise(calculator_, m_Date, m_LatNs, m_LatDeg, m_LatMin, m_LonEw, m_LonDeg, m_LonMin, m_DaySavings,
                   TZVal, TZEW);
    calculator_.FnCalculate();
    return calculator_.m_dateSunset;
}

std::optional<DateTime> clsFindSunrise::FnFindRisingIntoMidnightSun(
    const DateTime& m_Date, const std::string& m_LatNs, double m_LatDeg, double m_LatMin, const std::string& m_LonEw,
    double m_LonDeg, double m_LonMin, bool m_DaySavings, double TZVal, const std::string& TZEW) {
    FnSetUpSunrise(calculator_, m_Date, m_LatNs, m_LatDeg, m_LatMin, m_LonEw, m_LonDeg, m_LonMin, m_DaySavings,
                   TZVal, TZEW);
    return calculator_.FnRisingIntoMidnightSun();
}

}  // namespace jd
