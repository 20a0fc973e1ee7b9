// Save, quit, start again: the program casts the chart saved last, from the
// same settings store and the same database.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/database.h"
#include "saved_chart_fixture.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/chart_store.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/shell/main_horoscope.h"
#include "ui/shell/mdi_quill.h"

namespace jd {
namespace {

using testing_support::Entry;
using testing_support::SavedChartTest;
using testing_support::savedChartFolder;

template <std::size_t N>
struct WindowName {
    constexpr WindowName(const char (&s)[N]) { std::copy_n(s, N, text); }
    char text[N];
};

// A result window as the chart run finds it by name.
template <WindowName Name>
class ResultWindow : public Window {
public:
    static constexpr const char* kWindowName = Name.text;
    ResultWindow() : Window(kWindowName, kWindowName) {}

protected:
    void onUnload() override { resultWindows().reset(kWindowName); }
};

class StartupSavedChartTest : public SavedChartTest {
protected:
    void SetUp() override {
        SavedChartTest::SetUp();
        // The program opens the database beside it by itself.
        state().gDbConnection.reset();
        appFolder = savedChartFolder() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(appFolder);
        std::filesystem::copy_file(dbPath, appFolder / "DBTessel.db",
                                   std::filesystem::copy_options::overwrite_existing);
        prepareRun();
    }
    void TearDown() override {
        SavedChartTest::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(appFolder, ignored);
    }

    // A fresh process: new shared records and windows; the settings store and
    // the database file are those of the run before.
    void prepareRun() {
        windows.reset();
        resetState();
        resultWindows().resetAll();
        state().services = services;
        state().gAppPath = appFolder.string();
        windows = std::make_unique<WindowRegistry>(services);
        state().gWindows = windows.get();
        windows->define<MDIQuill>();
        windows->define<frm_MainHoroscope>();
        windows->define<frm_OpenChart>();
        windows->define<ResultWindow<"frm_UserDetails">>();
        windows->define<ResultWindow<"frm_rasi">>();
        windows->define<ResultWindow<"frm_Navamsa">>();
        windows->define<ResultWindow<"frm_BhavaChart">>();
        windows->define<ResultWindow<"frm_CBhava">>();
        windows->define<ResultWindow<"Frm_PP">>();
        windows->define<ResultWindow<"Frm_Vargas">>();
        windows->define<ResultWindow<"Frm_AVargas">>();
        windows->define<ResultWindow<"Frm_Dasa">>();
        windows->define<ResultWindow<"Frm_Print">>();
    }

    std::filesystem::path appFolder;
};

TEST_F(StartupSavedChartTest, SaveQuitAndStartAgainCastsTheSavedChart) {
    MDIQuill& first = windows->get<MDIQuill>();
    ASSERT_EQ(state().birth.gChartName, "Sample Chart");  // nothing saved yet: the sample chart

    first.mnuBirthDetails.click();
    Entry e;
    e.name = "Asha";
    e.sex = "Female";
    e.day = "09";
    e.month = "Nov";
    e.year = "1987";
    e.hour = "12";
    e.minute = "05";
    e.pm = false;
    e.country = "Australia";
    e.city = "Adelaide";
    e.zone = 2;  // Australia (Adelaide), 9.5 hours east
    frm_OpenChart& w = enter(e);
    w.mnuSave.click();
    ASSERT_EQ(fakes.messageBox.last().text, "Chart Successfully Saved");
    first.mnuExit.click();
    ASSERT_TRUE(windows->quitRequested());

    prepareRun();
    windows->get<MDIQuill>();
    const BirthDetails& b = state().birth;
    EXPECT_EQ(b.gChartName, "Asha");
    EXPECT_EQ(b.gGender, "Female");
    EXPECT_EQ(b.gBirthDay, "09");
    EXPECT_EQ(b.gBirthMonth, "Nov");
    EXPECT_EQ(b.gBirthYear, "1987");
    EXPECT_EQ(b.gBirthHour, "0");
    EXPECT_EQ(b.gBirthMinute, "05");
    EXPECT_EQ(b.gCountry, "Australia");
    EXPECT_EQ(b.gCity, "Adelaide");
    EXPECT_EQ(b.gLatDeg, "34");
    EXPECT_EQ(b.gLatNS, "S");
    EXPECT_EQ(b.gLatMin, "56");
    EXPECT_EQ(b.gLonDeg, "138");
    EXPECT_EQ(b.gLonEW, "E");
    EXPECT_EQ(b.gLonMin, "36");
    EXPECT_EQ(b.gZoneHours, "9.5");
    EXPECT_EQ(b.gZoneEW, "E");
    EXPECT_EQ(b.gZoneText, "");  // the zone text is not kept for start-up
    // The chart was cast at that moment.
    EXPECT_EQ(state().gBirthDateTime, DateTime::of(1987, 11, 9, 0, 5, 0));
    EXPECT_EQ(state().positions.gBirthDateTime, DateTime::of(1987, 11, 9, 0, 5, 0));

    // The saved row is there for the list of the new run.
    Database db((appFolder / "DBTessel.db").string());
    EXPECT_EQ(listCharts(db, "All").size(), 1u);
}

}  // namespace
}  // namespace jd
