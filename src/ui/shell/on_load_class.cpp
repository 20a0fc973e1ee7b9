#include "ui/shell/on_load_class.h"

#include "platform/database.h"

namespace jd {

void OnLoadClass::FnPreferences(Database& db) {
    Statement rs = db.query("Select * From Preference");
    rs.step();  // an empty table leaves no current row: the first read raises
    // Column names as the main window spells them; the database ignores case.
    clsDays_in_a_Year = rs.asDouble("DayinYear");
    clsChart_Type = rs.asText("ChartStyle");
    clsLanguage = rs.asText("PreferLanguage");
    clsAyanamsa = rs.asText("Ayanamsa");
    clsBhava = rs.asText("Bhava");
    clsYear = rs.asDouble("customYear");
    clsProgress = rs.asDouble("customProgress");
}

}  // namespace jd
