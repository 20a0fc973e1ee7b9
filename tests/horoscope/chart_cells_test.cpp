#include "horoscope/chart_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "horoscope/name_tables.h"
#include "sample_birth.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

std::vector<std::string> captions(const LabelArray& cells) {
    std::vector<std::string> out;
    for (int i = cells.lower(); i <= cells.upper(); ++i) out.push_back(cells[i].caption());
    return out;
}

bool allEmpty(const LabelArray& cells) {
    for (const std::string& c : captions(cells))
        if (!c.empty()) return false;
    return true;
}

class ChartCellsTest : public testing_support::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        FnLoadNameTables();
    }

    // Longitudes chosen so that each body's sign is known: the lagna in the
    // sign given, the others spread over the zodiac, two pairs sharing signs.
    void placeBodies(int lagnaSign) {
        BodyPositions& p = state().positions;
        p.gLagnaLongitude = (lagnaSign - 1) * 30 + 25.25;
        p.gSunLongitude = 0.5;        // Aries 0.30
        p.gMoonLongitude = 10.75;     // Aries 10.45
        p.gMarsLongitude = 75;        // Gemini 15.00
        p.gMercuryLongitude = 100.2;  // Cancer 10.12
        p.gJupiterLongitude = 130;    // Leo 10.00
        p.gVenusLongitude = 200;      // Libra 20.00
        p.gSaturnLongitude = 320.5;   // Aquarius 20.30
        p.gRahuLongitude = 255;       // Sagittarius 15.00
        p.gKethuLongitude = 75.5;     // Gemini 15.30
        p.gGulikaLongitude = 345;     // Pisces 15.00
        p.gMaandiLongitude = 350;     // Pisces 20.00
        p.gGulikaMaandiKnown = true;
        BodySigns& s = state().signs;
        s.gLagnaSign = lagnaSign;
        s.gSunSign = 1;
        s.gMoonSign = 1;
        s.gMarsSign = 3;
        s.gMercurySign = 4;
        s.gJupiterSign = 5;
        s.gVenusSign = 7;
        s.gSaturnSign = 11;
        s.gRahuSign = 9;
        s.gKethuSign = 3;
        s.gGulikaSign = 12;
        s.gMaandiSign = 12;
    }
};

TEST(HouseFromSign, CountsFromTheLagnaSignAsHouseOne) {
    struct Case {
        int lagna, sign, house;
    };
    const Case cases[] = {
        {1, 1, 1},  {1, 7, 7},   {1, 12, 12},  // lagna in Aries: house h holds sign h
        {12, 1, 2}, {12, 12, 1}, {12, 11, 12}, {5, 5, 1}, {5, 1, 9}, {5, 4, 12}, {7, 6, 12}, {7, 8, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(FnHouseFromSign(c.lagna, c.sign), c.house) << c.lagna << " " << c.sign;
}

TEST_F(ChartCellsTest, EntriesOfEachKindJoinAsTheirChartShowsThem) {
    FnPutBodyInChartCell("1", "Sun", 1, 28.3175);
    FnPutBodyInChartCell("1", "Mer", 1, 4.5);
    FnPutBodyInChartCell("2", "Sun", 12, 0);
    FnPutBodyInChartCell("2", "Moo", 12, 0);
    FnPutBodyInChartCell("3", "Asc", 7, 0);
    FnPutBodyInChartCell("3", "Sun", 7, 0);
    FnPutBodyInChartCell("3", "Moo", 7, 0);
    FnPutBodyInChartCell("3", "Mar", 8, 0);
    FnPutBodyInChartCell("5", "Jup", 2, 0);
    FnPutBodyInChartCell("5", "Ven", 2, 0);
    FnPutBodyInChartCell("4", "Sat", 2, 0);  // no such kind: nothing is written

    ResultWindows& w = resultWindows();
    // Degrees within the sign, not the longitude: 28.3175 is 28 degrees 19 minutes.
    EXPECT_EQ(w.frm_rasi.Lab_GM_GirlHouse[0].caption(), "Sun  28.19\r\nMer  4.30");
    EXPECT_EQ(w.frm_Navamsa.Lab_GirlNav[11].caption(), "Sun  \r\nMoo  ");
    EXPECT_EQ(w.frm_rasi.Lab_chartHouse_Girl_Rasi[7].caption(), "Asc    Sun  Moo");
    EXPECT_EQ(w.frm_rasi.Lab_chartHouse_Girl_Rasi[8].caption(), "Mar  ");
    EXPECT_EQ(w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav[2].caption(), "Jup  \r\nVen  ");
    EXPECT_TRUE(allEmpty(w.frm_Navamsa.Lab_ChartHouseN_GirlNav));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChartCellsTest, ASignOutsideTheZodiacShowsThePlainBoxAndAddsNothing) {
    for (const char* kind : {"1", "2", "3", "5"}) {
        boxes.clear();
        FnPutBodyInChartCell(kind, "Gul", 0, 0);
        FnPutBodyInChartCell(kind, "Gul", 13, 0);
        ASSERT_EQ(boxes.shown().size(), 2u) << kind;
        EXPECT_EQ(boxes.last(),
                  (ShownBox{"Subscript out of range9", MsgIcon::None, MsgButtons::OK, std::nullopt, kProgramName}));
    }
    ResultWindows& w = resultWindows();
    EXPECT_TRUE(allEmpty(w.frm_rasi.Lab_GM_GirlHouse));
    EXPECT_TRUE(allEmpty(w.frm_Navamsa.Lab_GirlNav));
    EXPECT_TRUE(allEmpty(w.frm_rasi.Lab_chartHouse_Girl_Rasi));
    EXPECT_TRUE(allEmpty(w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav));
}

TEST_F(ChartCellsTest, EachClearKindEmptiesItsOwnArrayAlone) {
    ResultWindows& w = resultWindows();
    LabelArray* arrays[] = {
        &w.frm_rasi.Lab_GM_GirlHouse,
        &w.frm_Navamsa.Lab_GirlNav,
        &w.frm_rasi.Lab_ChartHouseN_Girl,
        &w.frm_Navamsa.Lab_ChartHouseN_GirlNav,
        &w.frm_rasi.Lab_chartHouse_Girl_Rasi,
        &w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav,
        &w.frm_BhavaChart.Lab_ChartHouseN_GirlNav,
        &w.frm_BhavaChart.Lab_ChartGHouse_Girl_Nav,
        &w.frm_BhavaChart.Lab_GirlNav,
    };
    for (int kind = 0; kind <= 10; ++kind) {
        for (LabelArray* a : arrays)
            for (int i = a->lower(); i <= a->upper(); ++i) (*a)[i].setCaption("x");
        FnClearChartCells(kind);
        for (int k = 1; k <= 9; ++k)
            EXPECT_EQ(allEmpty(*arrays[k - 1]), k == kind) << "kind " << kind << ", array of kind " << k;
    }
}

TEST_F(ChartCellsTest, NorthPlacesBodiesByHouseFromTheLagnaSign) {
    placeBodies(12);
    state().prefs.gChartStyle = "North";
    ASSERT_TRUE(FnDrawChart(ChartDivision::Rasi));
    const RasiContents& r = resultWindows().frm_rasi;
    EXPECT_EQ(captions(r.Lab_NHouseNo),
              (std::vector<std::string>{"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    // Lagna in Pisces: Aries is house 2; Gulika and Maandi in Pisces share
    // house 1 with the lagna, which is named by its display name.
    const std::vector<std::string> expected = {
        "Asc  Gul  Maa  ", "Sun  Moo  ", "", "Mar  Ket  ", "Mer  ", "Jup  ", "", "Ven  ", "", "Rah  ", "", "Sat  ",
    };
    EXPECT_EQ(captions(r.Lab_ChartHouseN_Girl), expected);
    EXPECT_FALSE(r.Frame_SouthBride.visible());
    EXPECT_TRUE(r.Frame_NorthBride.visible());
    EXPECT_FALSE(r.Frame_EastBride.visible());
}

TEST_F(ChartCellsTest, NorthInSanskritNamesTheLagnaInFull) {
    state().prefs.gLanguage = "Sanskrit";
    FnLoadNameTables();
    placeBodies(5);
    state().prefs.gChartStyle = "North";
    ASSERT_TRUE(FnDrawChart(ChartDivision::Navamsa));
    const NavamsaContents& n = resultWindows().frm_Navamsa;
    EXPECT_EQ(n.Lab_NHouseNo[1].caption(), "5");
    EXPECT_EQ(n.Lab_NHouseNo[9].caption(), "1");
    EXPECT_EQ(n.Lab_ChartHouseN_GirlNav[1].caption(), "Lagna  Gur  ");
    EXPECT_EQ(n.Lab_ChartHouseN_GirlNav[9].caption(), "Rav  Cha  ");
    EXPECT_EQ(n.Lab_ChartHouseN_GirlNav[8].caption(), "Gul  Maa  ");
}

TEST_F(ChartCellsTest, GulikaAndMaandiAreLeftOutWhenTheirSunTimesAreUnknown) {
    placeBodies(1);
    state().positions.gGulikaMaandiKnown = false;
    state().signs.gGulikaSign = state().signs.gMaandiSign = 0;
    for (const char* style : {"South", "East", "North"}) {
        state().prefs.gChartStyle = style;
        ASSERT_TRUE(FnDrawChart(ChartDivision::Rasi));
    }
    const RasiContents& r = resultWindows().frm_rasi;
    EXPECT_EQ(r.Lab_GM_GirlHouse[11].caption(), "");
    EXPECT_EQ(r.Lab_chartHouse_Girl_Rasi[12].caption(), "");
    EXPECT_EQ(r.Lab_ChartHouseN_Girl[12].caption(), "");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChartCellsTest, RedrawingClearsTheEntriesOfTheEarlierChart) {
    for (const char* style : {"South", "East", "North"}) {
        state().prefs.gChartStyle = style;
        placeBodies(3);
        FnDrawChart(ChartDivision::Rasi);
        placeBodies(3);
        state().signs.gSunSign = 2;
        FnDrawChart(ChartDivision::Rasi);
    }
    const RasiContents& r = resultWindows().frm_rasi;
    EXPECT_EQ(r.Lab_GM_GirlHouse[0].caption(), "Moo  10.45");
    EXPECT_EQ(r.Lab_chartHouse_Girl_Rasi[1].caption(), "Moo  ");
    EXPECT_EQ(r.Lab_ChartHouseN_Girl[11].caption(), "Moo  ");
    EXPECT_EQ(r.Lab_ChartHouseN_Girl[12].caption(), "Sun  ");
}

TEST_F(ChartCellsTest, AnyOtherStyleDrawsNothingAndLeavesTheFrames) {
    placeBodies(1);
    for (const char* style : {"south", "SOUTH", "West", ""}) {
        state().prefs.gChartStyle = style;
        EXPECT_FALSE(FnDrawChart(ChartDivision::Rasi)) << style;
        EXPECT_FALSE(FnDrawChart(ChartDivision::Navamsa)) << style;
    }
    const ResultWindows& w = resultWindows();
    EXPECT_TRUE(allEmpty(w.frm_rasi.Lab_GM_GirlHouse));
    EXPECT_TRUE(allEmpty(w.frm_rasi.Lab_ChartHouseN_Girl));
    EXPECT_TRUE(allEmpty(w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav));
    EXPECT_TRUE(allEmpty(w.frm_Navamsa.Lab_NHouseNo));
    // The frames keep the visibility they were designed with.
    const RasiContents designed;
    EXPECT_EQ(w.frm_rasi.Frame_SouthBride.visible(), designed.Frame_SouthBride.visible());
    EXPECT_EQ(w.frm_rasi.Frame_NorthBride.visible(), designed.Frame_NorthBride.visible());
    EXPECT_EQ(w.frm_rasi.Frame_EastBride.visible(), designed.Frame_EastBride.visible());
}

}  // namespace
}  // namespace jd
