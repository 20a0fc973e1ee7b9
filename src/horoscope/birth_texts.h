#pragma once
// The texts of the birth-details result window frm_UserDetails: who and when,
// clock, local mean and Greenwich times, ishta ghatika, place, sunrise and
// sunset, ayanamsa, weekdays, lunar and solar dates, Kali year, ayana, and
// the almanac elements of the birth (lagna, star and pada, tithi and paksha,
// karana, Moon sign, yoga).
#include <string>

namespace jd {

// Fills the thirty labels of frm_UserDetails in the order of the window's
// almanac, from BirthDetails, Preferences, BodyPositions and BodySigns (the
// rasi positions must be computed and the name tables loaded). Sets
// gBirthClockTime and, through the calendar, CalendarResults. When the
// birth date has no sunrise (or no sunset) at the place, the texts that need
// it stay empty. A run-time error ends the fill with the plain error box;
// labels not yet reached keep their captions.
void FnFillPanchangaText();

// "h : mm  AM" of an hour text 0..23 and a minute text as held: hour 0 is
// 12 AM, 12 is 12 PM, 13..23 are 1..11 PM; 1..11 keep their text as held.
// A text that is no number raises "Type mismatch".
std::string FnTimeOfBirthText(const std::string& hour, const std::string& minute);

}  // namespace jd
