#pragma once
// The ephemeris calculator. Given a local civil moment, a place, a time zone
// and an ayanamsa code it computes the sidereal longitudes of the ascendant,
// the midheaven, the Sun, the Moon, Mars, Mercury, Jupiter, Venus, Saturn and
// the lunar nodes, and the ayanamsa itself.
//
// The theory is the low-precision analytic one of epoch 1900 January 0.5
// (Julian date 2415020.0), time counted in Julian centuries of 36525 days.
// Inside the calculator geographic longitude is west positive, latitude north
// positive and zone hours east positive (local clock = universal time + zone).
// A degrees-and-minutes pair combines with the sign of its degrees.
//
// Set the public inputs, call FnCalculate, read the outputs. The rest of the
// program reaches this class only through ClsFindPlanetPosition.
#include <cstdint>
#include <string>

#include "platform/date_time.h"

namespace jd {

struct ClsPlanetProbe;  // test access to the private routines

class ClsPlanet {
public:
    // ---- inputs ----
    DateTime BirthDateTime;        // local civil date and clock time; seconds ignored
    double CL_LongitudeDeg = 0;    // degrees of longitude, west positive
    double CL_LongitudeMin = 0;    // minutes, taken with the sign of the degrees
    double CL_LatitudeDeg = 0;     // degrees of latitude, north positive
    double CL_LatitideMin = 0;     // minutes, taken with the sign of the degrees
    double TZone = 0;              // zone hours, east positive
    double strProgressVal = 0;     // custom ayanamsa rate, arcseconds per year
    double strZeroYearVal = 0;     // year on whose 1 January the custom ayanamsa is 0
    double DSAVE = 0;              // summer-time hours, taken off the bodies' universal time

    // ---- outputs: sidereal degrees, 0..360 with both ends possible ----
    double LagnaValue = 0;
    double SuryaValue = 0;
    double ChandraValue = 0;
    double KujaValue = 0;
    double BudhaValue = 0;
    double GuruValue = 0;
    double SukraValue = 0;
    double SaniValue = 0;
    double RahuValue = 0;   // mean ascending node of the Moon
    double KethuValue = 0;  // Rahu + 180
    double MidHeaven = 0;
    // The amount added to every tropical longitude: negative in practice,
    // 0 for "Sayana", unchanged under an unrecognised code.
    double Ayanamsa = 0;

    std::string AyType;  // "Lahiri", "Raman", "KP", "Sayana" or "Custom"

    // Runs the whole computation and sets every output. Raises
    // jd::RunTimeError on a floating-point fault; outputs set before the
    // fault keep their new values and the rest their old ones.
    void FnCalculate();

private:
    friend struct ClsPlanetProbe;

    // Mean orbital elements of one planet at the moment computed.
    struct Elements {
        double L = 0;           // mean longitude, degrees 0..360
        double n = 0;           // mean daily motion, degrees per day
        double perihelion = 0;  // longitude of the perihelion, degrees
        double e = 0;           // eccentricity
        double i = 0;           // inclination, degrees
        double node = 0;        // longitude of the ascending node, degrees
        double a = 0;           // semi-major axis, AU
    };

    // The perturbation corrections of one pass of a planet.
    struct Corrections {
        double dL = 0;  // heliocentric longitude, degrees
        double dr = 0;  // radius vector, AU
        double dl = 0;  // orbital longitude, radians
        double dM = 0;  // mean anomaly, radians
        double da = 0;  // semi-major axis, AU
        double db = 0;  // heliocentric latitude, radians
        double de = 0;  // eccentricity
    };

    enum class Planet { Mercury, Venus, Mars, Jupiter, Saturn };

    // time scales and Kepler's equation
    void FnCalendarFields();
    void FnUniversalAndSiderealTime();
    void FnJulianDay();
    double FnSolveKepler(const double& meanAnomaly, const double& eccentricity, double& trueAnomaly);

    // ascendant and midheaven
    void FnLagnaAndMidHeaven();
    static void FnHousesFromRamc(double ramcDeg, double obliquity, double latitudeDeg,
                                 double& ascendantDeg, double& midheavenDeg);
    static double FnArcTan(double x, double& result);
    static double FnArcTan2(double y, double x, double& result);

    // ayanamsa
    void FnLahiriAyanamsa();
    void FnKPAyanamsa();
    void FnRamanAyanamsa();
    void FnCustomAyanamsa(const double& zeroYear, const double& rate);
    double FnDaysSince1900Jan1() const;
    double FnDaysSinceNewYear() const;

    // nutation
    void FnNutation();

    // mean elements
    double FnCenturies();
    void FnElements(Planet p, Elements& el);
    void FnMercuryElements();
    void FnVenusElements();
    void FnMarsElements();
    void FnJupiterElements();
    void FnSaturnElements();
    double FnEarthMeanAnomaly();
    static double FnReduceTwoPi(const double& x);

    // geocentric longitude of a planet
    double FnPlanetPosition(Planet p);
    void FnMercuryPosition();
    void FnVenusPosition();
    void FnMarsPosition();
    void FnJupiterPosition();
    void FnSaturnPosition();
    static double FnArcSin(const double& x);

    // Sun
    void FnSunPosition();

    // perturbation series
    void FnMercuryPerturbations();
    void FnVenusPerturbations();
    void FnMarsPerturbations();
    void FnJupiterSaturnArguments();
    void FnJupiterPerturbations();
    void FnSaturnPerturbations();

    // Moon and nodes
    void FnMoonPosition();
    void FnRahuPosition();
    void FnKetuPosition();
    static double FnReduce360(double& x);

    // sidereal conversion and the two whole-turn normalisers
    void FnApplyAyanamsa();
    static double FnNormalizeDegrees(double& angle);
    static double FnNormalize360(double& angle);

    // ---- working values, overwritten by every calculation ----
    double day_ = 0, month_ = 0, year_ = 0;  // calendar fields of BirthDateTime
    std::int32_t hour_ = 0, minute_ = 0;

    double UniversalTime = 0;    // hours from 0h of the local date
    double DaysSince1900 = 0;    // days from 1900 January 0.5 to 0h of the local date
    double JulianDayNumber = 0;  // Julian date at noon of the local date
    double CenturiesSince1900 = 0;
    double CenturiesSquared = 0;
    double NutationInLongitude = 0;  // degrees

    // left by the last Kepler solution (radians)
    double keplerMeanAnomaly_ = 0, keplerEccentricAnomaly_ = 0, keplerTrueAnomaly_ = 0;

    // the Sun, for the planets and the Moon
    double SunMeanAnomaly = 0;  // M3, radians, not reduced
    double SunLongitude = 0;    // true geometric longitude, radians 0..one turn
    double SunDistance = 0;     // AU

    double TropicalSun = 0, TropicalMoon = 0, TropicalRahu = 0, TropicalKetu = 0;
    double TropicalMars = 0, TropicalMercury = 0, TropicalJupiter = 0, TropicalVenus = 0,
           TropicalSaturn = 0;

    Elements mercury_, venus_, mars_, jupiter_, saturn_;

    // one planet's passes
    double earthDistance_ = 0, earthLongitude_ = 0;  // RE, LE
    double travelTime_ = 0;                          // days
    int pass_ = 0;
    double M1 = 0, M2 = 0, M4 = 0, M5 = 0, M6 = 0;  // mean anomalies at emission, radians
    Corrections corr_;
    double helioTrueAnomaly_ = 0, helioRadius_ = 0, orbitalLongitude_ = 0, helioLatitude_ = 0,
           helioLongitude_ = 0, projectedRadius_ = 0, geoDistance_ = 0;

    // Jupiter and Saturn arguments
    double J1 = 0, J2 = 0, J3 = 0, J4 = 0, J5 = 0, J6 = 0;
};

}  // namespace jd
