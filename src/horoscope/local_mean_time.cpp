#include "horoscope/local_mean_time.h"

#include <cmath>
#include <string>

#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

std::optional<DateTime> sunriseOf(const DateTime& date) {
    const BirthDetails& b = state().birth;
    return chartObjects().gObjSunrise.FnFindSunrise(date, b.gLatNS, toDouble(b.gLatDeg), toDouble(b.gLatMin),
                                                    b.gLonEW, toDouble(b.gLonDeg), toDouble(b.gLonMin), false,
                                                    toDouble(b.gZoneHours), b.gZoneEW);
}

// The rising into the midnight sun after the date's day, if any.
std::optional<DateTime> risingIntoMidnightSunOf(const DateTime& date) {
    const BirthDetails& b = state().birth;
    return chartObjects().gObjSunrise.FnFindRisingIntoMidnightSun(
        date, b.gLatNS, toDouble(b.gLatDeg), toDouble(b.gLatMin), b.gLonEW, toDouble(b.gLonDeg),
        toDouble(b.gLonMin), false, toDouble(b.gZoneHours), b.gZoneEW);
}

// The sunrise that begins the vedic day of `moment`: that date's sunrise, or
// the previous date's when the moment is not at least one minute (boundary)
// past it, or the next date's when that comes before midnight and the moment
// is at least one minute past it. Where the next date has no sunrise, a
// rising after the date's day into the midnight sun begins the count of a
// moment at least a minute past it.
std::optional<DateTime> sunriseBeginningDayOf(const DateTime& moment) {
    const std::optional<DateTime> sameDay = sunriseOf(moment);
    if (!sameDay) return std::nullopt;
    if (dateDiff(DateUnit::Minute, *sameDay, moment) >= 1) {
        const std::optional<DateTime> nextDay = sunriseOf(dateAdd(DateUnit::Day, 1, moment.datePart()));
        const std::optional<DateTime> later = nextDay ? nextDay : risingIntoMidnightSunOf(moment.datePart());
        if (later && dateDiff(DateUnit::Minute, *later, moment) >= 1) return later;
        return sameDay;
    }
    return sunriseOf(dateAdd(DateUnit::Day, -1, moment.datePart()));
}

long long floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

std::optional<double> FnComputeLocalMeanTime() {
    try {
        SharedState& s = state();
        const BirthDetails& b = s.birth;

        // Longitude in hundredths of a degree (minutes truncated), and the
        // zone meridian, both east positive.
        double longitude = toDouble(b.gLonDeg) + vbInt(toDouble(b.gLonMin) * 100 / 60) / 100;
        if (b.gLonEW == "W") longitude = -longitude;
        double meridian = toDouble(b.gZoneHours) * 15;
        if (b.gZoneEW == "W") meridian = -meridian;

        // Four minutes of time per degree: whole minutes, then whole seconds.
        const double offsetMinutes = 4 * std::fabs(meridian - longitude);
        const double minutes = vbInt(offsetMinutes);
        const double seconds = vbInt((offsetMinutes - minutes) * 60);
        const double direction = longitude < meridian ? -1 : 1;
        DateTime lmt = dateAdd(DateUnit::Minute, direction * minutes, s.gBirthClockTime);
        lmt = dateAdd(DateUnit::Second, direction * seconds, lmt);
        // Kept and shown to the minute.
        lmt = DateTime::of(lmt.year(), lmt.month(), lmt.day(), lmt.hour(), lmt.minute(), 0);
        s.gLocalMeanTime = lmt;
        resultWindows().frm_UserDetails.txtlmt.setCaption(formatDate(lmt, "dd/MMM/YYYY HH:MM AM/PM"));

        // Where the zone meridian lies more than 12 hours of time from the
        // place, across the date line, the local mean time falls on another
        // date than the clock time: the count then starts, like the ishta
        // ghatika's, at the sunrise that begins the clock time's day.
        s.gSunriseTime = sunriseBeginningDayOf(offsetMinutes > 720 ? s.gBirthClockTime : lmt);
        if (!s.gSunriseTime) return std::nullopt;
        // Whole minutes from that sunrise to the birth; a ghatika is 24 minutes,
        // raised to the next whole ghatika when not whole.
        const long long m = dateDiff(DateUnit::Minute, *s.gSunriseTime, s.gBirthClockTime);
        const long long whole = floorDiv(m, 24) + (m % 24 != 0 ? 1 : 0);
        s.gIshtaGhatika = static_cast<double>(whole);
        return s.gIshtaGhatika;
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
        return std::nullopt;
    }
}

void FnComputeIshtaGhatika() {
    try {
        SharedState& s = state();
        Label& label = resultWindows().frm_UserDetails.txtIshtaGhati;
        s.gSunriseTime = sunriseBeginningDayOf(s.gBirthClockTime);
        if (!s.gSunriseTime) {
            label.setCaption("");
            return;
        }
        const long long m = dateDiff(DateUnit::Minute, *s.gSunriseTime, s.gBirthClockTime);
        s.gIshtaGhatika = toDouble(formatNumber(static_cast<double>(m) / 60 * 2.5, "00.0000"));
        // One minute is 150 palas; 60 palas make a vighatika and 60 vighatikas
        // a ghatika. Counted in whole palas so that no rounding of a fraction
        // loses a pala (10 minutes is 0:25:0, never 0:24:59).
        const long long palas = m * 150;
        const long long ghatika = floorDiv(palas, 3600);
        const long long rest = palas - ghatika * 3600;
        label.setCaption(std::to_string(ghatika) + ":" + std::to_string(rest / 60) + ":" +
                         std::to_string(rest % 60));
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
