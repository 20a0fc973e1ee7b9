// The birth-details window without a display: its defaults, the nested
// country, zone and city selection on the shipped place atlas, the keys, the
// checks of OK with their messages and focus, and a whole cast.
#include "ui/chart/frm_open_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/database.h"
#include "platform/window.h"
#include "result_window_stand_ins.h"
#include "saved_chart_fixture.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

using namespace testing_support;

class OpenChartTest : public SavedChartTest {
protected:
    void SetUp() override {
        SavedChartTest::SetUp();
        state().prefs.gAyanamsaName = "Lahiri";
        defineResultWindowStandIns(*windows);
        windows->define<ResultWindowStandIn<kPrint>>();
    }

    frm_OpenChart& open() { return chartWindow(); }

    // The user types the keys into a box that has the focus.
    template <class Box>
    void type(frm_OpenChart& w, Box& box, const std::string& keys) {
        w.setFocus(box);
        for (unsigned char c : keys) box.pressKey(c);
    }

    static void choose(ComboBox& c, const std::string& text) { c.choose(indexOf(c, text)); }

    // A whole chart entered by choosing from the lists.
    void enterChart(frm_OpenChart& w, const std::string& country = "India", const std::string& city = "Hyderabad") {
        w.Txt_VC_ChartName.setText("Ravi Kumar");
        choose(w.cbGender, "Male");
        choose(w.txt_Date, "14");
        choose(w.txt_Month, "Jul");
        choose(w.txt_Year, "1965");
        choose(w.cbHour, "02");
        choose(w.cbMins, "15");
        w.Opt_PM.click();
        choose(w.txt_VC_Country, country);
        choose(w.txt_VC_City, city);
    }

};

// ---------------------------------------------------------------- the defaults

struct ClockCase {
    DateTime now;
    std::string day, month, year, hour, minute;
    bool am;
};

TEST_F(OpenChartTest, DefaultsComeFromTheClockAtLoadOnTheTwelveHourClock) {
    const ClockCase cases[] = {
        {DateTime::of(2024, 1, 5, 0, 5, 0), "05", "Jan", "2024", "12", "05", true},
        {DateTime::of(1999, 2, 28, 11, 59, 0), "28", "Feb", "1999", "11", "59", true},
        {DateTime::of(2031, 9, 1, 12, 0, 0), "01", "Sep", "2031", "12", "00", false},
        {DateTime::of(2024, 3, 7, 13, 30, 0), "07", "Mar", "2024", "01", "30", false},
        {DateTime::of(2010, 12, 31, 23, 59, 0), "31", "Dec", "2010", "11", "59", false},
    };
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(c.day + " " + c.month + " " + c.hour + ":" + c.minute);
        fakes.clock.set(c.now);
        windows->unload<frm_OpenChart>();
        frm_OpenChart& w = windows->get<frm_OpenChart>();
        EXPECT_EQ(w.txt_Date.text(), c.day);
        EXPECT_EQ(w.txt_Month.text(), c.month);
        EXPECT_EQ(w.txt_Year.text(), c.year);
        EXPECT_EQ(w.cbHour.text(), c.hour);
        EXPECT_EQ(w.cbMins.text(), c.minute);
        EXPECT_EQ(w.Opt_AM.value(), c.am);
        EXPECT_EQ(w.Opt_PM.value(), !c.am);
    }
}

TEST_F(OpenChartTest, LoadFillsTheListsAndLeavesThePlaceUnchosen) {
    frm_OpenChart& w = windows->get<frm_OpenChart>();
    EXPECT_FALSE(w.visible());  // created hidden, as by the chart run
    EXPECT_EQ(w.caption(), "Enter Birth Details");
    EXPECT_EQ((std::vector<double>{w.left(), w.top(), w.width(), w.height()}),
              (std::vector<double>{0, 700, 6240, 5565}));

    ASSERT_EQ(w.txt_Year.listCount(), 151);
    EXPECT_EQ(w.txt_Year.list(0), "1900");
    EXPECT_EQ(w.txt_Year.list(150), "2050");
    ASSERT_EQ(w.cbHour.listCount(), 12);
    EXPECT_EQ(w.cbHour.list(0), "01");
    EXPECT_EQ(w.cbHour.list(11), "12");
    ASSERT_EQ(w.cbMins.listCount(), 60);
    EXPECT_EQ(w.cbMins.list(0), "00");
    EXPECT_EQ(w.cbMins.list(59), "59");
    ASSERT_EQ(w.txt_Date.listCount(), 31);
    EXPECT_EQ(w.txt_Date.list(8), "09");
    const std::vector<std::string> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::vector<std::string> shown;
    for (const ListEntry& e : w.txt_Month.entries()) shown.push_back(e.text);
    EXPECT_EQ(shown, months);
    EXPECT_EQ(w.cbGender.text(), "Male");
    EXPECT_EQ(w.cbGender.listIndex(), 0);

    // Every country in the table's own order, carrying its key.
    Statement rows = db().query("Select CountryID, CountryName From Country_Master Order By rowid");
    int i = 0;
    while (rows.step()) {
        ASSERT_LT(i, w.txt_VC_Country.listCount());
        EXPECT_EQ(w.txt_VC_Country.list(i), rows.asText("CountryName"));
        EXPECT_EQ(w.txt_VC_Country.itemData(i), rows.asInt("CountryID"));
        ++i;
    }
    EXPECT_EQ(i, w.txt_VC_Country.listCount());
    EXPECT_EQ(w.txt_VC_Country.listIndex(), -1);
    EXPECT_EQ(w.txt_VC_City.listCount(), 0);
    EXPECT_EQ(w.cbTimeZone.listCount(), 0);
    EXPECT_EQ(w.txtLatDetails.text(), "");
    EXPECT_EQ(w.txt_VC_UserId, 0);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(OpenChartTest, ItsCommandsAreAvailable) {
    frm_OpenChart& w = open();
    for (const Control* c : std::vector<const Control*>{&w.cmdadd, &w.cmdTimeZoneHelp, &w.mnu_New, &w.mnuOpen,
                                                        &w.mnuSave, &w.mnuDelete, &w.mnuClose, &w.tbrNew,
                                                        &w.tbrOpen, &w.tbrSave, &w.tbrDelete, &w.tbrClose,
                                                        &w.cmdSave, &w.CMDCANCEl})
        EXPECT_TRUE(c->enabled()) << c->name();
}

// ------------------------------------------------------------ place selection

TEST_F(OpenChartTest, ChoosingACountryFillsItsZonesAndCitiesAndSelectsTheFirstZone) {
    frm_OpenChart& w = open();
    choose(w.txt_VC_Country, "India");

    ASSERT_EQ(w.cbTimeZone.listCount(), 1);
    EXPECT_EQ(w.cbTimeZone.list(0), "India  (5.5 hrs E)");
    EXPECT_EQ(w.cbTimeZone.listIndex(), 0);
    EXPECT_DOUBLE_EQ(w.txt_VC_TimeDiff, 5.5);
    EXPECT_EQ(w.txt_VC_TimeDiffEW, "E");

    // The cities in name order, each carrying its own key; none chosen yet.
    Statement rows = db().query("Select CityID, CityName From City_Master Where CountryID = 90 Order By CityName");
    int i = 0;
    while (rows.step()) {
        ASSERT_LT(i, w.txt_VC_City.listCount());
        EXPECT_EQ(w.txt_VC_City.list(i), rows.asText("CityName"));
        EXPECT_EQ(w.txt_VC_City.itemData(i), rows.asInt("CityID"));
        ++i;
    }
    EXPECT_EQ(i, w.txt_VC_City.listCount());
    EXPECT_GT(i, 2000);
    EXPECT_EQ(w.txt_VC_City.list(0), "Abhayāpuri");
    EXPECT_EQ(w.txt_VC_City.listIndex(), -1);
    EXPECT_EQ(w.txt_VC_City.text(), "");

    // A country of several zones keeps their order and selects the first.
    choose(w.txt_VC_Country, "Australia");
    ASSERT_EQ(w.cbTimeZone.listCount(), 3);
    EXPECT_EQ(w.cbTimeZone.listIndex(), 0);
    std::vector<std::int32_t> keys;
    for (const ListEntry& e : w.cbTimeZone.entries()) keys.push_back(e.itemData);
    EXPECT_EQ(keys, (std::vector<std::int32_t>{11, 12, 13}));
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(OpenChartTest, TypingInTheCityBoxChoosesTheFirstMatchingCityAndShowsItsPlace) {
    frm_OpenChart& w = open();
    choose(w.txt_VC_Country, "India");
    type(w, w.txt_VC_City, "h");
    EXPECT_EQ(w.txt_VC_City.text(), "Hadagalli");
    EXPECT_EQ(w.txt_VC_City.selStart(), 1);
    type(w, w.txt_VC_City, "yd");
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
    EXPECT_EQ(w.txt_VC_City.selStart(), 3);
    EXPECT_EQ(w.txtLatDetails.text(), "17 N 23");
    EXPECT_EQ(w.txtLonDetails.text(), "78 E 27");
    EXPECT_EQ(w.txt_VC_LatDeg, 17);
    EXPECT_EQ(w.txt_VC_LatMin, 23);
    EXPECT_EQ(w.txt_VC_LatNS, "N");
    EXPECT_EQ(w.txt_VC_LonDeg, 78);
    EXPECT_EQ(w.txt_VC_LonMin, 27);
    EXPECT_EQ(w.txt_VC_LonEW, "E");

    // A key that matches nothing changes nothing and is not typed.
    type(w, w.txt_VC_City, "q");
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
    EXPECT_EQ(w.txtLatDetails.text(), "17 N 23");
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(OpenChartTest, TypingInTheCountryBoxRefillsCitiesAndZonesAtEveryMatchingKey) {
    frm_OpenChart& w = open();
    type(w, w.txt_VC_Country, "i");
    EXPECT_EQ(w.txt_VC_Country.text(), "Iceland");
    ASSERT_GT(w.cbTimeZone.listCount(), 0);
    EXPECT_EQ(w.cbTimeZone.list(0), "Iceland  (0 hrs E)");
    type(w, w.txt_VC_Country, "N");
    EXPECT_EQ(w.txt_VC_Country.text(), "India");
    EXPECT_EQ(w.cbTimeZone.list(0), "India  (5.5 hrs E)");
    EXPECT_GT(w.txt_VC_City.listCount(), 2000);
}

TEST_F(OpenChartTest, ChangingTheCountryEmptiesTheCityAndOkAsksForANewOne) {
    frm_OpenChart& w = open();
    enterChart(w);
    choose(w.txt_VC_Country, "Chad");
    EXPECT_EQ(w.txt_VC_City.text(), "");
    // The boxes still show the city chosen before until another is chosen.
    EXPECT_EQ(w.txtLatDetails.text(), "17 N 23");
    w.cmdSave.click();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Select City"});
    EXPECT_TRUE(w.visible());
}

TEST_F(OpenChartTest, CitiesOfTheSameNameInTwoCountriesGiveEachItsOwnPlace) {
    frm_OpenChart& w = open();
    choose(w.txt_VC_Country, "Argentina");
    choose(w.txt_VC_City, "Córdoba");
    EXPECT_EQ(w.txtLatDetails.text(), "31 S 25");
    EXPECT_EQ(w.txtLonDetails.text(), "64 W 11");
    choose(w.txt_VC_Country, "Spain");
    choose(w.txt_VC_City, "Córdoba");
    EXPECT_EQ(w.txtLatDetails.text(), "37 N 53");
    EXPECT_EQ(w.txtLonDetails.text(), "4 W 46");
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(OpenChartTest, ACityWithAnApostropheIsFoundAndCast) {
    frm_OpenChart& w = open();
    enterChart(w, "Chad", "N'Djamena");
    EXPECT_EQ(w.txtLatDetails.text(), "12 N 6");
    EXPECT_EQ(w.txtLonDetails.text(), "15 E 3");
    w.cmdSave.click();
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_EQ(state().birth.gCity, "N'Djamena");
    EXPECT_EQ(resultWindows().frm_UserDetails.txtLatutude.caption(), "12 N 6");
}

TEST_F(OpenChartTest, ACityThatCannotBeReadClearsThePlaceAndOkRefuses) {
    frm_OpenChart& w = open();
    enterChart(w);
    // Delhi's row goes after the list was filled, then the user chooses it.
    const int delhi = indexOf(w.txt_VC_City, "Delhi");
    db().execute("Delete From City_Master Where CityID = ?", w.txt_VC_City.itemData(delhi));
    w.txt_VC_City.choose(delhi);
    EXPECT_EQ(w.txtLatDetails.text(), "");
    EXPECT_EQ(w.txtLonDetails.text(), "");
    EXPECT_EQ(w.txt_VC_LatNS, "");
    EXPECT_EQ(w.txt_VC_LatDeg, 0);
    const BirthDetails before = state().birth;
    w.cmdSave.click();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Select City"});
    EXPECT_TRUE(w.txt_VC_City.hasFocus());
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(state().birth.gCity, before.gCity);

    // A failing query clears the place too, and its error is shown.
    fakes.messageBox.clear();
    choose(w.txt_VC_City, "Hyderabad");
    db().execute("Alter Table City_Master Rename To Cities");
    choose(w.txt_VC_City, "Agra");
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(w.txtLatDetails.text(), "");
    EXPECT_EQ(w.txt_VC_LonEW, "");
}

TEST_F(OpenChartTest, AZoneThatCannotBeReadIsNotCastWithTheZoneBefore) {
    frm_OpenChart& w = open();
    enterChart(w);
    ASSERT_EQ(w.txt_VC_TimeDiffEW, "E");
    db().execute("Delete From TimeZone Where SNo = 102");
    w.cbTimeZone.choose(0);
    EXPECT_EQ(w.txt_VC_TimeDiff, 0);
    EXPECT_EQ(w.txt_VC_TimeDiffEW, "");
    w.cmdSave.click();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Select Timezone"});
    EXPECT_TRUE(w.cbTimeZone.hasFocus());
}

TEST_F(OpenChartTest, LettersOfThePlaceAndZoneGoIntoBirthDetailsInUpperCase) {
    db().execute("Insert Into TimeZone (SNo, Place, TimeDifference, TimeZone) Values (5000, 'Lowland', 3.75, 'e')");
    db().execute("Insert Into Country_Master (CountryID, CountryName, TimeZoneID) Values (5000, 'Lowland', '5000')");
    db().execute(
        "Insert Into City_Master (CityID, CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute,"
        " LongitudeDegree, Longitude_EW, LongitudeMinute) Values (90000, 'Low Town', 5000, 12, 's', 5, 40, 'w', 7)");
    frm_OpenChart& w = open();
    enterChart(w, "Lowland", "Low Town");
    w.cmdSave.click();
    EXPECT_TRUE(boxTexts().empty());
    const BirthDetails& b = state().birth;
    EXPECT_EQ(b.gLatNS, "S");
    EXPECT_EQ(b.gLonEW, "W");
    EXPECT_EQ(b.gZoneEW, "E");
    EXPECT_EQ(b.gZoneHours, "3.75");
}

// ----------------------------------------------------------------------- keys

TEST_F(OpenChartTest, EnterMovesAlongTheChainAndStopsAtTheZone) {
    frm_OpenChart& w = open();
    const auto chain = w.enterChain();
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
        w.setFocus(*chain[i]);
        if (auto* t = dynamic_cast<TextBox*>(chain[i]))
            t->pressKey(key::Enter);
        else
            dynamic_cast<ComboBox*>(chain[i])->pressKey(key::Enter);
        EXPECT_EQ(w.focused(), chain[i + 1]) << chain[i]->name();
    }
    w.setFocus(w.cbTimeZone);
    w.cbTimeZone.pressKey(key::Enter);
    EXPECT_EQ(w.focused(), &w.cbTimeZone);
}

TEST_F(OpenChartTest, BoxesTakeOnlyWhatTheirRulesAllow) {
    frm_OpenChart& w = open();
    // A combo box takes only its entries, through the type-ahead.
    type(w, w.cbGender, "x");
    EXPECT_EQ(w.cbGender.text(), "Male");
    type(w, w.cbGender, "f");
    EXPECT_EQ(w.cbGender.text(), "Female");
    type(w, w.txt_Month, "s");
    EXPECT_EQ(w.txt_Month.text(), "Sep");
    w.setFocus(w.cbHour);
    w.cbHour.paste("13");
    EXPECT_EQ(w.cbHour.text(), "01");

    // The year, reached by Enter, has its text selected, so typed digits
    // replace it; it takes digits and Backspace, nothing else, no type-ahead.
    w.setFocus(w.txt_Month);
    w.txt_Month.pressKey(key::Enter);
    for (char c : std::string("19a6-5")) w.txt_Year.pressKey(c);
    EXPECT_EQ(w.txt_Year.text(), "1965");
    w.txt_Year.pressKey(key::Backspace);
    EXPECT_EQ(w.txt_Year.text(), "196");
    EXPECT_EQ(w.txt_Year.listIndex(), -1);

    // The name is typed freely, up to 25 characters.
    type(w, w.Txt_VC_ChartName, "Sita Ram, born at home in the hills");
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Sita Ram, born at home in");

    // The coordinate boxes take nothing.
    choose(w.txt_VC_Country, "India");
    choose(w.txt_VC_City, "Hyderabad");
    type(w, w.txtLatDetails, "9");
    w.txtLatDetails.paste("1");
    EXPECT_EQ(w.txtLatDetails.text(), "17 N 23");
    EXPECT_TRUE(boxTexts().empty());
}

// ----------------------------------------------------------------- the checks

struct CheckCase {
    const char* what;
    void (*breakIt)(frm_OpenChart&);
    const char* message;  // nullptr: the entries pass
    const char* focus;    // nullptr: the focus stays where it was
};

const CheckCase kChecks[] = {
    {"empty name", [](frm_OpenChart& w) { w.Txt_VC_ChartName.setText(""); }, "Enter Name", "Txt_VC_ChartName"},
    {"blank name", [](frm_OpenChart& w) { w.Txt_VC_ChartName.setText("   "); }, nullptr, nullptr},
    {"empty day", [](frm_OpenChart& w) { w.txt_Date.setText(""); }, "Enter Date of Birth", "txt_Date"},
    {"empty month", [](frm_OpenChart& w) { w.txt_Month.setText(""); }, "Enter Month", "txt_Month"},
    {"empty year", [](frm_OpenChart& w) { w.txt_Year.setText(""); }, "Enter Year", "txt_Year"},
    {"year 1799", [](frm_OpenChart& w) { w.txt_Year.setText("1799"); }, "Enter Year Between 1800 and 3000",
     "txt_Year"},
    {"year 3001", [](frm_OpenChart& w) { w.txt_Year.setText("3001"); }, "Enter Year Between 1800 and 3000",
     "txt_Year"},
    {"year with leading zeros", [](frm_OpenChart& w) { w.txt_Year.setText("000000001965"); }, "Enter Correct Date",
     nullptr},
    {"year of twelve digits", [](frm_OpenChart& w) { w.txt_Year.setText("196519651965"); },
     "Enter Year Between 1800 and 3000", "txt_Year"},
    {"year 1800", [](frm_OpenChart& w) { w.txt_Year.setText("1800"); }, nullptr, nullptr},
    {"year 3000", [](frm_OpenChart& w) { w.txt_Year.setText("3000"); }, nullptr, nullptr},
    {"31 Sep",
     [](frm_OpenChart& w) {
         w.txt_Date.setText("31");
         w.txt_Month.setText("Sep");
     },
     "Enter Correct Date", nullptr},
    {"29 Feb 1900",
     [](frm_OpenChart& w) {
         w.txt_Date.setText("29");
         w.txt_Month.setText("Feb");
         w.txt_Year.setText("1900");
     },
     "Enter Correct Date", nullptr},
    {"29 Feb 2000",
     [](frm_OpenChart& w) {
         w.txt_Date.setText("29");
         w.txt_Month.setText("Feb");
         w.txt_Year.setText("2000");
     },
     nullptr, nullptr},
    {"day 5 unpadded", [](frm_OpenChart& w) { w.txt_Date.setText("5"); }, nullptr, nullptr},
    {"no month name", [](frm_OpenChart& w) { w.txt_Month.setText("Jly"); }, "Enter Correct Date", nullptr},
    {"empty hour", [](frm_OpenChart& w) { w.cbHour.setText(""); }, "Enter Correct Time", "cbHour"},
    {"empty minute", [](frm_OpenChart& w) { w.cbMins.setText(""); }, "Enter Correct Time", "cbMins"},
    {"hour 25", [](frm_OpenChart& w) { w.cbHour.setText("25"); }, "Enter Correct Time", "cbHour"},
    {"hour 24 PM", [](frm_OpenChart& w) { w.cbHour.setText("24"); }, "Enter Correct Time", "cbHour"},
    {"hour 24 AM",
     [](frm_OpenChart& w) {
         w.cbHour.setText("24");
         w.Opt_AM.click();
     },
     "Enter Correct Time", "cbHour"},
    {"hour 13 PM", [](frm_OpenChart& w) { w.cbHour.setText("13"); }, "Enter Correct Time", "cbHour"},
    {"hour 11 PM", [](frm_OpenChart& w) { w.cbHour.setText("11"); }, nullptr, nullptr},
    {"hour 12 PM", [](frm_OpenChart& w) { w.cbHour.setText("12"); }, nullptr, nullptr},
    {"hour 12 AM",
     [](frm_OpenChart& w) {
         w.cbHour.setText("12");
         w.Opt_AM.click();
     },
     nullptr, nullptr},
    {"minute 60", [](frm_OpenChart& w) { w.cbMins.setText("60"); }, "Enter Correct Time", "cbMins"},
    {"empty country", [](frm_OpenChart& w) { w.txt_VC_Country.setText(""); }, "Select Country", "txt_VC_Country"},
    {"empty city", [](frm_OpenChart& w) { w.txt_VC_City.setText(""); }, "Select City", "txt_VC_City"},
    {"empty zone", [](frm_OpenChart& w) { w.cbTimeZone.setText(""); }, "Select Timezone", "cbTimeZone"},
    {"empty sex", [](frm_OpenChart& w) { w.cbGender.setText(""); }, nullptr, nullptr},
    {"name and date empty",
     [](frm_OpenChart& w) {
         w.Txt_VC_ChartName.setText("");
         w.txt_Date.setText("");
     },
     "Enter Name", "Txt_VC_ChartName"},
    {"month and minute empty",
     [](frm_OpenChart& w) {
         w.txt_Month.setText("");
         w.cbMins.setText("");
     },
     "Enter Month", "txt_Month"},
    {"bad date and no zone",
     [](frm_OpenChart& w) {
         w.txt_Date.setText("30");
         w.txt_Month.setText("Feb");
         w.cbTimeZone.setText("");
     },
     "Enter Correct Date", nullptr},
    {"country and city empty",
     [](frm_OpenChart& w) {
         w.txt_VC_Country.setText("");
         w.txt_VC_City.setText("");
     },
     "Select Country", "txt_VC_Country"},
};

TEST_F(OpenChartTest, ChecksStopAtTheFirstFailureWithItsMessageAndFocus) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.what);
        windows->unload<frm_OpenChart>();
        fakes.messageBox.clear();
        frm_OpenChart& w = open();
        enterChart(w);
        c.breakIt(w);
        w.setFocus(w.cmdSave);
        const bool passed = w.FnValidateBirthDetails();
        if (!c.message) {
            EXPECT_TRUE(passed);
            EXPECT_TRUE(fakes.messageBox.shown().empty());
        } else {
            EXPECT_FALSE(passed);
            ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
            const ShownBox& box = fakes.messageBox.last();
            EXPECT_EQ(box.text, c.message);
            EXPECT_EQ(box.icon, MsgIcon::Information);
            EXPECT_EQ(box.title, std::optional<std::string>("Enter Birth Details"));
            ASSERT_NE(w.focused(), nullptr);
            EXPECT_EQ(w.focused()->name(), c.focus ? c.focus : "cmdSave");
        }

        // Save and OK make the same checks: entries that pass are saved and
        // cast; a failing check stops both with its message alone, and
        // nothing is written.
        db().execute("DELETE FROM ChartSave");
        state().birth = BirthDetails{};
        settings.writes.clear();
        fakes.messageBox.clear();
        w.mnuSave.click();
        w.cmdSave.click();
        if (!c.message) {
            EXPECT_EQ(boxTexts(), std::vector<std::string>{"Chart Successfully Saved"});
            EXPECT_EQ(rowCount(), 1);
            EXPECT_FALSE(w.visible());
            EXPECT_EQ(state().birth.gChartName, w.Txt_VC_ChartName.text());
            continue;
        }
        EXPECT_EQ(boxTexts(), (std::vector<std::string>{c.message, c.message}));
        EXPECT_EQ(rowCount(), 0);
        EXPECT_TRUE(settings.writes.empty());
        EXPECT_TRUE(w.visible());
        EXPECT_EQ(state().birth.gChartName, "");
        EXPECT_EQ(state().birth.gBirthHour, "");
    }
}

TEST_F(OpenChartTest, OkWithAFailingCheckWritesNothingAndCastsNothing) {
    frm_OpenChart& w = open();
    enterChart(w);
    w.Txt_VC_ChartName.setText("");
    const BirthDetails before = state().birth;
    w.cmdSave.click();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Enter Name"});
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(state().birth.gChartName, before.gChartName);
    EXPECT_EQ(state().birth.gCity, before.gCity);
    EXPECT_FALSE(windows->isLoaded(kUserDetails));
}

// ----------------------------------------------------------------- hour rule

TEST(TwentyFourHourTest, TwelveHourTextsAndAmPmBecomeTheHourOfTheDay) {
    struct Case {
        const char* text;
        bool pm;
        const char* hour;
    };
    const Case cases[] = {
        {"12", false, "0"}, {"12", true, "12"}, {"07", true, "19"}, {"09", false, "09"},
        {"01", true, "13"}, {"11", true, "23"}, {"5", false, "5"},  {"5", true, "17"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FnTwentyFourHour(c.text, c.pm), c.hour) << c.text << (c.pm ? " PM" : " AM");
}

// ------------------------------------------------------------------ OK, casting

TEST_F(OpenChartTest, OkWritesTheDetailsHidesTheWindowAndCastsThem) {
    state().prefs.gAyanamsaName = "KP";
    frm_OpenChart& w = open();
    enterChart(w);
    choose(w.cbGender, "Female");
    w.cmdSave.click();
    EXPECT_TRUE(boxTexts().empty()) << boxTexts().front();
    EXPECT_FALSE(w.visible());

    const BirthDetails& b = state().birth;
    EXPECT_EQ(b.gChartName, "Ravi Kumar");
    EXPECT_EQ(b.gGender, "Female");
    EXPECT_EQ(b.gBirthDay, "14");
    EXPECT_EQ(b.gBirthMonth, "Jul");
    EXPECT_EQ(b.gBirthYear, "1965");
    EXPECT_EQ(b.gBirthHour, "14");
    EXPECT_EQ(b.gBirthMinute, "15");
    EXPECT_EQ(b.gCountry, "India");
    EXPECT_EQ(b.gCity, "Hyderabad");
    EXPECT_EQ(b.gZoneText, "India  (5.5 hrs E)");
    EXPECT_EQ((std::vector<std::string>{b.gLatDeg, b.gLatNS, b.gLatMin, b.gLonDeg, b.gLonEW, b.gLonMin}),
              (std::vector<std::string>{"17", "N", "23", "78", "E", "27"}));
    EXPECT_EQ(b.gZoneHours, "5.5");
    EXPECT_EQ(b.gZoneEW, "E");
    EXPECT_EQ(state().chartAyanamsa.gAyanamsaChoice, "KP");

    // The cast filled the birth-details result window from these details.
    const UserDetailsContents& u = resultWindows().frm_UserDetails;
    EXPECT_EQ(u.txtGName.caption(), "Ravi Kumar");
    EXPECT_EQ(u.txtSex.caption(), "Female");
    EXPECT_EQ(u.Txt_BC_Date.caption(), "14 / Jul / 1965");
    EXPECT_EQ(u.txtTimeOfBirth.caption(), "2 : 15  PM");
    EXPECT_EQ(u.txtCity.caption(), "Hyderabad");
    EXPECT_EQ(u.txtCountry.caption(), "India");
    EXPECT_EQ(u.txtLatutude.caption(), "17 N 23");
    EXPECT_EQ(u.txtLongitude.caption(), "78 E 27");
    EXPECT_EQ(u.txtTimeZone.caption(), "5.5 E");
    EXPECT_TRUE(windows->find(kUserDetails) && windows->find(kUserDetails)->visible());

    // Shown again, the window holds the entries as they were left.
    w.show();
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Ravi Kumar");
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
}

// Midnight is cast as hour zero; charts at the edges of what OK accepts are
// cast whole.
TEST_F(OpenChartTest, MidnightHourIsCastAsHourZero) {
    struct Case {
        const char *day, *month, *year, *hour, *minute;
        bool am;
        DateTime cast;
        const char* time;
    };
    const Case cases[] = {
        {"14", "Jul", "1965", "12", "30", true, DateTime::of(1965, 7, 14, 0, 30, 0), "12 : 30  AM"},
        {"1", "Jan", "1800", "12", "00", true, DateTime::of(1800, 1, 1, 0, 0, 0), "12 : 00  AM"},
        {"31", "Dec", "3000", "11", "59", false, DateTime::of(3000, 12, 31, 23, 59, 0), "11 : 59  PM"},
        {"29", "Feb", "2000", "12", "00", true, DateTime::of(2000, 2, 29, 0, 0, 0), "12 : 00  AM"},
    };
    for (const Case& c : cases) {
        frm_OpenChart& w = open();
        enterChart(w);
        w.txt_Date.setText(c.day);
        w.txt_Month.setText(c.month);
        w.txt_Year.setText(c.year);
        choose(w.cbHour, c.hour);
        choose(w.cbMins, c.minute);
        (c.am ? w.Opt_AM : w.Opt_PM).click();
        w.cmdSave.click();
        EXPECT_TRUE(boxTexts().empty()) << c.year << ": " << boxTexts().front();
        EXPECT_EQ(state().gBirthDateTime, c.cast) << c.year;
        EXPECT_EQ(resultWindows().frm_UserDetails.txtTimeOfBirth.caption(), c.time) << c.year;
        EXPECT_TRUE(windows->find(kUserDetails) && windows->find(kUserDetails)->visible()) << c.year;
    }
    EXPECT_EQ(state().birth.gBirthHour, "0");
    EXPECT_EQ(state().birth.gBirthMinute, "00");
}

TEST_F(OpenChartTest, OkDuringACastLeavesTheRecordsAndTheWindowAlone) {
    frm_OpenChart& w = open();
    enterChart(w);
    state().gCastInProgress = true;
    w.cmdSave.click();
    state().gCastInProgress = false;
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(state().birth.gChartName, "");
}

// --------------------------------------------------------- New, Close, Cancel

TEST_F(OpenChartTest, NewEmptiesTheEntriesButKeepsTheFixedLists) {
    frm_OpenChart& w = open();
    enterChart(w);
    w.txt_VC_UserId = 12;
    w.Opt_PM.click();
    w.tbrNew.click();
    EXPECT_TRUE(w.Txt_VC_ChartName.hasFocus());
    for (const ComboBox* c : {&w.cbGender, &w.txt_Date, &w.txt_Month, &w.txt_Year, &w.cbHour, &w.cbMins,
                              &w.txt_VC_Country, &w.txt_VC_City, &w.cbTimeZone})
        EXPECT_EQ(c->text(), "") << c->name();
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "");
    EXPECT_EQ(w.txtLatDetails.text(), "");
    EXPECT_EQ(w.txtLonDetails.text(), "");
    EXPECT_GT(w.txt_VC_Country.listCount(), 200);
    EXPECT_EQ(w.cbGender.listCount(), 2);
    EXPECT_EQ(w.txt_VC_City.listCount(), 0);
    EXPECT_EQ(w.cbTimeZone.listCount(), 0);
    EXPECT_EQ(w.txt_VC_UserId, 0);
    EXPECT_TRUE(w.Opt_PM.value());

    // The menu's New does the same.
    enterChart(w);
    w.mnu_New.click();
    EXPECT_EQ(w.txt_VC_City.text(), "");
    EXPECT_EQ(w.txt_VC_City.listCount(), 0);
}

TEST_F(OpenChartTest, CancelAndCloseHideAndKeepTheEntriesTheTitleBarDiscardsThem) {
    frm_OpenChart& w = open();
    enterChart(w);
    w.txt_VC_UserId = 7;
    ASSERT_EQ(state().gCurrentChartUserId(), 7);
    w.CMDCANCEl.click();
    EXPECT_FALSE(w.visible());
    w.show();
    w.mnuClose.click();
    EXPECT_FALSE(w.visible());
    w.show();
    w.tbrClose.click();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
    EXPECT_EQ(w.txt_VC_UserId, 7);

    windows->unload<frm_OpenChart>();
    EXPECT_FALSE(state().gCurrentChartUserId);
    frm_OpenChart& again = open();
    EXPECT_EQ(again.Txt_VC_ChartName.text(), "");
    EXPECT_EQ(again.txt_VC_City.text(), "");
    EXPECT_EQ(again.txt_VC_UserId, 0);
    EXPECT_EQ(again.txt_Year.text(), "2024");
}

TEST_F(OpenChartTest, WithoutTheDatabaseTheWindowReportsTheErrorAndStillOpens) {
    state().gDbConnection.reset();
    frm_OpenChart& w = open();
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messageBox.last().title, std::nullopt);
    EXPECT_EQ(w.txt_VC_Country.listCount(), 0);
    EXPECT_EQ(w.cbHour.listCount(), 12);
}

}  // namespace
}  // namespace jd
