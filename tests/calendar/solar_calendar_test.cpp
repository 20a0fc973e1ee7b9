// The solar year, month and day of a moment at the birth place.
#include "calendar/solar_calendar.h"

#include <optional>
#include <sstream>
#include <string>

#include "calendar/calendar_objects.h"
#include "calendar_fixture.h"
#include "platform/vb_date.h"

using namespace jd;
using namespace jd::calendar_testing;

namespace {

struct Solar {
    std::string yearName;
    long kali;
    std::string month;
    int day;
    bool operator==(const Solar&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Solar& s) {
    return os << s.day << " / " << s.month << " / " << s.yearName << " (Kali " << s.kali << ")";
}

Solar solarOf(const DateTime& moment) {
    FnSolarYearData(moment);
    const CalendarResults& r = state().calendar;
    return {r.gSolarYearName, r.gKaliYear, r.gSolarMonth, r.gSolarDay};
}

const Solar kEmpty{"", 0, "", 0};

}  // namespace

class SolarCalendar : public CalendarTest {
protected:
    void SetUp() override {
        CalendarTest::SetUp();
        openDatabase();
    }
};

TEST_F(SolarCalendar, NewYearBeginsAtTheSunriseOfTheEntryDayOrTheNextWhenTheEntryIsAfterSunset) {
    struct Case {
        int year;
        DateTime newYear;
    };
    const Case cases[] = {
        {2000, DateTime::of(2000, 4, 13, 5, 58)},  // entry 17:21, before sunset
        {2024, DateTime::of(2024, 4, 14, 5, 57)},  // entry 21:02 on the 13th, after sunset
        {2007, DateTime::of(2007, 4, 14, 5, 58)},
    };
    for (const Case& c : cases) {
        calendarObjects().solar.gSolarCalcYear = c.year;
        EXPECT_EQ(FnSolarNewYearDate(), c.newYear) << c.year;
        EXPECT_EQ(calendarObjects().solar.gSolarYearStart, c.newYear) << c.year;
    }
}

TEST_F(SolarCalendar, EveryYearFrom1866To2099HasANewYearAndLaterYearsOnlyOneFrom12To16April) {
    // The new-year sunrise of each year, as day of April / time, ten years
    // a row from the year given; "--" where the year has none. The years up
    // to 2099 whose entry falls on 11 or 17 April have one (1868, 1872 and
    // others); from 2100 a year has one only where it did when the days
    // were 12 to 16 April for every year, at the same moment.
    struct Row {
        int firstYear;
        const char* newYears;
    };
    const Row rows[] = {
        {1866, "12/05:59 12/06:00 11/06:00 12/05:59 12/05:59 12/06:00 11/06:00 12/05:59 12/05:59 12/06:00"},
        {1876, "11/06:00 12/05:59 12/05:59 12/06:00 11/06:00 12/05:59 12/05:59 12/06:00 11/06:00 12/05:59"},
        {1886, "12/05:59 12/06:00 11/06:00 12/05:59 12/05:59 12/06:00 11/06:00 12/05:59 12/05:59 12/06:00"},
        {1896, "12/05:59 12/05:59 12/05:59 12/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59"},
        {1906, "13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59"},
        {1916, "13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:59 13/05:58 13/05:59"},
        {1926, "13/05:59 14/05:58 13/05:58 13/05:59 13/05:59 14/05:58 13/05:58 13/05:59 13/05:59 14/05:58"},
        {1936, "13/05:58 13/05:59 13/05:59 14/05:58 13/05:58 13/05:59 13/05:59 14/05:58 13/05:58 13/05:59"},
        {1946, "13/05:59 14/05:58 13/05:58 13/05:59 13/05:59 14/05:58 13/05:58 13/05:59 14/05:58 14/05:58"},
        {1956, "13/05:58 13/05:58 14/05:58 14/05:58 13/05:58 13/05:58 14/05:58 14/05:58 13/05:58 13/05:58"},
        {1966, "14/05:58 14/05:58 13/05:58 13/05:58 14/05:58 14/05:58 13/05:58 13/05:58 14/05:58 14/05:58"},
        {1976, "13/05:58 13/05:58 14/05:58 14/05:58 13/05:58 13/05:58 14/05:57 14/05:58 13/05:58 13/05:58"},
        {1986, "14/05:57 14/05:58 13/05:58 14/05:57 14/05:57 14/05:58 13/05:58 14/05:57 14/05:57 14/05:58"},
        {1996, "13/05:58 14/05:57 14/05:57 14/05:58 13/05:58 14/05:57 14/05:57 14/05:58 13/05:58 14/05:57"},
        {2006, "14/05:57 14/05:58 13/05:58 14/05:57 14/05:57 14/05:58 14/05:57 14/05:57 14/05:57 14/05:57"},
        {2016, "14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57"},
        {2026, "14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57"},
        {2036, "14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:57 14/05:56 14/05:57"},
        {2046, "14/05:57 15/05:56 14/05:56 14/05:57 14/05:57 15/05:56 14/05:56 14/05:57 14/05:57 15/05:56"},
        {2056, "14/05:56 14/05:57 14/05:57 15/05:56 14/05:56 14/05:57 14/05:57 15/05:56 14/05:56 14/05:57"},
        {2066, "15/05:56 15/05:56 14/05:56 14/05:57 15/05:56 15/05:56 14/05:56 14/05:57 15/05:56 15/05:56"},
        {2076, "14/05:56 14/05:56 15/05:56 15/05:56 14/05:56 14/05:56 15/05:56 15/05:56 14/05:56 14/05:56"},
        {2086, "15/05:56 15/05:56 14/05:56 14/05:56 15/05:56 15/05:56 14/05:56 14/05:56 15/05:56 15/05:56"},
        {2096, "14/05:56 14/05:56 15/05:56 15/05:56"},
        // From 2100 the days 12 to 16 April alone: many years have none.
        {2100, "15/05:56 15/05:56 16/05:56 16/05:56 15/05:56 16/05:55 -- -- -- --"},
        {2160, "-- -- -- -- -- -- 12/05:59 13/05:58 12/05:59 12/05:59"},
        {2300, "-- -- -- 12/06:00 -- -- -- 12/06:00 -- --"},
    };
    for (const Row& row : rows) {
        std::istringstream in(row.newYears);
        int year = row.firstYear;
        for (std::string expected; in >> expected; ++year) {
            calendarObjects().solar.gSolarCalcYear = year;
            const std::optional<DateTime> newYear = FnSolarNewYearDate();
            if (expected == "--") {
                EXPECT_FALSE(newYear.has_value()) << year;
                continue;
            }
            ASSERT_TRUE(newYear.has_value()) << year;
            EXPECT_EQ(formatDate(*newYear, "DD/HH:NN"), expected) << year;
        }
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SolarCalendar, MomentsAroundTheTurnOfTheYear) {
    struct Case {
        DateTime moment;
        Solar expected;
    };
    const Case cases[] = {
        // Before the new-year sunrise: the last month of the old year.
        {DateTime::of(2000, 4, 13, 5, 57), {"Pramathi", 5100, "Phalguna", 30}},
        {DateTime::of(2000, 4, 13, 5, 58), {"Vikrama", 5101, "Chaitra", 1}},
        {DateTime::of(2024, 4, 13, 23, 0), {"Shobhakrit", 5124, "Phalguna", 30}},
        {DateTime::of(2024, 4, 14, 12, 0), {"Krodhi", 5125, "Chaitra", 1}},
        // January lies in the solar year that began the April before.
        {DateTime::of(2007, 1, 15, 12, 0), {"Vyaya", 5107, "Pausha", 1}},
        {DateTime::of(2007, 12, 31, 23, 59), {"Sarvajit", 5108, "Margasira", 15}},
        // Entry days of 11 April: in 1868 in the morning, in 1896 after
        // sunset, so that year begins on the 12th.
        {DateTime::of(1868, 4, 11, 6, 0), {"Vibhava", 4969, "Chaitra", 1}},
        {DateTime::of(1868, 6, 1), {"Vibhava", 4969, "Vaisakha", 20}},
        {DateTime::of(1869, 1, 10), {"Vibhava", 4969, "Margasira", 27}},
        {DateTime::of(1896, 6, 1), {"Durmukhi", 4997, "Vaisakha", 18}},
    };
    for (const Case& c : cases) EXPECT_EQ(solarOf(c.moment), c.expected) << generalDateText(c.moment);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SolarCalendar, DaysOfAMonthBeginAtSunrise) {
    // Vaisakha 2000 begins at the sunrise of 15 May (05:31).
    struct Case {
        DateTime moment;
        const char* month;
        int day;
    };
    const Case cases[] = {
        {DateTime::of(2000, 5, 15, 5, 30), "Chaitra", 32},
        {DateTime::of(2000, 5, 15, 5, 31), "Vaisakha", 1},
        {DateTime::of(2000, 5, 16, 0, 30), "Vaisakha", 1},
        {DateTime::of(2000, 5, 16, 6, 0), "Vaisakha", 2},
        {DateTime::of(2000, 4, 14, 5, 0), "Chaitra", 1},
    };
    for (const Case& c : cases) {
        const Solar s = solarOf(c.moment);
        EXPECT_EQ(s.month, c.month) << generalDateText(c.moment);
        EXPECT_EQ(s.day, c.day) << generalDateText(c.moment);
    }
    const SolarWorking& w = calendarObjects().solar;
    EXPECT_EQ(w.gSolarMonthNames[1], "Vaisakha");
    EXPECT_EQ(w.gSolarMonthStarts[1], DateTime::of(2000, 5, 15, 5, 31));
}

TEST_F(SolarCalendar, WhereTheCalendarIsNotDefinedTheFieldsAreEmpty) {
    struct Case {
        const char* what;
        DateTime moment;
    };
    const Case cases[] = {
        {"before 1866", DateTime::of(1865, 6, 1)},
        {"before the first new year", DateTime::of(1866, 2, 1)},
        // Neither 2124 nor 2123 has a new year: no Phalguna of 33 days.
        {"a year after 2099 without a new year", DateTime::of(2124, 4, 12, 12, 0)},
    };
    for (const Case& c : cases) {
        solarOf(DateTime::of(2007, 6, 1));  // a chart looked up before
        EXPECT_EQ(solarOf(c.moment), kEmpty) << c.what;
    }
    // Before 11 April a moment belongs to the year before.
    EXPECT_EQ(solarOf(DateTime::of(1871, 3, 1)).yearName, "Pramoduta");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SolarCalendar, AYearWithoutItsRowIsEmptyNotTheYearBefore) {
    solarOf(DateTime::of(2007, 6, 1));
    state().gDbConnection->execute("DELETE FROM KaliyugaYearDetails WHERE Yearno = 22");  // 2008
    EXPECT_EQ(solarOf(DateTime::of(2008, 6, 1)), kEmpty);
    EXPECT_EQ(solarOf(DateTime::of(2009, 2, 1)), kEmpty);
    EXPECT_EQ(solarOf(DateTime::of(2008, 2, 1)).yearName, "Sarvajit");
}

TEST_F(SolarCalendar, APlaceWithoutSunriseOrSunsetLeavesTheFieldsEmpty) {
    solarOf(DateTime::of(2007, 6, 1));
    setPlace(kTromso);  // the months of midnight sun have no sunset
    EXPECT_EQ(solarOf(DateTime::of(2007, 4, 20)), kEmpty);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SolarCalendar, AFaultIsShownAndLeavesTheFieldsEmpty) {
    solarOf(DateTime::of(2007, 6, 1));
    state().gDbConnection.reset();
    EXPECT_EQ(solarOf(DateTime::of(2007, 6, 1)), kEmpty);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.last().title, std::nullopt);
}
