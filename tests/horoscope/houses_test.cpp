#include "horoscope/houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calendar/angle_text.h"
#include "horoscope/name_tables.h"
#include "sample_birth.h"
#include "state/bhava_tables.h"

namespace jd {
namespace {

using testing_support::ChartTest;

constexpr double kThird = 1.0 / 3;

enum Field { Start, Mid, Sandhi };

struct Expect {
    Field field;
    int bhava;
    double value;
};

struct CuspCase {
    double lagna, midheaven;
    const char* system;
    std::vector<Expect> expected;
};

double field(const BhavaTables& t, Field f, int k) {
    return f == Start ? t.gBhavaStart[k] : f == Mid ? t.gBhavaMid[k] : t.gBhavaSandhi[k];
}

// Forward arc from a to b, 0 up to 360.
double arc(double a, double b) { return std::fmod(b - a + 720, 360); }

TEST(BhavaCusps, QuadrantsCutIntoSixSteps) {
    const std::vector<Expect> equal100 = {{Mid, 1, 100}, {Sandhi, 1, 116 + 2 * kThird}, {Mid, 4, 200},
                                          {Mid, 7, 280}, {Mid, 10, 20},  {Sandhi, 12, 86 + 2 * kThird},
                                          {Start, 1, 86 + 2 * kThird}};
    const std::vector<CuspCase> cases = {
        {100, 20, "Equal", equal100},
        {100, 20, "Not Equal",
         {{Start, 1, 100}, {Sandhi, 1, 133 + kThird}, {Mid, 1, 116 + 2 * kThird},
          {Start, 12, 73 + kThird}, {Sandhi, 12, 100}, {Mid, 12, 86 + 2 * kThird}}},
        // Only the exact text selects the cusps as starts.
        {100, 20, "", equal100},
        {100, 20, "not equal", equal100},
        {100, 20, "NOT EQUAL", equal100},
        {100, 20, "Not Equal ", equal100},
        // Ascendant west of the midheaven: q1 = (10 - 280 + 360) / 6.
        {10, 280, "Equal", {{Mid, 1, 10}, {Sandhi, 1, 25}, {Mid, 11, 310}, {Start, 1, 355}}},
        // Equal quadrants: 30-degree bhavas, the cusps as starts 15 degrees later.
        {10, 280, "Not Equal", {{Start, 1, 10}, {Sandhi, 1, 40}, {Mid, 12, 355}, {Start, 7, 190}}},
        // The points wrap past 0 degrees.
        {350, 260, "Equal", {{Mid, 1, 350}, {Sandhi, 1, 5}, {Start, 1, 335}, {Mid, 2, 20}}},
        {350, 260, "Not Equal", {{Start, 1, 350}, {Sandhi, 1, 20}, {Mid, 1, 5}, {Start, 2, 20}}},
    };
    for (const CuspCase& c : cases) {
        BhavaTables t;
        FnComputeBhavaCusps(c.lagna, c.midheaven, c.system, t);
        for (const Expect& e : c.expected)
            EXPECT_NEAR(field(t, e.field, e.bhava), e.value, 1e-9)
                << c.lagna << "/" << c.midheaven << " " << c.system << " field " << e.field << " bhava " << e.bhava;
    }
    BhavaTables t;
    FnComputeBhavaCusps(350, 260, "Not Equal", t);  // signs from the ascendant's, past Pisces
    EXPECT_EQ(t.gBhavaSign, (std::array<int, 13>{0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

// Whatever bhava crosses 0 degrees, its middle lies between its start and its
// end going forward, and the two schemes are the same points shifted.
TEST(BhavaCusps, NotEqualMiddlesStayOnTheirOwnArc) {
    for (double lagna = 3; lagna < 360; lagna += 37) {
        for (double offset = 60; offset <= 120; offset += 15) {
            const double midheaven = std::fmod(lagna - offset + 360, 360);
            BhavaTables equal, unequal;
            FnComputeBhavaCusps(lagna, midheaven, "Equal", equal);
            FnComputeBhavaCusps(lagna, midheaven, "Not Equal", unequal);
            for (int k = 1; k <= 12; ++k) {
                const double width = arc(unequal.gBhavaStart[k], unequal.gBhavaSandhi[k]);
                EXPECT_NEAR(arc(unequal.gBhavaStart[k], unequal.gBhavaMid[k]), width / 2, 1e-9)
                    << lagna << "/" << midheaven << " bhava " << k;
                EXPECT_NEAR(unequal.gBhavaStart[k], equal.gBhavaMid[k], 1e-9);
                EXPECT_NEAR(arc(unequal.gBhavaMid[k], equal.gBhavaSandhi[k]), 0, 1e-9);
            }
        }
    }
}

TEST(BhavaCusps, ExactlyThreeSixtyStaysThreeSixty) {
    BhavaTables t;
    FnComputeBhavaCusps(180, 90, "Equal", t);  // the descendant falls on 360
    EXPECT_EQ(t.gBhavaMid[7], 360.0);
    EXPECT_EQ(FnSignNumber(t.gBhavaMid[7], 30), 1);
    EXPECT_EQ(FnFormatDegMinSec(t.gBhavaMid[7]), "360.00.00");
}

TEST(BhavaCusps, NoNumberForAnAngleWritesNothing) {
    BhavaTables t;
    t.gBhavaMid[1] = 42;
    EXPECT_THROW(FnComputeBhavaCusps(std::nan(""), 20, "Equal", t), RunTimeError);
    EXPECT_EQ(t.gBhavaMid[1], 42);
}

class HousesTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        FnLoadNameTables();
    }
};

TEST_F(HousesTest, NormalizeWritesBackAndKeeps360) {
    const struct { double in, out; } cases[] = {
        {0, 0}, {360, 360}, {720, 360}, {-360, 0}, {-30, 330}, {370, 10}, {1085, 5}, {-725, 355}, {1e16 + 10, 290},
    };
    for (const auto& c : cases) {
        double angle = c.in;
        EXPECT_EQ(FnNormalize360(angle), c.out) << c.in;
        EXPECT_EQ(angle, c.out) << c.in;
    }
    double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FnNormalize360(inf), 0);
    EXPECT_TRUE(std::isinf(inf));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Overflow");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    EXPECT_FALSE(boxes.last().title.has_value());
}

TEST(WrapSign, TakesTwelveAwayOnlyAboveTwelve) {
    const struct { int in, out; } cases[] = {{13, 1},  {24, 12}, {25, 1},  {12, 12},
                                                {1, 1},   {0, 0},   {-5, -5}, {32767, 7}};
    for (const auto& c : cases) {
        int n = c.in;
        EXPECT_EQ(FnWrapSign(n), c.out) << c.in;
        EXPECT_EQ(n, c.out) << c.in;
    }
}

TEST_F(HousesTest, PlanetTextsOfTheBhavas) {
    BodyPositions& p = state().positions;
    p.gSunLongitude = 340;
    p.gMoonLongitude = 2;
    p.gSaturnLongitude = 350;
    p.gMarsLongitude = 116 + 2 * kThird;
    p.gMercuryLongitude = p.gJupiterLongitude = p.gVenusLongitude = p.gRahuLongitude = p.gKethuLongitude = 200;

    BhavaTables& t = state().bhava;
    FnComputeBhavaCusps(350, 260, "Equal", t);  // bhava 1 from 335 to 5
    FnFillBhavaPlanets();
    EXPECT_EQ(t.gBhavaPlanets[1], "Asc Sun Sat Moo");
    EXPECT_EQ(FnPlanetsInBhava(300, 20, 0), "Sun Sat Moo");
    EXPECT_EQ(FnPlanetsInBhava(190, 210, 13), "Mer Jup Ven Rah Ket");
    EXPECT_EQ(t.gBhavaPlanets[1], "Asc Sun Sat Moo");  // no bhava 0 or 13 to store into

    // Mars on the sandhi of bhavas 1 and 2 of the worked example.
    FnComputeBhavaCusps(100, 20, "Equal", t);
    state().positions.gMarsLongitude = t.gBhavaSandhi[1];
    FnFillBhavaPlanets();
    EXPECT_EQ(t.gBhavaPlanets[1], "Asc Mar");
    EXPECT_EQ(t.gBhavaPlanets[2], "Mar");
    EXPECT_EQ(t.gBhavaPlanets[3], "");

    p.gMarsLongitude = 0;
    FnFillBhavaPlanets();
    EXPECT_EQ(t.gBhavaPlanets[1], "Asc ");
}

std::vector<std::string> rowsOf(const Grid& g) {
    std::vector<std::string> rows;
    for (int r = 1; r <= 12; ++r) {
        std::string line;
        for (int c = 0; c < g.cols(); ++c) line += (c ? "|" : "") + g.text(r, c);
        rows.push_back(line);
    }
    return rows;
}

const char* const kBhavaFormat =
    "House  |  Start Bhava | Mid Bhava    | Sandhi          | Planets"
    "                                                       ";
const char* const kStarFormat =
    "House         |Longitude |   Rasi       | Rasi Lord |  Star             | Pada |Star Lord       |Sub  Lord    ";

// The sample chart: ascendant 205.2472 (Libra), midheaven 115.9693.
TEST_F(HousesTest, SampleChartEqualHouses) {
    FnComputeBhavaTable();
    const CBhavaContents& w = resultWindows().frm_CBhava;
    EXPECT_EQ(w.msh_Bhava.formatString(), kBhavaFormat);
    EXPECT_EQ(w.msh_star.formatString(), kStarFormat);
    const std::vector<std::string> bhava = {
        "1|190.22.03|205.14.50|220.22.03|Asc ",
        "2|220.22.03|235.29.17|250.36.30|Ket",
        "3|250.36.30|265.43.43|280.50.56|Moo",
        "4|280.50.56|295.58.10|310.50.56|",
        "5|310.50.56|325.43.43|340.36.30|Sat",
        "6|340.36.30|355.29.17|10.22.03|",
        "7|10.22.03|25.14.50|40.22.03|",
        "8|40.22.03|55.29.17|70.36.30|Jup Rah",
        "9|70.36.30|85.43.43|100.50.56|Sun",
        "10|100.50.56|115.58.10|130.50.56|Mer Ven",
        "11|130.50.56|145.43.43|160.36.30|",
        "12|160.36.30|175.29.17|190.22.03|Mar",
    };
    EXPECT_EQ(rowsOf(w.msh_Bhava), bhava);
    const std::vector<std::string> star = {
        "1|205.14.50|Libra|Venus|Vishaka|2|Jupiter|Mercury",
        "2|235.29.17|Scorpio|Mars|Jyestha|3|Mercury|Rahu",
        "3|265.43.43|Sagitarius|Jupiter|Poorvashada|4|Venus|Mercury",
        "4|295.58.10|Capricon|Saturn|Dhanishtha|1|Mars|Rahu",
        "5|325.43.43|Aquarius|Saturn|P.Bhadrapad|2|Jupiter|Mercury",
        "6|355.29.17|Pisces|Jupiter|Revati|3|Mercury|Rahu",
        "7|25.14.50|Aries|Mars|Bharani|4|Venus|Mercury",
        "8|55.29.17|Taurus|Venus|Mrigshira|1|Mars|Rahu",
        "9|85.43.43|Gemini|Mercury|Punarvasu|2|Jupiter|Mercury",
        "10|115.58.10|Cancer|Moon|Ashlesha|3|Mercury|Rahu",
        "11|145.43.43|Leo|Sun|P.Falguni|4|Venus|Mercury",
        "12|175.29.17|Virgo|Mercury|Chitra|1|Mars|Rahu",
    };
    EXPECT_EQ(rowsOf(w.msh_star), star);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(HousesTest, SampleChartUnequalHouses) {
    state().prefs.gBhavaSystem = "Not Equal";
    FnComputeBhavaTable();
    const std::vector<std::string> rows = rowsOf(resultWindows().frm_CBhava.msh_Bhava);
    EXPECT_EQ(rows[0], "1|205.14.50|220.22.03|235.29.17|Asc Ket");
    EXPECT_EQ(rows[5], "6|355.29.17|10.22.03|25.14.50|");
    EXPECT_EQ(rows[8], "9|85.43.43|100.50.56|115.58.10|Sun Mer Ven");
    EXPECT_EQ(rows[11], "12|175.29.17|190.22.03|205.14.50|");
    // The middle of bhava 1 lies in Scorpio while the chart keeps bhava 1 in Libra.
    EXPECT_EQ(rowsOf(resultWindows().frm_CBhava.msh_star)[0], "1|220.22.03|Scorpio|Mars|Anuradha|3|Saturn|Sun");
    EXPECT_EQ(resultWindows().frm_BhavaChart.Lab_GirlNav[6].caption(), "Asc Ket");
}

struct StyleCase {
    const char* style;
    std::vector<std::string> cells;  // South 0..11, else 1..12
    bool south, north, east;         // frames shown
};

TEST_F(HousesTest, SampleBhavaChartInEachStyle) {
    const std::vector<std::string> bySign = {"",     "Jup Rah", "Sun", "Mer Ven", "",    "Mar",
                                             "Asc ", "Ket",     "Moo", "",        "Sat", ""};
    const std::vector<std::string> byHouse = {"Asc ", "Ket",     "Moo", "",        "Sat", "",
                                              "",     "Jup Rah", "Sun", "Mer Ven", "",    "Mar"};
    const std::vector<StyleCase> cases = {
        {"South", bySign, true, false, false},
        {"North", byHouse, false, true, false},
        {"East", bySign, false, false, true},
    };
    for (const StyleCase& c : cases) {
        resultWindows().resetAll();
        state().prefs.gChartStyle = c.style;
        FnComputeBhavaTable();
        BhavaChartContents& w = resultWindows().frm_BhavaChart;
        LabelArray& cells = c.style == std::string("South")   ? w.Lab_GirlNav
                            : c.style == std::string("North") ? w.Lab_ChartHouseN_GirlNav
                                                              : w.Lab_ChartGHouse_Girl_Nav;
        std::vector<std::string> got;
        for (int i = cells.lower(); i <= cells.upper(); ++i) got.push_back(cells[i].caption());
        EXPECT_EQ(got, c.cells) << c.style;
        EXPECT_EQ(w.Frame_SouthBride.visible(), c.south) << c.style;
        EXPECT_EQ(w.Frame_NorthBride.visible(), c.north) << c.style;
        EXPECT_EQ(w.Frame_EastBride.visible(), c.east) << c.style;
        std::string houseSigns;
        for (int k = 1; k <= 12; ++k) houseSigns += w.Lab_NHouseNo[k].caption() + " ";
        EXPECT_EQ(houseSigns, c.north ? "7 8 9 10 11 12 1 2 3 4 5 6 " : "            ") << c.style;
        // Whatever the chart, the bhava's sign ends as its middle's.
        EXPECT_EQ(state().bhava.gBhavaSign, (std::array<int, 13>{0, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}));
    }
}

TEST_F(HousesTest, UnknownStyleDrawsNoChartButFillsTheGrids) {
    state().prefs.gChartStyle = "south";
    FnComputeBhavaTable();
    const BhavaChartContents& w = resultWindows().frm_BhavaChart;
    for (int i = 0; i <= 11; ++i) EXPECT_EQ(w.Lab_GirlNav[i].caption(), "");
    EXPECT_TRUE(w.Frame_SouthBride.visible() && w.Frame_NorthBride.visible() && w.Frame_EastBride.visible());
    EXPECT_EQ(resultWindows().frm_CBhava.msh_star.text(12, 7), "Rahu");
}

TEST_F(HousesTest, AnErrorEndsTheStepWithOneCriticalBox) {
    resultWindows().frm_CBhava.msh_Bhava.setRows(6);  // too few rows for twelve bhavas
    FnComputeBhavaTable();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Subscript out of range");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    EXPECT_FALSE(boxes.last().title.has_value());
    // The chart was drawn before; the star grid after the error is not written.
    EXPECT_EQ(resultWindows().frm_BhavaChart.Lab_GirlNav[6].caption(), "Asc ");
    EXPECT_EQ(resultWindows().frm_CBhava.msh_Bhava.text(5, 0), "5");
    EXPECT_EQ(resultWindows().frm_CBhava.msh_star.text(1, 1), "");
}

}  // namespace
}  // namespace jd
