#include "calendar/sun_times.h"

#include "calendar/calendar_errors.h"
#include "calendar/calendar_objects.h"
#include "platform/vb_date.h"
#include "state/shared_records.h"

namespace jd {
namespace calendar_detail {
namespace {

std::optional<DateTime> sunrise(const DateTime& d, const CalendarPlace& p) {
    return calendarObjects().gObjCalSunrise.FnFindSunrise(d, p.latNS, p.latDeg, p.latMin, p.lonEW, p.lonDeg,
                                                          p.lonMin, false, p.zoneHours, p.zoneEW);
}

std::optional<DateTime> sunset(const DateTime& d, const CalendarPlace& p) {
    return calendarObjects().gObjCalSunset.FnFindSunset(d, p.latNS, p.latDeg, p.latMin, p.lonEW, p.lonDeg,
                                                        p.lonMin, false, p.zoneHours, p.zoneEW);
}

}  // namespace

void sunriseSunsetOfDay(const DateTime& d) {
    const CalendarPlace p = FnCalendarPlace();
    SunTimes& s = state().sunTimes;
    s.gDaySunrise = sunrise(d, p);
    s.gDaySunset = sunset(d, p);
    s.gNextDaySunrise = sunrise(dateAdd(DateUnit::Day, 1, d), p);
}

DateTime dateOfSunrise(const DateTime& sunrise) {
    const DateTime d = sunrise.datePart();
    if (sunrise.hour() < 12) return d;
    const std::optional<DateTime> own = calendar_detail::sunrise(d, FnCalendarPlace());
    return own && *own == sunrise ? d : dateAdd(DateUnit::Day, 1, d);
}

std::optional<DateTime> sunriseOfDay(const DateTime& d) {
    const CalendarPlace p = FnCalendarPlace();
    state().sunTimes.gDaySunrise = sunrise(d, p);
    return state().sunTimes.gDaySunrise;
}

}  // namespace calendar_detail

void FnSunriseSunsetOfDay(const DateTime& d) {
    try {
        calendar_detail::sunriseSunsetOfDay(d);
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
    }
}

std::optional<DateTime> FnSunriseOfDay(const DateTime& d) {
    try {
        return calendar_detail::sunriseOfDay(d);
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return std::nullopt;
    }
}

std::string FnWeekdayName(int& n) {
    if (n >= 8) n = (n - 1) % 7 + 1;
    if (n <= 0) return {};
    return weekdayName(n);
}

}  // namespace jd
