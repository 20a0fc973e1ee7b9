#pragma once
// Planet natures by the sign of the ascendant, and the dignity of each body
// in the sign it occupies. Signs are numbered 1..12 from Aries.
#include <string>

namespace jd {

class clsPlanetNature {
public:
    double LagnaPosition = 0;  // longitude of the ascendant, 0 <= x < 360
    // Nature of each planet for the ascendant's sign, -2 .. 2.
    long SunNature = 0, MoonNature = 0, MarsNature = 0, MercuryNature = 0, JupiterNature = 0,
         VenusNature = 0, SaturnNature = 0;

    // A longitude outside 0..360 (a sign outside 1..12) changes nothing; one
    // whose sign number does not fit 16 bits raises RunTimeError::overflow().
    void FindPlanet();

private:
    int lagnaSign_ = 0;
};

class clsPlanetStrength {
public:
    // Sign 1..12 occupied by each body.
    int SunHouse = 0, MoonHouse = 0, MarsHouse = 0, MercuryHouse = 0, JupiterHouse = 0, VenusHouse = 0,
        SaturnHouse = 0, RahuHouse = 0, KethuHouse = 0;
    // Dignity word of each body ("Exa", "Own", "friend", "deb" ...).
    std::string SunStrength, MoonStrength, MarsStrength, MercuryStrength, JupiterStrength, VenusStrength,
        SaturnStrength, RahuStrength, KethuStrength;

    // A body whose sign is outside 1..12 keeps its earlier word.
    void FindPlanetStrength();
};

}  // namespace jd
