#include "engine/cls_planet.h"

#include <cmath>

#include "engine/fp_check.h"
#include "engine/planet_series.h"
#include "platform/run_time_error.h"

namespace jd {

namespace {

namespace ps = planet_series;

// The planet code's fixed conversion factors, kept at the precision the
// theory's tables were built with.
constexpr double kDegToRad = 0.01745329252;
constexpr double kTwoDegToRad = 0.03490658504;
constexpr double kRadToDeg = 57.29577951;
constexpr double kTurn = 6.283185308;
constexpr double kPi = 3.14159265358979;
constexpr double kDegreesPerDayPerRevolution = 0.009856263;  // 360 / 36525

// Fractional part; floor keeps it in 0..1 for negative arguments too.
double frac(double x) { return x - std::floor(x); }

double cubic(const ps::Polynomial& p, double t) { return ((p.a3 * t + p.a2) * t + p.a1) * t + p.a0; }

// Sum of coefficient x cos(k1 M1 + ... + k5 M5 + phase).
template <std::size_t N>
double sumCos(const std::array<ps::CosTerm, N>& terms, double m1, double m2, double m3, double m4, double m5) {
    double sum = 0;
    for (const auto& t : terms) {
        sum += t.coefficient * std::cos(t.k1 * m1 + t.k2 * m2 + t.k3 * m3 + t.k4 * m4 + t.k5 * m5 + t.phase);
    }
    return sum;
}

// Sines and cosines of the multiples of ζ, η, J3, J5 and J6 that the Jupiter
// and Saturn tables name, in one flat array: slot 0 holds 1 (a missing
// factor), then sin and cos of 1..5 ζ, 1..3 η, 1..4 J3, 1..2 J5 and sin J6.
class JsTrig {
public:
    JsTrig(double zeta, double eta, bool withEta, double j3, double j5, double j6) {
        v_[0] = 1.0;
        fill(ps::Angle::Zeta, zeta, 5);
        if (withEta) fill(ps::Angle::Eta, eta, 3);
        fill(ps::Angle::J3, j3, 4);
        fill(ps::Angle::J5, j5, 2);
        v_[slot({ps::Trig::Sin, ps::Angle::J6, 1})] = std::sin(j6);
    }

    double value(const ps::Factor& f) const { return v_[slot(f)]; }

private:
    // First slot of the sines of each angle; its cosines follow the sines.
    static constexpr int kBase[5] = {1, 11, 17, 25, 29};
    static constexpr int kCount[5] = {5, 3, 4, 2, 1};

    static int slot(const ps::Factor& f) {
        if (f.fn == ps::Trig::One) return 0;
        const int a = static_cast<int>(f.angle);
        return kBase[a] + (f.fn == ps::Trig::Cos ? kCount[a] : 0) + f.multiple - 1;
    }

    void fill(ps::Angle angle, double x, int multiples) {
        for (int k = 1; k <= multiples; ++k) {
            v_[slot({ps::Trig::Sin, angle, k})] = std::sin(k * x);
            v_[slot({ps::Trig::Cos, angle, k})] = std::cos(k * x);
        }
    }

    double v_[31]{};
};

template <std::size_t N>
double sumJs(const std::array<ps::JsTerm, N>& terms, double j1, const JsTrig& trig) {
    double sum = 0;
    for (const auto& t : terms) {
        sum += (t.c0 + t.c1 * j1 + t.c2 * j1 * j1) * trig.value(t.first) * trig.value(t.second);
    }
    return sum;
}

// Degrees and minutes combined with the sign of the degrees.
double signedAngle(double deg, double min) { return deg < 0 ? deg - min / 60 : deg + min / 60; }

}  // namespace

// ---------------------------------------------------------------------------
// The whole computation

void ClsPlanet::FnCalculate() {
    FnCalendarFields();
    FnUniversalAndSiderealTime();
    FnSunPosition();
    FnMoonPosition();

    FnMarsElements();
    FnMercuryElements();
    FnJupiterElements();
    FnVenusElements();
    FnSaturnElements();

    FnMercuryPosition();
    FnVenusPosition();
    FnMarsPosition();
    FnJupiterPosition();
    FnSaturnPosition();

    FnRahuPosition();
    FnKetuPosition();

    // Each formula leaves the amount to add to a tropical longitude; the KP,
    // Raman and custom formulas give it positive, so it is turned negative.
    if (AyType == "Lahiri") {
        FnLahiriAyanamsa();
    } else if (AyType == "Raman") {
        FnRamanAyanamsa();
        Ayanamsa = -Ayanamsa;
    } else if (AyType == "KP") {
        FnKPAyanamsa();
        Ayanamsa = -Ayanamsa;
    } else if (AyType == "Sayana") {
        Ayanamsa = 0;
    } else if (AyType == "Custom") {
        FnCustomAyanamsa(strZeroYearVal, strProgressVal);
        Ayanamsa = -Ayanamsa;
    }
    // Any other code keeps the previous calculation's ayanamsa.

    FnLagnaAndMidHeaven();
    FnApplyAyanamsa();
}

void ClsPlanet::FnApplyAyanamsa() {
    double x = TropicalSun + Ayanamsa;
    SuryaValue = FnNormalizeDegrees(x);
    x = TropicalMoon + Ayanamsa;
    ChandraValue = FnNormalizeDegrees(x);
    x = TropicalMars + Ayanamsa;
    KujaValue = FnNormalizeDegrees(x);
    x = TropicalMercury + Ayanamsa;
    BudhaValue = FnNormalizeDegrees(x);
    x = TropicalJupiter + Ayanamsa;
    GuruValue = FnNormalizeDegrees(x);
    x = TropicalVenus + Ayanamsa;
    SukraValue = FnNormalizeDegrees(x);
    x = TropicalSaturn + Ayanamsa;
    SaniValue = FnNormalizeDegrees(x);
    x = TropicalRahu + Ayanamsa;
    RahuValue = FnNormalizeDegrees(x);
    x = TropicalKetu + Ayanamsa;
    KethuValue = FnNormalizeDegrees(x);
}

double ClsPlanet::FnNormalizeDegrees(double& angle) {
    angle = fp::reduceTurns(angle, 360);
    return angle;
}

double ClsPlanet::FnNormalize360(double& angle) {
    angle = fp::reduceTurns(angle, 360);
    return angle;
}

// ---------------------------------------------------------------------------
// Time scales and Kepler's equation

void ClsPlanet::FnCalendarFields() {
    day_ = BirthDateTime.day();
    month_ = BirthDateTime.month();
    year_ = BirthDateTime.year();
    hour_ = BirthDateTime.hour();
    minute_ = BirthDateTime.minute();
}

void ClsPlanet::FnUniversalAndSiderealTime() {
    UniversalTime = fp::checked(minute_ / 60.0 + hour_ - TZone - DSAVE);
    FnJulianDay();
}

void ClsPlanet::FnJulianDay() {
    // There is no year 0; a date-time value never carries one, so the day
    // count simply stays as it was.
    if (year_ == 0) return;
    auto y = static_cast<std::int16_t>(year_);
    if (y < 1) y = static_cast<std::int16_t>(y + 1);
    double m = month_;
    if (month_ < 3) {
        m = month_ + 12;
        y = static_cast<std::int16_t>(y - 1);
    }
    // The Gregorian correction applies from 1582 October 15 on; the ten dates
    // that neither calendar has take it too.
    const bool julian = year_ < 1582 || (year_ == 1582 && (month_ < 10 || (month_ == 10 && day_ <= 4)));
    double b = 0;
    if (!julian) {
        const double a = std::floor(y / 100.0);
        b = 2 - a + std::floor(a / 4);
    }
    const double c = y >= 0 ? std::floor(365.25 * y) : std::floor(365.25 * y - 0.75);
    const double d = std::floor(30.6001 * (m + 1));
    DaysSince1900 = (c - 694025) + b + d + day_ - 0.5;
    JulianDayNumber = DaysSince1900 + 2415020 + 0.5;
}

double ClsPlanet::FnSolveKepler(const double& meanAnomaly, const double& eccentricity, double& trueAnomaly) {
    const double e = fp::checked(eccentricity);
    const double m = fp::checked(meanAnomaly - std::floor(meanAnomaly / kTurn) * kTurn);
    double ecc = m;
    double delta = ecc - e * std::sin(ecc) - m;
    // Newton's steps converge in a few for the orbits of the Sun and the
    // planets; an orbit that has not settled after fifty is refused.
    int steps = 0;
    while (std::fabs(delta) >= 1e-06) {
        if (steps == 50) throw RunTimeError::invalidCall();
        ecc = ecc - fp::divide(delta, 1 - e * std::cos(ecc));
        delta = ecc - e * std::sin(ecc) - m;
        ++steps;
    }
    const double v =
        fp::checked(2 * std::atan(fp::squareRoot(fp::divide(1 + e, 1 - e)) * std::tan(ecc / 2)));
    keplerMeanAnomaly_ = m;
    keplerEccentricAnomaly_ = ecc;
    keplerTrueAnomaly_ = v;
    trueAnomaly = v;
    return v;
}

// ---------------------------------------------------------------------------
// Ascendant and midheaven

double ClsPlanet::FnArcTan(double x, double& result) {
    result = std::atan(x);
    return result;
}

double ClsPlanet::FnArcTan2(double y, double x, double& result) {
    double a = 0;
    result = 0;
    if (x < 0) {
        result = FnArcTan(fp::divide(y, x), a) + 3.14159265358979;
    } else if (x > 0 && y >= 0) {
        result = FnArcTan(fp::divide(y, x), a);
    } else if (x > 0 && y < 0) {
        result = FnArcTan(fp::divide(y, x), a) + 6.28318530717958;
    } else if (x == 0 && y > 0) {
        result = 3.14159265358979 / 2;
    } else if (x == 0 && y < 0) {
        result = 9.42477796076937 / 2;
    }
    return result;
}

// The midheaven is the direction of the point (cos r cos ε, sin r) and the
// ascendant that of (−sin r cos ε − sin ε tan φ, cos r); both are taken
// with the quadrant rule of FnArcTan2, so a horizontal component of exactly
// zero gives the right angle instead of a division by zero.
void ClsPlanet::FnHousesFromRamc(double ramcRad, double obliquity, double latitudeDeg, double& ascendantDeg,
                                 double& midheavenDeg) {
    const double pi = 3.14159265358979;
    double mc = 0;
    FnArcTan2(std::sin(ramcRad), std::cos(ramcRad) * std::cos(obliquity), mc);
    midheavenDeg = fp::checked(mc * 180 / pi);

    const double x = -std::sin(ramcRad) * std::cos(obliquity) -
                     std::sin(obliquity) * std::tan(latitudeDeg * pi / 180);
    double asc = 0;
    FnArcTan2(std::cos(ramcRad), fp::checked(x), asc);
    ascendantDeg = fp::reduceTurns(asc * 180 / pi, 360);
}

void ClsPlanet::FnLagnaAndMidHeaven() {
    const double pi = 3.14159265358979;
    const double u = hour_ + minute_ / 60.0 - TZone;
    const double phi = signedAngle(CL_LatitudeDeg, CL_LatitideMin);
    const double t = ((JulianDayNumber - 2415020) + u / 24 - 0.5) / 36525;
    const double lambda = signedAngle(CL_LongitudeDeg, CL_LongitudeMin);
    // Local sidereal time of the mean equinox; the daily excess of sidereal
    // over solar time rides in 2400.0513 T, so u enters with factor 1.
    double ramc = (6.6460656 + 2400.0513 * t + 2.58e-05 * t * t + u) * 15 - lambda;
    ramc = fp::reduceTurns(ramc, 360);
    const double r = ramc * pi / 180;
    const double obliquity = (23.452294 - 0.0130125 * t) * pi / 180;

    double asc = 0, mc = 0;
    FnHousesFromRamc(r, obliquity, phi, asc, mc);
    double x = asc + Ayanamsa;
    LagnaValue = FnNormalizeDegrees(x);
    x = mc + Ayanamsa;
    MidHeaven = FnNormalizeDegrees(x);
}

// ---------------------------------------------------------------------------
// Ayanamsa

void ClsPlanet::FnLahiriAyanamsa() {
    const double pi = 3.14159265358979;
    const double u = hour_ + minute_ / 60.0 - TZone;
    const double t = ((JulianDayNumber - 2415020) + u / 24 - 0.5) / 36525;
    // The arguments are in arcseconds: the Moon's mean node and twice the
    // Sun's mean longitude carry the two nutation terms.
    const double node = fp::reduceTurns((933060 - 6962911 * t + 7.5 * t * t) / 3600, 360);
    const double twoSun = (259205536 * t + 2013816) / 3600;
    Ayanamsa = fp::checked((17.23 * std::sin(node * pi / 180) + 1.27 * std::sin(twoSun * pi / 180) -
                            (5025.64 + 1.11 * t) * t - 80861.27) /
                           3600);
}

double ClsPlanet::FnDaysSince1900Jan1() const {
    return static_cast<double>(BirthDateTime.dayNumber() - DateTime::of(1900, 1, 1).dayNumber());
}

double ClsPlanet::FnDaysSinceNewYear() const {
    return static_cast<double>(BirthDateTime.dayNumber() - DateTime::of(BirthDateTime.year(), 1, 1).dayNumber());
}

void ClsPlanet::FnKPAyanamsa() {
    // 50.2388475" a year from 22°21'37" on 1900 January 1, plus 3".
    Ayanamsa = fp::checked(FnDaysSince1900Jan1() * 3014.33085 / 365.25 / 60 / 3600 + 22.3602777777778 +
                           0.000833333333333333);
}

void ClsPlanet::FnRamanAyanamsa() {
    Ayanamsa = fp::checked((151.0 / 3) * (year_ - 397) / 3600 +
                           3019.999999999998 / 365.25 * FnDaysSinceNewYear() / 60 / 3600);
}

void ClsPlanet::FnCustomAyanamsa(const double& zeroYear, const double& rate) {
    Ayanamsa = fp::checked((year_ - zeroYear) * rate / 3600 + rate * 60 / 365.25 * FnDaysSinceNewYear() / 60 / 3600);
}

// ---------------------------------------------------------------------------
// Nutation in longitude

void ClsPlanet::FnNutation() {
    const double t = DaysSince1900 / 36525 + UniversalTime / 876600;
    const double t2 = t * t;
    CenturiesSince1900 = t;
    CenturiesSquared = t2;

    const double sunL = 279.6967 + 0.000303 * t2 + 360 * frac(100.0021358 * t);
    const double twoL = sunL * kTwoDegToRad;
    const double moonL = 270.4342 - 0.001133 * t2 + 360 * frac(1336.855231 * t);
    const double twoLp = moonL * kTwoDegToRad;
    const double m = (358.4758 - 0.00015 * t2 + 360 * frac(99.99736056 * t)) * kDegToRad;
    const double mp = (296.1046 + 0.009192 * t2 + 360 * frac(1325.552359 * t)) * kDegToRad;
    const double om = (259.1833 + 0.002078 * t2 - 360 * frac(5.372616667 * t)) * kDegToRad;
    const double twoOm = om + om;

    double dpsi = (-17.2327 - 0.01737 * t) * std::sin(om);
    dpsi += (-1.2729 - 0.00013 * t) * std::sin(twoL);
    dpsi += 0.2088 * std::sin(twoOm);
    dpsi -= 0.2037 * std::sin(twoLp);
    dpsi += (0.1261 - 0.00031 * t) * std::sin(m);
    dpsi += 0.0675 * std::sin(mp);
    dpsi -= (0.0497 - 0.00012 * t) * std::sin(twoL + m);
    dpsi -= 0.0342 * std::sin(twoLp - om);
    dpsi -= 0.0261 * std::sin(twoLp + mp);
    dpsi += 0.0214 * std::sin(twoL - m);
    dpsi -= 0.0149 * std::sin(twoL - twoLp + mp);
    dpsi += 0.0124 * std::sin(twoL - om);
    dpsi -= 0.0114 * std::sin(twoLp - mp);

    NutationInLongitude = fp::checked(dpsi / 3600);
}

// ---------------------------------------------------------------------------
// Planet mean elements

double ClsPlanet::FnCenturies() {
    CenturiesSince1900 = DaysSince1900 / 36525 + UniversalTime / 876600;
    return CenturiesSince1900;
}

void ClsPlanet::FnElements(Planet p, Elements& el) {
    const ps::ElementTable* table = &ps::kMercury;
    switch (p) {
        case Planet::Mercury: table = &ps::kMercury; break;
        case Planet::Venus: table = &ps::kVenus; break;
        case Planet::Mars: table = &ps::kMars; break;
        case Planet::Jupiter: table = &ps::kJupiter; break;
        case Planet::Saturn: table = &ps::kSaturn; break;
    }
    const double t = FnCenturies();
    const ps::Polynomial& lon = table->L;
    el.L = fp::reduceTurns(lon.a0 + 360 * frac(lon.a1 * t) + (lon.a2 + lon.a3 * t) * (t * t), 360);
    el.n = lon.a1 * kDegreesPerDayPerRevolution + (lon.a2 + lon.a3) / 36525;
    el.perihelion = cubic(table->perihelion, t);
    el.e = cubic(table->e, t);
    el.i = cubic(table->i, t);
    el.node = cubic(table->node, t);
    el.a = table->a;
}

void ClsPlanet::FnMercuryElements() { FnElements(Planet::Mercury, mercury_); }
void ClsPlanet::FnVenusElements() { FnElements(Planet::Venus, venus_); }
void ClsPlanet::FnMarsElements() { FnElements(Planet::Mars, mars_); }
void ClsPlanet::FnJupiterElements() { FnElements(Planet::Jupiter, jupiter_); }
void ClsPlanet::FnSaturnElements() { FnElements(Planet::Saturn, saturn_); }

double ClsPlanet::FnEarthMeanAnomaly() {
    const double t = FnCenturies();
    SunMeanAnomaly = (358.47583 - (0.00015 + 0.0000033 * t) * (t * t) + 360 * frac(99.99736042 * t)) * kDegToRad;
    return SunMeanAnomaly;
}

double ClsPlanet::FnReduceTwoPi(const double& x) { return x - std::floor(x / kTurn) * kTurn; }

// ---------------------------------------------------------------------------
// Geocentric longitude of a planet

double ClsPlanet::FnArcSin(const double& x) { return std::atan(fp::divide(x, fp::squareRoot(1 - x * x))); }

// One planet: two passes, the second with the mean anomalies moved back by
// the light time of the first; then the geocentric longitude, the nutation
// and, for Jupiter and Saturn, the annual aberration.
double ClsPlanet::FnPlanetPosition(Planet p) {
    Elements* el = &mercury_;
    switch (p) {
        case Planet::Mercury: el = &mercury_; break;
        case Planet::Venus: el = &venus_; break;
        case Planet::Mars: el = &mars_; break;
        case Planet::Jupiter: el = &jupiter_; break;
        case Planet::Saturn: el = &saturn_; break;
    }
    const bool inner = p == Planet::Mercury || p == Planet::Venus;

    FnCenturies();
    travelTime_ = 0;
    earthDistance_ = SunDistance;
    earthLongitude_ = SunLongitude + kPi;
    const double re = earthDistance_;
    const double le = earthLongitude_;

    pass_ = 0;
    while (true) {
        ++pass_;
        auto meanAt = [this](const Elements& q) { return (q.L - q.perihelion - q.n * travelTime_) * kDegToRad; };
        M1 = meanAt(mercury_);
        M2 = meanAt(venus_);
        M4 = meanAt(mars_);
        M5 = meanAt(jupiter_);
        if (p == Planet::Saturn) M6 = meanAt(saturn_);
        if (p == Planet::Venus || p == Planet::Mars) FnEarthMeanAnomaly();

        corr_ = Corrections{};
        double ownMean = 0;
        switch (p) {
            case Planet::Mercury: FnMercuryPerturbations(); ownMean = M1; break;
            case Planet::Venus: FnVenusPerturbations(); ownMean = M2; break;
            case Planet::Mars: FnMarsPerturbations(); ownMean = M4; break;
            case Planet::Jupiter: FnJupiterPerturbations(); ownMean = M5; break;
            case Planet::Saturn: FnSaturnPerturbations(); ownMean = M6; break;
        }

        const double e = el->e + corr_.de;
        const double m = ownMean + corr_.dM;
        double v = 0;
        FnSolveKepler(m, e, v);
        helioTrueAnomaly_ = v;
        double r = fp::divide((el->a + corr_.da) * (1 - e * e), 1 + e * std::cos(v));
        orbitalLongitude_ = (v * kRadToDeg + el->perihelion + (corr_.dl - corr_.dM) * kRadToDeg) * kDegToRad;
        const double node = el->node * kDegToRad;
        const double u = orbitalLongitude_ - node;
        const double s = std::sin(u);
        const double c = std::cos(u);
        const double incl = el->i * kDegToRad;
        r = r + corr_.dr;
        helioRadius_ = r;
        const double sinLat = std::sin(incl) * s;
        helioLatitude_ = FnArcSin(sinLat) + corr_.db;
        double lp = std::atan(fp::divide(std::cos(incl) * s, c)) + node + corr_.dL * kDegToRad;
        if (c < 0) lp = lp + kPi;
        if (lp > kTurn) lp = lp - kTurn;
        helioLongitude_ = lp;
        projectedRadius_ = r * std::cos(helioLatitude_);
        geoDistance_ = fp::squareRoot(re * re + r * r - 2 * re * r * std::cos(helioLatitude_) * std::cos(lp - le));
        travelTime_ = geoDistance_ * 0.005775518;
        if (pass_ != 1) break;
    }

    const double lp = helioLongitude_;
    const double rp = projectedRadius_;
    const double d = lp - le;
    double lambda = 0;
    if (inner) {
        lambda = std::atan(fp::divide(-rp * std::sin(d), re - rp * std::cos(d))) + le + kPi;
    } else {
        lambda = std::atan(fp::divide(re * std::sin(d), rp - re * std::cos(d))) + lp;
    }
    lambda = fp::reduceTurns(lambda, kTurn);

    FnNutation();
    lambda = lambda + NutationInLongitude * kDegToRad;

    if (p == Planet::Jupiter || p == Planet::Saturn) {
        // Annual aberration, -κ cos(λ☉ − λ) / cos β, with β the planet's
        // geocentric latitude: its sine is the height above the ecliptic,
        // r sin ψ, over the distance from the Earth.
        const double pp = p == Planet::Jupiter ? 3.1415927 : 3.14159265358979;
        const double a = std::cos(le + pp - lambda);
        const double sinBeta = fp::divide(helioRadius_ * std::sin(helioLatitude_), geoDistance_);
        const double cosBeta = fp::squareRoot(1 - sinBeta * sinBeta);
        lambda = lambda - fp::divide(9.9387e-5 * a, cosBeta);
    }

    double deg = lambda * kRadToDeg;
    return FnNormalize360(deg);
}

void ClsPlanet::FnMercuryPosition() { TropicalMercury = FnPlanetPosition(Planet::Mercury); }
void ClsPlanet::FnVenusPosition() { TropicalVenus = FnPlanetPosition(Planet::Venus); }
void ClsPlanet::FnMarsPosition() { TropicalMars = FnPlanetPosition(Planet::Mars); }
void ClsPlanet::FnJupiterPosition() { TropicalJupiter = FnPlanetPosition(Planet::Jupiter); }
void ClsPlanet::FnSaturnPosition() { TropicalSaturn = FnPlanetPosition(Planet::Saturn); }

// ---------------------------------------------------------------------------
// The Sun

void ClsPlanet::FnSunPosition() {
    const double t = DaysSince1900 / 36525 + UniversalTime / 876600;
    const double t2 = t * t;
    CenturiesSince1900 = t;
    CenturiesSquared = t2;

    const double meanLongitude = 279.69668 + 0.0003025 * t2 + 360 * frac(100.0021359 * t);
    const double meanAnomaly = 358.47583 - (0.00015 + 0.0000033 * t) * t2 + 360 * frac(99.99736042 * t);
    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
    SunMeanAnomaly = meanAnomaly * kDegToRad;

    double v = 0;
    FnSolveKepler(SunMeanAnomaly, e, v);
    const double ecc = keplerEccentricAnomaly_;

    const double p1 = (153.23 + 360 * frac(62.55209472 * t)) * kDegToRad;
    const double p2 = (216.57 + 360 * frac(125.1041894 * t)) * kDegToRad;
    const double p3 = (312.69 + 360 * frac(91.56766028 * t)) * kDegToRad;
    const double p4 = (350.74 - 0.00144 * t2 + 360 * frac(1236.853095 * t)) * kDegToRad;
    const double p5 = (231.19 + 20.2 * t) * kDegToRad;
    const double p6 = (353.4 + 360 * frac(183.1353208 * t)) * kDegToRad;

    const double dLongitude = 0.00134 * std::cos(p1) + 0.00154 * std::cos(p2) + 0.002 * std::cos(p3) +
                              0.00179 * std::sin(p4) + 0.00178 * std::sin(p5);
    const double dDistance = 0.00000543 * std::sin(p1) + 0.00001575 * std::sin(p2) + 0.00001627 * std::sin(p3) +
                             0.00003076 * std::cos(p4) + 0.00000927 * std::sin(p6);

    double lambda = (meanLongitude - meanAnomaly + dLongitude) * kDegToRad + v;
    SunDistance = fp::checked(1.0000002 * (1 - e * std::cos(ecc)) + dDistance);
    SunLongitude = fp::reduceTurns(lambda, kTurn);

    FnNutation();
    // Apparent longitude: nutation in full and the Sun's constant aberration.
    double apparent = SunLongitude * kRadToDeg + NutationInLongitude - 0.00569;
    TropicalSun = FnNormalize360(apparent);
}

// ---------------------------------------------------------------------------
// Perturbation series

void ClsPlanet::FnMercuryPerturbations() {
    corr_.dL = sumCos(ps::kMercuryLongitude, M1, M2, SunMeanAnomaly, M4, M5);
    corr_.dr = sumCos(ps::kMercuryRadius, M1, M2, SunMeanAnomaly, M4, M5);
}

void ClsPlanet::FnVenusPerturbations() {
    const double t = CenturiesSince1900;
    corr_.dl = 0.00077 * std::sin(4.1406 + 2.6227 * t) * kDegToRad;
    corr_.dM = corr_.dl;
    corr_.dL = sumCos(ps::kVenusLongitude, M1, M2, SunMeanAnomaly, M4, M5);
    corr_.dr = sumCos(ps::kVenusRadius, M1, M2, SunMeanAnomaly, M4, M5);
}

void ClsPlanet::FnMarsPerturbations() {
    const double a = 3 * M5 - 8 * M4 + 4 * SunMeanAnomaly;
    corr_.dl = -(0.01133 * std::sin(a) + 0.00933 * std::cos(a)) * kDegToRad;
    corr_.dM = corr_.dl;
    corr_.dL = sumCos(ps::kMarsLongitude, M1, M2, SunMeanAnomaly, M4, M5);
    corr_.dr = sumCos(ps::kMarsRadius, M1, M2, SunMeanAnomaly, M4, M5);
}

void ClsPlanet::FnJupiterSaturnArguments() {
    const double t = CenturiesSince1900;
    J1 = t / 5 + 0.1;
    J2 = FnReduceTwoPi(4.14473 + 52.9691 * t);
    J3 = FnReduceTwoPi(4.641118 + 21.32991 * t);
    J4 = FnReduceTwoPi(4.250177 + 7.478172 * t);
    J5 = 5 * J3 - 2 * J2;
    J6 = 2 * J2 - 6 * J3 + 3 * J4;
}

void ClsPlanet::FnJupiterPerturbations() {
    FnJupiterSaturnArguments();
    const JsTrig trig(J3 - J2, 0, false, J3, J5, J6);
    corr_.dl = sumJs(ps::kJupiterLongitude, J1, trig) * kDegToRad;
    corr_.de = sumJs(ps::kJupiterEccentricity, J1, trig) * 0.0000001;
    const double b = sumJs(ps::kJupiterPerihelion, J1, trig);
    corr_.dM = corr_.dl - fp::divide(b * kDegToRad, jupiter_.e);
    corr_.da = sumJs(ps::kJupiterAxis, J1, trig) * 0.000001;
}

void ClsPlanet::FnSaturnPerturbations() {
    FnJupiterSaturnArguments();
    const JsTrig trig(J3 - J2, J4 - J3, true, J3, J5, J6);
    corr_.dl = sumJs(ps::kSaturnLongitude, J1, trig) * kDegToRad;
    corr_.de = sumJs(ps::kSaturnEccentricity, J1, trig) * 0.0000001;
    const double b = sumJs(ps::kSaturnPerihelion, J1, trig);
    corr_.dM = corr_.dl - fp::divide(b * kDegToRad, saturn_.e);
    corr_.da = sumJs(ps::kSaturnAxis, J1, trig) * 0.000001;
    corr_.db = sumJs(ps::kSaturnLatitude, J1, trig) * kDegToRad;
}

// ---------------------------------------------------------------------------
// The Moon and its nodes

double ClsPlanet::FnReduce360(double& x) {
    x = fp::checked(x - std::trunc(x / 360) * 360);
    return x;
}

void ClsPlanet::FnMoonPosition() {
    const double pi = 3.14159265358979;
    const double t = DaysSince1900 / 36525 + UniversalTime / 876600;
    CenturiesSince1900 = t;
    const double t2 = CenturiesSquared;  // left by the Sun
    const double t3 = t * t2;

    double lp = 270.434164 + 481267.8831 * t - 0.001133 * t2 + 0.0000019 * t3;
    double m = 358.475833 + 35999.0498 * t - 0.00015 * t2 - 0.0000033 * t3;
    double mp = 296.104608 + 477198.8491 * t + 0.009192 * t2 + 0.0000144 * t3;
    double d = 350.737486 + 445267.1142 * t - 0.001436 * t2 + 0.0000019 * t3;
    double f = 11.250889 + 483202.0251 * t - 0.003211 * t2 - 0.0000003 * t3;
    double om = (259.183275 - 1934.142 * t + 0.002078 * t2 + 0.0000022 * t3) * pi / 180;

    const double s = std::sin((51.2 + 20.2 * t) * pi / 180);
    const double g = 0.003964 * std::sin((346.56 + 132.87 * t - 0.0091731 * t2) * pi / 180);
    const double sinOm = std::sin(om);
    lp = lp + 0.000233 * s + g + 0.001964 * sinOm;
    m = m - 0.001778 * s;
    mp = mp + 0.000817 * s + g + 0.002541 * sinOm;
    d = d + 0.002011 * s + g + 0.001964 * sinOm;
    f = f + g - 0.024691 * sinOm - 0.004328 * std::sin(om + (275.05 - 2.3 * t) * pi / 180);

    const double e = 1 - 0.002495 * t - 0.00000752 * t2;
    om = om * 180 / pi;

    FnReduce360(lp);
    FnReduce360(m);
    FnReduce360(mp);
    FnReduce360(d);
    FnReduce360(f);
    FnReduce360(om);

    TropicalRahu = om;
    m = m * pi / 180;
    mp = mp * pi / 180;
    d = d * pi / 180;
    f = f * pi / 180;

    const double eFactor[3] = {1.0, e, e * e};
    double lambda = lp;
    for (const auto& term : ps::kMoonLongitude) {
        lambda += term.coefficient * eFactor[term.ePower] *
                  std::sin(term.kD * d + term.kM * m + term.kMp * mp + term.kF * f);
    }
    TropicalMoon = fp::checked(lambda + 0.00461);
}

void ClsPlanet::FnRahuPosition() {
    double x = fp::checked(TropicalRahu);
    if (std::fabs(x) > 360) {
        x = x - std::floor(x / 360) * 360;
    } else if (x < 0) {
        x = x + 360;
    }
    TropicalRahu = FnNormalize360(x);
}

void ClsPlanet::FnKetuPosition() {
    double x = fp::checked(TropicalRahu + 180);
    if (std::fabs(x) > 360) {
        x = x - std::floor(x / 360) * 360;
    } else if (x < 0) {
        x = x + 360;
    }
    TropicalKetu = FnNormalize360(x);
}

}  // namespace jd
