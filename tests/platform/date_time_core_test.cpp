#include <gtest/gtest.h>

#include "platform/date_time.h"
#include "platform/run_time_error.h"

using jd::DateTime;

TEST(DateTimeCore, SerialViewMatchesDaysSinceDayZero) {
    struct Case { int y, m, d, h, n, s; double serial; };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0},
        {1900, 1, 1, 0, 0, 0, 2.0},
        {1900, 3, 1, 0, 0, 0, 61.0},  // 1900 is no leap year
        {2000, 1, 1, 12, 0, 0, 36526.5},
        {1899, 12, 29, 18, 0, 0, -0.25},
    };
    for (const auto& c : cases) {
        const auto t = DateTime::of(c.y, c.m, c.d, c.h, c.n, c.s);
        EXPECT_DOUBLE_EQ(t.serial(), c.serial) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(DateTime::fromSerial(c.serial), t);
    }
}

TEST(DateTimeCore, InvalidDatesAndTimesAreErrors) {
    EXPECT_THROW(DateTime::of(2001, 2, 29), jd::RunTimeError);
    EXPECT_THROW(DateTime::of(2000, 1, 1, 24, 0, 0), jd::RunTimeError);
    EXPECT_THROW(DateTime::of(0, 1, 1), jd::RunTimeError);
    EXPECT_NO_THROW(DateTime::of(2000, 2, 29));
}
