#pragma once
// The lunar month of a date in the two reckonings: purnimanta, whose months
// run from full moon to full moon, and amanta, from new moon to new moon.
// Each month is named after the Sun's sign at the moon that begins it, and
// marked "Adhika" (intercalary) when the moon that ends it has the Sun in
// that same sign, else "Shudha"; the month after an intercalary one is
// ordinary. The lunar year's samvatsara name goes with the month.
//
// The moons are found by stepping the Sun and Moon through whole hours
// counted from the date's midnight and naming the tithi at each hour: the
// moment of a moon is the last whole hour before its tithi (Purnima or
// Amavashya) begins. Positions come from the calendar's own planet-position
// service with the birth place and zone and the ayanamsa in force for the
// chart being cast (ChartAyanamsa).
//
// The results go to CalendarResults. Every call first empties its three
// fields, so a date the calendar cannot place (a place where the Sun does
// not rise that day) or a trapped error (shown in a critical box) leaves
// them empty, never the previous chart's month.
#include <string>

#include "platform/date_time.h"

namespace jd {

// Mode "DP" names a birth before sunrise on the first day of the bright
// fortnight by the sign of the recorded Sun; any other mode (the birth texts
// pass "TP") by the sign before it, the month not having begun at sunrise.
void FnPurnimantaMonth(const DateTime& date, const std::string& mode);
void FnAmantaMonth(const DateTime& date, const std::string& mode);

// The searches from a date: moons recorded going back with the Sun in one
// sign (returns 1 or 2), and the moons counted going forward; the findings
// are left in calendarObjects().purnima / .amavasya. The second argument is
// not used.
int FnFindPurnimaCount(const DateTime& date, double sunLongitude = 0);
int FnFindAmavasyaCount(const DateTime& date, double sunLongitude = 0);

// The tithi of the Sun and Moon longitudes through the calendar's tithi
// calculator: its name, number 1..30 and half ("Bright" or "Dark").
std::string FnTithiName(double sun, double moon);
int FnTithiNumber(double sun, double moon);
std::string FnPakshaName(double sun, double moon);

// Copies the custom ayanamsa's zero year and rate of the stored Preference
// row into ChartAyanamsa (the preferences and start-up use it; the lunar
// month computes with the values already in force for the chart). No row
// leaves them as they were; a trapped error is shown in a critical box.
void FnReadCustomAyanamsa();

}  // namespace jd
