// The time-zone master: hours and minutes stored as decimal hours and shown
// back, a new zone written together with its place in the country's list,
// the checks of Save and Update, and the keys of its boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saved_chart_fixture.h"
#include "ui/places/frm_add_time_zone.h"

namespace jd {
namespace {

using testing_support::SavedChartTest;

TEST(DecimalHours, TypedHoursAndMinutesAreStoredToTheHundredthAndShownBack) {
    const struct {
        double hours, minutes, stored;
    } stored[] = {{5, 30, 5.5}, {5, 45, 5.75}, {5, 5, 5.08}, {5, 3, 5.05}, {0, 0, 0}, {5, 90, 6.5}, {12, 59, 12.98}};
    for (const auto& c : stored) EXPECT_DOUBLE_EQ(FnDecimalHours(c.hours, c.minutes), c.stored) << c.minutes;

    const struct {
        double value;
        const char* hours;
        const char* minutes;
    } shown[] = {{5.5, "5", "30"}, {5.75, "5", "45"}, {5.05, "5", "3"}, {5.1, "5", "6"},
                 {5.08, "5", "4"}, {10, "10", "00"}, {0, "0", "00"},   {0.5, "0", "30"}};
    for (const auto& c : shown) {
        const HoursAndMinutes hm = FnSplitDecimalHours(c.value);
        EXPECT_EQ(hm.hours, c.hours) << c.value;
        EXPECT_EQ(hm.minutes, c.minutes) << c.value;
    }
}

TEST(ZoneList, AKeyIsAppendedOnceWithoutStrayCommas) {
    EXPECT_EQ(FnAppendZoneKey("", 1000001), "1000001");
    EXPECT_EQ(FnAppendZoneKey("4", 1000001), "4,1000001");
    EXPECT_EQ(FnAppendZoneKey("4,1000001", 1000001), "4,1000001");
    EXPECT_EQ(FnAppendZoneKey(",4,,17,", 18), "4,17,18");
    EXPECT_EQ(FnAppendZoneKey(" 4 , 17", 17), "4,17");
}

class TimeZoneMaster : public SavedChartTest {
protected:
    void SetUp() override {
        SavedChartTest::SetUp();
        db().execute("insert into Country_Master (CountryName, TimeZoneID) values ('Atlantis', '')");
        atlantis = db().lastInsertKey();
    }

    frm_AddTimeZone& master() { return windows->get<frm_AddTimeZone>(); }

    static void choose(ComboBox& c, const std::string& text) {
        for (int i = 0; i < c.listCount(); ++i)
            if (c.list(i) == text) return c.choose(i);
        ADD_FAILURE() << text << " is not in " << c.name();
    }
    static void typeKeys(Window& w, Control& box, const std::string& keys) {
        w.setFocus(box);
        for (unsigned char k : keys) {
            if (auto* t = dynamic_cast<TextBox*>(&box)) t->pressKey(k);
            if (auto* c = dynamic_cast<ComboBox*>(&box)) c->pressKey(k);
        }
    }
    void addZone(frm_AddTimeZone& w, const std::string& name, const std::string& hours, const std::string& minutes,
                 const std::string& ew) {
        w.txtAddCity.setText(name);
        w.txtAddLatDeg.setText(hours);
        w.txtAddLAtMin.setText(minutes);
        w.cbAddEW.setText(ew);
        w.cmdAddSave.click();
    }
    std::string zoneList() {
        Statement st = db().query("select TimeZoneID from Country_Master where CountryID = ?", atlantis);
        st.step();
        return st.asText(0);
    }
    int zoneCount() {
        Statement st = db().query("select count(*) from TimeZone");
        st.step();
        return st.asInt(0);
    }
    static std::vector<std::string> column(const Grid& g, int col) {
        std::vector<std::string> out;
        for (int r = 1; r < g.rows(); ++r) out.push_back(g.text(r, col));
        return out;
    }

    std::int32_t atlantis = 0;
};

TEST_F(TimeZoneMaster, SaveStoresTheZoneAndAppendsItsKeyToTheCountry) {
    frm_AddTimeZone& w = master();
    choose(w.cbAddCountry, "Atlantis");
    EXPECT_EQ(w.mshCity.rows(), 1);

    addZone(w, "  Poseidon Time ", "5", "30", "E");
    const std::vector<ShownBox> boxes{
        {"Your Entered Time  5  hours 30  Minutes is saved as  5.5 hours", MsgIcon::None, MsgButtons::OK,
         std::nullopt, kProgramName},
        {"Details successfully saved", MsgIcon::Information, MsgButtons::OK, std::string("Time Zone"), "Time Zone"}};
    EXPECT_EQ(fakes.messageBox.shown(), boxes);
    Statement row = db().query("select SNo, Place, TimeDifference, TimeZone from TimeZone where SNo = ?",
                               std::stoi(zoneList()));
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.asText("Place"), "Poseidon Time");
    EXPECT_DOUBLE_EQ(row.asDouble("TimeDifference"), 5.5);
    EXPECT_EQ(row.asText("TimeZone"), "E");
    const std::string first = row.asText("SNo");
    EXPECT_GT(std::stoi(first), 1000000);

    // The country stays chosen for the next zone; the other boxes are empty.
    EXPECT_EQ(w.cbAddCountry.text(), "Atlantis");
    for (const std::string& t : {w.txtAddCity.text(), w.txtAddLatDeg.text(), w.txtAddLAtMin.text(), w.cbAddEW.text()})
        EXPECT_EQ(t, "");
    fakes.messageBox.clear();
    addZone(w, "Atlantic Time", "5", "0", "W");
    EXPECT_EQ(fakes.messageBox.texts(), std::vector<std::string>{"Details successfully saved"});
    EXPECT_EQ(zoneList(), first + "," + std::to_string(std::stoi(first) + 1));
    EXPECT_EQ(column(w.mshCity, 0), (std::vector<std::string>{"Atlantic Time", "Poseidon Time"}));
    EXPECT_EQ(column(w.mshCity, 1), (std::vector<std::string>{"5", "5.5"}));
    EXPECT_EQ(column(w.mshCity, 2), (std::vector<std::string>{"W", "E"}));
}

TEST_F(TimeZoneMaster, SaveChecksInOrderAndWritesNothingOnARefusal) {
    frm_AddTimeZone& w = master();
    const int zones = zoneCount();
    const struct {
        bool country;
        const char *name, *hours, *minutes, *ew, *message;
        const Control* named;
    } cases[] = {{false, "Z", "5", "30", "E", "Select Country ", &w.cbAddCountry},
                 {true, "", "5", "30", "E", "Enter City ", &w.txtAddCity},
                 {true, "Z", "", "30", "E", "Enter Time Hours", &w.txtAddLatDeg},
                 {true, "Z", "5", "", "E", "Enter Time Min", &w.txtAddLAtMin},
                 {true, "Z", "5", "30", "", "Enter Zone", &w.cbAddEW},
                 {true, "Z", "5x", "30", "E", "Enter Number ", &w.txtAddLatDeg},
                 {true, "Z", "5", "-3", "E", "Enter Number ", &w.txtAddLAtMin},
                 {true, "Z", "5", "1.5", "E", "Enter Number ", &w.txtAddLAtMin}};
    for (const auto& c : cases) {
        fakes.messageBox.clear();
        w.setFocus(w.cmdAddSave);
        if (c.country)
            choose(w.cbAddCountry, "Atlantis");
        else
            w.cbAddCountry.setText("");
        addZone(w, c.name, c.hours, c.minutes, c.ew);
        ASSERT_EQ(fakes.messageBox.shown().size(), 1u) << c.message;
        EXPECT_EQ(fakes.messageBox.last(),
                  (ShownBox{c.message, MsgIcon::None, MsgButtons::OK, std::string("Time Zone"), "Time Zone"}));
        EXPECT_EQ(w.focused(), c.named) << c.message;
    }
    EXPECT_EQ(zoneCount(), zones);
    EXPECT_EQ(zoneList(), "");
}

TEST_F(TimeZoneMaster, AZoneIsNotLeftBehindWhenItsCountryCannotTakeIt) {
    frm_AddTimeZone& w = master();
    choose(w.cbAddCountry, "Atlantis");
    db().execute("delete from Country_Master where CountryID = ?", atlantis);
    const int zones = zoneCount();
    addZone(w, "Lost Time", "1", "0", "E");
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "The country no longer exists.");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(zoneCount(), zones);
}

TEST_F(TimeZoneMaster, EditShowsTheZoneInHoursAndMinutesAndUpdatesItAsTyped) {
    frm_AddTimeZone& w = master();
    choose(w.cbAddCountry, "Atlantis");
    addZone(w, "Poseidon Time", "5", "5", "E");
    const std::int32_t zone = std::stoi(zoneList());

    w.TabStrip1.clickTab(2);
    choose(w.cbEditCountry, "Atlantis");
    choose(w.cbEditCity, "Poseidon Time");
    EXPECT_EQ(w.editedZoneId(), zone);
    EXPECT_EQ(w.txtEditCity.text(), "Poseidon Time");
    EXPECT_EQ(w.txtEditLatDeg.text(), "5");
    EXPECT_EQ(w.txtEditLatMIn.text(), "4");
    EXPECT_EQ(w.cbEditEW.text(), "E");

    fakes.messageBox.clear();
    w.txtEditCity.setText(" Poseidon Time ");
    w.txtEditLatDeg.setText("4");
    w.txtEditLatMIn.setText("45");
    w.cbEditEW.setText("W");
    w.cmdEditUpdate.click();
    EXPECT_EQ(fakes.messageBox.texts(),
              (std::vector<std::string>{"Your Entered Time  4  hours  45 Minutes  is saved as  4.75 hours",
                                        "Successfully Updated"}));
    Statement row = db().query("select Place, TimeDifference, TimeZone from TimeZone where SNo = ?", zone);
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.asText("Place"), " Poseidon Time ");
    EXPECT_DOUBLE_EQ(row.asDouble("TimeDifference"), 4.75);
    EXPECT_EQ(row.asText("TimeZone"), "W");
    EXPECT_EQ(w.cbEditCity.text(), "");
    EXPECT_EQ(w.txtEditLatDeg.text(), "");
    EXPECT_EQ(w.mshEditCity.text(1, 1), "4.75");

    // A zone removed under the window is reported, not claimed updated.
    choose(w.cbEditCity, " Poseidon Time ");
    db().execute("delete from TimeZone where SNo = ?", zone);
    fakes.messageBox.clear();
    w.cmdEditUpdate.click();
    EXPECT_EQ(fakes.messageBox.texts().back(), "The time zone no longer exists.");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);

    // Switching tabs empties the country, so Update asks for it again.
    w.TabStrip1.clickTab(3);
    w.TabStrip1.clickTab(2);
    fakes.messageBox.clear();
    w.cmdEditUpdate.click();
    EXPECT_EQ(fakes.messageBox.texts(), std::vector<std::string>{"Select Country "});
}

TEST_F(TimeZoneMaster, KeysGoThroughTheTypeAheadAndTheDigitFilter) {
    frm_AddTimeZone& w = master();
    typeKeys(w, w.cbAddCountry, "atl");
    EXPECT_EQ(w.cbAddCountry.text(), "Atlantis");
    EXPECT_EQ(w.currentCountryId(), atlantis);
    typeKeys(w, w.cbAddCountry, "\r");
    EXPECT_EQ(w.focused(), &w.txtAddCity);
    typeKeys(w, w.txtAddCity, "Sea Time\r");
    EXPECT_EQ(w.focused(), &w.txtAddLatDeg);
    typeKeys(w, w.txtAddLatDeg, "-5.a3\r");
    EXPECT_EQ(w.txtAddLatDeg.text(), "53");
    typeKeys(w, w.txtAddLAtMin, "0\r");
    EXPECT_EQ(w.focused(), &w.cbAddEW);
    typeKeys(w, w.cbAddEW, "qw");
    EXPECT_EQ(w.cbAddEW.text(), "W");
    // Enter in the direction box saves.
    typeKeys(w, w.cbAddEW, "\r");
    EXPECT_EQ(fakes.messageBox.texts(), std::vector<std::string>{"Details successfully saved"});
    EXPECT_EQ(w.mshCity.text(1, 0), "Sea Time");
    EXPECT_EQ(w.mshCity.text(1, 1), "53");
}

}  // namespace
}  // namespace jd
