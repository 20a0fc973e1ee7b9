#pragma once
// The run time's date functions on DateTime values: adding and counting
// intervals, weekdays, building a time or a date from parts, and turning
// moments into text and back. Texts are always day-first with English month
// and weekday names, whatever the machine's locale.
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace jd {

// The interval units of DateAdd and DateDiff: "yyyy", "m", "d", "h", "n", "s".
enum class DateUnit { Year, Month, Day, Hour, Minute, Second };

// The unit named by an interval text (case ignored); any other text raises
// RunTimeError::invalidCall().
DateUnit dateUnit(std::string_view interval);

// The moment plus `number` units. A count that is not whole is first taken to
// the nearest whole number, an exact half to the even one. Adding months or
// years keeps the day of the month; a day the new month lacks becomes its last
// day (31 Jan + 1 month = 28 or 29 Feb). A result outside years 1..9999
// raises RunTimeError::invalidCall().
DateTime dateAdd(DateUnit unit, double number, const DateTime& t);
DateTime dateAdd(std::string_view interval, double number, const DateTime& t);

// The number of unit boundaries crossed from `from` to `to` (negative when
// `to` is earlier): 10:00:59 to 10:01:00 is one minute, 31 Dec to 1 Jan one
// year, whatever the time between them.
long long dateDiff(DateUnit unit, const DateTime& from, const DateTime& to);
long long dateDiff(std::string_view interval, const DateTime& from, const DateTime& to);

// 1 = Sunday .. 7 = Saturday.
int weekday(const DateTime& t);
// "Sunday" for 1 .. "Saturday" for 7; other numbers raise invalidCall().
std::string weekdayName(int weekdayNumber);

// "Jan" .. "Dec" for 1..12; other numbers raise invalidCall().
std::string monthAbbreviation(int month);
// "January" .. "December" for 1..12; other numbers raise invalidCall().
std::string monthName(int month);
// 1..12 for an English month name or its first three letters, case ignored;
// 0 for any other text.
int monthFromName(std::string_view name);

// A time of day from hours, minutes and seconds, each of which may lie outside
// its usual range: the total h*3600 + m*60 + s counts from midnight of day
// zero, so 60 seconds make a minute, 24 hours or more fall on day one
// (31 Dec 1899) and negative parts count back. Each part must fit a 16-bit
// integer, else RunTimeError::overflow().
DateTime timeSerial(int hour, int minute, int second);

// A date from year, month and day, months and days carrying into the next
// (or previous) month or year: (2000, 13, 1) is 1 Jan 2001, (2000, 3, 0) is
// 29 Feb 2000. A result outside years 1..9999 raises invalidCall().
DateTime dateSerial(int year, int month, int day);

// The moment in a date-time pattern. Letters are case-insensitive except in
// "AM/PM" (kept as written: "am/pm" gives lower case):
//   d dd ddd dddd   day, two-digit day, "Mon", "Monday"
//   m mm mmm mmmm   month, two-digit month, "Jul", "July"; m or mm right after
//                   an hour means minutes ("HH:MM")
//   yy yyyy         two- and four-digit year
//   h hh            hour, 12-hour clock ("12" after midnight and noon) when the
//                   pattern holds AM/PM, else 24-hour
//   n nn, s ss      minutes, seconds
//   AM/PM am/pm A/P a/p   the half of the day
// "/" and ":" are written as they are; text in double quotes and a character
// after a backslash are copied; any other character is copied.
std::string formatDate(const DateTime& t, std::string_view pattern);

// A date text read day-first, then written in `pattern`: the run time's way of
// formatting a text that holds a date. Raises RunTimeError::typeMismatch() when
// the text is no date.
std::string formatDateText(std::string_view text, std::string_view pattern);

// The general date text: a moment of day zero shows its time alone
// ("14:15:00"); any other moment "DD/MM/YYYY HH:MM:SS", or the date alone
// ("14/07/1965") at exactly midnight.
std::string generalDateText(const DateTime& t);

// Reads a date and/or time text day-first: a date of day, month (number or
// English name) and year joined by "/" or "-" ("12/4/2000", "14/Jul/1965"),
// a time of hours and minutes with optional seconds joined by ":" and an
// optional "AM"/"PM" ("14:15:00", "02:15 PM", "14:15: 00"), or a date, blanks
// and a time. Blanks around the parts are ignored. A time alone falls on day
// zero; a date alone at midnight. A year of one or two digits is taken as
// 1930..2029. An invalid date or time (30 February, hour 24, minute 60) or any
// other text raises RunTimeError::typeMismatch().
DateTime parseDate(std::string_view text);
// Whether parseDate would read the text.
bool isDate(std::string_view text);

}  // namespace jd
