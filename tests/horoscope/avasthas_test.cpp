#include "horoscope/avasthas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "horoscope/chart_objects.h"
#include "sample_birth.h"

namespace jd {
namespace {

using namespace testing_support;

TEST(AvasthaLookups, NinthOfTheSign) {
    const std::pair<double, int> cases[] = {
        {0, 1}, {3.33333333333333, 1}, {10.0 / 3.0, 2}, {3.34, 2}, {10, 3}, {10.0001, 4}, {26.7, 9}, {30, 9},
        {30.01, 0}, {-0.01, 0},
    };
    // 10/3 computed is a shade above the constant 3.33333333333333.
    for (const auto& [d, part] : cases) EXPECT_EQ(FnNavamsaPart(d), part) << d;
}

TEST(AvasthaLookups, NamesCompareExactly) {
    EXPECT_EQ(FnPlanetNumber("Kethu"), 9);
    EXPECT_EQ(FnPlanetNumber("sun"), 0);
    EXPECT_EQ(FnPlanetNumber("Ketu"), 0);
    EXPECT_EQ(FnSayanadiAvasthaName(12), "Nidra");
    EXPECT_EQ(FnSayanadiAvasthaName(0), "");
    EXPECT_EQ(FnSayanadiAvasthaName(2.5), "");
}

TEST(AvasthaLookups, StarNumberCountsAbhijitAsUttarashada) {
    resetState();
    const std::pair<double, int> cases[] = {{0, 1}, {270, 21}, {278, 21}, {279.99, 21}, {285, 22}, {359, 27}, {360, 27}};
    for (const auto& [lon, n] : cases) EXPECT_EQ(FnStarNumber27(lon), n) << lon;
    resetState();
}

TEST(AvasthaLookups, MotionMarks) {
    struct Case { double today, tomorrow; int k; const char* mark; };
    const Case cases[] = {
        {10, 10, 1, " (R)"},  {10, 10, 2, ""},     {10, 11, 2, " (R)"}, {10, 11, 1, ""},
        {10, 9.5, 1, " (R)"}, {10, 9.5, 2, ""},
        // Across 0/360: a planet going forward from 359 to 1 is direct, a node
        // going back from 1 to 359 is in its usual motion.
        {359, 1, 1, ""},      {1, 359, 1, " (R)"}, {1, 359, 2, ""},     {359, 1, 2, " (R)"},
        {360, 0.2, 1, ""},    {0, 360, 1, " (R)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FnRetroMark(c.today, c.tomorrow, c.k), c.mark) << c.today << " -> " << c.tomorrow << " k " << c.k;
}

class AvasthaTest : public ChartTest {};

TEST_F(AvasthaTest, SumOfStarsGhatikaLagnaAndPlanetTerm) {
    // Sunrise at the sample place on 14 Jul 1965 is 05:50; a birth at 09:26
    // is 216 minutes later: 9 ghatikas exactly.
    Birth b;
    b.hour = "9";
    b.minute = "26";
    setBirth(b);
    // N = 1 (Ashwini), P = 1 (Sun), A = 1, M = 1, G = 9, lagna 1: S = 12.
    EXPECT_EQ(FnAvasthaName(1.0, "Sun", 2.0, 1), "Nidra");
    // An unknown name counts P = 0: S = M + G + lagna = 1 + 9 + 3 = 13 -> 1.
    EXPECT_EQ(FnAvasthaName(1.0, "Ketu", 2.0, 3), "Sayana");
    // Saturn (7) in Revati (27) in the 9th part of Pisces, Moon in Bharani (2):
    // S = 2 + 9 + 5 + 7 x 27 x 9 = 1717 -> 1717 mod 12 = 1.
    EXPECT_EQ(FnAvasthaName(359.0, "Saturn", 20.0, 5), "Sayana");
    EXPECT_TRUE(boxes.shown().empty());
    // The shared star calculator holds the Moon's star afterwards.
    EXPECT_EQ(chartObjects().gObjStar.StarNo, 2);
}

TEST_F(AvasthaTest, NoAvasthaWithoutTheSunrise) {
    // Tromsø in the polar night: the Sun does not rise on 21 December.
    setBirth(tromsoNoon("Dec"));
    EXPECT_EQ(FnAvasthaName(1.0, "Sun", 2.0, 1), "");
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace jd
