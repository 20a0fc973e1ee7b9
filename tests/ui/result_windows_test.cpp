// The nine result windows: where they come up, what they show before and
// after a cast, and their advertisement panes.
#include "ui/chart/result_windows.h"

#include <gtest/gtest.h>

#include "horoscope/chart_run.h"
#include "shell_fixture.h"

namespace jd {
namespace {

using testing_support::ShellTest;

const char* const kNine[] = {"frm_UserDetails", "frm_rasi",   "frm_Navamsa", "frm_BhavaChart", "frm_CBhava",
                             "Frm_PP",          "Frm_Vargas", "Frm_AVargas", "Frm_Dasa"};

class ResultWindows : public ShellTest {
protected:
    ResultWindow& window(const char* name) { return static_cast<ResultWindow&>(windows.get(name)); }
};

TEST_F(ResultWindows, BroughtForwardBeforeAnyCastTheyComeUpAsDesigned) {
    for (const char* name : kNine) {
        SCOPED_TRACE(name);
        windows.bringToFront(name);
        ResultWindow& w = window(name);
        EXPECT_TRUE(w.visible());
        EXPECT_EQ(w.left(), 2000);
        EXPECT_EQ(w.top(), 15);
        EXPECT_EQ(frontName(), name);
        EXPECT_EQ(w.cmdMaximize1.caption(), "^ Maximize");
        EXPECT_EQ(w.cmdMaximize2.caption(), "^ Maximize");
    }
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "NAME");
    EXPECT_EQ(resultWindows().Frm_PP.mshNirayana.text(1, 0), "");
}

TEST_F(ResultWindows, UnloadingPutsOnlyTheirOwnContentsBackAsDesigned) {
    windows.get("frm_rasi");
    windows.get("Frm_PP");
    ::jd::ResultWindows& w = resultWindows();
    w.frm_rasi.Lab_GM_GirlHouse[3].setCaption("Sun  28.19");
    w.frm_rasi.Frame_SouthBride.setVisible(false);
    w.Frm_PP.mshNirayana.setText(1, 0, "Asc");

    windows.unload("frm_rasi");
    EXPECT_EQ(w.frm_rasi.Lab_GM_GirlHouse[3].caption(), "");
    EXPECT_TRUE(w.frm_rasi.Frame_SouthBride.visible());
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(1, 0), "Asc");

    windows.unload("Frm_PP");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(1, 0), "");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(0, 0), "Planet");
}

TEST_F(ResultWindows, ACastLeavesNothingOfThePreviousChart) {
    start();
    ::jd::ResultWindows& w = resultWindows();
    // Something the cast never writes, as if left from an earlier chart.
    w.frm_rasi.Lab_ChartHouseN_Girl[5].setCaption("Sat");
    w.Frm_Vargas.mshVargas.setText(21, 10, "left over");
    state().birth.gCity = "Another City";

    ASSERT_TRUE(FnCastHoroscope());

    EXPECT_EQ(w.frm_rasi.Lab_ChartHouseN_Girl[5].caption(), "");
    EXPECT_NE(w.Frm_Vargas.mshVargas.text(21, 10), "left over");
    EXPECT_EQ(w.frm_UserDetails.txtCity.caption(), "Another City");
}

TEST_F(ResultWindows, EachActivationReloadsBothPanesFromTheProgramsFolder) {
    ResultWindow& rasi = window("frm_rasi");
    const std::string folder = "file://" + folder_.string() + "/ads/Downloads/";
    EXPECT_EQ(rasi.WebSendral_Right.locationURL(), folder + "Sendral_Right.asp");
    EXPECT_EQ(rasi.WebSendral_Bottom.locationURL(), folder + "Sendral_Bottom.asp");
    EXPECT_EQ(rasi.WebSendral_Right.navigationCount(), 1);

    windows.bringToFront("Frm_Dasa");
    windows.bringToFront("frm_rasi");
    EXPECT_EQ(rasi.WebSendral_Right.navigationCount(), 2);
    EXPECT_EQ(rasi.WebSendral_Bottom.navigationCount(), 2);
    // Bringing forward the window already in front is no new activation.
    windows.bringToFront("frm_rasi");
    EXPECT_EQ(rasi.WebSendral_Right.navigationCount(), 2);
}

TEST_F(ResultWindows, MaximizeOpensThePageInOneSeparateBrowserWindow) {
    ResultWindow& rasi = window("frm_rasi");
    rasi.cmdMaximize1.click();
    rasi.cmdMaximize1.click();
    rasi.cmdMaximize2.click();
    window("Frm_Dasa").cmdMaximize1.click();

    const auto& nav = fakes.browser.navigations();
    ASSERT_EQ(nav.size(), 4u);
    EXPECT_EQ(nav[0].url, rasi.WebSendral_Right.locationURL());
    EXPECT_EQ(nav[2].url, rasi.WebSendral_Bottom.locationURL());
    EXPECT_EQ(fakes.browser.windowsOpened(), std::vector<std::string>{"_blanck"});
    // The panes themselves stay on their pages.
    EXPECT_EQ(rasi.WebSendral_Right.navigationCount(), 1);
}

}  // namespace
}  // namespace jd
