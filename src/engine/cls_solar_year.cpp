#include "engine/cls_solar_year.h"

#include "platform/database.h"
#include "platform/run_time_error.h"
#include "platform/vb_number.h"

namespace jd {

int FnSamvatsaraYearno(int year) {
    // year - 1986 folded into 1..60; a multiple of 60 is the 60th year.
    int n = (year - 1986) % 60;
    if (n <= 0) n += 60;
    return n;
}

std::optional<KaliyugaRow> FnReadKaliyugaRow(Database& db, int yearno) {
    Statement st = db.query("Select * From KaliyugaYearDetails where Yearno = ?", yearno);
    if (!st.step()) return std::nullopt;
    KaliyugaRow row;
    row.yearname = st.asText("yearname");
    row.YearVal = st.asDouble("YearVal");
    row.DayVal = toInt16(st.asDouble("DayVal"));
    row.YearRemain = st.asDouble("YearRemain");
    return row;
}

std::string ClsSolarYear::FindSolarYear() {
    // The year is a 16-bit value; the difference stays within that range.
    const int year = toInt16(static_cast<double>(EnglishYear));
    if (!Connection) throw RunTimeError(91, "Object variable or With block variable not set");
    if (auto row = FnReadKaliyugaRow(*Connection, FnSamvatsaraYearno(year))) {
        yearname = row->yearname;
        YearVal = row->YearVal;
        YearDay = row->DayVal;
        YearRemain = row->YearRemain;
    }
    return yearname;
}

}  // namespace jd
