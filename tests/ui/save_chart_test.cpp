// Save and Delete of the birth-details window: insert, update, the refused
// name and its retry, the "Horo" keys, and charts that are gone.
#include "ui/chart/frm_save_chart.h"

#include <gtest/gtest.h>

#include "platform/database.h"
#include "saved_chart_fixture.h"
#include "ui/chart/chart_store.h"
#include "ui/chart/frm_open_chart.h"

namespace jd {
namespace {

using testing_support::Entry;
using testing_support::SavedChartTest;
using testing_support::storedChart;

class SaveChartTest : public SavedChartTest {
protected:
    SavedChart rowOf(std::int32_t sno) {
        auto row = readChart(db(), sno);
        EXPECT_TRUE(row.has_value()) << "no row " << sno;
        return row.value_or(SavedChart{});
    }
    // Save from the File menu and from the toolbar, in turn.
    void save(frm_OpenChart& w) {
        if (++saves_ % 2)
            w.mnuSave.click();
        else
            w.tbrChartFile_ButtonClick("save");
    }
    int saves_ = 0;
};

TEST_F(SaveChartTest, InsertThenUpdateOfTheSameChart) {
    frm_OpenChart& w = enter(Entry{});
    save(w);

    ASSERT_EQ(rowCount(), 1);
    const std::int32_t sno = w.txt_VC_UserId;
    ASSERT_NE(sno, 0);
    // The insert writes the day without its zero; the zone goes in as its
    // number (102), not its 5.5 hours.
    SavedChart expected = storedChart("Sample~5-Jul-1965");
    expected.Sno = sno;
    EXPECT_EQ(rowOf(sno), expected);
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last(),
              (ShownBox{"Chart Successfully Saved", MsgIcon::Information, MsgButtons::OK, "Save Chart", "Save Chart"}));
    EXPECT_FALSE(windows->isLoaded<Frm_SaveChart>());

    // Saving again rewrites that row; the name takes the day as the box shows it.
    w.txt_VC_City.choose(indexOf(w.txt_VC_City, "Chennai"));
    save(w);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(w.txt_VC_UserId, sno);
    expected.ChartName = "Sample~05-Jul-1965";
    expected.City = "Chennai";
    expected.LatitudeDegree = 13;
    expected.LatitudeMinute = 5;
    expected.LongitudeDegree = 80;
    expected.LongitudeMinute = 17;
    EXPECT_EQ(rowOf(sno), expected);
    EXPECT_EQ(fakes.messageBox.last(), (ShownBox{"Details are Sucessfully Updated", MsgIcon::None, MsgButtons::OK,
                                                 "Enter Birth Details", "Enter Birth Details"}));
}

TEST_F(SaveChartTest, HourIsStoredOnTheTwentyFourHourClock) {
    const struct {
        const char* hour;
        bool pm;
        int stored;
        const char* horoHour;
    } cases[] = {
        {"12", false, 0, "0"}, {"12", true, 12, "12"}, {"05", true, 17, "17"}, {"09", false, 9, "09"},
    };
    for (const auto& c : cases) {
        Entry e;
        e.name = std::string("Hour ") + c.hour + (c.pm ? "PM" : "AM");
        e.hour = c.hour;
        e.pm = c.pm;
        frm_OpenChart& w = enter(e);
        w.txt_VC_UserId = 0;
        save(w);
        const SavedChart row = rowOf(w.txt_VC_UserId);
        EXPECT_EQ(row.ChartHour, c.stored) << e.name;
        EXPECT_EQ(row.ChartSecond, 0) << e.name;
        EXPECT_EQ(horo("Hour"), c.horoHour) << e.name;
    }
}

TEST_F(SaveChartTest, EveryHoroKeyIsWrittenInOrder) {
    state().birth.gZoneText = "India  (5.5 hrs E)";  // the chart last cast
    Entry e;
    e.country = "Australia";
    e.city = "Adelaide";
    e.zone = 2;  // Australia (Adelaide), 9.5 hours east
    frm_OpenChart& w = enter(e);
    save(w);

    const std::string p = "Pellmar/Horo/";
    const std::vector<std::pair<std::string, std::string>> expected{
        {p + "Name", "Sample"},        {p + "Day", "05"},
        {p + "Month", "Jul"},          {p + "Year", "1965"},
        {p + "Hour", "17"},            {p + "Min", "30"},
        {p + "TimeZone", "India  (5.5 hrs E)"},
        {p + "Sex", "Male"},           {p + "City", "Adelaide"},
        {p + "Country", "Australia"},  {p + "LatNS", "S"},
        {p + "LatMin", "56"},          {p + "LatDeg", "34"},
        {p + "LonEW", "E"},            {p + "LonMin", "36"},
        {p + "LonDeg", "138"},         {p + "TimeDiff", "9.5"},
        {p + "TimeDiffEW", "E"},
    };
    EXPECT_EQ(settings.writes, expected);
    EXPECT_EQ(rowOf(w.txt_VC_UserId).TimeDifference, 13);
}

TEST_F(SaveChartTest, SavingNeverWritesTheBirthDetailsOfTheCastChart) {
    BirthDetails cast;
    cast.gChartName = "Cast";
    cast.gBirthHour = "3";
    cast.gGender = "Female";
    cast.gCity = "Perth";
    cast.gLatDeg = "31";
    cast.gZoneHours = "8";
    state().birth = cast;

    frm_OpenChart& w = enter(Entry{});
    save(w);  // insert
    save(w);  // update
    ASSERT_EQ(rowCount(), 1);
    EXPECT_EQ(state().birth.gChartName, "Cast");
    EXPECT_EQ(state().birth.gBirthHour, "3");
    EXPECT_EQ(state().birth.gGender, "Female");
    EXPECT_EQ(state().birth.gCity, "Perth");
    EXPECT_EQ(state().birth.gLatDeg, "31");
    EXPECT_EQ(state().birth.gZoneHours, "8");
}

TEST_F(SaveChartTest, AnEmptySexIsStoredEmpty) {
    Entry e;
    e.sex = "";
    frm_OpenChart& w = enter(e);
    save(w);
    EXPECT_EQ(rowOf(w.txt_VC_UserId).Gender, "");
    EXPECT_EQ(horo("Sex"), "");
}

TEST_F(SaveChartTest, InvalidEntriesSaveNothing) {
    Entry e;
    e.name = "";
    frm_OpenChart& w = enter(e);
    save(w);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Enter Name"});
    EXPECT_TRUE(settings.writes.empty());
}

TEST_F(SaveChartTest, UsedNameIsRefusedAndTheRetryBecomesTheWindowsChart) {
    SavedChart other;
    other.ChartName = "Sample~1-Jan-1970";
    insertChart(db(), other);

    frm_OpenChart& w = enter(Entry{});
    save(w);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(w.txt_VC_UserId, 0);
    EXPECT_EQ(fakes.messageBox.last(), (ShownBox{"Chart Name Already Used , Enter Another Name",
                                                 MsgIcon::Information, MsgButtons::OK, std::nullopt, "Jataka Desk"}));
    ASSERT_TRUE(windows->isLoaded<Frm_SaveChart>());
    Frm_SaveChart& sc = windows->get<Frm_SaveChart>();
    EXPECT_TRUE(sc.visible());
    EXPECT_EQ(sc.Txt_SC_ChartName.text(), "Sample");
    EXPECT_EQ(sc.focused(), &sc.Txt_SC_ChartName);
    EXPECT_EQ(horo("Name"), "Sample");  // "Horo" keeps the chart all the same

    // An empty box asks for a name.
    sc.Txt_SC_ChartName.setText("");
    sc.Cmd_SC_Save.click();
    EXPECT_EQ(fakes.messageBox.last().text, "Enter Chart Name");
    EXPECT_EQ(rowCount(), 1);

    sc.Txt_SC_ChartName.setText("  Sample Two ");
    sc.Cmd_SC_Save.click();
    ASSERT_EQ(rowCount(), 2);
    EXPECT_FALSE(windows->isLoaded<Frm_SaveChart>());
    ASSERT_NE(w.txt_VC_UserId, 0);
    EXPECT_EQ(rowOf(w.txt_VC_UserId).ChartName, "Sample Two~5-Jul-1965");
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Sample Two");
    EXPECT_EQ(horo("Name"), "Sample Two");
    EXPECT_EQ(fakes.messageBox.last().text, "Chart Successfully Saved");

    // The window is now linked: the next Save updates the new row.
    save(w);
    EXPECT_EQ(rowCount(), 2);
    EXPECT_EQ(fakes.messageBox.last().text, "Details are Sucessfully Updated");
}

TEST_F(SaveChartTest, RetryDoesNotRelinkAWindowGivenAnotherSavedChart) {
    SavedChart other;
    other.ChartName = "Sample~1-Jan-1970";
    const std::int32_t otherSno = insertChart(db(), other);

    frm_OpenChart& w = enter(Entry{});
    save(w);
    w.txt_VC_UserId = otherSno;  // meanwhile the user loaded another chart
    w.Txt_VC_ChartName.setText("Sample");
    Frm_SaveChart& sc = windows->get<Frm_SaveChart>();
    sc.Txt_SC_ChartName.setText("Sample Two");
    sc.Cmd_SC_Save.click();
    EXPECT_EQ(rowCount(), 2);
    EXPECT_EQ(w.txt_VC_UserId, otherSno);
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Sample");
}

TEST_F(SaveChartTest, UpdatingAChartThatIsGoneSaysSoAndTheNextSaveInsertsIt) {
    frm_OpenChart& w = enter(Entry{});
    save(w);
    ASSERT_TRUE(deleteChart(db(), w.txt_VC_UserId));
    fakes.messageBox.clear();

    save(w);
    EXPECT_EQ(fakes.messageBox.shown(), (std::vector<ShownBox>{{"The saved chart no longer exists.",
                                                                MsgIcon::Critical, MsgButtons::OK, std::nullopt,
                                                                "Jataka Desk"}}));
    EXPECT_EQ(w.txt_VC_UserId, 0);
    EXPECT_EQ(rowCount(), 0);

    save(w);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_NE(w.txt_VC_UserId, 0);
}

TEST_F(SaveChartTest, ASettingsFileThatCannotBeWrittenDoesNotStopTheUpdate) {
    frm_OpenChart& w = enter(Entry{});
    save(w);
    const std::int32_t sno = w.txt_VC_UserId;
    const std::string file = "/home/astro/.config/Jataka Desk/settings.ini";
    settings.failWrites(file);
    fakes.messageBox.clear();

    w.txt_VC_City.choose(indexOf(w.txt_VC_City, "Chennai"));
    save(w);
    EXPECT_EQ(rowOf(sno).City, "Chennai");
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{settingsFileError(file).description(),
                                                    "Details are Sucessfully Updated"}));
    EXPECT_EQ(fakes.messageBox.shown().front().icon, MsgIcon::Critical);
    EXPECT_EQ(horo("City"), "Hyderabad");
}

TEST_F(SaveChartTest, DeleteAsksFirstAndNoKeepsEverything) {
    frm_OpenChart& w = enter(Entry{});
    save(w);
    const std::int32_t sno = w.txt_VC_UserId;
    fakes.messageBox.clear();

    fakes.messageBox.answer(MsgResult::No);
    w.mnuDelete.click();
    EXPECT_EQ(fakes.messageBox.shown(), (std::vector<ShownBox>{{"Are You Sure You want to delete ?", MsgIcon::None,
                                                                MsgButtons::YesNo, std::nullopt, "Jataka Desk"}}));
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(w.txt_VC_UserId, sno);
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Sample");

    fakes.messageBox.clear();
    fakes.messageBox.answer(MsgResult::Yes);
    w.tbrChartFile_ButtonClick("delete");
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Are You Sure You want to delete ?", "Successfully Deleted"}));
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(w.txt_VC_UserId, 0);
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "");
    EXPECT_EQ(w.txt_VC_City.listCount(), 0);
}

TEST_F(SaveChartTest, DeleteGuards) {
    frm_OpenChart& w = enter(Entry{});
    // Not a saved chart: nothing is asked, from the menu or the toolbar.
    w.mnuDelete.click();
    w.tbrChartFile_ButtonClick("delete");
    EXPECT_TRUE(fakes.messageBox.shown().empty());

    save(w);
    fakes.messageBox.clear();
    w.Txt_VC_ChartName.setText("   ");
    w.tbrChartFile_ButtonClick("delete");  // the toolbar wants a name
    EXPECT_TRUE(fakes.messageBox.shown().empty());
    fakes.messageBox.answer(MsgResult::No);
    w.mnuDelete.click();  // the menu does not
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Are You Sure You want to delete ?"});
}

TEST_F(SaveChartTest, DeletingAChartThatIsGoneSaysSoAndKeepsTheEntries) {
    frm_OpenChart& w = enter(Entry{});
    save(w);
    ASSERT_TRUE(deleteChart(db(), w.txt_VC_UserId));
    fakes.messageBox.clear();

    w.mnuDelete.click();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"Are You Sure You want to delete ?", "The saved chart no longer exists."}));
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Sample");
    EXPECT_EQ(w.txt_VC_UserId, 0);
}

TEST_F(SaveChartTest, ANameWithQuotesAndSqlIsStoredIntactAndTheTableSurvives) {
    Entry e;
    e.name = "x'); DROP TABLE ChartSave";
    ASSERT_EQ(e.name.size(), 25u);
    frm_OpenChart& w = enter(e);
    save(w);
    ASSERT_TRUE(db().tableExists("ChartSave"));
    EXPECT_EQ(rowOf(w.txt_VC_UserId).ChartName, "x'); DROP TABLE ChartSave~5-Jul-1965");
    EXPECT_EQ(listCharts(db(), "All").size(), 1u);

    save(w);  // update
    EXPECT_EQ(rowOf(w.txt_VC_UserId).ChartName, "x'); DROP TABLE ChartSave~05-Jul-1965");
    EXPECT_EQ(horo("Name"), e.name);

    // A second chart of that name is refused by the exact name check.
    const std::int32_t sno = w.txt_VC_UserId;
    w.txt_VC_UserId = 0;
    save(w);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(fakes.messageBox.last().text, "Chart Name Already Used , Enter Another Name");

    w.txt_VC_UserId = sno;
    fakes.messageBox.answer(MsgResult::Yes);
    w.mnuDelete.click();
    EXPECT_EQ(rowCount(), 0);
    EXPECT_TRUE(db().tableExists("ChartSave"));
}

}  // namespace
}  // namespace jd
