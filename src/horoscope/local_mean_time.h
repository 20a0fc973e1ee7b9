#pragma once
// Local mean time and ishta ghatika of the birth, both starting from
// gBirthClockTime and the place and zone of BirthDetails.
#include <optional>

namespace jd {

// Local mean time: the clock time moved by 4 minutes per degree between the
// birthplace's longitude and its zone meridian (east and zone "E" positive),
// forward when the place lies east of the meridian, back when west; shown in
// frm_UserDetails.txtlmt to the minute and kept in gLocalMeanTime.
// Then finds the sunrise that begins the birth's day (the day before when the
// local mean time is not at least a minute past that date's sunrise; reckoned
// from the clock time instead when the zone meridian lies more than 12 hours
// of time from the place, across the date line), keeps it
// in gSunriseTime and returns the ishta ghatika rounded up to a whole number
// (also kept in gIshtaGhatika). Returns nothing when that sunrise is not
// found, or when a run-time error was reported (plain box).
std::optional<double> FnComputeLocalMeanTime();

// Ishta ghatika: ghatikas (24 minutes) from the sunrise that begins the
// birth's day to the birth, kept in gIshtaGhatika to four decimals and shown
// in frm_UserDetails.txtIshtaGhati as ghatikas:vighatikas:palas. The label is
// left empty when that sunrise is not found.
void FnComputeIshtaGhatika();

}  // namespace jd
