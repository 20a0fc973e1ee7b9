#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/cls_sunrise.h"
#include "platform/date_time.h"

using jd::clsFindSunrise;
using jd::clsFindSunSet;
using jd::clsSunrise;
using jd::DateTime;

namespace {

struct Place {
    std::string latNs;
    double latDeg, latMin;
    std::string lonEw;
    double lonDeg, lonMin;
    double zone;
    std::string zoneEw;
};

const Place kNewDelhi{"N", 28, 37, "E", 77, 13, 5.5, "E"};
const Place kSamplePlace{"N", 17, 20, "E", 78, 30, 5.5, "E"};
const Place kTromso{"N", 69, 39, "E", 18, 57, 1, "E"};
const Place kLulea{"N", 65, 35, "E", 22, 9, 1, "E"};
const Place kBoden{"N", 65, 50, "E", 21, 41, 1, "E"};
const Place kMurmansk{"N", 68, 59, "E", 33, 6, 3, "E"};
const Place kTornio{"N", 65, 51, "E", 24, 9, 2, "E"};

std::optional<DateTime> sunrise(const Place& p, const DateTime& date) {
    clsFindSunrise f;
    return f.FnFindSunrise(date, p.latNs, p.latDeg, p.latMin, p.lonEw, p.lonDeg, p.lonMin, false, p.zone, p.zoneEw);
}

std::optional<DateTime> sunset(const Place& p, const DateTime& date) {
    clsFindSunSet f;
    return f.FnFindSunset(date, p.latNs, p.latDeg, p.latMin, p.lonEw, p.lonDeg, p.lonMin, false, p.zone, p.zoneEw);
}

}  // namespace

TEST(Sunrise, KnownPlacesToTheMinute) {
    struct Case {
        const char* what;
        Place place;
        DateTime date;
        std::optional<DateTime> rise, set;
    };
    const Case cases[] = {
        {"New Delhi", kNewDelhi, DateTime::of(2000, 1, 1), DateTime::of(2000, 1, 1, 7, 14),
         DateTime::of(2000, 1, 1, 17, 35)},
        {"sample place", kSamplePlace, DateTime::of(1965, 7, 14), DateTime::of(1965, 7, 14, 5, 50),
         DateTime::of(1965, 7, 14, 18, 54)},
        // The time of day of the date given plays no part.
        {"sample place, evening", kSamplePlace, DateTime::of(1965, 7, 14, 21, 37, 12),
         DateTime::of(1965, 7, 14, 5, 50), DateTime::of(1965, 7, 14, 18, 54)},
        // Far north a date's day is the daylight whose middle falls on it:
        // a date that rises twice keeps the first rising (Boden rises again at
        // 23:57, Luleå at 23:59:46), a date whose Sun sets before it rises has
        // the rising before midnight (Luleå's rounds to 00:00 of the 20th),
        // and a day without sunrise keeps its sunset.
        {"Boden", kBoden, DateTime::of(2041, 6, 12), DateTime::of(2041, 6, 12, 0, 2), DateTime::of(2041, 6, 12, 23, 10)},
        {"Boden", kBoden, DateTime::of(2041, 6, 13), DateTime::of(2041, 6, 12, 23, 57),
         DateTime::of(2041, 6, 13, 23, 16)},
        {"Luleå", kLulea, DateTime::of(2049, 6, 19), DateTime::of(2049, 6, 19, 0, 0), DateTime::of(2049, 6, 19, 23, 6)},
        {"Luleå", kLulea, DateTime::of(2049, 6, 20), DateTime::of(2049, 6, 20, 0, 0), DateTime::of(2049, 6, 20, 23, 7)},
        {"Tromsø", kTromso, DateTime::of(2049, 7, 25), std::nullopt, DateTime::of(2049, 7, 25, 23, 25)},
        // The midnight sun ending with a setting just after midnight: the
        // date before, which neither rises nor sets, has it.
        {"Murmansk", kMurmansk, DateTime::of(2049, 7, 22), std::nullopt, DateTime::of(2049, 7, 23, 0, 26)},
        {"Tornio", kTornio, DateTime::of(2049, 6, 26), std::nullopt, DateTime::of(2049, 6, 27, 0, 26)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sunrise(c.place, c.date), c.rise) << c.what;
        EXPECT_EQ(sunset(c.place, c.date), c.set) << c.what;
    }
}

TEST(Sunrise, PolarDayAndNightReportNotFound) {
    // Midnight sun: neither event happens on 21 June.
    EXPECT_EQ(sunrise(kTromso, DateTime::of(2021, 6, 21)), std::nullopt);
    EXPECT_EQ(sunset(kTromso, DateTime::of(2021, 6, 21)), std::nullopt);
    // Polar night: the Sun stays below the horizon all of 21 December.
    EXPECT_EQ(sunrise(kTromso, DateTime::of(2021, 12, 21)), std::nullopt);
    EXPECT_EQ(sunset(kTromso, DateTime::of(2021, 12, 21)), std::nullopt);
}

TEST(Sunrise, NotFoundNeverRepeatsTheEarlierDay) {
    // One facade reused: a day without the event must not show the previous
    // calculation's moment.
    clsFindSunrise rise;
    clsFindSunSet set;
    const Place& p = kTromso;
    ASSERT_TRUE(rise.FnFindSunrise(DateTime::of(2021, 3, 21), p.latNs, p.latDeg, p.latMin, p.lonEw, p.lonDeg,
                                   p.lonMin, false, p.zone, p.zoneEw));
    ASSERT_TRUE(set.FnFindSunset(DateTime::of(2021, 3, 21), p.latNs, p.latDeg, p.latMin, p.lonEw, p.lonDeg,
                                 p.lonMin, false, p.zone, p.zoneEw));
    EXPECT_FALSE(rise.FnFindSunrise(DateTime::of(2021, 12, 21), p.latNs, p.latDeg, p.latMin, p.lonEw, p.lonDeg,
                                    p.lonMin, false, p.zone, p.zoneEw));
    EXPECT_FALSE(set.FnFindSunset(DateTime::of(2021, 6, 21), p.latNs, p.latDeg, p.latMin, p.lonEw, p.lonDeg,
                                  p.lonMin, false, p.zone, p.zoneEw));
}

TEST(Sunrise, LoneEventsAtTheEdgesOfThePolarSeasons) {
    // On the last day before the midnight sun the Sun still rises just after
    // midnight but does not set again that day; on the first day after it,
    // the Sun sets before midnight and rises only the next day. The missing
    // event is not found, never taken from the next day.
    EXPECT_EQ(sunrise(kTromso, DateTime::of(2021, 5, 17)), DateTime::of(2021, 5, 17, 0, 13));
    EXPECT_EQ(sunset(kTromso, DateTime::of(2021, 5, 17)), std::nullopt);
    EXPECT_EQ(sunrise(kTromso, DateTime::of(2021, 7, 25)), std::nullopt);
    EXPECT_EQ(sunset(kTromso, DateTime::of(2021, 7, 25)), DateTime::of(2021, 7, 25, 23, 31));

    // Every event found around the four edges lies on its own date (or is
    // midnight of the next date, for an event that rounds to 24:00).
    for (const DateTime first : {DateTime::of(2021, 5, 10), DateTime::of(2021, 7, 20), DateTime::of(2021, 11, 20),
                                 DateTime::of(2022, 1, 8)}) {
        for (int i = 0; i < 14; ++i) {
            const DateTime date = DateTime::fromTotalSeconds(first.totalSeconds() + i * 86400LL);
            const DateTime next = DateTime::fromTotalSeconds(date.totalSeconds() + 86400);
            for (const auto& moment : {sunrise(kTromso, date), sunset(kTromso, date)}) {
                if (!moment) continue;
                EXPECT_GE(*moment, date);
                EXPECT_LE(*moment, next);
            }
        }
    }
}

TEST(Sunrise, HemisphereLettersAndZoneSigns) {
    struct Case {
        const char* ns;
        double latDeg, latMin;
        const char* ew;
        double lonDeg, lonMin;
        const char* zoneEw;
        double wantLatDeg, wantLatMin, wantLonDeg, wantLonMin, wantZone;
    };
    const Case cases[] = {
        {"S", 10, 30, "W", 10, 30, "E", -10, 30, -10, 30, 5.5},
        {"S", 0, 30, "W", 0, 30, "W", 0, -30, 0, -30, -5.5},
        // Lower-case letters count as north, east and west.
        {"s", 10, 30, "w", 10, 30, "e", 10, 30, 10, 30, -5.5},
        {"N", 0, 0, "E", 0, 0, "E", 0, 0, 0, 0, 5.5},
    };
    for (const auto& c : cases) {
        clsSunrise calc;
        jd::FnSetUpSunrise(calc, DateTime::of(2000, 1, 1), c.ns, c.latDeg, c.latMin, c.ew, c.lonDeg, c.lonMin, false,
                           5.5, c.zoneEw);
        EXPECT_EQ(calc.CL_LatitudeDeg, c.wantLatDeg) << c.ns;
        EXPECT_EQ(calc.CL_LatitideMin, c.wantLatMin) << c.ns;
        EXPECT_EQ(calc.CL_LongitudeDeg, c.wantLonDeg) << c.ew;
        EXPECT_EQ(calc.CL_LongitudeMin, c.wantLonMin) << c.ew;
        EXPECT_EQ(calc.STZ, c.wantZone) << c.zoneEw;
    }
    // Summer time is cleared only when it is not in force.
    clsSunrise calc;
    calc.DSAVE = 1;
    jd::FnSetUpSunrise(calc, DateTime::of(2000, 1, 1), "N", 0, 0, "E", 0, 0, true, 0, "E");
    EXPECT_EQ(calc.DSAVE, 1);
    jd::FnSetUpSunrise(calc, DateTime::of(2000, 1, 1), "N", 0, 0, "E", 0, 0, false, 0, "E");
    EXPECT_EQ(calc.DSAVE, 0);
}

TEST(Sunrise, SouthernAndWesternPlaces) {
    // Sydney (33 52 S, 151 13 E, zone 10 E) in midsummer and Buenos Aires
    // (34 36 S, 58 23 W, zone 3 W) in midwinter; an almanac gives the same
    // minutes within one.
    struct Case {
        Place place;
        DateTime date;
        int riseH, riseM, setH, setM;
    };
    const Case cases[] = {
        {{"S", 33, 52, "E", 151, 13, 10, "E"}, DateTime::of(2020, 12, 21), 4, 41, 19, 5},
        {{"S", 34, 36, "W", 58, 23, 3, "W"}, DateTime::of(2020, 6, 21), 8, 0, 17, 50},
    };
    for (const auto& c : cases) {
        const auto rise = sunrise(c.place, c.date);
        const auto set = sunset(c.place, c.date);
        ASSERT_TRUE(rise && set);
        EXPECT_NEAR(rise->hour() * 60 + rise->minute(), c.riseH * 60 + c.riseM, 1) << c.place.latDeg;
        EXPECT_NEAR(set->hour() * 60 + set->minute(), c.setH * 60 + c.setM, 1) << c.place.latDeg;
        EXPECT_EQ(rise->datePart(), c.date);
        EXPECT_EQ(rise->second(), 0);
    }
}

TEST(Sunrise, EventRoundingToMidnightFallsOnTheNextDate) {
    // New Delhi's sunset of 1 Jan 2000 counted in a zone 11.91 hours east
    // comes out at 23:59:4x, which rounds to 24:00: that is 00:00 of 2 Jan,
    // never an invalid "24:00".
    clsSunrise calc;
    calc.BirthDateTime = DateTime::of(2000, 1, 1);
    calc.CL_LatitudeDeg = 28;
    calc.CL_LatitideMin = 37;
    calc.CL_LongitudeDeg = 77;
    calc.CL_LongitudeMin = 13;
    calc.STZ = 11.91;
    calc.FnCalculate();
    EXPECT_EQ(calc.m_dateSunset, DateTime::of(2000, 1, 2, 0, 0));
    ASSERT_TRUE(calc.m_dateSunrise);
    EXPECT_EQ(calc.m_dateSunrise->datePart(), DateTime::of(2000, 1, 1));
}
