// Time scales, Kepler's equation, ascendant and midheaven, ayanamsa and
// nutation of the ephemeris calculator.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ephemeris_probe.h"
#include "platform/run_time_error.h"

namespace jd {
namespace {

using Probe = ClsPlanetProbe;

TEST(EphemerisTimeScales, DayCountJulianDayAndUniversalTime) {
    struct Case {
        int y, m, d, h, n;
        double zone, days, ut;
    };
    const Case cases[] = {
        {1900, 1, 1, 0, 0, 0.0, 0.5, 0.0},
        {2000, 1, 1, 12, 0, 0.0, 36524.5, 12.0},
        {2000, 1, 1, 17, 30, 5.5, 36524.5, 12.0},
        // Local 02:00 at zone +5.5 is 20:30 universal time of the day before;
        // the day count stays that of the local date.
        {2000, 1, 1, 2, 0, 5.5, 36524.5, -3.5},
        {1965, 7, 14, 14, 15, -5.0, 23935.5, 19.25},
        // The first Gregorian day and the last Julian one follow each other.
        {1582, 10, 15, 0, 0, 0.0, -115859.5, 0.0},
        {1582, 10, 4, 0, 0, 0.0, -115860.5, 0.0},
        // January takes the correction of its own year, not of the year
        // moved back for the month shift.
        {1583, 1, 10, 0, 0, 0.0, -115772.5, 0.0},
    };
    for (const auto& c : cases) {
        ClsPlanet p;
        p.BirthDateTime = DateTime::of(c.y, c.m, c.d, c.h, c.n);
        p.TZone = c.zone;
        Probe::timeScales(p);
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        EXPECT_DOUBLE_EQ(Probe::daysSince1900(p), c.days);
        EXPECT_DOUBLE_EQ(Probe::julianDay(p), c.days + 2415020.5);
        EXPECT_DOUBLE_EQ(Probe::universalTime(p), c.ut);
    }
}

TEST(EphemerisTimeScales, SummerTimeComesOffTheBodiesUniversalTime) {
    ClsPlanet p;
    p.BirthDateTime = DateTime::of(2000, 6, 1, 10, 45);
    p.TZone = 2;
    p.DSAVE = 1;
    Probe::timeScales(p);
    EXPECT_DOUBLE_EQ(Probe::universalTime(p), 7.75);
}

TEST(EphemerisKepler, CircularOrbitAndReductionToOneTurn) {
    const double turn = 6.283185308;
    struct Case {
        double m, e, v, reducedMean;
    };
    const Case cases[] = {
        {1.0, 0.0, 1.0, 1.0},
        {4.0, 0.0, 4.0 - 2 * M_PI, 4.0},
        {-0.5, 0.0, turn - 0.5 - 2 * M_PI, turn - 0.5},
        {turn + 0.25, 0.0, 0.25, 0.25},
    };
    for (const auto& c : cases) {
        ClsPlanet p;
        EXPECT_NEAR(Probe::kepler(p, c.m, c.e), c.v, 1e-9) << c.m;
        EXPECT_NEAR(Probe::keplerReducedMean(p), c.reducedMean, 1e-12) << c.m;
    }
}

TEST(EphemerisKepler, SolvesAnEccentricOrbit) {
    ClsPlanet p;
    const double e = 0.2;
    const double v = Probe::kepler(p, 0.5, e);
    // Back from the true to the eccentric and the mean anomaly.
    const double ecc = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
    EXPECT_NEAR(ecc - e * std::sin(ecc), 0.5, 1e-6);
}

TEST(EphemerisKepler, AnOrbitThatDoesNotSettleIsRefusedNotLoopedForEver) {
    ClsPlanet p;
    try {
        Probe::kepler(p, 0.1, 0.9999);
        FAIL() << "expected a run-time error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

TEST(EphemerisArcTan2, QuadrantRule) {
    const double pi = 3.14159265358979;
    struct Case {
        double y, x, angle;
    };
    const Case cases[] = {
        {0, 0, 0},           {1, 0, pi / 2},  {-1, 0, 3 * pi / 2}, {0, -1, pi},
        {-1, 1, 7 * pi / 4}, {1, 1, pi / 4},  {1, -1, 3 * pi / 4}, {-1, -1, 5 * pi / 4},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Probe::arcTan2(c.y, c.x), c.angle, 1e-12) << c.y << "," << c.x;
    }
}

TEST(EphemerisHouses, AscendantAndMidheavenFromSiderealTime) {
    const double pi = 3.14159265358979;
    const double eps = 23.44 * pi / 180;
    double asc = 0, mc = 0;
    // On the equator with RAMC 0 the midheaven is 0 and the ascendant 90.
    Probe::housesFromRamc(0, eps, 0, asc, mc);
    EXPECT_NEAR(mc, 0, 1e-9);
    EXPECT_NEAR(asc, 90, 1e-9);
    // RAMC 90 and 270 put the midheaven at the solstices whatever ε.
    Probe::housesFromRamc(pi / 2, eps, 17.3, asc, mc);
    EXPECT_NEAR(mc, 90, 1e-9);
    Probe::housesFromRamc(3 * pi / 2, eps, -33.9, asc, mc);
    EXPECT_NEAR(mc, 270, 1e-9);
    // Midheaven in the same half of the circle as RAMC, and the ascendant
    // east of it by less than a half turn, in every quadrant.
    for (double ramc = 5; ramc < 360; ramc += 10) {
        for (double lat : {-50.0, 0.0, 17.33, 60.0}) {
            Probe::housesFromRamc(ramc * pi / 180, eps, lat, asc, mc);
            EXPECT_LT(std::fabs(std::remainder(mc - ramc, 360)), 90) << ramc;
            const double east = std::fmod(asc - mc + 360, 360);
            EXPECT_GT(east, 0) << ramc << " " << lat;
            EXPECT_LT(east, 180) << ramc << " " << lat;
        }
    }
}

TEST(EphemerisHouses, HorizonComponentOfExactlyZeroGivesTheRightAngle) {
    const double pi = 3.14159265358979;
    const double eps = 23.44 * pi / 180;
    const double r = 200 * pi / 180;  // cos r < 0: the branch that divided by zero
    // Walk the latitude through nearby doubles until -sin r cos ε equals
    // sin ε tan φ exactly.
    double lat = std::atan(-std::sin(r) * std::cos(eps) / std::sin(eps)) * 180 / pi;
    bool found = false;
    for (int k = 0; k < 4000 && !found; ++k) {
        const double x = -std::sin(r) * std::cos(eps) - std::sin(eps) * std::tan(lat * pi / 180);
        if (x == 0) {
            found = true;
        } else {
            lat = std::nextafter(lat, x > 0 ? 90.0 : -90.0);
        }
    }
    ASSERT_TRUE(found);
    double asc = 0, mc = 0;
    EXPECT_NO_THROW(Probe::housesFromRamc(r, eps, lat, asc, mc));
    EXPECT_NEAR(asc, 270, 1e-9);
}

TEST(EphemerisHouses, EasternLongitudeRaisesSiderealTime) {
    ClsFindPlanetPosition s;
    const auto t = DateTime::of(1990, 3, 21, 6, 0);
    s.FindFixValues(t, "N", 0, 0, "E", 0, 0, 0, "E", 0, "Sayana", 0, 0);
    const double mc0 = s.FnFindMidHeaven();
    s.FindFixValues(t, "N", 0, 0, "E", 30, 0, 0, "E", 0, "Sayana", 0, 0);
    const double mcEast = s.FnFindMidHeaven();
    s.FindFixValues(t, "N", 0, 0, "W", 30, 0, 0, "E", 0, "Sayana", 0, 0);
    const double mcWest = s.FnFindMidHeaven();
    EXPECT_GT(std::remainder(mcEast - mc0, 360), 25);
    EXPECT_LT(std::remainder(mcWest - mc0, 360), -25);
}

// Ayanamsa of each code after the sign is fixed, in degrees.
TEST(EphemerisAyanamsa, EachCode) {
    struct Case {
        const char* code;
        int y, m, d, h, n;
        double zeroYear, rate, ayanamsa, tolerance;
    };
    const Case cases[] = {
        {"KP", 1900, 1, 1, 0, 0, 0, 0, -22.361111, 5e-7},
        {"KP", 1900, 1, 1, 23, 59, 0, 0, -22.361111, 5e-7},
        {"KP", 2000, 1, 1, 12, 0, 0, 0, -23.756596, 5e-7},
        {"Raman", 2000, 1, 1, 6, 0, 0, 0, -22.412315, 5e-7},
        {"Raman", 2000, 7, 1, 6, 0, 0, 0, -22.419282, 5e-7},
        {"Custom", 2000, 1, 1, 9, 0, 1900, 50, -1.388889, 5e-7},
        {"Custom", 1900, 1, 1, 9, 0, 1900, 50, 0.0, 1e-12},
        {"Custom", 1850, 1, 1, 9, 0, 1900, 36, 0.5, 1e-12},  // before the zero year: positive
        {"Sayana", 1965, 7, 14, 14, 15, 0, 0, 0.0, 0.0},
        // 2000-01-01 12:00 UT: T = 1 exactly.
        {"Lahiri", 2000, 1, 1, 17, 30, 0, 0, -23.853991, 5e-7},
    };
    for (const auto& c : cases) {
        ClsFindPlanetPosition s;
        s.FindFixValues(DateTime::of(c.y, c.m, c.d, c.h, c.n), "N", 17, 20, "E", 78, 30, 5.5, "E", 0, c.code,
                        c.zeroYear, c.rate);
        EXPECT_NEAR(s.FnFindAyanamsa(), c.ayanamsa, c.tolerance) << c.code << " " << c.y << "-" << c.m;
    }
}

TEST(EphemerisAyanamsa, OnlyLahiriDependsOnTheTimeOfDay) {
    for (const char* code : {"KP", "Raman", "Custom", "Lahiri"}) {
        ClsFindPlanetPosition s;
        s.FindFixValues(DateTime::of(1984, 5, 5, 0, 0), "N", 0, 0, "E", 0, 0, 0, "E", 0, code, 285, 50.3);
        const double early = s.FnFindAyanamsa();
        s.FindFixValues(DateTime::of(1984, 5, 5, 23, 0), "N", 0, 0, "E", 0, 0, 11, "W", 0, code, 285, 50.3);
        if (std::string(code) == "Lahiri") {
            EXPECT_NE(s.FnFindAyanamsa(), early);
        } else {
            EXPECT_EQ(s.FnFindAyanamsa(), early) << code;
        }
    }
}

TEST(EphemerisNutation, AgreesWithThePublishedValueAndStaysSmallFarFromTheEpoch) {
    ClsPlanet p;
    Probe::setTime(p, 36524.5, 12);  // T = 1
    // Δψ at 2000 January 1.5 is −13.92″ (−0.003868°).
    EXPECT_NEAR(Probe::nutation(p) * 3600, -13.92, 0.3);
    EXPECT_DOUBLE_EQ(Probe::centuries(p), 1.0);
    for (double days : {-700000.5, -12000.5, 0.5, 99999.5, 2900000.5}) {
        Probe::setTime(p, days, 7.5);
        EXPECT_LT(std::fabs(Probe::nutation(p)) * 3600, 19.5) << days;
    }
}

}  // namespace
}  // namespace jd
