#include "ui/converters/frm_birth_time_to_ishta_ghatika.h"

#include "platform/vb_date.h"
#include "ui/converters/ishta_ghatika.h"

namespace jd {

namespace {

const ConverterDesign kDesign{
    frm_BirthTimetoIshtaGhatika::kWindowName,
    frm_BirthTimetoIshtaGhatika::kCaption,
    true,
    "Birth Time",
    "txtIshtaGhati",
    "Calculate &Ishta Ghati",
    "Command6",
    "cmdTimeZoneHelp",
};

}  // namespace

frm_BirthTimetoIshtaGhatika::frm_BirthTimetoIshtaGhatika() : ConverterPanel(kDesign) {}

// FnCalculateIshtaGhati: the birth moment from the boxes ("14/Jul/1965
// 14:15: 00", read day-first; an hour of 24 is no time and raises Type
// mismatch), the minutes since the sunrise that precedes it, and those
// minutes in ghatikas. Where the Sun does not rise no count is shown.
void frm_BirthTimetoIshtaGhatika::compute() {
    birthMoment_ = parseDate(dateText() + " " + cbHour.text() + ":" + cbMins.text() + ": 00");
    const MinutesSinceSunrise elapsed =
        FnMinutesSinceSunrise(birthMoment_, [this](const DateTime& date) { return sunriseOn(date); },
                              [this](const DateTime& date) { return risingIntoMidnightSunOn(date); });
    if (!elapsed.minutes) {
        reportNoSunrise(elapsed.sunriseDate);
        return;
    }
    txtIshtaGhati.setCaption("Ishta Ghati : " + FnGhatikaText(FnGhatikasOfMinutes(*elapsed.minutes)));
    FnShowResult();
}

}  // namespace jd
