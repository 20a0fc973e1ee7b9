// Mean elements, perturbation series, the Moon and its nodes, and the
// whole-turn reductions of the ephemeris calculator.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ephemeris_probe.h"
#include "engine/fp_check.h"
#include "engine/planet_series.h"

namespace jd {
namespace {

using Probe = ClsPlanetProbe;
using Planet = ClsPlanetProbe::Planet;
namespace ps = planet_series;

TEST(EphemerisElements, AtTheEpochEachElementIsItsConstantTerm) {
    ClsPlanet p;
    Probe::setTime(p, 0, 0);
    Probe::allElements(p);
    const std::pair<Planet, const ps::ElementTable*> planets[] = {
        {Planet::Mercury, &ps::kMercury}, {Planet::Venus, &ps::kVenus},   {Planet::Mars, &ps::kMars},
        {Planet::Jupiter, &ps::kJupiter}, {Planet::Saturn, &ps::kSaturn},
    };
    for (const auto& [planet, table] : planets) {
        const auto el = Probe::elements(p, planet);
        EXPECT_DOUBLE_EQ(el.L, table->L.a0);
        EXPECT_DOUBLE_EQ(el.perihelion, table->perihelion.a0);
        EXPECT_DOUBLE_EQ(el.e, table->e.a0);
        EXPECT_DOUBLE_EQ(el.i, table->i.a0);
        EXPECT_DOUBLE_EQ(el.node, table->node.a0);
        EXPECT_DOUBLE_EQ(el.a, table->a);
    }
    // The daily motion uses the seven-digit factor 0.009856263, not 360 / 36525.
    EXPECT_NEAR(Probe::elements(p, Planet::Mercury).n, 4.092377098, 1e-9);
}

TEST(EphemerisElements, MeanLongitudesStayWithinOneTurnBeforeAndAfter1900) {
    for (double days : {-693000.5, -40000.5, -0.5, 12345.5, 2900000.5}) {
        ClsPlanet p;
        Probe::setTime(p, days, -3.5);
        Probe::allElements(p);
        for (Planet q : {Planet::Mercury, Planet::Venus, Planet::Mars, Planet::Jupiter, Planet::Saturn}) {
            const double l = Probe::elements(p, q).L;
            EXPECT_GE(l, 0) << days;
            EXPECT_LE(l, 360) << days;
        }
    }
}

TEST(EphemerisElements, SunMeanAnomalyAndReductionToOneTurn) {
    ClsPlanet p;
    Probe::setTime(p, 0, 0);
    EXPECT_DOUBLE_EQ(Probe::earthMeanAnomaly(p), 358.47583 * 0.01745329252);
    struct Case {
        double x, reduced;
    };
    const Case cases[] = {{-0.5, 5.783185308}, {6.283185308, 0}, {1.0, 1.0}, {-6.283185308 * 3 - 1, 5.283185308}};
    for (const auto& c : cases) EXPECT_NEAR(Probe::reduceTwoPi(c.x), c.reduced, 1e-9) << c.x;
}

TEST(EphemerisPerturbations, JupiterSaturnArgumentsAtTheEpochAndBefore) {
    ClsPlanet p;
    double j[7];
    Probe::setTime(p, 0, 0);
    Probe::jsArguments(p, j);
    const double expected[7] = {0, 0.1, 4.14473, 4.641118, 4.250177, 14.91613, -6.806717};
    for (int k = 1; k <= 6; ++k) EXPECT_NEAR(j[k], expected[k], 1e-9) << "J" << k;

    Probe::setTime(p, -365250.5, 0);  // a thousand years before
    Probe::jsArguments(p, j);
    for (int k = 2; k <= 4; ++k) {
        EXPECT_GE(j[k], 0) << "J" << k;
        EXPECT_LT(j[k], 6.283185308) << "J" << k;
    }
}

TEST(EphemerisPerturbations, EachSeriesSetsOnlyItsOwnCorrections) {
    ClsPlanet p;
    Probe::setTime(p, 23935.5, 8.75);
    Probe::sunAndMoon(p);
    Probe::allElements(p);
    struct Case {
        Planet planet;
        bool dL, dr, dl, dM, da, db, de;
    };
    const Case cases[] = {
        {Planet::Mercury, true, true, false, false, false, false, false},
        {Planet::Venus, true, true, true, true, false, false, false},
        {Planet::Mars, true, true, true, true, false, false, false},
        {Planet::Jupiter, false, false, true, true, true, false, true},
        {Planet::Saturn, false, false, true, true, true, true, true},
    };
    for (const auto& c : cases) {
        const auto k = Probe::perturbations(p, c.planet);
        SCOPED_TRACE(static_cast<int>(c.planet));
        EXPECT_EQ(k.dL != 0, c.dL);
        EXPECT_EQ(k.dr != 0, c.dr);
        EXPECT_EQ(k.dl != 0, c.dl);
        EXPECT_EQ(k.dM != 0, c.dM);
        EXPECT_EQ(k.da != 0, c.da);
        EXPECT_EQ(k.db != 0, c.db);
        EXPECT_EQ(k.de != 0, c.de);
        if (c.planet == Planet::Venus || c.planet == Planet::Mars) {
            EXPECT_EQ(k.dl, k.dM);
        }
        // Sizes the theory allows: a few hundredths of a degree in the
        // inner series, about a degree in Saturn's mean longitude.
        EXPECT_LT(std::fabs(k.dL), 0.05);
        EXPECT_LT(std::fabs(k.dr), 0.001);
        EXPECT_LT(std::fabs(k.dl), 0.03);
        EXPECT_LT(std::fabs(k.de), 0.01);
        EXPECT_LT(std::fabs(k.da), 0.06);
    }
}

TEST(EphemerisMoon, NodeAtTheEpochAndAtJ2000) {
    struct Case {
        double days, ut, signedNode, rahu, ketu;
    };
    const Case cases[] = {
        {0, 0, 259.183275, 259.183275, 79.183275},
        {36524.5, 12, -234.95664, 125.04336, 305.04336},
    };
    for (const auto& c : cases) {
        ClsPlanet p;
        Probe::setTime(p, c.days, c.ut);
        Probe::sunAndMoon(p);
        EXPECT_NEAR(Probe::tropicalRahu(p), c.signedNode, 1e-5) << c.days;
        Probe::nodes(p);
        EXPECT_NEAR(Probe::tropicalRahu(p), c.rahu, 1e-5) << c.days;
        EXPECT_NEAR(Probe::tropicalKetu(p), c.ketu, 1e-5) << c.days;
    }
}

TEST(EphemerisMoon, NodesFromSignedValues) {
    struct Case {
        double node, rahu, ketu;
    };
    const Case cases[] = {
        {-100, 260, 80}, {180, 180, 360}, {-360, 0, 180}, {0, 0, 180}, {-234.5, 125.5, 305.5}, {359, 359, 179},
    };
    for (const auto& c : cases) {
        ClsPlanet p;
        Probe::setTropicalRahu(p, c.node);
        Probe::nodes(p);
        EXPECT_DOUBLE_EQ(Probe::tropicalRahu(p), c.rahu) << c.node;
        EXPECT_DOUBLE_EQ(Probe::tropicalKetu(p), c.ketu) << c.node;
    }
}

TEST(EphemerisNormalisers, WholeTurnsAndTheEndsOfTheRange) {
    struct Case {
        double in, reduce360, normalised;
    };
    const Case cases[] = {
        {-370, -10, 350}, {725, 5, 5},        {360, 0, 360}, {-360, 0, 0},
        {720, 0, 360},    {-0.5, -0.5, 359.5}, {0, 0, 0},     {1080.25, 0.25, 0.25},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Probe::reduce360(c.in), c.reduce360) << c.in;
        EXPECT_DOUBLE_EQ(Probe::normalizeDegrees(c.in), c.normalised) << c.in;
        EXPECT_DOUBLE_EQ(Probe::normalize360(c.in), c.normalised) << c.in;
    }
}

TEST(EphemerisNormalisers, ShortcutForFarAnglesEqualsTurnByTurnLoops) {
    auto loops = [](double a) {
        while (a > 360) a -= 360;
        while (a < 0) a += 360;
        return a;
    };
    for (double a : {1441.0, 360.0 * 4001, 2.9e6 + 0.123456789, -2.9e6 - 0.987654321, -1441.0, 123456.789e3,
                     -360.0 * 77, 1e-300 - 720 * 5}) {
        EXPECT_EQ(fp::reduceTurns(a, 360), loops(a)) << a;
    }
}

TEST(EphemerisNormalisers, NonFiniteOrHopelessAnglesAreErrorsNotEndlessLoops) {
    EXPECT_THROW(fp::reduceTurns(INFINITY, 360), RunTimeError);
    EXPECT_THROW(fp::reduceTurns(NAN, 360), RunTimeError);
    EXPECT_THROW(fp::reduceTurns(-1e300, 360), RunTimeError);
}

}  // namespace
}  // namespace jd
