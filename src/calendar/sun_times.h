#pragma once
// The sun times of a day at the birth place, for the calendar's
// computations, and the English weekday names.
//
// The times go into the shared record SunTimes; an event that does not
// happen on the day (midnight sun, polar night) is left empty there, never
// the time of another day's event. A sunset that comes after midnight on the
// clock (far north in summer) is the day's own, on the next date.
#include <optional>
#include <string>

#include "platform/date_time.h"

namespace jd {

// Sets gDaySunrise and gDaySunset of the date of d and gNextDaySunrise of the
// day after. Only the date of d counts. A trapped error (a place text that is
// no number) is shown in a critical box; the fields set before it stay.
void FnSunriseSunsetOfDay(const DateTime& d);

// Sets gDaySunrise of the date of d and returns it.
std::optional<DateTime> FnSunriseOfDay(const DateTime& d);

// "Sunday" for 1 .. "Saturday" for 7; a number of 8 or more is first folded
// by sevens, and the folded number is left in the caller's variable; 0 or
// less gives the empty text.
std::string FnWeekdayName(int& n);

namespace calendar_detail {
// The same without the trap: errors reach the caller.
void sunriseSunsetOfDay(const DateTime& d);
std::optional<DateTime> sunriseOfDay(const DateTime& d);
// The date whose day a sunrise begins: its clock date, or the next date for a
// rising before midnight that begins the next date's day (far north in
// summer). Sets no SunTimes field.
DateTime dateOfSunrise(const DateTime& sunrise);
}  // namespace calendar_detail

}  // namespace jd
