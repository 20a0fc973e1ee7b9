#include "calendar/samvatsara.h"

#include "calendar/calendar_errors.h"
#include "calendar/calendar_objects.h"
#include "engine/cls_solar_year.h"
#include "platform/database.h"
#include "platform/vb_date.h"
#include "state/shared_records.h"

namespace jd {

namespace calendar_detail {

std::string samvatsaraDetails(int year) {
    SamvatsaraLookup& s = calendarObjects().samvatsara;
    s.gSamvatsaraYear = year;
    s.gSamvatsaraIndex = FnSamvatsaraYearno(year);
    s.found = false;
    const auto row = FnReadKaliyugaRow(sharedDatabase(), s.gSamvatsaraIndex);
    if (!row) return {};
    s.gSamvatsaraName = row->yearname;
    s.gYearVal = row->YearVal;
    s.gDayVal = row->DayVal;
    s.gYearRemain = row->YearRemain;
    s.found = true;
    return row->yearname;
}

}  // namespace calendar_detail

std::string FnSamvatsaraDetails(int year) {
    try {
        return calendar_detail::samvatsaraDetails(year);
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return {};
    }
}

int FnKaliYearNumber(const DateTime& date) {
    // Each 60-year cycle counts whole years from its first 1 January.
    struct Cycle {
        int firstYear;
        int kaliYear;
    };
    static constexpr Cycle kCycles[] = {{2046, 5147}, {1986, 5087}, {1926, 5027}, {1866, 4967}};
    for (const Cycle& c : kCycles) {
        if (date.year() >= c.firstYear)
            return static_cast<int>(dateDiff(DateUnit::Year, DateTime::of(c.firstYear, 1, 1), date)) + c.kaliYear;
    }
    return 0;
}

}  // namespace jd
