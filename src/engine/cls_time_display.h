#pragma once
// What a time-line display needs for one span of the day: a caption, colours,
// and the offset and width of a bar at 1000 units per hour with the day's
// sunrise at 1000.
#include <cstdint>
#include <string>

#include "platform/date_time.h"

namespace jd {

class clsTimeDisplay {
public:
    DateTime TimeStart;    // a time of day
    DateTime TimeEnd;      // a time of day
    DateTime Sunrisetime;  // cut to its own time of day by DisplayTime
    DateTime Sunsettime;   // part of the interface; not used
    std::string TimeCaption;          // "HH:MM:SS to HH:MM:SS"
    std::int32_t TimeBackColor = 0;   // 0x8080FF (blue 80, green 80, red FF): a pale red
    int TimeForeColor = 0;            // black
    std::int32_t TimeWidth = 0;       // 1000 units per hour of the span
    std::int32_t TimeLeft = 0;        // 1000 units per hour from the sunrise, plus 1000

    // Both measures are taken as absolute values, so a span before the
    // sunrise or a reversed span measures like its mirror. A bar beyond the
    // 32-bit range (a start that carries a far calendar date) raises
    // RunTimeError::overflow().
    void DisplayTime();
};

}  // namespace jd
