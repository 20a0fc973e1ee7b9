#pragma once
// The sidereal solar calendar at the birth place. The year begins at the
// Sun's entry into Mesha, which falls between 11 and 17 April (from 2100
// between 12 and 16 April, and a year whose entry weekday falls on none of
// those days has no new year); the entry's weekday and time of day follow
// from the year's row of the 60-year cycle and a constant of the cycle, and
// the year begins at the sunrise of the entry day, or of the next day when
// the entry comes at or after sunset.
// The twelve months start at fixed offsets from the new year, each at a
// sunrise in the same way.
//
// A moment on or after a year's new-year sunrise belongs to that solar year;
// one from 1 January up to that sunrise to the year that began the April
// before. The solar fields of CalendarResults are left empty (Kali year 0,
// day 0) where the calendar is not defined: years before 1866, a year
// without its row, a year from 2100 without a new year, and places where a
// sunrise or sunset it needs does not happen.
#include <optional>

#include "platform/date_time.h"

namespace jd {

// Fills gSolarYearName, gKaliYear, gSolarMonth and gSolarDay of
// CalendarResults for the moment. A trapped error is shown in a critical box
// and leaves the four fields empty.
void FnSolarYearData(const DateTime& moment);

// The new-year sunrise of the year gSolarCalcYear (of the calendar's solar
// working values); also sets gSolarYearStart and gNewYearDayFraction.
// Nothing when that new year is not defined.
std::optional<DateTime> FnSolarNewYearDate();

// Fills the month names and starts of the solar year that began at the new
// year N, and gSolarMonth and gSolarDay for the moment (which must lie in
// that year). Returns false where the months are not defined.
bool FnSolarMonth(const DateTime& N, const DateTime& moment);

// Sets gSolarDay: the day of month j (1..12, starts from the working values)
// that holds the moment; each day begins at sunrise. Returns false where a
// sunrise it needs does not happen.
bool FnSolarMonthDay(const DateTime& N, int j, const DateTime& moment);

}  // namespace jd
