#include "ui/chart/standins.h"

#include <gtest/gtest.h>

#include "platform/window.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

class StandInsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resultWindows().resetAll();
        defineChartStandIns(windows);
    }
    void TearDown() override {
        resetState();
        resultWindows().resetAll();
    }
    WindowRegistry windows;
};

TEST_F(StandInsTest, AResultWindowUnloadsBackToItsDesignedContents) {
    windows.get("frm_rasi");
    windows.get("Frm_PP");
    ResultWindows& w = resultWindows();
    w.frm_rasi.Lab_GM_GirlHouse[3].setCaption("Sun  28.19");
    w.frm_rasi.Frame_SouthBride.setVisible(false);
    w.Frm_PP.mshNirayana.setText(1, 0, "Asc");
    w.frm_UserDetails.txtGName.setCaption("Sample Chart");

    windows.unload("frm_rasi");
    EXPECT_EQ(w.frm_rasi.Lab_GM_GirlHouse[3].caption(), "");
    EXPECT_TRUE(w.frm_rasi.Frame_SouthBride.visible());
    // Other windows keep what they show.
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(1, 0), "Asc");
    EXPECT_EQ(w.frm_UserDetails.txtGName.caption(), "Sample Chart");

    windows.unload("Frm_PP");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(1, 0), "");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(0, 0), "Planet");
}

TEST_F(StandInsTest, EveryWindowIsKnownByNameAndShowsWhenCreated) {
    for (const char* name : {"frm_UserDetails", "frm_rasi", "frm_Navamsa", "frm_BhavaChart", "frm_CBhava", "Frm_PP",
                             "Frm_Vargas", "Frm_AVargas", "Frm_Dasa"})
        EXPECT_TRUE(windows.get(name).visible()) << name;
}

}  // namespace
}  // namespace jd
