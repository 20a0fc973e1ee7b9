#pragma once
// Birth time to ishta ghatika: from a birth date, a clock time and a place,
// the time elapsed from the sunrise that precedes the birth, shown as
// "Ishta Ghati : G:V:P" (ghatikas, vighatikas and sixtieths of a vighatika).
#include "platform/date_time.h"
#include "ui/converters/converter_panel.h"

namespace jd {

class frm_BirthTimetoIshtaGhatika final : public ConverterPanel {
public:
    static constexpr const char* kWindowName = "frm_BirthTimetoIshtaGhatika";
    static constexpr const char* kCaption = "Birth Time to Ishta Ghatika";

    frm_BirthTimetoIshtaGhatika();

    // The window's own names for the controls of the panel.
    Label& txtIshtaGhati = result;
    CommandButton& Command6 = cityMasterButton;
    CommandButton& cmdTimeZoneHelp = zoneMasterButton;

protected:
    void compute() override;

private:
    // The birth moment of the last Calculate: local clock time, seconds 0.
    DateTime birthMoment_;
};

}  // namespace jd
