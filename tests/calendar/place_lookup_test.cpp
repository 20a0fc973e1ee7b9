// Reading a city's coordinates and a time zone by their keys.
#include "calendar/place_lookup.h"

#include "calendar_fixture.h"

using namespace jd;
using namespace jd::calendar_testing;

class PlaceLookup : public CalendarTest {};

TEST_F(PlaceLookup, ACityIsReadOnlyWithBothHemisphereLetters) {
    Database& db = openDatabase();
    struct Case {
        const char* ns;
        const char* ew;
        bool found;
    };
    const Case cases[] = {{"N", "E", true}, {" s", "w ", true}, {"", "E", false},
                          {"N", "X", false}, {"NS", "E", false}, {"S", "", false}};
    int key = 90000;
    for (const Case& c : cases) {
        db.execute(
            "Insert Into City_Master (CityID, CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute,"
            " LongitudeDegree, Longitude_EW, LongitudeMinute) Values (?, 'Testpur', 90, 12, ?, 5.5, 140, ?, 7)",
            key, std::string(c.ns), std::string(c.ew));
        const auto city = FnReadCityCoordinates(db, key++);
        ASSERT_EQ(city.has_value(), c.found) << "'" << c.ns << "' '" << c.ew << "'";
        if (!city) continue;
        // The letters stay as written; the numbers are the row's.
        EXPECT_EQ(city->latNS, c.ns);
        EXPECT_EQ(city->lonEW, c.ew);
        EXPECT_EQ(FnCoordinateText(city->latDeg, city->latNS, city->latMin), "12 " + std::string(c.ns) + " 5.5");
        EXPECT_EQ(FnCoordinateText(city->lonDeg, city->lonEW, city->lonMin), "140 " + std::string(c.ew) + " 7");
    }
    EXPECT_FALSE(FnReadCityCoordinates(db, key));
}

TEST_F(PlaceLookup, AZoneIsReadByItsKey) {
    Database& db = openDatabase();
    db.execute("Insert Into TimeZone (SNo, Place, TimeDifference, TimeZone) Values (5000, 'Low''s Zone', 3.75, 'w')");
    const auto zone = FnReadTimeZone(db, 5000);
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->place, "Low's Zone");
    EXPECT_EQ(zone->hours, 3.75);
    EXPECT_EQ(zone->eastWest, "w");
    EXPECT_EQ(FnPlaceLetter(zone->eastWest, 'E', 'W'), "W");
    EXPECT_FALSE(FnReadTimeZone(db, 5001));
}
