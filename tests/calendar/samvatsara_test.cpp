// The samvatsara row of a year (the calendar's lookup and ClsSolarYear) and
// the Kali year.
#include "calendar/samvatsara.h"

#include "calendar/calendar_objects.h"
#include "calendar_fixture.h"
#include "engine/cls_solar_year.h"
#include "platform/run_time_error.h"

using namespace jd;
using namespace jd::calendar_testing;

class Samvatsara : public CalendarTest {};

TEST_F(Samvatsara, YearsFoldIntoTheCycle) {
    openDatabase();
    struct Case {
        int year;
        int yearno;
        const char* name;
    };
    const Case cases[] = {
        {1987, 1, "Prabhava"}, {2046, 60, "Akshaya"}, {2047, 1, "Prabhava"},  {2106, 60, "Akshaya"},
        {2107, 1, "Prabhava"}, {1986, 60, "Akshaya"}, {1900, 34, "Sharvari"}, {2000, 14, "Vikrama"},
        {1926, 60, "Akshaya"}, {1, 55, "Durmati"},    {9999, 33, "Vikari"},
    };
    ClsSolarYear cls(state().gDbConnection);
    for (const Case& c : cases) {
        EXPECT_EQ(FnSamvatsaraDetails(c.year), c.name) << c.year;
        EXPECT_EQ(calendarObjects().samvatsara.gSamvatsaraIndex, c.yearno) << c.year;
        cls.EnglishYear = c.year;
        EXPECT_EQ(cls.FindSolarYear(), c.name) << c.year;
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Samvatsara, TheRowCarriesTheNewYearValues) {
    openDatabase();
    EXPECT_EQ(FnSamvatsaraDetails(2000), "Vikrama");
    const SamvatsaraLookup& s = calendarObjects().samvatsara;
    EXPECT_EQ(s.gSamvatsaraYear, 2000);
    EXPECT_EQ(s.gDayVal, 10);
    EXPECT_DOUBLE_EQ(s.gYearRemain, 0.962364);
    EXPECT_DOUBLE_EQ(s.gYearVal, 2000);

    ClsSolarYear cls(state().gDbConnection);
    cls.EnglishYear = 2060;  // same row as 2000
    EXPECT_EQ(cls.FindSolarYear(), "Vikrama");
    EXPECT_EQ(cls.YearDay, 10);
    EXPECT_DOUBLE_EQ(cls.YearRemain, 0.962364);
    EXPECT_DOUBLE_EQ(cls.YearVal, 2000);
}

TEST_F(Samvatsara, AMissingRowGivesNoNameOfAnotherYear) {
    Database& db = openDatabase();
    db.execute("DELETE FROM KaliyugaYearDetails WHERE Yearno = 14");
    EXPECT_EQ(FnSamvatsaraDetails(1999), "Pramathi");
    EXPECT_TRUE(calendarObjects().samvatsara.found);
    EXPECT_EQ(FnSamvatsaraDetails(2000), "");
    EXPECT_FALSE(calendarObjects().samvatsara.found);

    // The engine's class keeps its outputs as they were.
    ClsSolarYear cls(state().gDbConnection);
    cls.EnglishYear = 2000;
    EXPECT_EQ(cls.FindSolarYear(), "");
    cls.EnglishYear = 1999;
    cls.FindSolarYear();
    cls.EnglishYear = 2000;
    EXPECT_EQ(cls.FindSolarYear(), "Pramathi");
    EXPECT_EQ(cls.YearDay, 9);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Samvatsara, DatabaseFaultsAreShownByTheCalendarAndRaisedByTheClass) {
    EXPECT_EQ(FnSamvatsaraDetails(2000), "");  // no connection
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);

    Database& db = openDatabase();
    db.execute("UPDATE KaliyugaYearDetails SET DayVal = NULL WHERE Yearno = 14");
    boxes.clear();
    EXPECT_EQ(FnSamvatsaraDetails(2000), "");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Invalid use of Null");

    ClsSolarYear cls(state().gDbConnection);
    cls.EnglishYear = 2000;
    EXPECT_THROW(cls.FindSolarYear(), RunTimeError);
    ClsSolarYear unconnected;
    EXPECT_THROW(unconnected.FindSolarYear(), RunTimeError);
}

TEST(KaliYear, CountedFromTheFirstYearOfEachCycle) {
    struct Case {
        DateTime date;
        int kali;
    };
    const Case cases[] = {
        {DateTime::of(1865, 1, 1), 0},         {DateTime::of(1865, 12, 31, 23, 59), 0},
        {DateTime::of(1866, 1, 1), 4967},      {DateTime::of(1925, 12, 31), 5026},
        {DateTime::of(1926, 1, 1), 5027},      {DateTime::of(2007, 1, 1), 5108},
        {DateTime::of(2007, 12, 31, 23, 59), 5108}, {DateTime::of(2045, 12, 31), 5146},
        {DateTime::of(2046, 1, 1), 5147},      {DateTime::of(9999, 12, 31), 13100},
    };
    for (const Case& c : cases) EXPECT_EQ(FnKaliYearNumber(c.date), c.kali) << c.date.year();
}
