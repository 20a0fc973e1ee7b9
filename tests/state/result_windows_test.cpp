#include <gtest/gtest.h>

#include "platform/run_time_error.h"
#include "state/result_windows.h"

namespace jd {
namespace {

TEST(ResultWindowsTest, BirthDetailsWindowAsDesigned) {
    ResultWindows w;
    auto rows = w.frm_UserDetails.rows();
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(w.frm_UserDetails.txtGName.caption(), "NAME");
    int withoutCaption = 0;
    for (const auto& r : rows) {
        if (r.value != &w.frm_UserDetails.txtGName) {
            EXPECT_EQ(r.value->caption(), "") << r.value->name();
        }
        if (!r.caption) ++withoutCaption;
    }
    EXPECT_EQ(withoutCaption, 1);
    EXPECT_EQ(rows[4].value->name(), "txtist");
    // Captions with their designed spellings and blanks.
    EXPECT_EQ(w.frm_UserDetails.lblTimeOfBirth.caption(), "Timeof Birth");
    EXPECT_EQ(w.frm_UserDetails.lblSolarDate.caption(), "Solar Date ");
    EXPECT_EQ(w.frm_UserDetails.lblKLunarDate.caption(), "Lunar Date(Krishnadi)");
    EXPECT_EQ(w.frm_UserDetails.lblSLunarDate.caption(), "Lunar Date (Sukladi)");
    EXPECT_EQ(w.frm_UserDetails.lblPaksha.caption(), "Paksha ");
}

TEST(ResultWindowsTest, GridsHaveTheirDesignedShape) {
    ResultWindows w;
    struct Case { const Grid* g; int rows, cols, fixedRows, fixedCols; std::string header0, headerLast; };
    const Case cases[] = {
        {&w.Frm_PP.mshNirayana, 11, 10, 1, 0, "Planet", "Avasthas** "},
        {&w.Frm_PP.MSFlexGridSort, 8, 1, 1, 0, "Longitude     ", "Longitude     "},
        {&w.frm_CBhava.msh_Bhava, 13, 5, 1, 0, "House  ", std::string(" Planets") + std::string(55, ' ')},
        {&w.frm_CBhava.msh_star, 13, 8, 1, 0, "House         ", "Sub  Lord    "},
        {&w.Frm_Vargas.mshVargas, 22, 11, 1, 1, "  Chart                  ", " Ket  "},
        {&w.Frm_AVargas.mshAshtaVarga, 14, 12, 1, 1, "Zodiac       ", "Total With * "},
        {&w.Frm_Dasa.mshDasa, 2, 4, 1, 0, "Dasa       ", "  Age "},
        {&w.Frm_Dasa.mshBukti, 2, 4, 1, 0, "Bhukthi  ", "  Age "},
        {&w.Frm_Dasa.mshAntra, 2, 4, 1, 0, "Antra     ", "  Age "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.g->name());
        EXPECT_EQ(c.g->rows(), c.rows);
        EXPECT_EQ(c.g->cols(), c.cols);
        EXPECT_EQ(c.g->fixedRows(), c.fixedRows);
        EXPECT_EQ(c.g->fixedCols(), c.fixedCols);
        EXPECT_EQ(c.g->text(0, 0), c.header0);
        EXPECT_EQ(c.g->text(0, c.cols - 1), c.headerLast);
    }
}

TEST(ResultWindowsTest, ChartCellsKeepTheirIndexRanges) {
    ResultWindows w;
    EXPECT_NO_THROW(w.frm_rasi.Lab_GM_GirlHouse[0]);
    EXPECT_THROW(w.frm_rasi.Lab_GM_GirlHouse[12], RunTimeError);
    EXPECT_THROW(w.frm_rasi.Lab_ChartHouseN_Girl[0], RunTimeError);
    EXPECT_NO_THROW(w.frm_rasi.Lab_chartHouse_Girl_Rasi[12]);
    EXPECT_THROW(w.frm_Navamsa.Lab_GirlNav[-1], RunTimeError);
    EXPECT_NO_THROW(w.frm_BhavaChart.Lab_ChartGHouse_Girl_Nav[12]);
    EXPECT_EQ(w.frm_Navamsa.Label10.caption(), "Navamsa Chart");
    EXPECT_EQ(w.frm_BhavaChart.Label10.caption(), "Bhava Chart");
    EXPECT_EQ(w.frm_BhavaChart.Label1.caption(), "  Bhava Chart");
}

TEST(ResultWindowsTest, UnloadingReturnsEveryWindowToItsDesign) {
    ResultWindows w;
    w.frm_UserDetails.txtGName.setCaption("Ravi");
    w.frm_UserDetails.txtlmt.setCaption("14/Jul/1965 01:59 PM");
    w.frm_rasi.Frame_NorthBride.setVisible(false);
    w.frm_rasi.Lab_GM_GirlHouse[3].setCaption("Sun  28.19");
    w.frm_BhavaChart.Lab_NHouseNo[1].setCaption("7");
    w.Frm_PP.mshNirayana.clear();
    w.Frm_PP.mshNirayana.setText(5, 8, "Atma");
    w.Frm_Dasa.mshBukti.setRows(83);
    w.Frm_Dasa.Lab_DasaBalanceV.setCaption("Dasa Balance at Birth :KethuDasa  4-7- 13");
    w.Frm_Print.Op2.setValue(true);
    w.Frm_Print.Op1.setValue(false);
    w.Frm_Print.Te.setText("report");

    EXPECT_TRUE(w.reset("frm_UserDetails"));
    EXPECT_EQ(w.frm_UserDetails.txtGName.caption(), "NAME");
    EXPECT_EQ(w.frm_UserDetails.txtlmt.caption(), "");
    // Only the named window is touched.
    EXPECT_FALSE(w.frm_rasi.Frame_NorthBride.visible());
    EXPECT_FALSE(w.reset("frm_Rasi"));

    w.resetAll();
    EXPECT_TRUE(w.frm_rasi.Frame_NorthBride.visible());
    EXPECT_EQ(w.frm_rasi.Lab_GM_GirlHouse[3].caption(), "");
    EXPECT_EQ(w.frm_BhavaChart.Lab_NHouseNo[1].caption(), "");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(0, 0), "Planet");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(5, 8), "");
    EXPECT_EQ(w.Frm_Dasa.mshBukti.rows(), 2);
    EXPECT_EQ(w.Frm_Dasa.Lab_DasaBalanceV.caption(), "");
    EXPECT_TRUE(w.Frm_Print.Op1.value());
    EXPECT_FALSE(w.Frm_Print.Op2.value());
    EXPECT_TRUE(w.Frm_Print.Op5.value());
    EXPECT_EQ(w.Frm_Print.Te.text(), "");
    EXPECT_FALSE(w.Frm_Print.Te.visible());
}

TEST(ResultWindowsTest, OneInstanceForTheProcess) {
    EXPECT_EQ(&resultWindows(), &resultWindows());
}

}  // namespace
}  // namespace jd
