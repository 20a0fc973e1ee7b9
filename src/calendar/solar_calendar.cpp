#include "calendar/solar_calendar.h"

#include <array>
#include <cmath>

#include "calendar/calendar_errors.h"
#include "calendar/calendar_objects.h"
#include "calendar/samvatsara.h"
#include "calendar/sun_times.h"
#include "platform/vb_date.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// Raised inside the calendar where it is not defined (see the header); the
// public routines catch it and leave their fields empty.
struct CalendarGap {};

DateTime need(const std::optional<DateTime>& t) {
    if (!t) throw CalendarGap{};
    return *t;
}

// The constants of the 60-year cycle that holds a year: the day fraction
// added to the row's YearRemain and the weekday step added to its DayVal.
struct Cycle {
    double constant;
    int weekdayStep;
};

// The candidate days of April for the Sun's entry into Mesha. Up to 2099
// the week from 11 to 17 April, which holds every weekday, so that every
// year has its new year. From 2100 the cycle constants drift from the Sun's
// true entry (15 April in 2100, 19 April by 2500): the days widen no
// further than 12 to 16 April, and a year whose weekday falls on none of
// them has no new year rather than one days away from the Sun's entry.
struct Candidates {
    int first;
    int last;
};

Candidates candidateDays(int year) { return year <= 2099 ? Candidates{11, 17} : Candidates{12, 16}; }

std::optional<Cycle> cycleOf(int year) {
    if (year < 1866) return std::nullopt;
    if (year <= 1925) return Cycle{0.7189, 4};
    if (year <= 1985) return Cycle{0.2397, 3};
    if (year <= 2045) return Cycle{0.7609, 1};
    return Cycle{0.2814, 0};
}

// The offset of each month's start from the new year: whole days and a
// fraction of a day (the first month starts at the new year itself).
struct MonthOffset {
    const char* name;
    int days;
    double fraction;
};

const std::array<MonthOffset, 12> kMonths = {{
    {"Chaitra", 0, 0},
    {"Vaisakha", 30, 0.9255},
    {"Jyeshtha", 62, 0.3289},
    {"Ashadha", 93, 0.9394},
    {"Sravana", 125, 0.4094},
    {"Bhadrapada", 156, 0.4456},
    {"Asvina", 186, 0.9017},
    {"Karttika", 216, 0.8036},
    {"Margasira", 246, 0.3103},
    {"Pausha", 275, 0.6583},
    {"Magha", 305, 0.1128},
    {"Phalguna", 334, 0.9194},
}};

// A moment plus the whole hours and whole minutes of a day fraction.
DateTime plusDayFraction(const DateTime& t, double fraction) {
    const double h = fraction * 24;
    const double m = (h - std::floor(h)) * 60;
    return dateAdd(DateUnit::Minute, std::floor(m), dateAdd(DateUnit::Hour, std::floor(h), t));
}

struct NewYear {
    DateTime start;   // the new-year sunrise
    double fraction;  // the entry's fraction of a day
};

NewYear newYearOf(int year) {
    SolarWorking& w = calendarObjects().solar;
    w.gSolarCalcYear = year;
    const auto cycle = cycleOf(year);
    if (!cycle) throw CalendarGap{};
    calendar_detail::samvatsaraDetails(year);
    const SamvatsaraLookup& row = calendarObjects().samvatsara;
    if (!row.found) throw CalendarGap{};

    // The entry: its weekday from the whole days, its time of day from the
    // fraction.
    const double v = row.gYearRemain + cycle->constant;
    int weekdayNumber = static_cast<int>(std::floor(v)) + row.gDayVal + cycle->weekdayStep;
    const std::string wanted = FnWeekdayName(weekdayNumber);
    if (wanted.empty()) throw CalendarGap{};
    const Candidates days = candidateDays(year);
    std::optional<DateTime> entryDay;
    for (int day = days.first; day <= days.last && !entryDay; ++day) {
        const DateTime candidate = DateTime::of(year, 4, day);
        if (weekdayName(weekday(candidate)) == wanted) entryDay = candidate;
    }
    if (!entryDay) throw CalendarGap{};

    const double fraction = v - std::floor(v);
    calendar_detail::sunriseSunsetOfDay(*entryDay);
    const SunTimes& sun = state().sunTimes;
    const DateTime entry = plusDayFraction(*entryDay, fraction);
    const DateTime start = entry < need(sun.gDaySunset) ? need(sun.gDaySunrise) : need(sun.gNextDaySunrise);
    w.gSolarYearStart = start;
    w.gNewYearDayFraction = fraction;
    return {start, fraction};
}

// The month starts of the solar year that began at ny.
std::array<DateTime, 12> monthStarts(const NewYear& ny) {
    SolarWorking& w = calendarObjects().solar;
    calendar_detail::sunriseSunsetOfDay(calendar_detail::dateOfSunrise(ny.start));
    const DateTime yearStart = need(state().sunTimes.gDaySunrise);
    w.gSolarYearStart = yearStart;

    std::array<DateTime, 12> starts{};
    starts[0] = yearStart;
    for (std::size_t j = 1; j < kMonths.size(); ++j) {
        const double v = ny.fraction + kMonths[j].fraction;
        const DateTime t = plusDayFraction(
            dateAdd(DateUnit::Day, std::floor(v) + kMonths[j].days, yearStart), v - std::floor(v));
        // Like the year, a month whose offset ends at or after sunset begins
        // with the next morning.
        calendar_detail::sunriseSunsetOfDay(t);
        const DateTime sunset = need(state().sunTimes.gDaySunset);
        starts[j] = need(calendar_detail::sunriseOfDay(t >= sunset ? dateAdd(DateUnit::Day, 1, t) : t));
    }
    for (std::size_t j = 0; j < kMonths.size(); ++j) {
        w.gSolarMonthNames[j] = kMonths[j].name;
        w.gSolarMonthStarts[j] = starts[j];
    }
    return starts;
}

// The month 1..12 of the year beginning at N that holds the moment.
int monthOf(const DateTime& N, const std::array<DateTime, 12>& starts, const DateTime& moment) {
    if (N <= moment && moment < starts[1]) return 1;
    for (int j = 2; j <= 11; ++j) {
        if (starts[static_cast<std::size_t>(j - 1)] <= moment && moment < starts[static_cast<std::size_t>(j)]) return j;
    }
    if (moment >= starts[11]) return 12;
    throw CalendarGap{};  // the moment lies before the year
}

// The day of month j holding the moment; days begin at sunrise.
int monthDay(const DateTime& N, int j, const std::array<DateTime, 12>& starts, const DateTime& moment) {
    const DateTime lower = j == 1 ? N : starts[static_cast<std::size_t>(j - 1)];
    const std::optional<DateTime> upper =
        j == 12 ? std::nullopt : std::optional<DateTime>(starts[static_cast<std::size_t>(j)]);
    long long n = 0;
    // Days are counted from the date whose day the month's sunrise begins.
    if (lower <= moment && (!upper || moment < *upper))
        n = dateDiff(DateUnit::Day, calendar_detail::dateOfSunrise(lower), moment);

    calendar_detail::sunriseSunsetOfDay(moment);
    const DateTime today = need(state().sunTimes.gDaySunrise);
    calendar_detail::sunriseSunsetOfDay(dateAdd(DateUnit::Day, 1, moment));
    const DateTime tomorrow = need(state().sunTimes.gDaySunrise);
    calendar_detail::sunriseSunsetOfDay(dateAdd(DateUnit::Day, -1, moment));
    const DateTime yesterday = need(state().sunTimes.gDaySunrise);

    long long day = 0;
    if (today <= moment && moment < tomorrow) {
        day = n + 1;
    } else if (yesterday < moment && moment < today) {
        day = n;  // the day has not yet begun at sunrise
    } else if (tomorrow <= moment) {
        day = n + 2;  // the next date's day began before midnight
    } else {
        throw CalendarGap{};
    }
    return day == 0 ? 1 : static_cast<int>(day);
}

struct MonthAndDay {
    std::string month;
    int day;
};

MonthAndDay solarMonth(const NewYear& ny, const DateTime& moment) {
    const auto starts = monthStarts(ny);
    const int j = monthOf(ny.start, starts, moment);
    return {kMonths[static_cast<std::size_t>(j - 1)].name, monthDay(ny.start, j, starts, moment)};
}

}  // namespace

void FnSolarYearData(const DateTime& moment) {
    CalendarResults& r = state().calendar;
    r.gSolarYearName.clear();
    r.gKaliYear = 0;
    r.gSolarMonth.clear();
    r.gSolarDay = 0;
    SolarWorking& w = calendarObjects().solar;
    w.gSolarNewYear.reset();
    w.previousNewYear.reset();
    try {
        const int year = moment.year();
        std::optional<NewYear> current;
        try {
            current = newYearOf(year);
            w.gSolarNewYear = current->start;
        } catch (const CalendarGap&) {
            // No new year begins before its first candidate day: an earlier
            // moment still belongs to the year before, whatever this year's
            // new year is.
            if (moment >= DateTime::of(year, 4, candidateDays(year).first)) throw;
        }
        // The next new year falls in the following April, always after the
        // moment, so it need not be computed.
        NewYear base{};
        int baseYear = year;
        if (current && moment >= current->start) {
            base = *current;
        } else {
            base = newYearOf(year - 1);
            w.previousNewYear = base.start;
            baseYear = year - 1;
            if (moment < base.start) throw CalendarGap{};
        }
        const MonthAndDay md = solarMonth(base, moment);
        const std::string name = calendar_detail::samvatsaraDetails(baseYear);
        r.gSolarMonth = md.month;
        r.gSolarDay = md.day;
        r.gSolarYearName = name;
        r.gKaliYear = FnKaliYearNumber(base.start);
    } catch (const CalendarGap&) {
        // not defined here: the fields stay empty
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
    }
}

std::optional<DateTime> FnSolarNewYearDate() {
    try {
        return newYearOf(calendarObjects().solar.gSolarCalcYear).start;
    } catch (const CalendarGap&) {
        return std::nullopt;
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return std::nullopt;
    }
}

bool FnSolarMonth(const DateTime& N, const DateTime& moment) {
    try {
        const NewYear ny = newYearOf(N.year());
        const MonthAndDay md = solarMonth(ny, moment);
        state().calendar.gSolarMonth = md.month;
        state().calendar.gSolarDay = md.day;
        return true;
    } catch (const CalendarGap&) {
        return false;
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return false;
    }
}

bool FnSolarMonthDay(const DateTime& N, int j, const DateTime& moment) {
    try {
        if (j < 1 || j > 12) throw RunTimeError::subscriptOutOfRange();
        const SolarWorking& w = calendarObjects().solar;
        std::array<DateTime, 12> starts{};
        for (std::size_t i = 0; i < starts.size(); ++i) starts[i] = need(w.gSolarMonthStarts[i]);
        state().calendar.gSolarDay = monthDay(N, j, starts, moment);
        return true;
    } catch (const CalendarGap&) {
        return false;
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return false;
    }
}

}  // namespace jd
