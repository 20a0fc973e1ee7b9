#include "horoscope/local_mean_time.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/vb_date.h"
#include "horoscope/chart_objects.h"
#include "sample_birth.h"

namespace jd {
namespace {

using namespace testing_support;

class LocalMeanTimeTest : public ChartTest {
protected:
    const Label& lmtLabel() { return resultWindows().frm_UserDetails.txtlmt; }
    const Label& ishtaLabel() { return resultWindows().frm_UserDetails.txtIshtaGhati; }
};

TEST_F(LocalMeanTimeTest, ClockTimeMovedByFourMinutesADegree) {
    struct Case {
        const char* what;
        std::string lonDeg, lonMin, lonEW, zoneHours, zoneEW, hour, minute;
        std::string label;   // txtlmt
        DateTime exact;      // gLocalMeanTime
    };
    const Case cases[] = {
        // 78.5 E against the 82.5 meridian: 16 minutes back.
        {"west of its meridian", "78", "30", "E", "5.5", "E", "14", "15", "14/Jul/1965 01:59 PM",
         DateTime::of(1965, 7, 14, 13, 59, 0)},
        {"on its meridian", "82", "30", "E", "5.5", "E", "14", "15", "14/Jul/1965 02:15 PM",
         DateTime::of(1965, 7, 14, 14, 15, 0)},
        // 88 degrees 22 minutes reads as 88.36: 23 minutes 26 seconds forward,
        // shown and kept to the minute.
        {"east of its meridian", "88", "22", "E", "5.5", "E", "14", "15", "14/Jul/1965 02:38 PM",
         DateTime::of(1965, 7, 14, 14, 38, 0)},
        // New York, 74 W in zone 5 W: east of the 75 W meridian, so later.
        {"western place east of its meridian", "74", "0", "W", "5", "W", "14", "15", "14/Jul/1965 02:19 PM",
         DateTime::of(1965, 7, 14, 14, 19, 0)},
        {"western place west of its meridian", "76", "0", "W", "5", "W", "14", "15", "14/Jul/1965 02:11 PM",
         DateTime::of(1965, 7, 14, 14, 11, 0)},
        // Moving back across midnight changes the date.
        {"across midnight", "78", "30", "E", "5.5", "E", "0", "5", "13/Jul/1965 11:49 PM",
         DateTime::of(1965, 7, 13, 23, 49, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Birth b;
        b.lonDeg = c.lonDeg;
        b.lonMin = c.lonMin;
        b.lonEW = c.lonEW;
        b.zoneHours = c.zoneHours;
        b.zoneEW = c.zoneEW;
        b.hour = c.hour;
        b.minute = c.minute;
        setBirth(b);
        FnComputeLocalMeanTime();
        EXPECT_EQ(lmtLabel().caption(), c.label);
        ASSERT_TRUE(state().gLocalMeanTime.has_value());
        EXPECT_EQ(*state().gLocalMeanTime, c.exact);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LocalMeanTimeTest, IshtaGhatikaFromTheSunriseThatBeginsTheDay) {
    // Sunrise at the sample place on 14 Jul 1965: 05:50.
    struct Case {
        const char* what;
        std::string hour, minute;
        std::string label;  // ghatikas:vighatikas:palas
        double rounded;     // gIshtaGhatika of the ishta ghatika step
        double wholeUp;     // what the local mean time step returns
    };
    const Case cases[] = {
        {"sample birth, 505 minutes", "14", "15", "21:2:30", 21.0417, 22},
        {"216 minutes", "9", "26", "9:0:0", 9.0, 9},
        {"100 minutes", "7", "30", "4:10:0", 4.1667, 5},
        // Whole palas: 10 minutes are 25 vighatikas (a fraction would give 24:59).
        // The local mean time, 05:44, lies before the 05:50 sunrise, so the
        // rounded-up count runs from the previous day's sunrise.
        {"10 minutes", "6", "0", "0:25:0", 0.4167, 61},
        {"23 minutes", "6", "13", "0:57:30", 0.9583, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Birth b;
        b.hour = c.hour;
        b.minute = c.minute;
        setBirth(b);
        const auto up = FnComputeLocalMeanTime();
        ASSERT_TRUE(up.has_value());
        EXPECT_EQ(*up, c.wholeUp);
        FnComputeIshtaGhatika();
        EXPECT_EQ(ishtaLabel().caption(), c.label);
        EXPECT_DOUBLE_EQ(state().gIshtaGhatika, c.rounded);
        ASSERT_TRUE(state().gSunriseTime.has_value());
        EXPECT_EQ(*state().gSunriseTime, DateTime::of(1965, 7, 14, 5, 50, 0));
    }
}

TEST_F(LocalMeanTimeTest, BirthAtTheMinuteOfSunriseBelongsToTheDayBefore) {
    Birth b;
    b.hour = "5";
    b.minute = "50";
    setBirth(b);
    FnComputeIshtaGhatika();
    ASSERT_TRUE(state().gSunriseTime.has_value());
    EXPECT_EQ(state().gSunriseTime->datePart(), DateTime::of(1965, 7, 13));
    // The previous sunrise is within a minute of the same time of day.
    EXPECT_GE(state().gIshtaGhatika, 59.9);
    EXPECT_LE(state().gIshtaGhatika, 60.1);
}

TEST_F(LocalMeanTimeTest, LocalMeanTimeBeforeItsSunriseTakesThePreviousDay) {
    // 76 W in zone 5 W is 4 minutes behind the clock: a birth 2 minutes after
    // the clock sunrise has a local mean time before it.
    Birth b;
    b.latDeg = "40";
    b.latMin = "43";
    b.lonDeg = "76";
    b.lonMin = "0";
    b.lonEW = "W";
    b.zoneHours = "5";
    b.zoneEW = "W";
    b.day = "1";
    b.month = "Jan";
    b.year = "2000";
    setBirth(b);
    const std::optional<DateTime> sunrise = chartObjects().gObjSunrise.FnFindSunrise(
        DateTime::of(2000, 1, 1), "N", 40, 43, "W", 76, 0, false, 5, "W");
    ASSERT_TRUE(sunrise.has_value());
    const DateTime birth = dateAdd(DateUnit::Minute, 2, *sunrise);
    b.hour = std::to_string(birth.hour());
    b.minute = std::to_string(birth.minute());
    setBirth(b);
    const auto up = FnComputeLocalMeanTime();
    ASSERT_TRUE(state().gSunriseTime.has_value());
    EXPECT_EQ(state().gSunriseTime->datePart(), DateTime::of(1999, 12, 31));
    ASSERT_TRUE(up.has_value());
    EXPECT_GT(*up, 59);
    // The ishta ghatika step compares the clock time itself: the same day.
    FnComputeIshtaGhatika();
    EXPECT_EQ(ishtaLabel().caption(), "0:5:0");
}

TEST_F(LocalMeanTimeTest, NoSunriseLeavesTheIshtaGhatikaEmpty) {
    setBirth(tromsoNoon("Dec"));
    resultWindows().frm_UserDetails.txtIshtaGhati.setCaption("stale");
    EXPECT_FALSE(FnComputeLocalMeanTime().has_value());
    EXPECT_EQ(lmtLabel().caption(), "21/Dec/2000 12:15 PM");  // the local mean time needs no sunrise
    FnComputeIshtaGhatika();
    EXPECT_EQ(ishtaLabel().caption(), "");
    EXPECT_FALSE(state().gSunriseTime.has_value());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LocalMeanTimeTest, UnreadablePlaceIsReportedInThePlainBox) {
    state().birth.gLonDeg = "seventy";
    EXPECT_FALSE(FnComputeLocalMeanTime().has_value());
    FnComputeIshtaGhatika();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "Type mismatch13");
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_FALSE(boxes.shown()[0].title.has_value());
}

}  // namespace
}  // namespace jd
