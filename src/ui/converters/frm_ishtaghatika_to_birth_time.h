#pragma once
// Ishta ghatika to birth time: from a date, an ishta ghatika in whole
// ghatikas and vighatikas and a place, the clock time of birth, the sunrise
// of that date plus the elapsed time, shown as "Birth Time : hh:mm AM".
#include "platform/date_time.h"
#include "ui/converters/converter_panel.h"

namespace jd {

class frm_IshtaghatikaToBirthTime final : public ConverterPanel {
public:
    static constexpr const char* kWindowName = "frm_IshtaghatikaToBirthTime";
    static constexpr const char* kCaption = "Ishta Ghatika To Birth Time ";

    frm_IshtaghatikaToBirthTime();

    // The window's own names for the controls of the panel.
    Label& txtBirthTime = result;
    CommandButton& Command4 = cityMasterButton;
    CommandButton& Command5 = zoneMasterButton;

protected:
    void compute() override;

private:
    // The date of the last Calculate, at midnight.
    DateTime date_;
};

}  // namespace jd
