#pragma once
// The lunar day (tithi), its fortnight (paksha) and its half (karana) from the
// sidereal longitudes of the Sun and the Moon.
#include <string>
#include <utility>

namespace jd {

// The two karanas of tithi n (1..30): the first holds while the Moon has gone
// up to 6 degrees into the tithi, the second after that. Other numbers raise
// RunTimeError::subscriptOutOfRange().
const std::pair<std::string, std::string>& karanasOfTithi(int n);

class clsTithi {
public:
    double sunC = 0;   // Sun, degrees 0..360
    double moonA = 0;  // Moon, degrees 0..360
    std::string Tithi;
    std::string TithiPosition;  // "Bright" (tithis 1..15) or "Dark" (16..30)
    int TithiNo = 0;            // 1..30
    std::string Karnam;

    // Tithi n holds elongations above 12(n-1) up to and including 12n (the
    // first also 0). An elongation outside 0..360, which only inputs outside
    // 0..360 give, writes nothing: the outputs keep their earlier values.
    void FindTithi();
};

}  // namespace jd
