#include "engine/cls_find_planet_position.h"

namespace jd {

namespace {

// A hemisphere letter that marks the negative side turns the degrees (or,
// with 0 degrees, the minutes) negative, so that degrees and minutes combined
// with the sign of the degrees give the signed angle. Degrees that are
// already negative stay as they are.
void signedPair(bool negativeSide, double deg, double min, double& outDeg, double& outMin) {
    outDeg = deg;
    outMin = min;
    if (!negativeSide) return;
    if (deg > 0) {
        outDeg = -deg;
    } else if (deg == 0) {
        outMin = -min;
    }
}

}  // namespace

void ClsFindPlanetPosition::FindFixValues(const DateTime& mdt_Date, const std::string& mstr_LatNS,
                                          double mdbl_LatDeg, double mdbl_LatMin,
                                          const std::string& mstr_LonEW, double mdbl_LonDeg,
                                          double mdbl_LonMin, double TZVal, const std::string& TZEW,
                                          double /*DS: summer time is not applied*/,
                                          const std::string& strAY, double StrZeroYear,
                                          double StrProgression) {
    calc_.BirthDateTime = mdt_Date;
    // South latitudes and east longitudes are negative inside the calculator.
    signedPair(mstr_LatNS == "S", mdbl_LatDeg, mdbl_LatMin, calc_.CL_LatitudeDeg, calc_.CL_LatitideMin);
    signedPair(mstr_LonEW == "E", mdbl_LonDeg, mdbl_LonMin, calc_.CL_LongitudeDeg, calc_.CL_LongitudeMin);
    if (strAY == "Custom") {
        calc_.strProgressVal = StrProgression;
        calc_.strZeroYearVal = StrZeroYear;
    } else {
        calc_.strProgressVal = 0;
        calc_.strZeroYearVal = 0;
    }
    calc_.TZone = TZEW == "W" ? -TZVal : TZVal;
    calc_.DSAVE = 0;
    calc_.AyType = strAY;
    calc_.FnCalculate();
}

}  // namespace jd
