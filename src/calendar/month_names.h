#pragma once
// Names the lunar-month search turns its findings into: the sign of a Sun
// longitude, the lunar month named after the Sun's sign, and the samvatsara
// of the lunar year a month belongs to.
#include <string>

#include "platform/date_time.h"

namespace jd {

// The sign of a longitude in capitals ("ARIES" .. "PISCES", spelled
// "SAGITARIUS" and "CAPRICON" as everywhere in the program). Sign k holds
// 30(k-1) up to and including 30k, so 30 is still "ARIES" and 360 "PISCES";
// a longitude below 0 or above 360 gives the empty text.
std::string FnSignNameUpper(double longitude);
// The sign before the one that holds the longitude ("PISCES" before "ARIES").
std::string FnPrevSignNameUpper(double longitude);

// The lunar month named after the Sun's sign at the moon that begins it:
// kind "purnima" or "amavasya" and the sign, both in any case of letters
// ("pisces" gives "Chaitra"). The two kinds differ only in the spelling of
// the month of Libra ("Karttika" and "Kartikka"). Any other kind or sign
// gives the empty text.
std::string FnLunarMonthFromSunSign(const std::string& kind, const std::string& sign);

// The samvatsara name of the lunar year to which the month of a date
// belongs: the months from Chaitra to Bhadrapada take the date's year, the
// months from Asvina to Phalguna the year before when the date falls in
// January to April. Any other month name, or a year without its row, gives
// the empty text; a trapped error is shown in a critical box.
std::string FnLunarYearName(const DateTime& date, const std::string& month);

namespace calendar_detail {
// FnLunarYearName without the trap.
std::string lunarYearName(const DateTime& date, const std::string& month);
}  // namespace calendar_detail

}  // namespace jd
