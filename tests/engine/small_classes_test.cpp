#include <gtest/gtest.h>

#include "engine/cls_planet_nature.h"
#include "engine/cls_time_display.h"
#include "engine/cls_visha_ghati.h"
#include "engine/time_zone.h"
#include "platform/date_time.h"
#include "platform/run_time_error.h"

using jd::DateTime;

TEST(PlanetNature, SignOfTheAscendant) {
    struct Case {
        double lagna;
        long sun, moon, mars, mercury, jupiter, venus, saturn;
    };
    const Case cases[] = {
        {0, 1, 1, 1, -1, 1, 0, -1},         // Aries
        {29.999, 1, 1, 1, -1, 1, 0, -1},    // still Aries
        {30, 1, 0, -1, 1, -2, 1, 1},        // Taurus
        {165, -1, 0, -2, 2, 0, 1, 1},       // Virgo
        {250, 1, -1, 1, 0, 2, -1, -1},      // Sagittarius
        {359.9, -1, 1, 1, 0, 2, -2, -2},    // Pisces
    };
    for (const auto& c : cases) {
        jd::clsPlanetNature p;
        p.LagnaPosition = c.lagna;
        p.FindPlanet();
        EXPECT_EQ(p.SunNature, c.sun) << c.lagna;
        EXPECT_EQ(p.MoonNature, c.moon) << c.lagna;
        EXPECT_EQ(p.MarsNature, c.mars) << c.lagna;
        EXPECT_EQ(p.MercuryNature, c.mercury) << c.lagna;
        EXPECT_EQ(p.JupiterNature, c.jupiter) << c.lagna;
        EXPECT_EQ(p.VenusNature, c.venus) << c.lagna;
        EXPECT_EQ(p.SaturnNature, c.saturn) << c.lagna;
    }
}

TEST(PlanetNature, OutsideTheCircleChangesNothing) {
    jd::clsPlanetNature p;
    for (double lagna : {360.0, -0.5}) {
        p.LagnaPosition = lagna;
        p.FindPlanet();
        EXPECT_EQ(p.SunNature, 0);
        EXPECT_EQ(p.SaturnNature, 0);
    }
    p.LagnaPosition = 100;  // Cancer
    p.FindPlanet();
    p.LagnaPosition = 400;
    p.FindPlanet();
    EXPECT_EQ(p.SaturnNature, -2);
    // A sign number beyond 16 bits is an overflow.
    p.LagnaPosition = 30.0 * 40000;
    EXPECT_THROW(p.FindPlanet(), jd::RunTimeError);
}

TEST(PlanetStrength, DignityWords) {
    jd::clsPlanetStrength s;
    s.SunHouse = 1;
    s.MoonHouse = 2;
    s.MarsHouse = 10;
    s.MercuryHouse = 6;
    s.JupiterHouse = 4;
    s.VenusHouse = 12;
    s.SaturnHouse = 7;
    s.RahuHouse = 8;
    s.KethuHouse = 3;
    s.FindPlanetStrength();
    EXPECT_EQ(s.SunStrength, "Exa");
    EXPECT_EQ(s.MoonStrength, "Exa");
    EXPECT_EQ(s.MarsStrength, "exa");
    EXPECT_EQ(s.MercuryStrength, "exa-own");
    EXPECT_EQ(s.JupiterStrength, "Exa");
    EXPECT_EQ(s.VenusStrength, "Exa");
    EXPECT_EQ(s.SaturnStrength, "exa");
    EXPECT_EQ(s.RahuStrength, "exa");
    EXPECT_EQ(s.KethuStrength, "Friend");

    // Debilitation signs, and a body outside 1..12 keeps its word while the
    // others are still set.
    s.SunHouse = 13;
    s.MoonHouse = 8;
    s.MarsHouse = 4;
    s.MercuryHouse = 12;
    s.JupiterHouse = 10;
    s.VenusHouse = 6;
    s.SaturnHouse = 1;
    s.RahuHouse = 0;
    s.KethuHouse = 2;
    s.FindPlanetStrength();
    EXPECT_EQ(s.SunStrength, "Exa");
    EXPECT_EQ(s.MoonStrength, "deb");
    EXPECT_EQ(s.MarsStrength, "Deb");
    EXPECT_EQ(s.MercuryStrength, "Deb");
    EXPECT_EQ(s.JupiterStrength, "deb");
    EXPECT_EQ(s.VenusStrength, "deb");
    EXPECT_EQ(s.SaturnStrength, "Deb");
    EXPECT_EQ(s.RahuStrength, "exa");
    EXPECT_EQ(s.KethuStrength, "Deb");

    jd::clsPlanetStrength fresh;
    fresh.SunHouse = 0;
    fresh.FindPlanetStrength();
    EXPECT_EQ(fresh.SunStrength, "");
}

TEST(VishaGhati, DegreeTexts) {
    jd::clsDecimal d;
    EXPECT_DOUBLE_EQ(d.FnFindDecimal("011.06.40"), 11 + 6 / 60.0 + 40 / 3600.0);
    EXPECT_DOUBLE_EQ(d.FnFindDecimal("339.33.40"), 339 + 33 / 60.0 + 40 / 3600.0);
    EXPECT_DOUBLE_EQ(d.FnFindDecimal("12.00.00"), 12);  // "12.", "0." and "00"
    for (const char* bad : {"abc.de.fg", "", "1"}) {
        try {
            d.FnFindDecimal(bad);
            ADD_FAILURE() << "no error for '" << bad << "'";
        } catch (const jd::RunTimeError& e) {
            EXPECT_EQ(e.number(), 13) << bad;
        }
    }
}

TEST(VishaGhati, PoisonPortionsOfTheMoon) {
    struct Case {
        double moon;
        bool poison;
    };
    const Case cases[] = {
        {11.111, false},  // below 11 06 40
        {11 + 6 / 60.0 + 40 / 3600.0, true},  // start included
        {11.2, true},
        {12, true},       // end included
        {12.0001, false},
        {339.555, true},
        {339.56, true},   // inside the 26th portion's extra 20 seconds
        {339.562, false},
        {353.5, true},
        {0, false},
        {100, false},
        {359.9, false},
    };
    jd::ClsVishaGhati v;
    for (const auto& c : cases) EXPECT_EQ(v.dispVishaghati(c.moon), c.poison) << c.moon;
}

TEST(TimeDisplay, CaptionBarAndColours) {
    struct Case {
        DateTime start, end, sunrise;
        const char* caption;
        std::int32_t width, left;
    };
    const Case cases[] = {
        {DateTime::timeOfDay(7, 30, 0), DateTime::timeOfDay(9, 0, 0), DateTime::of(2020, 3, 1, 6, 0, 0),
         "07:30:00 to 09:00:00", 1500, 2500},
        // Before the sunrise: the same offset as as long after it.
        {DateTime::timeOfDay(4, 30, 0), DateTime::timeOfDay(6, 0, 0), DateTime::timeOfDay(6, 0, 0),
         "04:30:00 to 06:00:00", 1500, 2500},
        // Reversed: the same width.
        {DateTime::timeOfDay(9, 0, 0), DateTime::timeOfDay(7, 30, 0), DateTime::timeOfDay(6, 0, 0),
         "09:00:00 to 07:30:00", 1500, 4000},
        // One minute is 16.67 units, shown as 17.
        {DateTime::timeOfDay(18, 0, 0), DateTime::timeOfDay(18, 1, 0), DateTime::timeOfDay(6, 0, 0),
         "18:00:00 to 18:01:00", 17, 13000},
    };
    for (const auto& c : cases) {
        jd::clsTimeDisplay t;
        t.TimeStart = c.start;
        t.TimeEnd = c.end;
        t.Sunrisetime = c.sunrise;
        t.DisplayTime();
        EXPECT_EQ(t.TimeCaption, c.caption);
        EXPECT_EQ(t.TimeWidth, c.width) << c.caption;
        EXPECT_EQ(t.TimeLeft, c.left) << c.caption;
        EXPECT_EQ(t.TimeBackColor, 0x8080FF);
        EXPECT_EQ(t.TimeForeColor, 0);
        EXPECT_EQ(t.Sunrisetime, c.sunrise.timePart());
    }
}

TEST(TimeDisplay, StartFarFromDayZeroOverflows) {
    jd::clsTimeDisplay t;
    t.TimeStart = DateTime::of(9000, 1, 1, 7, 0, 0);  // a date, not a time of day
    t.TimeEnd = DateTime::of(9000, 1, 1, 8, 0, 0);
    t.Sunrisetime = DateTime::timeOfDay(6, 0, 0);
    EXPECT_THROW(t.DisplayTime(), jd::RunTimeError);
}

TEST(TimeZoneOffset, AlwaysTheFixedLongitude) {
    jd::TimeZone tz;
    tz.TZoneLongitudeDegree = 10;
    tz.TZoneLongitudeMinute = 5;
    for (int call = 0; call < 2; ++call) {
        EXPECT_NEAR(tz.findTimeZone(), -(5 + 21 / 60.0 + 8 / 3600.0), 1e-12);
        EXPECT_DOUBLE_EQ(tz.TimeZone, -19268 / 3600.0);
        EXPECT_EQ(tz.TZoneLongitudeDegree, -80);
        EXPECT_EQ(tz.TZoneLongitudeMinute, 17);
    }
}
