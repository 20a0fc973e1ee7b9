#include "horoscope/lords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "horoscope/name_tables.h"
#include "state/shared_records.h"

namespace jd {
namespace {

class LordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        state().prefs.gLanguage = "English";
        FnLoadNameTables();
    }
    void TearDown() override { resetState(); }
};

// The vimshottari cycle and its years (120 in all).
struct Dasa {
    const char* english;  // as FnStarLord names it
    const char* display;  // as the English name tables show it
    int years;
};
const Dasa kCycle[9] = {{"Kethu", "Ketu", 7},    {"Venus", "Venus", 20},   {"Sun", "Sun", 6},
                        {"Moon", "Moon", 10},    {"Mars", "Mars", 7},      {"Rahu", "Rahu", 18},
                        {"Jupiter", "Jupiter", 16}, {"Saturn", "Saturn", 19}, {"Mercury", "Mercury", 17}};

struct Sub {
    double end;  // degrees within the sign
    std::string lord;
};

// The KP sub-divisions of a sign, built from first principles: each star of
// 40/3 degrees is cut into nine parts in vimshottari order from its own lord,
// each part the lord's share of 120 years.
std::vector<Sub> subsOfSign(int sign) {
    const double start = (sign - 1) * 30.0;
    const double starWidth = 40.0 / 3.0;
    std::vector<Sub> subs;
    for (int star = 0; star < 27; ++star) {
        double edge = star * starWidth;
        for (int i = 0; i < 9; ++i) {
            const Dasa& d = kCycle[(star + i) % 9];
            const double end = edge + starWidth * d.years / 120.0;
            if (end > start + 1e-9 && edge < start + 30 - 1e-9) subs.push_back({end - start, d.display});
            edge = end;
        }
    }
    return subs;
}

std::string (*const kGroups[4])(double) = {FnSubLordGroup1, FnSubLordGroup2, FnSubLordGroup3, FnSubLordGroup4};

TEST_F(LordsTest, SubLordTablesFollowTheVimshottariProportions) {
    for (int sign = 1; sign <= 12; ++sign) {
        SCOPED_TRACE("sign " + std::to_string(sign));
        const auto subs = subsOfSign(sign);
        auto group = kGroups[(sign - 1) % 4];
        double previous = 0;
        for (size_t i = 0; i < subs.size(); ++i) {
            SCOPED_TRACE("entry " + std::to_string(i + 1));
            const double end = std::min(subs[i].end, 30.0);
            // Inside the sub-division, at its closing bound, and just past it.
            EXPECT_EQ(group((previous + end) / 2), subs[i].lord);
            EXPECT_EQ(group(end - 1e-9), subs[i].lord);
            if (i + 1 < subs.size()) {
                EXPECT_EQ(group(end + 1e-9), subs[i + 1].lord);
            }
            previous = end;
        }
        // No entry beyond those: the lord changes exactly at the bounds.
        int changes = 0;
        for (int step = 1; step <= 3000; ++step)
            if (group(step / 100.0) != group((step - 1) / 100.0)) ++changes;
        EXPECT_EQ(changes + 1, static_cast<int>(subs.size()));
        EXPECT_EQ(FnSubLordForSign(sign, 15.0), group(15.0));
    }
}

TEST_F(LordsTest, SubLordBoundsBelongToTheEntryTheyClose) {
    struct Case { int group; double d; std::string lord; };
    const Case cases[] = {
        {1, 0.0, "Ketu"},     {1, 3.0, "Venus"},   {1, 3.0000001, "Sun"}, {1, 30.0, "Rahu"},
        {2, 11.5, "Mars"},    {2, 12.0, "Rahu"},   {2, 7.0, "Mercury"},  {2, 30.0, "Saturn"},
        {3, 16.0, "Venus"},   {3, 17.5, "Sun"},    {3, 20.0, "Mars"},    {3, 30.0, "Moon"},
        {4, 11.0, "Sun"},     {4, 0.0, "Moon"},    {4, 30.0, "Saturn"},
        {1, 30.5, ""},        {2, -0.1, ""},       {3, std::nan(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kGroups[c.group - 1](c.d), c.lord) << "group " << c.group << " d " << c.d;
    EXPECT_EQ(FnSubLordForSign(0, 10), "");
    EXPECT_EQ(FnSubLordForSign(13, 10), "");
}

TEST_F(LordsTest, StarLordsRunTheCycleWithAbhijitSharingUttarashada) {
    // 28-star numbering: 22 is the last quarter of Uttarashada (21).
    for (int star = 1; star <= 28; ++star) {
        const int star27 = star <= 21 ? star : star - 1;
        EXPECT_EQ(FnStarLord(star), kCycle[(star27 - 1) % 9].english) << star;
    }
    EXPECT_EQ(FnStarLord(21), "Sun");
    EXPECT_EQ(FnStarLord(22), "Sun");
    EXPECT_EQ(FnStarLord(23), "Moon");
    EXPECT_EQ(FnStarLord(28), "Mercury");
    EXPECT_EQ(FnStarLord(0), "");
    EXPECT_EQ(FnStarLord(29), "");
}

TEST_F(LordsTest, SignLordsByRasiAndNavamsa) {
    struct Case { double lon; const char* chart; std::string lord; };
    const Case cases[] = {
        {45, "Rasi", "Venus"},      {45, "Navamsa", "Venus"},  // navamsa sign 14 -> 2
        {0, "Rasi", "Mars"},        {29.99, "Rasi", "Mars"},   {30, "Rasi", "Venus"},
        {95, "Rasi", "Moon"},       {125, "Rasi", "Sun"},      {275, "Rasi", "Saturn"},
        {359.9, "Rasi", "Jupiter"}, {3.34, "rasi", "Venus"},   // not exactly "Rasi": navamsa span
        {-5, "Rasi", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FnSignLord(c.lon, c.chart), c.lord) << c.lon << " " << c.chart;
}

TEST_F(LordsTest, DisplayNamesFollowTheLanguage) {
    EXPECT_EQ(FnPlanetDisplayName("Kethu"), "Ketu");
    EXPECT_EQ(FnPlanetDisplayName("sun"), "");
    EXPECT_EQ(FnPlanetDisplayName("Ketu"), "");
    state().prefs.gLanguage = "Sanskrit";
    FnLoadNameTables();
    const std::pair<const char*, const char*> names[] = {
        {"Sun", "Surya"},   {"Moon", "Chandra"}, {"Mars", "Kuja"},   {"Mercury", "Budha"}, {"Jupiter", "Guru"},
        {"Venus", "Sukra"}, {"Saturn", "Sani"},  {"Rahu", "Rahu"},   {"Kethu", "Ketu"}};
    for (const auto& [english, display] : names) EXPECT_EQ(FnPlanetDisplayName(english), display);
    EXPECT_EQ(FnSignLord(200, "Rasi"), "Sukra");
    EXPECT_EQ(FnSubLordGroup1(0.5), "Ketu");
}

}  // namespace
}  // namespace jd
