// The city master: adding cities with bound values and the duplicate check
// within a country, updating the city chosen by its key, Find in the View
// grid, its keys, and the way to and from the birth-details window.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/text.h"
#include "saved_chart_fixture.h"
#include "state/shared_records.h"
#include "ui/places/frm_add_time_zone.h"
#include "ui/places/frm_new_lat_lon.h"
#include "ui/places/place_masters.h"

namespace jd {
namespace {

using testing_support::SavedChartTest;

class CityMaster : public SavedChartTest {
protected:
    void SetUp() override {
        SavedChartTest::SetUp();
        definePlaceMasters(*windows);
        db().execute("insert into Country_Master (CountryName, TimeZoneID) values ('Atlantis', '')");
        atlantis = db().lastInsertKey();
    }

    frm_New_LatLon& master() { return windows->get<frm_New_LatLon>(); }

    static void choose(ComboBox& c, const std::string& text) {
        for (int i = 0; i < c.listCount(); ++i)
            if (c.list(i) == text) return c.choose(i);
        ADD_FAILURE() << text << " is not in " << c.name();
    }
    static void fill(frm_New_LatLon& w, const std::vector<std::string>& v) {
        w.txtAddCity.setText(v[0]);
        w.txtAddLatDeg.setText(v[1]);
        w.cbAddNS.setText(v[2]);
        w.txtAddLAtMin.setText(v[3]);
        w.txtAddLonDeg.setText(v[4]);
        w.cbAddEW.setText(v[5]);
        w.txtAddLonMin.setText(v[6]);
    }
    // The stored columns of the named cities of a country, in key order.
    std::vector<std::string> stored(std::int32_t country, const std::string& name) {
        std::vector<std::string> out;
        Statement st = db().query(
            "select CityName || '|' || LatitudeDegree || Latitude_NS || LatitudeMinute || '|' || LongitudeDegree"
            " || Longitude_EW || LongitudeMinute from City_Master where CountryID = ? and CityName = ? order by CityID",
            country, name);
        while (st.step()) out.push_back(st.asText(0));
        return out;
    }
    std::vector<std::string> texts() const { return fakes.messageBox.texts(); }

    std::int32_t atlantis = 0;
};

TEST_F(CityMaster, AddStoresTheCityOnceForItsCountry) {
    frm_New_LatLon& w = master();
    choose(w.cbAddCountry, "Atlantis");
    fill(w, {"  Kodad's Town ", "16", "N", "59", "79", "E", "58"});
    w.cmdAddSave.click();
    EXPECT_EQ(fakes.messageBox.last(), (ShownBox{"City Details Saved", MsgIcon::Information, MsgButtons::OK,
                                                 std::string("City Details"), "City Details"}));
    EXPECT_EQ(stored(atlantis, "Kodad's Town"), std::vector<std::string>{"Kodad's Town|16N59|79E58"});
    ASSERT_EQ(w.mshCity.rows(), 2);
    EXPECT_EQ(w.mshCity.text(1, 0), "Kodad's Town");
    EXPECT_EQ(w.mshCity.text(1, 6), "58");
    EXPECT_EQ(w.cbAddCountry.text(), "Atlantis");
    EXPECT_EQ(w.txtAddCity.text(), "");
    EXPECT_EQ(w.cbAddNS.text(), "");

    // The same name in another letter case is refused and the entries emptied.
    fakes.messageBox.clear();
    fill(w, {"KODAD'S TOWN", "1", "S", "2", "3", "W", "4"});
    w.cmdAddSave.click();
    EXPECT_EQ(texts(), std::vector<std::string>{"City Details Already Exists"});
    EXPECT_EQ(w.txtAddLonMin.text(), "");
    EXPECT_EQ(stored(atlantis, "Kodad's Town").size(), 1u);

    // Another country may hold a city of that name; its grid is in name order.
    choose(w.cbAddCountry, "India");
    fill(w, {"Kodad's Town", "17", "N", "0", "80", "E", "0"});
    w.cmdAddSave.click();
    EXPECT_EQ(stored(90, "Kodad's Town").size(), 1u);
    for (int r = 2; r < w.mshCity.rows(); ++r)
        EXPECT_LE(compareNoCase(w.mshCity.text(r - 1, 0), w.mshCity.text(r, 0)), 0) << r;
}

TEST_F(CityMaster, AddChecksInOrder) {
    frm_New_LatLon& w = master();
    // The entries in the order they are checked (by their place in fill()),
    // each check failing while its entry and those after it are empty; the
    // keys go to the box the message names.
    const std::vector<std::string> good{"Z", "1", "N", "2", "3", "E", "4"};
    const int order[] = {0, 1, 3, 2, 4, 6, 5};
    const char* messages[] = {"Select Country ", "Enter City ",   "Enter Lat Deg", "Enter Lat Min",
                              "Add Lat Zone",    "Enter Lon Deg", "Enter Lon Min", "Add Lon Zone"};
    const Control* named[] = {&w.cbAddCountry, &w.txtAddCity,   &w.txtAddLatDeg, &w.txtAddLAtMin,
                              &w.cbAddNS,      &w.txtAddLonDeg, &w.txtAddLonMin, &w.cbAddEW};
    for (int filled = 0; filled < 8; ++filled) {
        w.setFocus(w.cmdAddSave);
        fakes.messageBox.clear();
        std::vector<std::string> v(7);
        for (int i = 0; i + 1 < filled; ++i) v[order[i]] = good[order[i]];
        if (filled > 0)
            choose(w.cbAddCountry, "Atlantis");
        else
            w.cbAddCountry.setText("");
        fill(w, v);
        w.cmdAddSave.click();
        EXPECT_EQ(fakes.messageBox.shown(), (std::vector<ShownBox>{{messages[filled], MsgIcon::None, MsgButtons::OK,
                                                                    std::string("City Details"), "City Details"}}));
        EXPECT_EQ(w.focused(), named[filled]) << messages[filled];
    }
    // Pasted text that is no whole number, in the degrees or the minutes.
    for (const auto& [at, text, box] : {std::tuple{1, "-1", &w.txtAddLatDeg}, std::tuple{1, "4.5", &w.txtAddLatDeg},
                                        std::tuple{1, "1e2", &w.txtAddLatDeg}, std::tuple{6, "x", &w.txtAddLonMin}}) {
        fakes.messageBox.clear();
        w.setFocus(w.cmdAddSave);
        std::vector<std::string> v = good;
        v[static_cast<size_t>(at)] = text;
        fill(w, v);
        w.cmdAddSave.click();
        EXPECT_EQ(texts(), std::vector<std::string>{"Enter Number "}) << text;
        EXPECT_EQ(w.focused(), box) << text;
    }
    EXPECT_TRUE(stored(atlantis, "Z").empty());

    // The Edit tab's checks, and Find's, name their boxes too.
    w.TabStrip1.clickTab(2);
    choose(w.cbEditCountry, "Atlantis");
    w.cbEditCity.setText("Z");
    w.txtEditCity.setText("Z");
    w.cmdEditUpdate.click();
    EXPECT_EQ(w.focused(), &w.txtEditLatDeg);
    w.TabStrip1.clickTab(3);
    w.cmdFind.click();
    EXPECT_EQ(w.focused(), &w.txtCityName);
}

TEST_F(CityMaster, UpdateWritesTheCityChosenByItsKeyAsTyped) {
    // Two cities of one name: choosing the second must load and change it alone.
    for (const char* lat : {"10", "20"})
        db().execute("insert into City_Master (CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute,"
                     " LongitudeDegree, Longitude_EW, LongitudeMinute) values ('Twin', ?, ?, 'N', 5, 30, 'E', 6)",
                     atlantis, std::stoi(lat));
    frm_New_LatLon& w = master();
    w.TabStrip1.clickTab(2);
    choose(w.cbEditCountry, "Atlantis");
    ASSERT_EQ(w.cbEditCity.listCount(), 2);
    w.cbEditCity.choose(1);
    EXPECT_EQ(w.txtEditLatDeg.text(), "20");
    EXPECT_EQ(w.cbEditNS.text(), "N");

    w.txtEditCity.setText(" Twin North");
    w.txtEditLatDeg.setText("95");
    w.cbEditNS.setText("S");
    w.txtEditLonMin.setText("75");
    w.cmdEditUpdate.click();
    EXPECT_EQ(texts(), std::vector<std::string>{"Successfully Updated"});
    EXPECT_EQ(stored(atlantis, " Twin North"), std::vector<std::string>{" Twin North|95S5|30E75"});
    EXPECT_EQ(stored(atlantis, "Twin"), std::vector<std::string>{"Twin|10N5|30E6"});
    EXPECT_EQ(w.cbEditCity.text(), "");
    EXPECT_EQ(w.txtEditCity.text(), "");
    EXPECT_EQ(w.cbEditCity.list(0), " Twin North");
    EXPECT_EQ(w.mshEditCity.text(1, 1), "95");

    // A city removed under the window is reported, not claimed updated.
    w.cbEditCity.choose(1);
    db().execute("delete from City_Master where CountryID = ?", atlantis);
    fakes.messageBox.clear();
    w.cmdEditUpdate.click();
    EXPECT_EQ(fakes.messageBox.last().text, "The city no longer exists.");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(texts().size(), 1u);
}

TEST_F(CityMaster, FindMarksOneRowAndScrollsItToTheTopOfALongGrid) {
    frm_New_LatLon& w = master();
    w.TabStrip1.clickTab(3);
    choose(w.cmbCountry, "India");
    Grid& g = w.mshViewCity;
    ASSERT_GT(g.rows(), frm_New_LatLon::kVisibleGridRows);
    const auto rowOf = [&](const std::string& prefix) {
        for (int r = 1; r < g.rows(); ++r)
            if (startsWithNoCase(g.text(r, 0), prefix)) return r;
        return 0;
    };

    w.txtCityName.setText("  hYD ");
    w.cmdFind.click();
    const int hyd = rowOf("hyd");
    ASSERT_GT(hyd, 1);
    EXPECT_EQ(g.row(), hyd);
    EXPECT_EQ(g.topRow(), hyd);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(g.cellBackColor(hyd, c), frm_New_LatLon::kFoundBackColor) << c;
    EXPECT_EQ(g.cellBackColor(hyd - 1, 6), frm_New_LatLon::kPassedBackColor);

    // A later search marks only its own row.
    w.txtCityName.setText("bang");
    w.cmdFind.click();
    EXPECT_EQ(g.cellBackColor(rowOf("bang"), 0), frm_New_LatLon::kFoundBackColor);
    EXPECT_EQ(g.cellBackColor(hyd, 0), frm_New_LatLon::kPassedBackColor);
    EXPECT_TRUE(fakes.messageBox.shown().empty());

    w.txtCityName.setText("derabad");
    EXPECT_FALSE(w.FnFindCityInGrid());
    w.txtCityName.setText("   ");
    w.cmdFind.click();
    EXPECT_EQ(fakes.messageBox.shown(),
              (std::vector<ShownBox>{{"No matches found for the City Name entered", MsgIcon::Information,
                                      MsgButtons::OK, std::nullopt, kProgramName},
                                     {"Enter City Name to Search", MsgIcon::Information, MsgButtons::OK,
                                      std::string("City Details"), "City Details"}}));

    // Switching tabs clears the grid: nothing is found until a country is chosen.
    w.TabStrip1.clickTab(1);
    w.TabStrip1.clickTab(3);
    w.txtCityName.setText("hyd");
    EXPECT_FALSE(w.FnFindCityInGrid());
}

TEST_F(CityMaster, KeysFollowTheEnterChainAndKeepDigitFieldsNumeric) {
    frm_New_LatLon& w = master();
    const auto type = [&](Control& box, const std::string& keys) {
        w.setFocus(box);
        for (unsigned char k : keys) {
            if (auto* t = dynamic_cast<TextBox*>(&box)) t->pressKey(k);
            if (auto* c = dynamic_cast<ComboBox*>(&box)) c->pressKey(k);
        }
    };
    type(w.cbAddCountry, "atl\r");
    EXPECT_EQ(w.SelectedCountryID, atlantis);
    type(w.txtAddCity, "Sea Gate\r");
    type(w.txtAddLatDeg, "1x.2\r");
    EXPECT_EQ(w.focused(), &w.cbAddNS);
    type(w.cbAddNS, "qs\r");
    EXPECT_EQ(w.cbAddNS.text(), "S");
    type(w.txtAddLAtMin, "3\r");
    type(w.txtAddLonDeg, "4\r");
    type(w.cbAddEW, "w\r");
    EXPECT_EQ(w.focused(), &w.txtAddLonMin);
    type(w.txtAddLonMin, "5\r");
    EXPECT_EQ(stored(atlantis, "Sea Gate"), std::vector<std::string>{"Sea Gate|12S3|4W5"});
}

TEST_F(CityMaster, MastersOpenedFromTheBirthDetailsWindowBringItBackOnCancel) {
    frm_OpenChart& chart = chartWindow();
    chart.cmdadd.click();
    EXPECT_FALSE(chart.visible());
    EXPECT_TRUE(state().gPlaceFormFromChart);
    frm_New_LatLon& city = master();
    EXPECT_TRUE(city.visible());

    choose(city.cbAddCountry, "India");
    fill(city, {"Sea Gate", "12", "N", "3", "80", "E", "5"});
    city.cmdAddSave.click();
    city.cmdAddCLose1.click();
    EXPECT_FALSE(windows->isLoaded<frm_New_LatLon>());
    EXPECT_TRUE(chart.visible());
    EXPECT_FALSE(state().gPlaceFormFromChart);
    // The new city is listed once the country is chosen again.
    choose(chart.txt_VC_Country, "India");
    choose(chart.txt_VC_City, "Sea Gate");
    EXPECT_EQ(chart.txtLatDetails.text(), "12 N 3");

    chart.cmdTimeZoneHelp.click();
    EXPECT_FALSE(chart.visible());
    windows->get<frm_AddTimeZone>().Command1.click();
    EXPECT_TRUE(chart.visible());
    EXPECT_FALSE(state().gPlaceFormFromChart);

    // Opened from the menu, Cancel only closes the master.
    chart.CMDCANCEl.click();
    master().cmdAddCLose1.click();
    EXPECT_FALSE(chart.visible());
}

}  // namespace
}  // namespace jd
