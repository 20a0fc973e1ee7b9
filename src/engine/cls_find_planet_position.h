#pragma once
// The planet-position service: the one door through which the rest of the
// program reaches the ephemeris. FindFixValues takes birth data in the form
// the windows and the database hold it (degrees and minutes with hemisphere
// letters, zone hours with "E"/"W", an ayanamsa code), turns it into the
// calculator's signed inputs and computes; the getters then return the
// sidereal results of that computation unchanged.
//
// Each user calls FindFixValues itself before reading; nothing is cached
// between calls. A getter on a service that has never computed returns 0.
#include <string>

#include "engine/cls_planet.h"
#include "platform/date_time.h"

namespace jd {

struct ClsFindPlanetPositionProbe;  // test access

class ClsFindPlanetPosition {
public:
    // Sidereal degrees 0..360 (both ends possible) of the last computation.
    double FnFindLagnaPosition() const { return calc_.LagnaValue; }
    double FnFindSunPosition() const { return calc_.SuryaValue; }
    // The ayanamsa as stored: the (negative) amount added to a tropical
    // longitude; 0 for "Sayana".
    double FnFindAyanamsa() const { return calc_.Ayanamsa; }
    double FnFindMoonPosition() const { return calc_.ChandraValue; }
    double FnFindMarsPosition() const { return calc_.KujaValue; }
    double FnFindMercuryPosition() const { return calc_.BudhaValue; }
    double FnFindJupiterPosition() const { return calc_.GuruValue; }
    double FnFindVenusPosition() const { return calc_.SukraValue; }
    double FnFindSaturnPosition() const { return calc_.SaniValue; }
    double FnFindRahuPosition() const { return calc_.RahuValue; }
    double FnFindMidHeaven() const { return calc_.MidHeaven; }
    double FnFindKethuPosition() const { return calc_.KethuValue; }

    // Sets the calculator's inputs from birth data and computes every body.
    //  mdt_Date: local civil date and clock time (seconds are ignored);
    //  mstr_LatNS "N"/"S", mstr_LonEW "E"/"W" (exact case; any other letter
    //  counts as "N" / "W"); degrees as entered (not negative) and minutes;
    //  TZVal zone hours (not negative) with TZEW "W" for zones behind
    //  universal time (any other text counts as east); DS summer-time hours,
    //  not used; strAY one of "Lahiri", "Raman", "KP", "Sayana", "Custom";
    //  StrZeroYear and StrProgression the custom ayanamsa's zero year and
    //  rate in arcseconds a year, used only with "Custom".
    // Raises jd::RunTimeError on a floating-point fault (overflow 6,
    // division by zero 11, invalid argument 5); results set before the
    // fault keep their new values, the rest their old ones.
    void FindFixValues(const DateTime& mdt_Date, const std::string& mstr_LatNS, double mdbl_LatDeg,
                       double mdbl_LatMin, const std::string& mstr_LonEW, double mdbl_LonDeg,
                       double mdbl_LonMin, double TZVal, const std::string& TZEW, double DS,
                       const std::string& strAY, double StrZeroYear, double StrProgression);

private:
    friend struct ClsFindPlanetPositionProbe;
    ClsPlanet calc_;
};

}  // namespace jd
