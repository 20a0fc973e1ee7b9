#include "calendar/place_lookup.h"

#include "platform/database.h"
#include "platform/input_controls.h"
#include "platform/text.h"
#include "platform/vb_number.h"

namespace jd {

void FnFillCountryCombo(Database& db, ComboBox& combo) {
    Statement rows = db.query("Select * From Country_Master");
    while (rows.step()) combo.addItem(rows.asText("CountryName"), rows.asInt("CountryID"));
}

std::string FnPlaceLetter(const std::string& text, char a, char b) {
    const std::string u = upperAscii(trim(text));
    return u.size() == 1 && (u[0] == a || u[0] == b) ? u : std::string();
}

std::string FnCoordinateText(double degrees, const std::string& letter, double minutes) {
    return numberText(degrees) + " " + letter + " " + numberText(minutes);
}

std::optional<CityCoordinates> FnReadCityCoordinates(Database& db, std::int32_t cityId) {
    Statement row = db.query("Select * From City_Master Where CityID = ?", cityId);
    if (!row.step()) return std::nullopt;
    CityCoordinates c;
    c.latDeg = row.asDouble("LatitudeDegree");
    c.latMin = row.asDouble("LatitudeMinute");
    c.latNS = row.asText("Latitude_NS");
    c.lonDeg = row.asDouble("LongitudeDegree");
    c.lonMin = row.asDouble("LongitudeMinute");
    c.lonEW = row.asText("Longitude_EW");
    if (!FnIsPlaceLetter(c.latNS, 'N', 'S') || !FnIsPlaceLetter(c.lonEW, 'E', 'W')) return std::nullopt;
    return c;
}

std::optional<TimeZoneRow> FnReadTimeZone(Database& db, std::int32_t zoneSno) {
    Statement row = db.query("Select * From TimeZone Where SNo = ?", zoneSno);
    if (!row.step()) return std::nullopt;
    return TimeZoneRow{row.asText("Place"), row.asDouble("TimeDifference"), row.asText("TimeZone")};
}

}  // namespace jd
