#pragma once
// The samvatsara (the year of the 60-year cycle) and the Kali year.
#include <string>

#include "platform/date_time.h"

namespace jd {

// The samvatsara name of a Gregorian year from table KaliyugaYearDetails
// (on the shared connection), leaving the year's row in the calendar's
// samvatsara working values (gDayVal, gYearRemain ...) for the solar new
// year. A year whose row is missing gives the empty text and marks the
// lookup as not found; the values of an earlier year are never passed off
// as this year's. A trapped error is shown in a critical box; the result is
// then empty.
std::string FnSamvatsaraDetails(int year);

// The Kali year of a date: 0 before 1866, else its calendar year + 3101
// (reckoned from the first day of the 60-year cycle that holds it).
int FnKaliYearNumber(const DateTime& date);

namespace calendar_detail {
// FnSamvatsaraDetails without the trap: errors reach the caller.
std::string samvatsaraDetails(int year);
}  // namespace calendar_detail

}  // namespace jd
