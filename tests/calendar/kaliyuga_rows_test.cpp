// The shipped rows of KaliyugaYearDetails: the committed script is what the
// generator writes from the ephemeris, and through the solar calendar every
// row gives back the weekday and the minute of the Sun's entry into Mesha.
#include <fstream>
#include <sstream>

#include "../../tools/kaliyuga/kaliyuga_rows.h"
#include "calendar/calendar_objects.h"
#include "calendar/solar_calendar.h"
#include "calendar_fixture.h"
#include "engine/cls_sunrise.h"
#include "platform/vb_date.h"

using namespace jd;
using namespace jd::calendar_testing;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

class KaliyugaRows : public CalendarTest {};

TEST_F(KaliyugaRows, TheCommittedScriptIsTheGeneratorsAndRefillsTheTable) {
    const auto rows = kaliyuga::generateRows();
    const std::string script = readFile(std::string(JD_SOURCE_DIR) + "/data/kaliyuga_years.sql");
    EXPECT_EQ(script, kaliyuga::renderSql(rows)) << "run tools/kaliyuga/regenerate.sh";
    EXPECT_EQ(script.rfind("DELETE FROM KaliyugaYearDetails;\n", 0), 0u);

    Database& db = openDatabase();
    db.executeScript(script);  // a second run replaces the rows, it adds none
    Statement count = db.query("SELECT count(*), min(Yearno), max(Yearno), min(DayVal), max(DayVal) FROM KaliyugaYearDetails");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.asInt(0), 60);
    EXPECT_EQ(count.asInt(1), 1);
    EXPECT_EQ(count.asInt(2), 60);
    EXPECT_GE(count.asInt(3), 7);
    EXPECT_LE(count.asInt(4), 13);
}

TEST_F(KaliyugaRows, EveryYearOfTheCycleGivesBackItsEntry) {
    openDatabase();
    clsFindSunSet sunsets;
    for (const kaliyuga::Row& row : kaliyuga::generateRows()) {
        const DateTime entry = row.entry;
        calendarObjects().solar.gSolarCalcYear = row.YearVal;
        const auto newYear = FnSolarNewYearDate();
        ASSERT_TRUE(newYear) << row.YearVal;

        // The fraction the calendar works with is the entry's minute.
        const double h = calendarObjects().solar.gNewYearDayFraction * 24;
        const int minuteOfDay = static_cast<int>(std::floor(h)) * 60 +
                                static_cast<int>(std::floor((h - std::floor(h)) * 60));
        EXPECT_EQ(minuteOfDay, entry.hour() * 60 + entry.minute()) << row.YearVal;

        // The year begins on the entry day, or the next when the entry is at
        // or after sunset.
        const auto sunset = sunsets.FnFindSunset(entry, "N", 28, 37, "E", 77, 13, false, 5.5, "E");
        ASSERT_TRUE(sunset);
        const DateTime firstDay = entry < *sunset ? entry.datePart() : dateAdd(DateUnit::Day, 1, entry.datePart());
        EXPECT_EQ(newYear->datePart(), firstDay) << row.YearVal;
    }
    EXPECT_TRUE(boxes.shown().empty());
}
