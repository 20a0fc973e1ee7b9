#pragma once
// The sidereal positions of the chart's bodies for the shared birth details:
// lagna, the nine grahas, Gulika and Maandi, the midheaven and the ayanamsa,
// with their sign numbers for one division, and the sun times of the birth
// date.
#include "platform/date_time.h"

namespace jd {

struct BirthDetails;

// Whether the birth date and time name a moment the chart can be cast for: a
// day of the calendar in the years 1800 to 3000, the month by its English
// name or its first three letters in any case, an hour 0 to 23 and a minute
// 0 to 59, each in digits with blanks around them allowed ("05" as a save
// writes it).
bool FnIsBirthMoment(const BirthDetails& b);

// The birth moment of BirthDetails: day "/" month "/" year " " hour ":"
// minute ": 00" read day first (seconds 0). Raises RunTimeError "Type
// mismatch" when the texts make no date and time.
DateTime FnBirthMomentFromDetails();

// Computes BodyPositions (all twelve bodies, midheaven, ayanamsa, birth
// moment), BodySigns for the division span given (30 for the rasi, the
// navamsa span of 3.33333333333333 degrees) and SunTimes of the birth date. The ten
// bodies follow the preference gAyanamsaName, Gulika and Maandi the chart's
// gAyanamsaChoice. Where the sun times that place Gulika and Maandi are not
// found, those two are left out (gGulikaMaandiKnown false). A birth is by
// day between a date's sunrise and its sunset, which far north may come
// after midnight: a birth before that sunset is in that date's day. On a
// date without a sunrise or a sunset, a birth before the date's sunrise (or
// with none) belongs to the day before, by day or in its night; a birth from
// the sunset of a date whose Sun did not rise is in that date's night. A
// night needs only its sunset and the next sunrise.
// A run-time error shows the plain error box and ends the call; fields not
// yet reached keep their values.
void FnCalcBodyPositions(double span);

}  // namespace jd
