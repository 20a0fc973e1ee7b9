#include "engine/time_zone.h"

#include <cstdlib>

namespace jd {

double TimeZone::findTimeZone() {
    TZoneLongitudeDegree = -80;
    TZoneLongitudeMinute = 17;
    minutesOfArc_ = std::abs(TZoneLongitudeDegree) * 60 + TZoneLongitudeMinute;
    const int sign = (TZoneLongitudeDegree > 0) - (TZoneLongitudeDegree < 0);
    // Four seconds of time per minute of arc, with the sign of the degrees.
    TimeZone = minutesOfArc_ * 4 / 3600 * sign;
    return TimeZone;
}

}  // namespace jd
