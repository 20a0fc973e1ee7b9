// The two ishta ghatika converters without a display: the ghatika
// arithmetic, the sunrise a birth counts from, worked conversions at the
// sample place and their round trip, the checks of Calculate, keys, when the
// result goes away, the place look-ups and a place where the Sun does not rise.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/cls_sunrise.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "saved_chart_fixture.h"
#include "ui/converters/frm_birth_time_to_ishta_ghatika.h"
#include "ui/converters/frm_ishtaghatika_to_birth_time.h"
#include "ui/converters/ishta_ghatika.h"
#include "ui/places/place_masters.h"

namespace jd {
namespace {

using testing_support::SavedChartTest;

// ------------------------------------------------------------- the arithmetic

TEST(IshtaGhatikaArithmetic, MinutesBecomeGhatikasVighatikasAndSixtieths) {
    struct Case {
        long long minutes;
        const char* text;
    };
    // Every count comes out exact: a minute is 2 vighatikas 30 sixtieths.
    const std::vector<Case> cases = {
        {1, "0:2:30"},    {2, "0:5:0"},       {3, "0:7:30"},     {5, "0:12:30"},   {24, "1:0:0"},
        {60, "2:30:0"},   {100, "4:10:0"},    {505, "21:2:30"},  {1380, "57:30:0"}, {1439, "59:57:30"},
        {1440, "60:0:0"}, {1441, "60:2:30"},
    };
    for (const Case& c : cases) EXPECT_EQ(FnGhatikaText(FnGhatikasOfMinutes(c.minutes)), c.text) << c.minutes;
}

// A sunrise at 06:12 every day, but one day at another minute and one day none.
struct FakeSunrises {
    DateTime shiftedDay{}, darkDay{};
    int shiftedMinute = 12;
    SunriseOf provider() {
        return [this](const DateTime& d) -> std::optional<DateTime> {
            if (d.datePart() == darkDay) return std::nullopt;
            const int minute = d.datePart() == shiftedDay ? shiftedMinute : 12;
            return DateTime::fromTotalSeconds(DateTime::of(d.year(), d.month(), d.day(), 6, 0, 0).totalSeconds() +
                                              minute * 60LL);
        };
    }
};

TEST(IshtaGhatikaArithmetic, BirthCountsFromTheSunriseThatPrecedesIt) {
    const DateTime day = DateTime::of(2001, 5, 10), before = DateTime::of(2001, 5, 9), after = DateTime::of(2001, 5, 11);
    struct Case {
        int hour, minute, shiftedMinute;  // the day before's sunrise minute
        long long minutes;
        DateTime from;
        DateTime shifted = DateTime::of(2001, 5, 9);  // the day whose sunrise is shifted
    };
    const std::vector<Case> cases = {
        {6, 13, 12, 1, day},        // a minute after sunrise: the same day
        {7, 52, 12, 100, day},
        {6, 12, 12, 1440, before},  // the sunrise minute itself: the day before
        {5, 12, 12, 1380, before},
        {0, 0, 12, 1068, before},
        {6, 12, 11, 1441, before},  // the two sunrises a minute apart
        {6, 12, 13, 1439, before},
        {23, 55, -370, 5, after, after},  // the next day rose at 23:50, before midnight
    };
    for (const Case& c : cases) {
        FakeSunrises sun;
        sun.shiftedDay = c.shifted;
        sun.shiftedMinute = c.shiftedMinute;
        const MinutesSinceSunrise got =
            FnMinutesSinceSunrise(DateTime::of(2001, 5, 10, c.hour, c.minute, 0), sun.provider());
        EXPECT_EQ(got.minutes, c.minutes) << c.hour << ":" << c.minute;
        EXPECT_EQ(got.sunriseDate, c.from) << c.hour << ":" << c.minute;
    }
}

TEST(IshtaGhatikaArithmetic, AMissingSunriseBeforeTheBirthGivesNoCountAndNamesItsDate) {
    FakeSunrises sun;
    sun.darkDay = DateTime::of(2001, 12, 9);
    const MinutesSinceSunrise got = FnMinutesSinceSunrise(DateTime::of(2001, 12, 10, 5, 0, 0), sun.provider());
    EXPECT_FALSE(got.minutes);
    EXPECT_EQ(got.sunriseDate, sun.darkDay);
}

// ----------------------------------------------------------------- the windows

// A birth as the user enters it in either converter.
struct Input {
    std::string day = "14", month = "Jul", year = "1965";
    std::string hour = "14", minute = "15";  // or ghatika and vighatika
    std::string country = "India", city = "Sample Town";
};

class ConvertersTest : public SavedChartTest {
protected:
    void SetUp() override {
        SavedChartTest::SetUp();
        // The sample place: 17 N 20, 78 E 30, India's zone 5.5 E.
        db().execute(
            "INSERT INTO City_Master (CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute, "
            "LongitudeDegree, Longitude_EW, LongitudeMinute) VALUES ('Sample Town', 90, 17, 'N', 20, 78, 'E', 30)");
    }

    template <class W>
    W& open() {
        return windows->get<W>();
    }

    // Fills the panel choosing from its lists, as the user would.
    static void enter(ConverterPanel& w, const Input& in) {
        // An entry of the list is chosen; any other text is put in the box.
        const auto pick = [](ComboBox& c, const std::string& text) {
            const int i = c.findPrefix(text);
            if (!text.empty() && i >= 0 && c.list(i) == text)
                c.choose(i);
            else
                c.setText(text);
        };
        pick(w.Txt_VP_Date, in.day);
        pick(w.Txt_VP_Month, in.month);
        pick(w.Txt_VP_YEAR, in.year);
        pick(w.cbHour, in.hour);
        pick(w.cbMins, in.minute);
        pick(w.Cmb_VP_Country, in.country);
        if (!in.city.empty()) pick(w.Cmb_VP_City, in.city);
    }

    // The sunrise at the sample place, from the engine itself.
    static DateTime sampleSunrise(const DateTime& date) {
        clsFindSunrise sun;
        return *sun.FnFindSunrise(date, "N", 17, 20, "E", 78, 30, false, 5.5, "E");
    }

    const ShownBox& lastBox() const { return fakes.messageBox.last(); }
    std::string frontName() const { return windows->front() ? windows->front()->name() : std::string(); }
};

TEST_F(ConvertersTest, SampleBirthTimeGivesItsIshtaGhatika) {
    // Sunrise at the sample place on 14 Jul 1965 is 05:50, so a birth at
    // 14:15 is 8 h 25 min = 505 minutes after it.
    ASSERT_EQ(sampleSunrise(DateTime::of(1965, 7, 14)), DateTime::of(1965, 7, 14, 5, 50, 0));
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    enter(w, Input{});
    EXPECT_EQ(w.txtLatDetails.text(), "17 N 20");
    EXPECT_EQ(w.txtLonDetails.text(), "78 E 30");
    EXPECT_EQ(w.Txt_BI_TimeDiff, 5.5);
    EXPECT_FALSE(w.txtIshtaGhati.visible());
    w.cmdSubmit.click();
    EXPECT_TRUE(w.txtIshtaGhati.visible());
    EXPECT_EQ(w.txtIshtaGhati.caption(), "Ishta Ghati : 21:2:30");
}

TEST_F(ConvertersTest, SampleIshtaGhatikaGivesItsBirthTime) {
    auto& w = open<frm_IshtaghatikaToBirthTime>();
    EXPECT_TRUE(w.txtBirthTime.visible());
    EXPECT_EQ(w.txtBirthTime.caption(), "");
    struct Case {
        const char* ghatika;
        const char* vighatika;
        const char* shown;
    };
    // Sunrise 05:50; the seconds of 21:2 (14:14:48) are dropped.
    for (const Case& c : std::vector<Case>{{"21", "02", "Birth Time : 02:14 PM"},
                                           {"00", "00", "Birth Time : 05:50 AM"},
                                           {"15", "25", "Birth Time : 12:00 PM"},
                                           {"45", "25", "Birth Time : 12:00 AM"},
                                           {"60", "00", "Birth Time : 05:50 AM"}}) {
        enter(w, Input{"14", "Jul", "1965", c.ghatika, c.vighatika});
        w.cmdSubmit.click();
        EXPECT_EQ(w.txtBirthTime.caption(), c.shown) << c.ghatika << ":" << c.vighatika;
    }
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(ConvertersTest, BirthTimeToGhatikaAndBack) {
    auto& toGhatika = open<frm_BirthTimetoIshtaGhatika>();
    auto& toBirth = open<frm_IshtaghatikaToBirthTime>();
    // Before sunrise, at it, just after, afternoon and late evening.
    for (const char* time : {"03:07", "05:50", "05:51", "05:52", "14:15", "14:16", "23:59"}) {
        const std::string t = time;
        enter(toGhatika, Input{"14", "Jul", "1965", t.substr(0, 2), t.substr(3, 2)});
        toGhatika.cmdSubmit.click();
        const std::string shown = toGhatika.txtIshtaGhati.caption();
        ASSERT_EQ(shown.rfind("Ishta Ghati : ", 0), 0u) << shown;
        const std::vector<std::string> parts = split(shown.substr(14), ":");
        ASSERT_EQ(parts.size(), 3u);

        // A birth at or before sunrise belongs to the Vedic day of the date before.
        const bool dayBefore = t <= "05:50";
        enter(toBirth, Input{dayBefore ? "13" : "14", "Jul", "1965", formatNumber(std::stoi(parts[0]), "00"),
                             formatNumber(std::stoi(parts[1]), "00")});
        toBirth.cmdSubmit.click();
        // The vighatikas drop half a vighatika (12 s) of an odd minute count,
        // which takes the clock back into the minute before.
        DateTime birth = DateTime::of(1965, 7, 14, std::stoi(t.substr(0, 2)), std::stoi(t.substr(3, 2)), 0);
        if (parts[2] == "30") birth = dateAdd(DateUnit::Minute, -1, birth);
        EXPECT_EQ(toBirth.txtBirthTime.caption(), "Birth Time : " + formatDate(birth, "HH:NN AM/PM")) << time;
    }
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

// ------------------------------------------------------------------ the checks

TEST_F(ConvertersTest, CalculateChecksInOrderOneMessageAtATime) {
    struct Case {
        Input in;
        bool secondWindow;
        const char* message;
        bool titled;        // information icon and the window's caption, else neither
        const char* focus;  // "" = where it was
    };
    const char* year = "Enter Year Between 1800 and 3000";
    const char* time = "Enter Correct Time";
    const std::vector<Case> cases = {
        {{.day = ""}, false, "Enter Date", false, "Txt_VP_Date"},
        {{.month = ""}, false, "Enter Month", false, "Txt_VP_Month"},
        {{.year = ""}, false, "Enter Year", false, "Txt_VP_YEAR"},
        {{.year = "19650"}, true, year, true, "Txt_VP_YEAR"},
        {{.year = "1799"}, false, year, false, "Txt_VP_YEAR"},
        {{.day = "29", .month = "Feb", .year = "1900"}, false, "Enter Correct Date", false, ""},
        {{.day = "31", .month = "Jun"}, true, "Enter Correct Date", false, ""},
        {{.hour = "", .minute = ""}, false, time, false, "cbHour"},
        {{.minute = ""}, true, time, false, "cbMins"},
        {{.country = "", .city = ""}, false, "Select Country", false, "Cmb_VP_Country"},
        {{.city = ""}, true, "Select City", false, "Cmb_VP_City"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        ConverterPanel& w = c.secondWindow ? static_cast<ConverterPanel&>(open<frm_IshtaghatikaToBirthTime>())
                                           : static_cast<ConverterPanel&>(open<frm_BirthTimetoIshtaGhatika>());
        enter(w, c.in);
        w.setFocus(w.cbTimeZone);
        fakes.messageBox.clear();
        w.cmdSubmit.click();
        ASSERT_EQ(fakes.messageBox.shown().size(), 1u) << i;
        const ShownBox expected{c.message, c.titled ? MsgIcon::Information : MsgIcon::None, MsgButtons::OK,
                                c.titled ? std::optional<std::string>(w.caption()) : std::nullopt,
                                c.titled ? w.caption() : kProgramName};
        EXPECT_EQ(lastBox(), expected) << i;
        EXPECT_EQ(w.focused()->name(), *c.focus ? c.focus : "cbTimeZone") << i;
        EXPECT_EQ(w.result.caption(), "") << i;
        windows->unload(w.name());
    }
}

TEST_F(ConvertersTest, AYearOutsideTheListPassesWithinItsRangeAndALeapDayInALeapYear) {
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    enter(w, Input{"28", "Feb", "1850"});
    w.cmdSubmit.click();
    EXPECT_TRUE(w.txtIshtaGhati.visible());
    enter(w, Input{"29", "Feb", "2000"});
    w.cmdSubmit.click();
    EXPECT_TRUE(w.txtIshtaGhati.visible());
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(ConvertersTest, AnHourThatPassesItsCheckButIsNoClockTimeStopsWithTheError) {
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    enter(w, Input{});
    w.cbHour.setText("24");
    w.cmdSubmit.click();
    EXPECT_EQ(lastBox(), (ShownBox{"Type mismatch", MsgIcon::Critical, MsgButtons::OK, std::nullopt, kProgramName}));
    EXPECT_FALSE(w.txtIshtaGhati.visible());
}

// -------------------------------------------------------------------- the keys

TEST_F(ConvertersTest, KeysTakeOnlyListEntriesAndEnterMovesAlongTheChain) {
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    w.setFocus(w.Txt_VP_Date);  // the whole text is selected
    w.Txt_VP_Date.pressKey('3');
    EXPECT_EQ(w.Txt_VP_Date.text(), "30");
    for (int k : {int('x'), key::Backspace}) {
        w.Txt_VP_Date.pressKey(k);
        EXPECT_EQ(w.Txt_VP_Date.text(), "30");
    }
    w.Txt_VP_Date.pressKey(key::Enter);
    EXPECT_EQ(w.focused(), &w.Txt_VP_Month);

    // The year also takes typed digits and Backspace, nothing else.
    w.setFocus(w.Txt_VP_YEAR);
    for (char c : std::string("1965")) w.Txt_VP_YEAR.pressKey(c);
    EXPECT_EQ(w.Txt_VP_YEAR.text(), "1965");
    w.Txt_VP_YEAR.setSelStart(4);
    w.Txt_VP_YEAR.pressKey('7');
    EXPECT_EQ(w.Txt_VP_YEAR.text(), "19657");
    w.Txt_VP_YEAR.pressKey('a');
    w.Txt_VP_YEAR.pressKey(key::Backspace);
    EXPECT_EQ(w.Txt_VP_YEAR.text(), "1965");

    int k = '5';
    w.txtLatDetails.onKeyPress(k);
    EXPECT_EQ(k, 0);
}

TEST_F(ConvertersTest, EnterComputesFromTheCityInTheFirstWindowAndFromTheZoneInTheSecond) {
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    enter(w, Input{});
    w.setFocus(w.Cmb_VP_City);
    w.Cmb_VP_City.pressKey(key::Enter);
    EXPECT_EQ(w.txtIshtaGhati.caption(), "Ishta Ghati : 21:2:30");
    w.cbHour.choose(indexOf(w.cbHour, "15"));
    w.setFocus(w.cbTimeZone);
    w.cbTimeZone.pressKey(key::Enter);
    EXPECT_FALSE(w.txtIshtaGhati.visible());

    auto& v = open<frm_IshtaghatikaToBirthTime>();
    enter(v, Input{"14", "Jul", "1965", "21", "02"});
    v.setFocus(v.Cmb_VP_City);
    v.Cmb_VP_City.pressKey(key::Enter);
    EXPECT_EQ(v.focused(), &v.cbTimeZone);
    EXPECT_EQ(v.txtBirthTime.caption(), "");
    v.cbTimeZone.pressKey(key::Enter);
    EXPECT_EQ(v.txtBirthTime.caption(), "Birth Time : 02:14 PM");
}

// ---------------------------------------------------------- the shown result

TEST_F(ConvertersTest, TheResultGoesAwayWhenWhatItWasComputedFromChanges) {
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    auto& v = open<frm_IshtaghatikaToBirthTime>();
    const auto computed = [&](ConverterPanel& p) {
        enter(p, Input{"14", "Jul", "1965", "14", "15"});
        p.cmdSubmit.click();
        return p.result.visible();
    };
    struct Change {
        const char* what;
        std::function<void(ConverterPanel&)> change;
        bool hidesFirst, hidesSecond;
    };
    const std::vector<Change> changes = {
        {"day", [](ConverterPanel& p) { p.Txt_VP_Date.choose(0); }, true, true},
        {"year typed", [](ConverterPanel& p) { p.Txt_VP_YEAR.setText("1966"); }, true, true},
        {"hour", [](ConverterPanel& p) { p.cbHour.choose(3); }, true, false},
        {"minute", [](ConverterPanel& p) { p.cbMins.choose(3); }, true, false},
        {"city", [](ConverterPanel& p) { p.Cmb_VP_City.choose(0); }, true, false},
        {"zone", [](ConverterPanel& p) { p.cbTimeZone.choose(0); }, true, false},
    };
    for (const Change& c : changes) {
        for (ConverterPanel* p : {static_cast<ConverterPanel*>(&w), static_cast<ConverterPanel*>(&v)}) {
            ASSERT_TRUE(computed(*p)) << c.what;
            c.change(*p);
            const bool hides = p == &w ? c.hidesFirst : c.hidesSecond;
            EXPECT_EQ(p->result.visible(), !hides) << c.what << " in " << p->name();
        }
    }
}

// ------------------------------------------------------------------ the places

TEST_F(ConvertersTest, ACityIsReadByItsKeyNotByItsName) {
    // The same name in two countries, and a name with a quote.
    db().execute(
        "INSERT INTO City_Master (CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute, "
        "LongitudeDegree, Longitude_EW, LongitudeMinute) VALUES "
        "('Sample Town', 91, 6, 'S', 10, 106, 'E', 49), ('O''Brien''s Halt', 90, 12, 'N', 58, 77, 'E', 35)");
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    enter(w, Input{"14", "Jul", "1965", "14", "15", "Indonesia", "Sample Town"});
    EXPECT_EQ(w.txtLatDetails.text(), "6 S 10");
    EXPECT_EQ(w.txtLonDetails.text(), "106 E 49");
    EXPECT_EQ(w.CB_BI_Lat_NS, "S");

    enter(w, Input{"14", "Jul", "1965", "14", "15", "India", "O'Brien's Halt"});
    EXPECT_TRUE(fakes.messageBox.shown().empty());
    EXPECT_EQ(w.txtLatDetails.text(), "12 N 58");
    EXPECT_EQ(w.Txt_BI_LonDegree, 77);
}

TEST_F(ConvertersTest, AZoneOfAnotherCountryIsNeverUsed) {
    db().execute("INSERT INTO Country_Master (CountryName, TimeZoneID) VALUES ('Zoneless', '')");
    db().execute(
        "INSERT INTO City_Master (CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute, "
        "LongitudeDegree, Longitude_EW, LongitudeMinute) "
        "SELECT 'Lone City', CountryID, 10, 'N', 0, 10, 'E', 0 FROM Country_Master WHERE CountryName = 'Zoneless'");
    auto& w = open<frm_IshtaghatikaToBirthTime>();
    enter(w, Input{"14", "Jul", "1965", "21", "02"});
    w.cmdSubmit.click();
    ASSERT_EQ(w.txtBirthTime.caption(), "Birth Time : 02:14 PM");

    enter(w, Input{"14", "Jul", "1965", "21", "02", "Zoneless", "Lone City"});
    EXPECT_EQ(w.cbTimeZone.listCount(), 0);
    EXPECT_EQ(w.Txt_BI_TimeDiffEW, "");
    w.cmdSubmit.click();
    EXPECT_EQ(lastBox().text, "Select Timezone");
    EXPECT_EQ(w.focused(), &w.cbTimeZone);
    EXPECT_EQ(w.txtBirthTime.caption(), "Birth Time : 02:14 PM");
}

TEST_F(ConvertersTest, WhereTheSunDoesNotRiseNoTimeIsShown) {
    auto& v = open<frm_IshtaghatikaToBirthTime>();
    enter(v, Input{"14", "Dec", "1965", "10", "00"});
    v.cmdSubmit.click();
    ASSERT_TRUE(v.txtBirthTime.visible());
    ASSERT_NE(v.txtBirthTime.caption(), "");

    // Longyearbyen in the polar night, after a computation elsewhere.
    enter(v, Input{"14", "Dec", "1965", "10", "00", "Svalbard and Jan Mayen", "Longyearbyen"});
    v.cmdSubmit.click();
    EXPECT_EQ(lastBox().text, "The Sun does not rise at this place on 14/Dec/1965");
    EXPECT_EQ(lastBox().icon, MsgIcon::Information);
    EXPECT_EQ(lastBox().title, std::optional<std::string>(v.caption()));
    EXPECT_FALSE(v.txtBirthTime.visible());

    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    enter(w, Input{"14", "Dec", "1965", "10", "00", "Svalbard and Jan Mayen", "Longyearbyen"});
    w.cmdSubmit.click();
    EXPECT_EQ(lastBox().text, "The Sun does not rise at this place on 14/Dec/1965");
    EXPECT_FALSE(w.txtIshtaGhati.visible());
}

// ---------------------------------------------------------- load and Cancel

TEST_F(ConvertersTest, LoadPresetsTheFirstWindowFromTheClockAndCancelClosesTheWindow) {
    auto& w = open<frm_BirthTimetoIshtaGhatika>();  // the clock says 7 Mar 2024 13:30
    EXPECT_EQ(w.dateText() + " " + w.cbHour.text() + ":" + w.cbMins.text(), "07/Mar/2024 13:30");
    auto& v = open<frm_IshtaghatikaToBirthTime>();
    EXPECT_EQ(v.dateText() + " " + v.cbHour.text() + v.cbMins.text(), "07/Mar/2024 ");

    v.Command1.click();
    EXPECT_FALSE(windows->isLoaded(frm_IshtaghatikaToBirthTime::kWindowName));
    EXPECT_TRUE(windows->isLoaded(frm_BirthTimetoIshtaGhatika::kWindowName));
}

TEST_F(ConvertersTest, ThePictureButtonsOpenTheMastersOnceTheProgramHasThem) {
    EXPECT_FALSE(open<frm_BirthTimetoIshtaGhatika>().Command6.enabled());
    windows->unload(frm_BirthTimetoIshtaGhatika::kWindowName);

    definePlaceMasters(*windows);
    auto& w = open<frm_BirthTimetoIshtaGhatika>();
    w.Command6.click();
    EXPECT_EQ(frontName(), "frm_New_LatLon");
    auto& v = open<frm_IshtaghatikaToBirthTime>();
    v.Command5.click();
    EXPECT_EQ(frontName(), "frm_AddTimeZone");
    // Neither master will show a birth-details window on its Cancel.
    EXPECT_FALSE(state().gPlaceFormFromChart);
    EXPECT_TRUE(w.loaded() && v.loaded());
}

}  // namespace
}  // namespace jd
