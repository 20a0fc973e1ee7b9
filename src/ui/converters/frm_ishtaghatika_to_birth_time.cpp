#include "ui/converters/frm_ishtaghatika_to_birth_time.h"

#include <optional>

#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "ui/converters/ishta_ghatika.h"

namespace jd {

namespace {

const ConverterDesign kDesign{
    frm_IshtaghatikaToBirthTime::kWindowName,
    frm_IshtaghatikaToBirthTime::kCaption,
    false,
    "Ishta Ghatika",
    "txtBirthTime",
    "Calculate &Birth Time",
    "Command4",
    "Command5",
};

}  // namespace

frm_IshtaghatikaToBirthTime::frm_IshtaghatikaToBirthTime() : ConverterPanel(kDesign) {}

// FnCalculateBirthTime: the sunrise of the chosen date (whatever the count,
// never the day before) plus 24 minutes a ghatika and 24 seconds a
// vighatika, shown on the 12-hour clock; the seconds are dropped and a time
// past midnight shows the next day's clock time alone.
void frm_IshtaghatikaToBirthTime::compute() {
    date_ = parseDate(dateText());
    const double ghatikas = toDouble(cbHour.text());
    const double vighatikas = toDouble(cbMins.text());
    const std::optional<DateTime> sunrise = sunriseOn(date_);
    if (!sunrise) {
        reportNoSunrise(date_);
        return;
    }
    const DateTime birth = FnMomentAfterSunrise(*sunrise, ghatikas, vighatikas);
    txtBirthTime.setCaption("Birth Time : " + formatDate(birth, "HH:NN AM/PM"));
    FnShowResult();
}

}  // namespace jd
