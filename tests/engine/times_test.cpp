#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/cls_times.h"
#include "platform/date_time.h"
#include "platform/vb_date.h"

using jd::DateTime;

namespace jd {
// Moments in failure messages as the general date text.
[[maybe_unused]] static void PrintTo(const DateTime& t, std::ostream* os) { *os << generalDateText(t); }
}  // namespace jd

namespace {

// 2 Jan 2000 was a Sunday; day d of that week is weekday d (1 = Sunday).
DateTime weekDay(int weekday, int hour = 0, int minute = 0, int second = 0) {
    return DateTime::of(2000, 1, 1 + weekday, hour, minute, second);
}

DateTime tod(int h, int m, int s = 0) { return DateTime::timeOfDay(h, m, s); }
// Midnight of day one: a boundary whose addition passed midnight.
const DateTime kDayOneMidnight = DateTime::of(1899, 12, 31);

// An equinox-like day: sunrise 06:00, sunset 18:00, next sunrise 06:00.
jd::clsTimes evenDay(int weekday) {
    jd::clsTimes t;
    t.Sunrisetime = weekDay(weekday, 6);
    t.Sunsettime = weekDay(weekday, 18);
    t.currentdate = weekDay(weekday);
    t.SunRiseNexttime = weekDay(weekday + 1, 6);
    t.findtimes();
    return t;
}

std::vector<std::string> items(const std::string& joined) {
    std::vector<std::string> out(1);
    for (char c : joined) {
        if (c == '~') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

}  // namespace

TEST(DayDivisions, RahuGulikaAndYamagantaOverTheWeek) {
    // The almanac's familiar clock times on a twelve-hour day.
    struct Case {
        int weekday;
        DateTime rahuStart, gulikaStart, yamaStart;
    };
    const Case cases[] = {
        {1, tod(16, 30), tod(15, 0), tod(12, 0)},  {2, tod(7, 30), tod(13, 30), tod(10, 30)},
        {3, tod(15, 0), tod(12, 0), tod(9, 0)},    {4, tod(12, 0), tod(10, 30), tod(7, 30)},
        {5, tod(13, 30), tod(9, 0), tod(6, 0)},    {6, tod(10, 30), tod(7, 30), tod(15, 0)},
        {7, tod(9, 0), tod(6, 0), tod(13, 30)},
    };
    for (const auto& c : cases) {
        const auto t = evenDay(c.weekday);
        const auto plus90 = [](const DateTime& x) { return DateTime::fromTotalSeconds(x.totalSeconds() + 5400); };
        EXPECT_EQ(t.RahukaalStart, c.rahuStart) << c.weekday;
        EXPECT_EQ(t.RahukaalEnd, plus90(c.rahuStart)) << c.weekday;
        EXPECT_EQ(t.GulikaStart_Day, c.gulikaStart) << c.weekday;
        EXPECT_EQ(t.GulikaEnd_Day, plus90(c.gulikaStart)) << c.weekday;
        EXPECT_EQ(t.GulikaRise_Day, t.GulikaEnd_Day) << c.weekday;
        EXPECT_EQ(t.yamaghanta2Start_Day, c.yamaStart) << c.weekday;
        EXPECT_EQ(t.yamaghanta2End_Day, plus90(c.yamaStart)) << c.weekday;
        EXPECT_EQ(t.bkaalvela2Start, t.kaalvela2Start) << c.weekday;
        EXPECT_EQ(t.KalainananRise_Day, DateTime()) << c.weekday;
        EXPECT_EQ(t.KalainananRise_Night, DateTime()) << c.weekday;
    }
}

TEST(DayDivisions, SundayWorkedValues) {
    const auto t = evenDay(1);
    EXPECT_EQ(t.MandiRise_Day, tod(16, 24));       // 06:00 + 26 x 1440 s
    EXPECT_EQ(t.GulikaRise_Night, tod(22, 30));    // end of the third night eighth
    EXPECT_EQ(t.MandiRise_Night, tod(22, 0));      // 18:00 + 10 x 1440 s
    EXPECT_EQ(t.VishaGhatiStart, tod(14, 0));      // thirtieths 20 to 24
    EXPECT_EQ(t.VishaGhatiEnd, tod(15, 36));
    EXPECT_EQ(t.AmritaGhatiStart, tod(22, 24));    // ghatikas 41 to 44 of 24 minutes
    EXPECT_EQ(t.AmritaGhatiEnd, tod(23, 36));
    EXPECT_EQ(t.KulikaStart_Day, tod(15, 45));     // day sixteenth 14 of 45 minutes
    EXPECT_EQ(t.KulikaEnd_Day, tod(16, 30));
    EXPECT_EQ(t.KulikaStart_Night, tod(3, 0));     // night sixteenth 13, after midnight
    EXPECT_EQ(t.KulikaEnd_Night, tod(3, 45));
    // The inputs keep only their time of day.
    EXPECT_EQ(t.Sunrisetime, tod(6, 0));
    EXPECT_EQ(t.Sunsettime, tod(18, 0));
    EXPECT_EQ(t.SunRiseNexttime, weekDay(2, 6));
}

TEST(DayDivisions, SaturdayStartsAtTheSunriseAndTheSunset) {
    const auto t = evenDay(7);
    EXPECT_EQ(t.KaalratriStart, tod(18, 0));
    EXPECT_EQ(t.KaalratriEnd, tod(19, 30));
    EXPECT_EQ(t.GulikaStart_Day, tod(6, 0));
    EXPECT_EQ(t.GulikaEnd_Day, tod(7, 30));
}

TEST(DayDivisions, NightBoundariesCarryPastMidnight) {
    // The fourth night eighth ends at midnight, which falls on day one; the
    // next boundary counts on from midnight of day zero.
    const auto sat = evenDay(7);  // Gulika of the night: part 4
    EXPECT_EQ(sat.GulikaStart_Night, tod(22, 30));
    EXPECT_EQ(sat.GulikaEnd_Night, kDayOneMidnight);
    const auto fri = evenDay(6);  // Gulika of the night: part 5
    EXPECT_EQ(fri.GulikaStart_Night, kDayOneMidnight);
    EXPECT_EQ(fri.GulikaEnd_Night, tod(1, 30));
}

TEST(DayDivisions, WholeSecondEighthRoundsHalfToEven) {
    // A day of 43,204 s: the eighth is 5,400.5 s, taken as 5,400, so the last
    // boundary falls 4 s before the sunset.
    jd::clsTimes t;
    t.Sunrisetime = weekDay(1, 6);
    t.Sunsettime = weekDay(1, 18, 0, 4);
    t.currentdate = weekDay(1);
    t.SunRiseNexttime = weekDay(2, 6);
    t.findtimes();
    EXPECT_EQ(t.RahukaalStart, tod(16, 30));
    EXPECT_EQ(t.RahukaalEnd, tod(18, 0));
    // The night runs from the real sunset, 43,196 s to the next sunrise: 5,399.5 s
    // per eighth, taken as 5,400.
    EXPECT_EQ(t.GulikaStart_Night, tod(21, 0, 4));
    EXPECT_EQ(t.GulikaEnd_Night, tod(22, 30, 4));
}

TEST(DayDivisions, UnequalDayAndNight) {
    // 14 Jul 1965, a Wednesday: sunrise 05:50, sunset 18:54, next sunrise 05:50.
    jd::clsTimes t;
    t.Sunrisetime = DateTime::of(1965, 7, 14, 5, 50);
    t.Sunsettime = DateTime::of(1965, 7, 14, 18, 54);
    t.currentdate = DateTime::of(1965, 7, 14, 10, 0);
    t.SunRiseNexttime = DateTime::of(1965, 7, 15, 5, 50);
    t.findtimes();
    // Day eighth 47,040 / 8 = 5,880 s; night eighth 39,360 / 8 = 4,920 s.
    EXPECT_EQ(t.RahukaalStart, tod(12, 22));  // part 5
    EXPECT_EQ(t.RahukaalEnd, tod(14, 0));
    // The fourth night boundary passes midnight (day one); the later ones
    // count on from midnight of day zero.
    EXPECT_EQ(t.ArdhayamaStart_Night, tod(23, 0));  // part 4
    EXPECT_EQ(t.ArdhayamaEnd_Night, DateTime::of(1899, 12, 31, 0, 22));
    EXPECT_EQ(t.KaalratriStart, tod(3, 6));  // part 7
    EXPECT_EQ(t.KaalratriEnd, tod(4, 28));
    // Maandi on a Wednesday: day thirtieth 14 (1,568 s each) and night
    // thirtieth 26 (1,312 s each).
    EXPECT_EQ(t.MandiRise_Day, tod(11, 55, 52));
    EXPECT_EQ(t.MandiRise_Night, tod(4, 22, 32));
}

TEST(DayDivisions, WeekdayComesFromTheDateAlone) {
    jd::clsTimes sunday = evenDay(1);
    jd::clsTimes t;
    t.Sunrisetime = weekDay(1, 6);
    t.Sunsettime = weekDay(1, 18);
    t.currentdate = weekDay(2, 23, 59);  // Monday's rows, Sunday's sun times
    t.SunRiseNexttime = weekDay(2, 6);
    t.findtimes();
    const auto monday = evenDay(2);
    EXPECT_EQ(t.RahukaalStart, monday.RahukaalStart);
    EXPECT_EQ(t.MandiRise_Night, monday.MandiRise_Night);
    EXPECT_NE(t.RahukaalStart, sunday.RahukaalStart);
    EXPECT_EQ(t.HoraName_DayTemp, monday.HoraName_DayTemp);
}

TEST(Horas, LordsOfSundayAndSaturday) {
    const auto sun = evenDay(1);
    EXPECT_EQ(sun.HoraName_DayTemp,
              "Sunday~Friday~Wednesday~Monday~Saturday~Thursday~Tuesday~Sunday~Friday~Wednesday~Monday~Saturday");
    EXPECT_EQ(sun.HoraName_NightTemp,
              "Thursday~Tuesday~Sunday~Friday~Wednesday~Monday~Saturday~Thursday~Tuesday~Sunday~Friday~Wednesday");
    const auto sat = items(evenDay(7).HoraName_DayTemp);
    ASSERT_EQ(sat.size(), 12u);
    EXPECT_EQ(sat[0], "Saturday");
    EXPECT_EQ(sat[1], "Thursday");
    // Each day's first hora is ruled by the lord of its weekday, and the
    // hora after the night's last one (two weekdays further back) is the
    // next day's first.
    const std::vector<std::string> weekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    for (int w = 1; w <= 7; ++w) {
        const auto t = evenDay(w);
        const auto night = items(t.HoraName_NightTemp);
        ASSERT_EQ(night.size(), 12u);
        EXPECT_EQ(items(t.HoraName_DayTemp)[0], weekdays[static_cast<std::size_t>(w - 1)]);
        int last = 0;
        while (weekdays[static_cast<std::size_t>(last)] != night[11]) ++last;
        EXPECT_EQ(weekdays[static_cast<std::size_t>((last + 5) % 7)], weekdays[static_cast<std::size_t>(w % 7)]) << w;
    }
}

TEST(Horas, MomentTextsWithTheMidnightCarry) {
    const auto t = evenDay(1);
    EXPECT_EQ(t.HoraStart_DayTemp,
              "06:00:00~07:00:00~08:00:00~09:00:00~10:00:00~11:00:00~12:00:00~13:00:00~14:00:00~15:00:00~"
              "16:00:00~17:00:00");
    EXPECT_EQ(t.HoraEnd_DayTemp,
              "07:00:00~08:00:00~09:00:00~10:00:00~11:00:00~12:00:00~13:00:00~14:00:00~15:00:00~16:00:00~"
              "17:00:00~18:00:00");
    // The sixth night hora ends at midnight of day one, shown as that date.
    EXPECT_EQ(t.HoraStart_NightTemp,
              "18:00:00~19:00:00~20:00:00~21:00:00~22:00:00~23:00:00~31/12/1899~01:00:00~02:00:00~03:00:00~"
              "04:00:00~05:00:00");
    EXPECT_EQ(t.HoraEnd_NightTemp,
              "19:00:00~20:00:00~21:00:00~22:00:00~23:00:00~31/12/1899~01:00:00~02:00:00~03:00:00~04:00:00~"
              "05:00:00~06:00:00");
}

TEST(Muhurtas, NamesAndSpans) {
    const auto t = evenDay(3);
    const auto names = items(t.DoGhatiMuhurtaName_Temp);
    ASSERT_EQ(names.size(), 30u);
    EXPECT_EQ(names[0], "Rudra/Aridra");
    EXPECT_EQ(names[15], "Rudra/Aridra");
    EXPECT_EQ(names[8], "Brahma/Rohini");
    EXPECT_EQ(names[22], "Brahma/Rohini");
    EXPECT_EQ(names[7], "Brahma/Abhijit");
    EXPECT_EQ(names[29], "Pawan/Swati");
    EXPECT_EQ(t.DoGhatiMuhurtaName_Temp, evenDay(5).DoGhatiMuhurtaName_Temp);

    const auto starts = items(t.DoGhatiMuhurtaStart_Temp);
    const auto ends = items(t.DoGhatiMuhurtaEnd_Temp);
    ASSERT_EQ(starts.size(), 30u);
    ASSERT_EQ(ends.size(), 30u);
    EXPECT_EQ(starts[0], "06:00:00");  // a day fifteenth of 2,880 s
    EXPECT_EQ(ends[0], "06:48:00");
    EXPECT_EQ(ends[14], "18:00:00");
    EXPECT_EQ(starts[15], "18:00:00");  // the first night muhurta starts at the sunset
    EXPECT_EQ(ends[15], "18:48:00");
    EXPECT_EQ(ends[29], "06:00:00");
    for (int i = 1; i < 30; ++i) {
        if (i == 15) continue;
        EXPECT_EQ(starts[static_cast<std::size_t>(i)], ends[static_cast<std::size_t>(i - 1)]) << i;
    }
}

TEST(Muhurtas, TextsAreRebuiltOnEveryCall) {
    jd::clsTimes t = evenDay(4);
    t.Sunrisetime = weekDay(4, 6);
    t.Sunsettime = weekDay(4, 18);
    t.findtimes();
    EXPECT_EQ(items(t.DoGhatiMuhurtaName_Temp).size(), 30u);
    EXPECT_EQ(items(t.HoraStart_NightTemp).size(), 12u);
    EXPECT_EQ(t.HoraEnd_DayTemp, evenDay(4).HoraEnd_DayTemp);
}
