// The planet-position service: the conversion of birth data into the
// calculator's signed inputs, the whole ephemeris against published
// positions and the sample chart, and the handling of floating-point faults.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "engine/ephemeris_probe.h"
#include "platform/run_time_error.h"

namespace jd {
namespace {

using Probe = ClsFindPlanetPositionProbe;

const DateTime kSampleBirth = DateTime::of(1965, 7, 14, 14, 15);

struct Bodies {
    double lagna, mc, ayanamsa, sun, moon, mars, mercury, jupiter, venus, saturn, rahu, kethu;
};

Bodies read(const ClsFindPlanetPosition& s) {
    return {s.FnFindLagnaPosition(),   s.FnFindMidHeaven(),      s.FnFindAyanamsa(),     s.FnFindSunPosition(),
            s.FnFindMoonPosition(),    s.FnFindMarsPosition(),   s.FnFindMercuryPosition(),
            s.FnFindJupiterPosition(), s.FnFindVenusPosition(),  s.FnFindSaturnPosition(),
            s.FnFindRahuPosition(),    s.FnFindKethuPosition()};
}

TEST(EphemerisService, GettersOfANewServiceReturnZero) {
    const ClsFindPlanetPosition s;
    const Bodies b = read(s);
    for (double v : {b.lagna, b.mc, b.ayanamsa, b.sun, b.moon, b.mars, b.mercury, b.jupiter, b.venus, b.saturn,
                     b.rahu, b.kethu}) {
        EXPECT_EQ(v, 0.0);
    }
}

TEST(EphemerisService, HemisphereLettersGiveSignedDegreesAndMinutes) {
    struct Case {
        const char* letter;
        double deg, min, outDeg, outMin, signedAngle;
    };
    // Latitude: "S" is negative; longitude: "E" is negative (west positive).
    const Case lat[] = {
        {"S", 10, 30, -10, 30, -10.5}, {"S", 0, 30, 0, -30, -0.5}, {"N", 0, 30, 0, 30, 0.5},
        {"s", 10, 30, 10, 30, 10.5},   {"S", -4, 15, -4, 15, -4.25},
    };
    const Case lon[] = {
        {"E", 78, 30, -78, 30, -78.5}, {"W", 78, 30, 78, 30, 78.5}, {"E", 0, 12, 0, -12, -0.2},
        {"e", 78, 30, 78, 30, 78.5},
    };
    auto angle = [](double d, double m) { return d < 0 ? d - m / 60 : d + m / 60; };
    for (const auto& c : lat) {
        ClsFindPlanetPosition s;
        s.FindFixValues(kSampleBirth, c.letter, c.deg, c.min, "E", 78, 30, 5.5, "E", 0, "Lahiri", 0, 0);
        const ClsPlanet& p = Probe::calculator(s);
        EXPECT_EQ(p.CL_LatitudeDeg, c.outDeg) << c.letter << c.deg;
        EXPECT_EQ(p.CL_LatitideMin, c.outMin) << c.letter << c.deg;
        EXPECT_DOUBLE_EQ(angle(p.CL_LatitudeDeg, p.CL_LatitideMin), c.signedAngle);
    }
    for (const auto& c : lon) {
        ClsFindPlanetPosition s;
        s.FindFixValues(kSampleBirth, "N", 17, 20, c.letter, c.deg, c.min, 5.5, "E", 0, "Lahiri", 0, 0);
        const ClsPlanet& p = Probe::calculator(s);
        EXPECT_EQ(p.CL_LongitudeDeg, c.outDeg) << c.letter << c.deg;
        EXPECT_EQ(p.CL_LongitudeMin, c.outMin) << c.letter << c.deg;
        EXPECT_DOUBLE_EQ(angle(p.CL_LongitudeDeg, p.CL_LongitudeMin), c.signedAngle);
    }
}

TEST(EphemerisService, ZoneLetterSummerTimeAndCustomInputs) {
    struct Case {
        const char* zoneLetter;
        double ds;
        const char* code;
        double zone, zeroYear, rate;
    };
    const Case cases[] = {
        {"W", 0, "Lahiri", -5, 0, 0}, {"E", 3, "Lahiri", 5, 0, 0},    {"X", 0, "KP", 5, 0, 0},
        {"w", 1, "Raman", 5, 0, 0},   {"E", 0, "Custom", 5, 397, 50}, {"E", 0, "custom", 5, 0, 0},
    };
    for (const auto& c : cases) {
        ClsFindPlanetPosition s;
        s.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5, c.zoneLetter, c.ds, c.code, 397, 50);
        const ClsPlanet& p = Probe::calculator(s);
        SCOPED_TRACE(testing::Message() << c.zoneLetter << " " << c.code);
        EXPECT_EQ(p.TZone, c.zone);
        EXPECT_EQ(p.DSAVE, 0);
        EXPECT_EQ(p.strZeroYearVal, c.zeroYear);
        EXPECT_EQ(p.strProgressVal, c.rate);
        EXPECT_EQ(p.AyType, c.code);
    }
    // Summer time has no effect on any result.
    ClsFindPlanetPosition a, b;
    a.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Lahiri", 0, 0);
    b.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5.5, "E", 2, "Lahiri", 0, 0);
    EXPECT_EQ(read(a).moon, read(b).moon);
    EXPECT_EQ(read(a).lagna, read(b).lagna);
}

TEST(EphemerisService, UnknownCodeKeepsThePreviousAyanamsa) {
    ClsFindPlanetPosition fresh;
    fresh.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "", 0, 0);
    EXPECT_EQ(fresh.FnFindAyanamsa(), 0.0);

    ClsFindPlanetPosition s;
    s.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "KP", 0, 0);
    const double kp = s.FnFindAyanamsa();
    s.FindFixValues(DateTime::of(2010, 1, 1, 0, 0), "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "lahiri", 0, 0);
    EXPECT_EQ(s.FnFindAyanamsa(), kp);
    const double sun = s.FnFindSunPosition();
    s.FindFixValues(DateTime::of(2010, 1, 1, 0, 0), "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Sayana", 0, 0);
    EXPECT_NEAR(std::fmod(s.FnFindSunPosition() + kp + 360, 360), sun, 1e-9);
}

TEST(EphemerisService, AllOutputsInRangeAndKethuOppositeRahu) {
    for (int year = 1850; year <= 2050; year += 7) {
        ClsFindPlanetPosition s;
        s.FindFixValues(DateTime::of(year, 1 + year % 12, 1 + year % 28, year % 24, year % 60), "S", 33, 52, "W",
                        151, 12, 10, "W", 0, "Lahiri", 0, 0);
        const Bodies b = read(s);
        for (double v : {b.lagna, b.mc, b.sun, b.moon, b.mars, b.mercury, b.jupiter, b.venus, b.saturn, b.rahu,
                         b.kethu}) {
            EXPECT_GE(v, 0) << year;
            EXPECT_LE(v, 360) << year;
        }
        EXPECT_NEAR(std::fmod(b.kethu - b.rahu + 360, 360), 180, 1e-9) << year;
    }
}

// 2000 January 1, 12:00 universal time (T = 1), tropical: the apparent
// geocentric longitudes of that moment.
TEST(EphemerisService, AgreesWithPublishedPositionsAtJ2000) {
    ClsFindPlanetPosition s;
    s.FindFixValues(DateTime::of(2000, 1, 1, 17, 30), "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Sayana", 0, 0);
    const Bodies b = read(s);
    EXPECT_EQ(b.ayanamsa, 0.0);
    EXPECT_NEAR(b.sun, 280.369, 0.01);
    EXPECT_NEAR(b.rahu, 125.045, 0.01);
    EXPECT_NEAR(b.moon, 223.324, 0.05);
    EXPECT_NEAR(b.mercury, 271.888, 0.05);
    EXPECT_NEAR(b.venus, 241.565, 0.05);
    EXPECT_NEAR(b.mars, 327.963, 0.05);
    EXPECT_NEAR(b.jupiter, 25.253, 0.05);
    EXPECT_NEAR(b.saturn, 40.396, 0.05);
    EXPECT_NEAR(b.kethu, 305.045, 0.01);

    s.FindFixValues(DateTime::of(2000, 1, 1, 17, 30), "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Lahiri", 0, 0);
    EXPECT_NEAR(s.FnFindAyanamsa(), -23.854, 0.002);
    EXPECT_NEAR(s.FnFindSunPosition(), 280.369 - 23.854, 0.012);
}

// The built-in sample chart: 14 Jul 1965 14:15, 17°20'N 78°30'E, zone 5.5 E.
TEST(EphemerisService, SampleChartGolden) {
    ClsFindPlanetPosition s;
    s.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Lahiri", 0, 0);
    const Bodies b = read(s);
    EXPECT_NEAR(b.lagna, 205.247222, 1e-6);
    EXPECT_NEAR(b.mc, 115.969324, 1e-6);
    EXPECT_NEAR(b.ayanamsa, -23.372143, 1e-6);
    EXPECT_NEAR(b.sun, 88.317588, 1e-6);
    EXPECT_NEAR(b.moon, 275.456183, 1e-6);
    EXPECT_NEAR(b.mars, 164.655011, 1e-6);
    EXPECT_NEAR(b.mercury, 114.629038, 1e-6);
    EXPECT_NEAR(b.jupiter, 55.498563, 1e-6);
    EXPECT_NEAR(b.venus, 112.993458, 1e-6);
    EXPECT_NEAR(b.saturn, 323.613906, 1e-6);
    EXPECT_NEAR(b.rahu, 48.314119, 1e-6);
    EXPECT_NEAR(b.kethu, 228.314119, 1e-6);
}

int errorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(EphemerisFaults, FaultEndsTheCalculationAndEarlierOutputsKeepTheirNewValues) {
    ClsFindPlanetPosition s;
    s.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Sayana", 0, 0);
    const Bodies before = read(s);
    // A latitude that is no number spoils only the ascendant: the ayanamsa,
    // set before it, takes its new value; the bodies, set after, keep theirs.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(errorNumberOf([&] {
                  s.FindFixValues(kSampleBirth, "N", nan, 0, "E", 78, 30, 5.5, "E", 0, "Lahiri", 0, 0);
              }),
              5);
    const Bodies after = read(s);
    EXPECT_NEAR(after.ayanamsa, -23.372143, 1e-6);
    EXPECT_EQ(after.lagna, before.lagna);
    EXPECT_EQ(after.mc, before.mc);
    EXPECT_EQ(after.sun, before.sun);
    EXPECT_EQ(after.kethu, before.kethu);
}

TEST(EphemerisFaults, AbsurdZonesRaiseInsteadOfHanging) {
    struct Case {
        double zone;
        int error;
    };
    const Case cases[] = {
        {std::numeric_limits<double>::infinity(), 6},
        {std::numeric_limits<double>::quiet_NaN(), 5},
        {1e300, 6},
    };
    for (const auto& c : cases) {
        ClsFindPlanetPosition s;
        EXPECT_EQ(errorNumberOf([&] {
                      s.FindFixValues(kSampleBirth, "N", 17, 20, "E", 78, 30, c.zone, "E", 0, "Lahiri", 0, 0);
                  }),
                  c.error)
            << c.zone;
        EXPECT_EQ(s.FnFindSunPosition(), 0.0);
    }
}

}  // namespace
}  // namespace jd
