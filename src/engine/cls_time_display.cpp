#include "engine/cls_time_display.h"

#include <cstdlib>

#include "platform/vb_date.h"
#include "platform/vb_number.h"

namespace jd {

void clsTimeDisplay::DisplayTime() {
    const std::string caption = formatDate(TimeStart, "hh:mm:ss") + " to " + formatDate(TimeEnd, "hh:mm:ss");
    Sunrisetime = Sunrisetime.timePart();
    TimeCaption = caption;
    TimeBackColor = 0x8080FF;
    TimeForeColor = 0;

    const auto width = static_cast<double>(std::llabs(dateDiff(DateUnit::Second, TimeStart, TimeEnd)));
    TimeWidth = toInt32((width / 60) * (1000.0 / 60));
    const auto left = static_cast<double>(std::llabs(dateDiff(DateUnit::Second, Sunrisetime, TimeStart)));
    TimeLeft = toInt32((left / 60) * (1000.0 / 60) + 1000);
}

}  // namespace jd
