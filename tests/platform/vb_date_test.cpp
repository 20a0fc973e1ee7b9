#include "platform/vb_date.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/run_time_error.h"

using jd::DateTime;

namespace {

DateTime at(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return DateTime::of(y, m, d, h, n, s); }

}  // namespace

TEST(DateAdd, CalendarUnitsKeepTheDayAndClampToTheMonthEnd) {
    struct Case { const char* unit; double n; DateTime from, expected; };
    const Case cases[] = {
        {"m", 1, at(2001, 1, 31, 14, 15), at(2001, 2, 28, 14, 15)},
        {"m", 1, at(2000, 1, 31), at(2000, 2, 29)},  // 2000 is a leap year
        {"m", 1, at(1900, 1, 31), at(1900, 2, 28)},  // 1900 is not
        {"m", -1, at(2000, 3, 31), at(2000, 2, 29)},
        {"m", 13, at(1999, 12, 15), at(2001, 1, 15)},
        {"m", -12, at(2000, 1, 10), at(1999, 1, 10)},
        {"yyyy", 1, at(2000, 2, 29), at(2001, 2, 28)},
        {"yyyy", 4, at(2000, 2, 29), at(2004, 2, 29)},
        {"yyyy", -100, at(2000, 2, 29), at(1900, 2, 28)},
        {"YYYY", 1, at(1965, 7, 14), at(1966, 7, 14)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jd::generalDateText(jd::dateAdd(c.unit, c.n, c.from)), jd::generalDateText(c.expected))
            << c.unit << " " << c.n << " from " << jd::generalDateText(c.from);
}

TEST(DateAdd, ClockUnitsCarryAcrossDaysAndRoundHalfToEven) {
    struct Case { const char* unit; double n; DateTime from, expected; };
    const Case cases[] = {
        {"d", 1, at(1999, 12, 31, 23, 0), at(2000, 1, 1, 23, 0)},
        {"d", 2191.5, at(2000, 1, 1), at(2006, 1, 1)},  // 2192 days: the half goes to the even neighbour
        {"d", 3652.5, at(2000, 1, 1), at(2009, 12, 31)},  // 3652 days
        {"d", -1, at(1900, 3, 1), at(1900, 2, 28)},
        {"h", 25, at(2000, 2, 28, 23, 0), at(2000, 3, 1, 0, 0)},
        {"n", -330, at(1965, 7, 14, 2, 15), at(1965, 7, 13, 20, 45)},
        {"n", 720, at(2000, 1, 1, 10, 0), at(2000, 1, 1, 22, 0)},
        {"s", 1, at(1999, 12, 31, 23, 59, 59), at(2000, 1, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jd::generalDateText(jd::dateAdd(c.unit, c.n, c.from)), jd::generalDateText(c.expected))
            << c.unit << " " << c.n;
}

TEST(DateAdd, RejectsUnknownUnitsAndResultsOutsideTheCalendar) {
    EXPECT_THROW(jd::dateAdd("w", 1, at(2000, 1, 1)), jd::RunTimeError);
    EXPECT_THROW(jd::dateAdd("yyyy", 1, at(9999, 6, 1)), jd::RunTimeError);
    EXPECT_THROW(jd::dateAdd("d", -1, at(1, 1, 1)), jd::RunTimeError);
    EXPECT_THROW(jd::dateAdd("s", 1e300, at(2000, 1, 1)), jd::RunTimeError);
    try {
        jd::dateAdd("m", 1, at(9999, 12, 1));
        FAIL();
    } catch (const jd::RunTimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

TEST(DateDiff, CountsBoundariesCrossed) {
    struct Case { const char* unit; DateTime from, to; long long expected; };
    const Case cases[] = {
        {"n", at(2000, 1, 1, 10, 0, 59), at(2000, 1, 1, 10, 1, 0), 1},
        {"n", at(2000, 1, 1, 10, 1, 0), at(2000, 1, 1, 10, 1, 59), 0},
        {"n", at(2000, 1, 1, 10, 1, 0), at(2000, 1, 1, 10, 0, 59), -1},
        {"n", at(2000, 1, 1, 10, 0), at(2000, 1, 2, 10, 0), 1440},
        {"h", at(2000, 1, 1, 10, 59, 59), at(2000, 1, 1, 11, 0, 0), 1},
        {"s", at(2000, 1, 1, 6, 0), at(2000, 1, 1, 18, 0, 4), 43204},
        {"s", at(2000, 1, 1, 18, 0), at(2000, 1, 2, 6, 0), 43200},
        {"d", at(2000, 1, 1, 23, 59, 59), at(2000, 1, 2, 0, 0, 0), 1},
        {"d", at(2000, 1, 1, 0, 0), at(2000, 1, 1, 23, 59), 0},
        {"d", at(1900, 2, 28), at(1900, 3, 1), 1},
        {"m", at(2000, 1, 31), at(2000, 2, 1), 1},
        {"m", at(2000, 3, 1), at(1999, 12, 31), -3},
        {"yyyy", at(1999, 12, 31, 23, 59, 59), at(2000, 1, 1), 1},
        {"yyyy", at(2000, 1, 1), at(2000, 12, 31), 0},
        // Moments before day zero count as continuously as those after it.
        {"n", at(1899, 12, 29, 23, 59, 30), at(1899, 12, 30, 0, 0, 30), 1},
        {"h", at(1899, 12, 29, 23, 0), at(1899, 12, 30, 1, 0), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jd::dateDiff(c.unit, c.from, c.to), c.expected)
            << c.unit << " " << jd::generalDateText(c.from) << " to " << jd::generalDateText(c.to);
}

TEST(Weekday, CountsFromSundayAndNamesInEnglish) {
    struct Case { DateTime t; int number; const char* name; };
    const Case cases[] = {
        {at(1899, 12, 30), 7, "Saturday"},
        {at(1899, 12, 24), 1, "Sunday"},
        {at(1900, 1, 1), 2, "Monday"},
        {at(1965, 7, 14, 14, 15), 4, "Wednesday"},
        {at(2000, 2, 29), 3, "Tuesday"},
        {at(2024, 3, 1), 6, "Friday"},
        {at(1, 1, 1), 2, "Monday"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jd::weekday(c.t), c.number) << jd::generalDateText(c.t);
        EXPECT_EQ(jd::weekdayName(jd::weekday(c.t)), c.name);
    }
    EXPECT_THROW(jd::weekdayName(0), jd::RunTimeError);
    EXPECT_THROW(jd::weekdayName(8), jd::RunTimeError);
}

TEST(MonthNames, ReadAndWriteEnglishNames) {
    EXPECT_EQ(jd::monthAbbreviation(7), "Jul");
    EXPECT_EQ(jd::monthName(9), "September");
    EXPECT_EQ(jd::monthFromName("Jul"), 7);
    EXPECT_EQ(jd::monthFromName("sep"), 9);
    EXPECT_EQ(jd::monthFromName("DECEMBER"), 12);
    EXPECT_EQ(jd::monthFromName("Ju"), 0);
    EXPECT_EQ(jd::monthFromName(""), 0);
    EXPECT_THROW(jd::monthAbbreviation(13), jd::RunTimeError);
}

TEST(TimeSerial, CarriesIntoTheNextUnitAndIntoDayOne) {
    struct Case { int h, n, s; const char* general; };
    const Case cases[] = {
        {14, 15, 0, "14:15:00"},
        {23, 75, 0, "31/12/1899 00:15:00"},  // 23:30 + 45 minutes, as summed part by part
        {24, 0, 0, "31/12/1899"},            // exactly midnight of day one
        {25, 30, 0, "31/12/1899 01:30:00"},
        {6, 59, 60, "07:00:00"},
        {10, 0, -30, "09:59:30"},
        {0, 0, 5400, "01:30:00"},
        {0, 0, 0, "00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jd::generalDateText(jd::timeSerial(c.h, c.n, c.s)), c.general) << c.h << ":" << c.n << ":" << c.s;
    // The time of day of a day-one moment is what the callers join to a date.
    const DateTime dayOne = jd::timeSerial(23, 75, 0);
    EXPECT_EQ(jd::formatDate(dayOne, "hh:mm:ss"), "00:15:00");
    EXPECT_EQ(dayOne.dayNumber(), 1);
    EXPECT_THROW(jd::timeSerial(0, 0, 32768), jd::RunTimeError);
    EXPECT_NO_THROW(jd::timeSerial(0, 0, 32767));
}

TEST(DateSerial, CarriesMonthsAndDays) {
    EXPECT_EQ(jd::dateSerial(2000, 13, 1), at(2001, 1, 1));
    EXPECT_EQ(jd::dateSerial(2000, 3, 0), at(2000, 2, 29));
    EXPECT_EQ(jd::dateSerial(1900, 3, 0), at(1900, 2, 28));
    EXPECT_EQ(jd::dateSerial(2000, 1, 32), at(2000, 2, 1));
    EXPECT_EQ(jd::dateSerial(2000, 0, 1), at(1999, 12, 1));
    EXPECT_THROW(jd::dateSerial(10000, 1, 1), jd::RunTimeError);
}

TEST(FormatDate, PatternsOfTheWindowsAndTables) {
    const DateTime birth = at(1965, 7, 14, 14, 15, 40);
    struct Case { DateTime t; const char* pattern; const char* expected; };
    const Case cases[] = {
        {birth, "DD/MM/YYYY", "14/07/1965"},
        {birth, "DD/MM/YYYY ", "14/07/1965 "},
        {birth, "DD/MMM/YYYY", "14/Jul/1965"},
        {birth, "dd/mmm/yyyy", "14/Jul/1965"},
        {birth, "dd/MMM/yyyy", "14/Jul/1965"},
        {birth, "dd/MMM/YYYY HH:MM AM/PM", "14/Jul/1965 02:15 PM"},
        {birth, "DD/MMM/YYYY HH:MM AM/PM", "14/Jul/1965 02:15 PM"},
        {birth, "DD/MM/YYYY HH:NN AM/PM", "14/07/1965 02:15 PM"},
        {birth, "HH:NN AM/PM", "02:15 PM"},
        {birth, "hh:mm AM/PM", "02:15 PM"},
        {birth, "HH AM/PM", "02 PM"},
        {birth, "hh:mm:ss", "14:15:40"},
        {birth, "AM/PM", "PM"},
        {birth, "am/pm", "pm"},
        {birth, "d/m/yy h:n:s", "14/7/65 14:15:40"},
        {birth, "dddd, mmmm d", "Wednesday, July 14"},
        {birth, "ddd", "Wed"},
        {birth, "\"at\" hh\\h", "at 14h"},
        {at(2000, 3, 5, 0, 5), "HH:NN AM/PM", "12:05 AM"},
        {at(2000, 3, 5, 0, 5), "hh:mm:ss", "00:05:00"},
        {at(2000, 3, 5, 12, 30), "HH:NN AM/PM", "12:30 PM"},
        {at(2000, 3, 5, 11, 59), "HH AM/PM", "11 AM"},
        {at(2000, 3, 5, 12, 0), "AM/PM", "PM"},
        {at(2000, 3, 5, 23, 59, 59), "HH:NN AM/PM", "11:59 PM"},
        {at(2000, 3, 5, 9, 7), "DD/MM/YYYY HH:NN AM/PM", "05/03/2000 09:07 AM"},
        {at(45, 1, 2), "DD/MM/YYYY", "02/01/0045"},
        {at(2000, 2, 1), "y", "32"},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::formatDate(c.t, c.pattern), c.expected) << c.pattern;
    EXPECT_THROW(jd::formatDate(birth, "hhh"), jd::RunTimeError);
}

TEST(GeneralDateText, DayZeroShowsTheTimeMidnightTheDate) {
    struct Case { DateTime t; const char* expected; };
    const Case cases[] = {
        {DateTime::timeOfDay(14, 15, 0), "14:15:00"},
        {DateTime(), "00:00:00"},
        {at(1965, 7, 14, 14, 15), "14/07/1965 14:15:00"},
        {at(1965, 7, 14), "14/07/1965"},
        {at(1899, 12, 31, 0, 0, 1), "31/12/1899 00:00:01"},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::generalDateText(c.t), c.expected);
}

TEST(ParseDate, ReadsTheTextsTheProgramBuilds) {
    struct Case { const char* text; DateTime expected; };
    const Case cases[] = {
        {"14/Jul/1965 14:15: 00", at(1965, 7, 14, 14, 15)},
        {"14/Jul/1965 02:15 PM", at(1965, 7, 14, 14, 15)},
        {"14/07/1965 02:15 PM", at(1965, 7, 14, 14, 15)},
        {"14/Jul/1965 12:05 AM", at(1965, 7, 14, 0, 5)},
        {"14/Jul/1965 12:30 pm", at(1965, 7, 14, 12, 30)},
        {"12/4/2000", at(2000, 4, 12)},
        {"05/03/2000 ", at(2000, 3, 5)},
        {"  5-mar-2000", at(2000, 3, 5)},
        {"14/07/1965 14:15:40", at(1965, 7, 14, 14, 15, 40)},
        {"29/02/2000", at(2000, 2, 29)},
        {"14:15:00", DateTime::timeOfDay(14, 15, 0)},
        {"02 PM", DateTime::timeOfDay(14, 0, 0)},
        {"9:5", DateTime::timeOfDay(9, 5, 0)},
        {"31/12/1899 00:15:00", at(1899, 12, 31, 0, 15)},
        {"1/1/65", at(1965, 1, 1)},
        {"1/1/29", at(2029, 1, 1)},
        {"1/1/0045", at(45, 1, 1)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(jd::isDate(c.text)) << c.text;
        if (jd::isDate(c.text)) {
            EXPECT_EQ(jd::generalDateText(jd::parseDate(c.text)), jd::generalDateText(c.expected)) << c.text;
        }
    }
}

TEST(ParseDate, InvalidDatesAndTimesAreErrorsNotRollOvers) {
    const char* bad[] = {
        "30/02/2000", "29/02/1900", "31/04/2000", "00/01/2000", "14/13/2000", "14/Jux/1965",
        "14/07/1965 24:00", "14/07/1965 23:60", "14/07/1965 10:00:60", "13:00 PM", "00:00:00 XM",
        "", "   ", "14", "14 ", "14/07", "14/07/1965 14", "14/07/1965 14 ", "14/07/196514:15",
        "14/07/1965 14:15 junk", "14/07/1965 14:",
        "abc", "1.5", "14/07/19650",
    };
    for (const char* text : bad) {
        EXPECT_FALSE(jd::isDate(text)) << text;
        try {
            jd::parseDate(text);
            ADD_FAILURE() << "read " << text;
        } catch (const jd::RunTimeError& e) {
            EXPECT_EQ(e.number(), 13) << text;
        }
    }
}

TEST(FormatDateText, RoundTripsTheBirthMomentTexts) {
    // The birth moment: joined texts, written with the 12-hour pattern and read back.
    const std::string joined = "14/Jul/1965 14:15: 00";
    const std::string shown = jd::formatDateText(joined, "DD/MM/YYYY HH:NN AM/PM");
    EXPECT_EQ(shown, "14/07/1965 02:15 PM");
    EXPECT_EQ(jd::parseDate(shown), at(1965, 7, 14, 14, 15));
    // Midnight and noon survive the 12-hour round trip.
    for (int h : {0, 12}) {
        const DateTime t = at(2000, 1, 1, h, 0);
        EXPECT_EQ(jd::parseDate(jd::formatDate(t, "dd/mmm/yyyy hh:mm AM/PM")), t) << h;
    }
    // A general text reads back as the same moment, day one included.
    for (const DateTime& t : {jd::timeSerial(23, 75, 0), jd::timeSerial(5, 0, 0), at(2024, 2, 29, 23, 59, 59)})
        EXPECT_EQ(jd::parseDate(jd::generalDateText(t)), t);
    EXPECT_THROW(jd::formatDateText("30/Feb/2000 10:00: 00", "DD/MM/YYYY"), jd::RunTimeError);
}
