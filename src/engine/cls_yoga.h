#pragma once
// The yoga of a moment, one of 27, from the sum of the sidereal longitudes of
// the Sun and the Moon.
#include <string>

namespace jd {

class clsYoga {
public:
    double sun_position = 0;   // degrees 0..360
    double moon_position = 0;  // degrees 0..360
    std::string YogaName;
    int YogaNo = 0;  // 1..27; 0 until a yoga is found

    // The sum is reduced once when above 360. Yoga k holds sums above the
    // bound of yoga k-1 up to and including its own bound; a sum in no band
    // (only inputs outside 0..360 give one) writes nothing.
    void findyoga();
};

}  // namespace jd
