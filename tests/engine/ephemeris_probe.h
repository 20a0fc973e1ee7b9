#pragma once
// Test access to the ephemeris calculator's private routines and working
// values, so each stage can be checked on its own.
#include "engine/cls_find_planet_position.h"
#include "engine/cls_planet.h"

namespace jd {

struct ClsPlanetProbe {
    using Planet = ClsPlanet::Planet;
    using Elements = ClsPlanet::Elements;
    using Corrections = ClsPlanet::Corrections;

    // Calendar fields and time scales of the calculator's current inputs.
    static void timeScales(ClsPlanet& p) {
        p.FnCalendarFields();
        p.FnUniversalAndSiderealTime();
    }
    static double daysSince1900(const ClsPlanet& p) { return p.DaysSince1900; }
    static double julianDay(const ClsPlanet& p) { return p.JulianDayNumber; }
    static double universalTime(const ClsPlanet& p) { return p.UniversalTime; }
    static double centuries(const ClsPlanet& p) { return p.CenturiesSince1900; }

    // Puts the day count and universal time straight in, to fix T.
    static void setTime(ClsPlanet& p, double days, double ut) {
        p.DaysSince1900 = days;
        p.UniversalTime = ut;
    }

    static double kepler(ClsPlanet& p, double m, double e) {
        double v = 0;
        p.FnSolveKepler(m, e, v);
        return v;
    }
    static double keplerReducedMean(const ClsPlanet& p) { return p.keplerMeanAnomaly_; }
    static double arcTan2(double y, double x) {
        double r = 0;
        return ClsPlanet::FnArcTan2(y, x, r);
    }
    static void housesFromRamc(double ramcRad, double obliquity, double latDeg, double& asc, double& mc) {
        ClsPlanet::FnHousesFromRamc(ramcRad, obliquity, latDeg, asc, mc);
    }

    static double nutation(ClsPlanet& p) {
        p.FnNutation();
        return p.NutationInLongitude;
    }

    static void allElements(ClsPlanet& p) {
        p.FnMarsElements();
        p.FnMercuryElements();
        p.FnJupiterElements();
        p.FnVenusElements();
        p.FnSaturnElements();
    }
    static Elements elements(const ClsPlanet& p, Planet which) {
        switch (which) {
            case Planet::Mercury: return p.mercury_;
            case Planet::Venus: return p.venus_;
            case Planet::Mars: return p.mars_;
            case Planet::Jupiter: return p.jupiter_;
            case Planet::Saturn: return p.saturn_;
        }
        return {};
    }
    static double earthMeanAnomaly(ClsPlanet& p) { return p.FnEarthMeanAnomaly(); }
    static double reduceTwoPi(double x) { return ClsPlanet::FnReduceTwoPi(x); }

    static void jsArguments(ClsPlanet& p, double (&j)[7]) {
        p.FnCenturies();
        p.FnJupiterSaturnArguments();
        const double v[7] = {0, p.J1, p.J2, p.J3, p.J4, p.J5, p.J6};
        for (int k = 0; k < 7; ++k) j[k] = v[k];
    }

    // The corrections one perturbation series sets, with the mean anomalies
    // of the moment (no light time); the elements and the Sun must be current.
    static Corrections perturbations(ClsPlanet& p, Planet which) {
        p.FnCenturies();
        p.travelTime_ = 0;
        auto meanAt = [](const Elements& q) { return (q.L - q.perihelion) * 0.01745329252; };
        p.M1 = meanAt(p.mercury_);
        p.M2 = meanAt(p.venus_);
        p.M4 = meanAt(p.mars_);
        p.M5 = meanAt(p.jupiter_);
        p.M6 = meanAt(p.saturn_);
        p.FnEarthMeanAnomaly();
        p.corr_ = Corrections{};
        switch (which) {
            case Planet::Mercury: p.FnMercuryPerturbations(); break;
            case Planet::Venus: p.FnVenusPerturbations(); break;
            case Planet::Mars: p.FnMarsPerturbations(); break;
            case Planet::Jupiter: p.FnJupiterPerturbations(); break;
            case Planet::Saturn: p.FnSaturnPerturbations(); break;
        }
        return p.corr_;
    }

    // The Sun and then the Moon, as the calculation runs them.
    static void sunAndMoon(ClsPlanet& p) {
        p.FnSunPosition();
        p.FnMoonPosition();
    }
    static double tropicalRahu(const ClsPlanet& p) { return p.TropicalRahu; }
    static double tropicalKetu(const ClsPlanet& p) { return p.TropicalKetu; }
    static void setTropicalRahu(ClsPlanet& p, double x) { p.TropicalRahu = x; }
    static void nodes(ClsPlanet& p) {
        p.FnRahuPosition();
        p.FnKetuPosition();
    }

    static double reduce360(double x) { return ClsPlanet::FnReduce360(x); }
    static double normalizeDegrees(double x) { return ClsPlanet::FnNormalizeDegrees(x); }
    static double normalize360(double x) { return ClsPlanet::FnNormalize360(x); }
};

struct ClsFindPlanetPositionProbe {
    static const ClsPlanet& calculator(const ClsFindPlanetPosition& s) { return s.calc_; }
};

}  // namespace jd
