#pragma once
// Rulers of a sign, of a nakshatra and of a KP sub-division. Planets travel
// between the routines as the fixed English names "Sun", "Moon", "Mars",
// "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Kethu"; every lookup
// here except FnStarLord answers with the display name of the language
// loaded in NameTables.
#include <string>

namespace jd {

// Display name of the lord of the sign holding the longitude: the sign of
// span 30 when chart is exactly "Rasi", else of the navamsa span.
std::string FnSignLord(double longitude, const std::string& chart);

// English name of the vimshottari lord of a star in the 28-star numbering
// (22 "Uttarashada - Abijit" takes Uttarashada's lord); "" outside 1..28.
std::string FnStarLord(int star);

// Display name of an English planet name (case counts); "" for any other text.
std::string FnPlanetDisplayName(const std::string& englishName);

// KP sub lord of the degrees within a sign (0..30) for the signs
// 1, 5, 9 / 2, 6, 10 / 3, 7, 11 / 4, 8, 12; "" below 0 or above 30.
std::string FnSubLordGroup1(double d);
std::string FnSubLordGroup2(double d);
std::string FnSubLordGroup3(double d);
std::string FnSubLordGroup4(double d);

// The sub lord of degrees d within a sign, from the table of the sign's group
// (signs 1, 5, 9 group 1 .. signs 4, 8, 12 group 4); "" for a sign outside 1..12.
std::string FnSubLordForSign(int sign, double d);

}  // namespace jd
