// Sun times of a day for the calendar and the weekday names.
#include "calendar/sun_times.h"

#include "calendar_fixture.h"

using namespace jd;
using namespace jd::calendar_testing;

TEST(WeekdayNames, NumbersFromEightAreFoldedInTheCallersVariable) {
    struct Case {
        int n;
        const char* name;
        int folded;
    };
    const Case cases[] = {
        {1, "Sunday", 1}, {7, "Saturday", 7}, {8, "Sunday", 1}, {14, "Saturday", 7},
        {15, "Sunday", 1}, {13, "Friday", 6}, {0, "", 0},       {-3, "", -3},
    };
    for (const Case& c : cases) {
        int n = c.n;
        EXPECT_EQ(FnWeekdayName(n), c.name) << c.n;
        EXPECT_EQ(n, c.folded) << c.n;
    }
}

class CalendarSunTimes : public CalendarTest {};

TEST_F(CalendarSunTimes, TheDayAndTheNextMorningAtTheBirthPlace) {
    FnSunriseSunsetOfDay(DateTime::of(2000, 1, 1, 23, 30));
    const SunTimes& s = state().sunTimes;
    EXPECT_EQ(s.gDaySunrise, DateTime::of(2000, 1, 1, 7, 14));
    EXPECT_EQ(s.gDaySunset, DateTime::of(2000, 1, 1, 17, 35));
    ASSERT_TRUE(s.gNextDaySunrise);
    EXPECT_EQ(s.gNextDaySunrise->datePart(), DateTime::of(2000, 1, 2));
    EXPECT_EQ(FnSunriseOfDay(DateTime::of(2000, 1, 1)), DateTime::of(2000, 1, 1, 7, 14));
}

TEST_F(CalendarSunTimes, AnEventThatDoesNotHappenIsEmptyNotTheDayBefores) {
    setPlace(kTromso);
    FnSunriseSunsetOfDay(DateTime::of(2007, 11, 20));
    ASSERT_TRUE(state().sunTimes.gDaySunset);
    FnSunriseSunsetOfDay(DateTime::of(2007, 12, 20));  // polar night
    EXPECT_FALSE(state().sunTimes.gDaySunrise);
    EXPECT_FALSE(state().sunTimes.gDaySunset);
    EXPECT_FALSE(FnSunriseOfDay(DateTime::of(2007, 12, 21)));
}

TEST_F(CalendarSunTimes, APlaceTextThatIsNoNumberIsShown) {
    state().birth.gLatDeg = "2x";
    FnSunriseSunsetOfDay(DateTime::of(2000, 1, 1));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Type mismatch");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
}
