// The saved-chart list: its filters, and a chosen chart written back into
// the birth-details window without casting it.
#include "ui/chart/frm_retrive_birth_data.h"

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

class RetriveBirthDataTest : public SavedChartTest {
protected:
    // Open from the birth-details window's menu or toolbar.
    Frm_RetriveBirthData& openList(bool fromToolbar = false) {
        frm_OpenChart& w = chartWindow();
        if (fromToolbar)
            w.tbrChartFile_ButtonClick("open");
        else
            w.mnuOpen.click();
        return windows->get<Frm_RetriveBirthData>();
    }
    static std::vector<std::string> texts(const ListBox& l) {
        std::vector<std::string> t;
        for (const auto& e : l.entries()) t.push_back(e.text);
        return t;
    }
    static int entryOf(const ListBox& l, std::int32_t sno) {
        for (int i = 0; i < l.listCount(); ++i)
            if (l.itemData(i) == sno) return i;
        ADD_FAILURE() << "no entry for chart " << sno;
        return -1;
    }
};

TEST_F(RetriveBirthDataTest, FiltersAndTheirCaptions) {
    Frm_RetriveBirthData& list = openList();
    EXPECT_EQ(list.List_VC_ChartName.listCount(), 0);
    EXPECT_EQ(list.Lab_Details.caption(), "Select User Details");
    EXPECT_EQ(list.DataMode, 3);

    insertChart(db(), storedChart("Ravi~1-Jan-1980", "Male"));
    insertChart(db(), storedChart("anu~2-Feb-1982", "Female"));
    db().execute("INSERT INTO GChartSave (Sno, ChartName) VALUES (4, 'Ravi & Anu~1-Jan-2005')");
    const struct {
        const char* filter;
        const char* caption;
        std::vector<std::string> entries;
    } cases[] = {
        {"All", "Select User Details", {"anu~2-Feb-1982", "Ravi~1-Jan-1980"}},
        {"Male", "Select Male Details", {"Ravi~1-Jan-1980"}},
        {"Female", "Select Female Details", {"anu~2-Feb-1982"}},
        {"G", "Select Couple Details", {"Ravi & Anu~1-Jan-2005"}},
    };
    for (const auto& c : cases) {
        list.DataGen = c.filter;
        list.fnFillChart();
        EXPECT_EQ(list.Lab_Details.caption(), c.caption) << c.filter;
        EXPECT_EQ(texts(list.List_VC_ChartName), c.entries) << c.filter;
    }
}

TEST_F(RetriveBirthDataTest, MenuShowsTheListAsItWasWhileTheToolbarBuildsItAfresh) {
    insertChart(db(), storedChart("First~1-Jan-1980"));
    Frm_RetriveBirthData& list = openList();
    EXPECT_TRUE(list.visible());
    EXPECT_EQ(list.owner(), nullptr);
    list.hide();
    insertChart(db(), storedChart("Second~1-Jan-1980"));

    EXPECT_EQ(texts(openList().List_VC_ChartName), std::vector<std::string>{"First~1-Jan-1980"});
    EXPECT_EQ(texts(openList(true).List_VC_ChartName),
              (std::vector<std::string>{"First~1-Jan-1980", "Second~1-Jan-1980"}));
}

TEST_F(RetriveBirthDataTest, HoursComeBackOnTheTwelveHourClock) {
    const struct {
        int stored;
        const char* shown;
        bool pm;
    } cases[] = {{0, "12", false}, {12, "12", true}, {17, "5", true}, {9, "9", false},
                 // A damaged row's hours: 24 as it is, which OK refuses; 25 on.
                 {24, "24", false}, {25, "13", true}};
    frm_OpenChart& w = chartWindow();
    for (const auto& c : cases) {
        SavedChart s = storedChart("Hour~5-Jul-1965");
        s.ChartHour = c.stored;
        const std::int32_t sno = insertChart(db(), s);
        Frm_RetriveBirthData& list = openList(true);
        list.List_VC_ChartName.setListIndex(entryOf(list.List_VC_ChartName, sno));
        EXPECT_EQ(w.cbHour.text(), c.shown) << c.stored;
        EXPECT_EQ(w.Opt_PM.value(), c.pm) << c.stored;
        EXPECT_EQ(w.Opt_AM.value(), !c.pm) << c.stored;
    }
}

TEST_F(RetriveBirthDataTest, ChosenChartFillsTheBirthDetailsWindowAndIsNotCast) {
    SavedChart s = storedChart("Sample~5-Jul-1965", "Female");
    s.ChartMinute = 5;
    const std::int32_t sno = insertChart(db(), s);
    state().birth.gChartName = "Cast";
    Frm_RetriveBirthData& list = openList();
    list.List_VC_ChartName.setListIndex(0);

    frm_OpenChart& w = chartWindow();
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Sample");
    EXPECT_EQ(w.txt_VC_UserId, sno);
    EXPECT_EQ(w.txt_Date.text(), "5");  // as stored, not "05"
    EXPECT_EQ(w.txt_Month.text(), "Jul");
    EXPECT_EQ(w.txt_Year.text(), "1965");
    EXPECT_EQ(w.cbMins.text(), "5");
    EXPECT_EQ(w.cbGender.text(), "Female");
    EXPECT_EQ(w.txt_VC_Country.text(), "India");
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
    EXPECT_EQ(w.txtLatDetails.text(), "17 N 23");
    EXPECT_EQ(w.txtLonDetails.text(), "78 E 27");
    EXPECT_EQ(w.txt_VC_LatDeg, 17);
    EXPECT_EQ(w.txt_VC_LonMin, 27);
    EXPECT_EQ(w.cbTimeZone.text(), "India  (5.5 hrs E)");
    EXPECT_EQ(w.txt_VC_TimeDiff, 5.5);
    EXPECT_EQ(w.txt_VC_TimeDiffEW, "E");
    EXPECT_EQ(w.txt_VC_TimeDiffId, 102);
    EXPECT_FALSE(list.visible());
    EXPECT_TRUE(list.loaded());
    EXPECT_EQ(state().birth.gChartName, "Cast");
    EXPECT_TRUE(fakes.messageBox.shown().empty());

    // The loaded chart saves back into its own row, zone number included.
    w.mnuSave.click();
    EXPECT_EQ(fakes.messageBox.last().text, "Details are Sucessfully Updated");
    const SavedChart row = *readChart(db(), sno);
    EXPECT_EQ(row.ChartName, "Sample~5-Jul-1965");
    EXPECT_EQ(row.TimeDifference, 102);
    EXPECT_EQ(row.ChartMinute, 5);
}

TEST_F(RetriveBirthDataTest, ChartOfAnotherCountryRefillsItsListsAndKeepsItsOwnZone) {
    SavedChart perth = storedChart("Perth~1-Jan-1990");
    perth.Country = "11";  // Australia: zones 11 Sydney, 12 Perth, 13 Adelaide
    perth.City = "Perth";
    perth.LatitudeDegree = 31;
    perth.Latitude_NS = "S";
    perth.LatitudeMinute = 57;
    perth.LongitudeDegree = 115;
    perth.LongitudeMinute = 52;
    perth.TimeDifference = 12;
    insertChart(db(), perth);

    frm_OpenChart& w = enter(Entry{});  // India shown
    Frm_RetriveBirthData& list = openList();
    list.List_VC_ChartName.setListIndex(0);

    EXPECT_EQ(w.txt_VC_Country.text(), "Australia");
    EXPECT_EQ(w.cbTimeZone.listCount(), 3);
    EXPECT_EQ(w.cbTimeZone.listIndex(), -1);  // a text, not a chosen entry
    EXPECT_EQ(w.cbTimeZone.text(), "Australia (Perth)  (8 hrs E)");
    EXPECT_EQ(w.txt_VC_TimeDiff, 8);
    EXPECT_EQ(w.txt_VC_TimeDiffEW, "E");
    EXPECT_EQ(w.txt_VC_TimeDiffId, 12);
    EXPECT_NE(indexOf(w.txt_VC_City, "Perth"), -1);
    EXPECT_EQ(w.txt_VC_City.text(), "Perth");
    EXPECT_EQ(w.txtLatDetails.text(), "31 S 57");
    EXPECT_EQ(w.txtLonDetails.text(), "115 E 52");
}

TEST_F(RetriveBirthDataTest, ChartOfACountryNoLongerKnownLeavesTheCountryToChoose) {
    SavedChart s = storedChart("Lost~1-Jan-1990");
    s.Country = "999999";
    insertChart(db(), s);
    frm_OpenChart& w = enter(Entry{});
    openList().List_VC_ChartName.setListIndex(0);
    EXPECT_EQ(w.txt_VC_Country.text(), "");
    EXPECT_EQ(w.txt_VC_City.listCount(), 0);
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
}

TEST_F(RetriveBirthDataTest, OkWithoutAChoiceAsksForOne) {
    insertChart(db(), storedChart("Sample~5-Jul-1965"));
    frm_OpenChart& w = chartWindow();
    Frm_RetriveBirthData& list = openList();
    list.Cmd_Submit.click();
    EXPECT_EQ(fakes.messageBox.shown(), (std::vector<ShownBox>{{"Select Chart Name ", MsgIcon::Information,
                                                                MsgButtons::OK, std::nullopt, "Jataka Desk"}}));
    EXPECT_TRUE(list.visible());
    EXPECT_EQ(w.txt_VC_UserId, 0);
}

TEST_F(RetriveBirthDataTest, AListOpenedByAnotherWindowWritesNothing) {
    insertChart(db(), storedChart("Sample~5-Jul-1965"));
    frm_OpenChart& w = chartWindow();
    Frm_RetriveBirthData& list = openList();
    list.DataMode = 1;
    list.List_VC_ChartName.setListIndex(0);
    EXPECT_FALSE(list.visible());
    EXPECT_EQ(w.txt_VC_UserId, 0);
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "");
}

TEST_F(RetriveBirthDataTest, ChartNumbersAboveSixteenBitsAreListedLoadedUpdatedAndDeleted) {
    db().execute("INSERT INTO sqlite_sequence (name, seq) VALUES ('ChartSave', 40000)");
    const std::int32_t sno = insertChart(db(), storedChart("Late~5-Jul-1965"));
    ASSERT_EQ(sno, 40001);
    Frm_RetriveBirthData& list = openList();
    ASSERT_EQ(list.List_VC_ChartName.itemData(0), 40001);
    list.List_VC_ChartName.setListIndex(0);
    frm_OpenChart& w = chartWindow();
    EXPECT_EQ(w.txt_VC_UserId, 40001);

    w.Txt_VC_ChartName.setText("Later");
    w.mnuSave.click();
    EXPECT_EQ(readChart(db(), sno)->ChartName, "Later~5-Jul-1965");
    fakes.messageBox.answer(MsgResult::Yes);
    w.mnuDelete.click();
    EXPECT_EQ(readChart(db(), sno), std::nullopt);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Details are Sucessfully Updated",
                                                    "Are You Sure You want to delete ?", "Successfully Deleted"}));
}

TEST_F(RetriveBirthDataTest, AZoneNoLongerKnownLoadsEmpty) {
    SavedChart s = storedChart("NoZone~5-Jul-1965");
    s.TimeDifference = 999999;
    insertChart(db(), s);
    openList().List_VC_ChartName.setListIndex(0);
    frm_OpenChart& w = chartWindow();
    EXPECT_EQ(w.cbTimeZone.text(), "  (0 hrs )");
    EXPECT_EQ(w.txt_VC_TimeDiff, 0);
    EXPECT_EQ(w.txt_VC_TimeDiffEW, "");
}

TEST_F(RetriveBirthDataTest, AnUnknownFilterIsReportedAndListsNothing) {
    insertChart(db(), storedChart("Sample~5-Jul-1965"));
    Frm_RetriveBirthData& list = openList();
    list.DataGen = "Everyone";
    list.fnFillChart();
    EXPECT_EQ(list.List_VC_ChartName.listCount(), 0);
    EXPECT_EQ(fakes.messageBox.shown(),
              (std::vector<ShownBox>{{"Operation is not allowed when the object is closed.", MsgIcon::Critical,
                                      MsgButtons::OK, std::nullopt, "Jataka Desk"}}));
}

}  // namespace
}  // namespace jd
