#pragma once
// Reading places: the countries for a country box, a city's coordinates from
// City_Master by its CityID and a time zone from TimeZone by its SNo, each
// key bound as a query value. The windows that let the user choose a city and a zone (the birth
// details, the ishta ghatika converters, the saved-chart list) read them here
// and decide themselves what a missing row means for them.
#include <cstdint>
#include <optional>
#include <string>

namespace jd {

class ComboBox;
class Database;

// Adds every country of Country_Master to the combo box in the table's own
// order, each entry's item data its CountryID.
void FnFillCountryCombo(Database& db, ComboBox& combo);

// A hemisphere or direction letter: `a` or `b` in upper case when the text is
// one of the two letters (either case, blanks around it allowed), else empty.
std::string FnPlaceLetter(const std::string& text, char a, char b);
inline bool FnIsPlaceLetter(const std::string& text, char a, char b) { return !FnPlaceLetter(text, a, b).empty(); }

// A latitude or longitude as the place boxes show it: degrees, letter and
// minutes, each number in its shortest form ("17 N 20", "78 E 30").
std::string FnCoordinateText(double degrees, const std::string& letter, double minutes);

// A city's latitude and longitude as its row holds them: degrees, minutes
// and the hemisphere letters as written there.
struct CityCoordinates {
    double latDeg = 0;
    double latMin = 0;
    std::string latNS;
    double lonDeg = 0;
    double lonMin = 0;
    std::string lonEW;
};

// The coordinates of the city of that CityID. Nothing when no row has that
// key, or when its row lacks either hemisphere letter (N or S, E or W): such
// a row is no place to cast for.
std::optional<CityCoordinates> FnReadCityCoordinates(Database& db, std::int32_t cityId);

// A time zone's row: its name, its hours from Greenwich and its direction
// (E or W) as written there.
struct TimeZoneRow {
    std::string place;
    double hours = 0;
    std::string eastWest;
};

// The zone of that SNo; nothing when no row has that key.
std::optional<TimeZoneRow> FnReadTimeZone(Database& db, std::int32_t zoneSno);

}  // namespace jd
