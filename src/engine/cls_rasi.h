#pragma once
// The zodiac sign (rasi) that holds a sidereal longitude, in English or in
// Sanskrit, with the sign's number and the half of the sign.
#include <string>

namespace jd {

class clsRasi {
public:
    double PlanetPosition = 0;  // degrees 0..360
    std::string RasiName;
    int RasiNo = 0;    // 1..12 from Aries
    int RasiHalf = 0;  // 1 = first half of the sign, 2 = second half
    std::string nchkLanguage;  // "Sanskrit" or "English", case counts

    // Any other language writes nothing. Sign 1 reaches up to 30.01 degrees;
    // sign k holds 30(k-1) up to and including 30k. A longitude in no sign
    // keeps the earlier name and number, but its half is still written.
    void findRasi();
};

}  // namespace jd
