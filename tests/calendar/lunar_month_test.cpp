// The lunar month of a date in both reckonings, with its intercalary mark and
// year name, at New Delhi.
#include "calendar/lunar_month.h"

#include "calendar/calendar_objects.h"
#include "calendar/month_names.h"
#include "calendar_fixture.h"
#include "platform/vb_date.h"

#include <vector>

using namespace jd;
using namespace jd::calendar_testing;

namespace {

struct Month {
    std::string month, mark, yearName;
    bool operator==(const Month&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Month& m) {
    return os << m.mark << "  /  " << m.month << "  /  " << m.yearName;
}

Month purnimanta(const DateTime& date, const std::string& mode = "TP") {
    FnPurnimantaMonth(date, mode);
    const CalendarResults& r = state().calendar;
    return {r.gPurnimantaMonth, r.gPurnimantaAdhika, r.gPurnimantaYearName};
}

Month amanta(const DateTime& date, const std::string& mode = "TP") {
    FnAmantaMonth(date, mode);
    const CalendarResults& r = state().calendar;
    return {r.gAmantaMonth, r.gAmantaAdhika, r.gAmantaYearName};
}

const Month kEmpty{"", "", ""};

}  // namespace

class LunarMonth : public CalendarTest {
protected:
    void SetUp() override {
        CalendarTest::SetUp();
        openDatabase();
    }
};

TEST_F(LunarMonth, AmantaMonthsAroundTheIntercalaryJyeshthaOf2007) {
    struct Case {
        const char* what;
        DateTime date;
        Month expected;
    };
    const Case cases[] = {
        {"an ordinary month", DateTime::of(2000, 10, 20, 12, 0), {"Asvina", "Shudha", "Vikrama"}},
        // The new moons of 16 May and 14 June 2007 both have the Sun in Taurus.
        {"between them", DateTime::of(2007, 6, 1, 12, 0), {"Jyeshtha", "Adhika", "Sarvajit"}},
        {"the first day, inside the new moon's tithi", DateTime::of(2007, 5, 17, 12, 0),
         {"Jyeshtha", "Adhika", "Sarvajit"}},
        {"after the second (the search finds two)", DateTime::of(2007, 6, 20, 12, 0),
         {"Jyeshtha", "Shudha", "Sarvajit"}},
        // The month before: named after its own new moon (Sun in Aries), not
        // after the two that follow it.
        {"the month before", DateTime::of(2007, 5, 5, 12, 0), {"Vaisakha", "Shudha", "Sarvajit"}},
        {"the month of Libra", DateTime::of(2009, 10, 25, 12, 0), {"Kartikka", "Adhika", "Virodhi"}},
        {"a January date", DateTime::of(2007, 1, 30, 12, 0), {"Magha", "Shudha", "Vyaya"}},
    };
    for (const Case& c : cases) EXPECT_EQ(amanta(c.date), c.expected) << c.what;
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LunarMonth, PurnimantaMonthsAndTheirFullMoonDays) {
    struct Case {
        const char* what;
        DateTime date;
        Month expected;
    };
    const Case cases[] = {
        // Named from the full moon that begins the month, in both halves.
        {"dark half after the full moon of 13 Oct 2000", DateTime::of(2000, 10, 20, 12, 0),
         {"Asvina", "Shudha", "Vikrama"}},
        {"the full-moon day itself", DateTime::of(2000, 10, 13, 12, 0), {"Asvina", "Shudha", "Vikrama"}},
        {"full-moon day of 1 June 2007", DateTime::of(2007, 6, 1, 12, 0), {"Jyeshtha", "Shudha", "Sarvajit"}},
        // The full moons of 17 July and 16 August 2008 both have the Sun in Cancer.
        {"full-moon day that begins the intercalary month", DateTime::of(2008, 7, 18, 12, 0),
         {"Sravana", "Adhika", "Sarvadhari"}},
        {"inside it", DateTime::of(2008, 8, 1, 12, 0), {"Sravana", "Adhika", "Sarvadhari"}},
        {"its bright first day", DateTime::of(2008, 8, 2, 12, 0), {"Sravana", "Adhika", "Sarvadhari"}},
        {"the month after it", DateTime::of(2008, 8, 30, 12, 0), {"Sravana", "Shudha", "Sarvadhari"}},
    };
    for (const Case& c : cases) EXPECT_EQ(purnimanta(c.date), c.expected) << c.what;
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LunarMonth, ABirthBeforeSunriseOnTheBrightFirstDayBelongsToTheMonthBefore) {
    // Sunrise of 2 Aug 2008 falls in the bright Pratipada (purnimanta), as
    // does that of 17 May 2007 (amanta).
    EXPECT_EQ(purnimanta(DateTime::of(2008, 8, 2, 4, 0)), (Month{"Ashadha", "Shudha", "Sarvadhari"}));
    EXPECT_EQ(purnimanta(DateTime::of(2008, 8, 2, 4, 0), "DP"), (Month{"Sravana", "Adhika", "Sarvadhari"}));
    EXPECT_EQ(amanta(DateTime::of(2007, 5, 17, 3, 0)), (Month{"Vaisakha", "Shudha", "Sarvajit"}));
    EXPECT_EQ(amanta(DateTime::of(2007, 5, 17, 3, 0), "DP"), (Month{"Jyeshtha", "Adhika", "Sarvajit"}));
}

TEST_F(LunarMonth, TheSearchRecordsTheHourBeforeEachMoonBegan) {
    EXPECT_EQ(FnFindAmavasyaCount(DateTime::of(2007, 6, 20)), 2);
    const LunarSearch& a = calendarObjects().amavasya;
    EXPECT_EQ(a.recordedMoments, "14/06/2007 11:00:00*16/05/2007 04:00:00");
    EXPECT_EQ(a.firstSign, "TAURUS");
    EXPECT_EQ(FnSignNameUpper(a.recordedSun), "TAURUS");

    // A date inside the full moon's tithi walks back to its beginning.
    EXPECT_EQ(FnFindPurnimaCount(DateTime::of(2000, 10, 13)), 1);
    const LunarSearch& p = calendarObjects().purnima;
    EXPECT_TRUE(p.startedInside);
    EXPECT_EQ(p.recordedMoments, "12/10/2000 14:00:00");
    const SunMoon before = calendarObjects().sunMoon(DateTime::of(2000, 10, 12, 14, 0), FnCalendarPlace());
    const SunMoon first = calendarObjects().sunMoon(DateTime::of(2000, 10, 12, 15, 0), FnCalendarPlace());
    EXPECT_NE(FnTithiName(before.sun, before.moon), "Purnima");
    EXPECT_EQ(FnTithiName(first.sun, first.moon), "Purnima");
}

TEST_F(LunarMonth, ProbingAheadStopsAtTheSameHoursAsWalkingEveryHour) {
    std::vector<DateTime> dates = {
        DateTime::of(2000, 10, 20), DateTime::of(2000, 10, 13), DateTime::of(2007, 5, 16), DateTime::of(2007, 5, 17),
        DateTime::of(2007, 6, 15),  DateTime::of(2008, 7, 18),  DateTime::of(2008, 8, 2),  DateTime::of(2009, 11, 17),
        DateTime::of(1965, 7, 14),  DateTime::of(2024, 4, 13),  DateTime::of(1999, 12, 31), DateTime::of(2012, 3, 21),
    };
    // and a date every 45 days through two years
    for (int day = 0; day < 730; day += 45) dates.push_back(dateAdd(DateUnit::Day, day, DateTime::of(2015, 1, 3)));
    const auto same = [](const LunarSearch& a, const LunarSearch& b) {
        return a.count == b.count && a.recordedMoments == b.recordedMoments && a.recordedSun == b.recordedSun &&
               a.firstSign == b.firstSign && a.lastSign == b.lastSign && a.forwardSign == b.forwardSign &&
               a.forwardCount == b.forwardCount && a.startedInside == b.startedInside;
    };
    CalendarCalculators& cc = calendarObjects();
    long probing = 0, walking = 0;
    for (const DateTime& d : dates) {
        cc.forgetPositions();
        cc.searchStride = 12;
        long calls = cc.ephemerisCalls();
        const int n12 = FnFindPurnimaCount(d);
        const LunarSearch p12 = cc.purnima;
        FnFindAmavasyaCount(d);
        const LunarSearch a12 = cc.amavasya;
        probing += cc.ephemerisCalls() - calls;

        cc.forgetPositions();
        cc.searchStride = 1;
        calls = cc.ephemerisCalls();
        EXPECT_EQ(FnFindPurnimaCount(d), n12) << generalDateText(d);
        EXPECT_TRUE(same(cc.purnima, p12)) << generalDateText(d) << " " << cc.purnima.recordedMoments;
        FnFindAmavasyaCount(d);
        EXPECT_TRUE(same(cc.amavasya, a12)) << generalDateText(d) << " " << cc.amavasya.recordedMoments;
        walking += cc.ephemerisCalls() - calls;
    }
    EXPECT_LT(probing * 5, walking);
}

TEST_F(LunarMonth, ComputesWithTheChartsAyanamsaNotTheStoredPreference) {
    state().gDbConnection->execute("UPDATE Preference SET CustomYear = 1000, CustomProgress = 900000");
    ChartAyanamsa& a = state().chartAyanamsa;
    a.gAyanamsaChoice = "Custom";
    a.gChartCustomZeroYear = 285;  // close to Lahiri
    a.gChartCustomProgress = 50.2388475;
    EXPECT_EQ(amanta(DateTime::of(2007, 6, 1, 12, 0)), (Month{"Jyeshtha", "Adhika", "Sarvajit"}));
    EXPECT_EQ(purnimanta(DateTime::of(2000, 10, 20, 12, 0)), (Month{"Asvina", "Shudha", "Vikrama"}));
    EXPECT_EQ(a.gChartCustomZeroYear, 285);
    EXPECT_EQ(a.gChartCustomProgress, 50.2388475);

    // The preferences read the stored values on their own.
    FnReadCustomAyanamsa();
    EXPECT_EQ(a.gChartCustomZeroYear, 1000);
    EXPECT_EQ(a.gChartCustomProgress, 900000);
    state().gDbConnection->execute("DELETE FROM Preference");
    a.gChartCustomZeroYear = 7;
    FnReadCustomAyanamsa();
    EXPECT_EQ(a.gChartCustomZeroYear, 7);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LunarMonth, ADateThatCannotBePlacedLeavesNoMonthOfAnotherChart) {
    amanta(DateTime::of(2007, 6, 1, 12, 0));
    purnimanta(DateTime::of(2007, 6, 1, 12, 0));
    setPlace(kTromso);  // no sunrise on 20 December
    EXPECT_EQ(amanta(DateTime::of(2007, 12, 20, 12, 0)), kEmpty);
    EXPECT_EQ(purnimanta(DateTime::of(2007, 12, 20, 12, 0)), kEmpty);
    EXPECT_TRUE(boxes.shown().empty());

    setPlace(kNewDelhi);
    amanta(DateTime::of(2007, 6, 1, 12, 0));
    state().birth.gZoneHours = "";
    EXPECT_EQ(amanta(DateTime::of(2007, 6, 1, 12, 0)), kEmpty);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Type mismatch");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
}
