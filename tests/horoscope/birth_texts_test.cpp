#include "horoscope/birth_texts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calendar/solar_calendar.h"
#include "engine/cls_find_planet_position.h"
#include "horoscope/body_positions.h"
#include "horoscope/name_tables.h"
#include "platform/database.h"
#include "platform/vb_date.h"
#include "sample_birth.h"

namespace jd {
namespace {

using testing_support::Birth;
using testing_support::ChartTest;

TEST(TimeOfBirthText, TwelveHourClockFromTheHourAsHeld) {
    struct Case {
        const char *hour, *minute, *text;
    };
    const Case cases[] = {
        {"0", "5", "12 : 5  AM"},    {"00", "45", "12 : 45  AM"}, {"1", "00", "1 : 00  AM"},
        {"02", "15", "02 : 15  AM"},  // 1..11 keep the hour as it was typed
        {"11", "59", "11 : 59  AM"}, {"12", "0", "12 : 0  PM"},   {"13", "30", "1 : 30  PM"},
        {"14", "15", "2 : 15  PM"},  {"23", "59", "11 : 59  PM"},
    };
    for (const Case& c : cases) EXPECT_EQ(FnTimeOfBirthText(c.hour, c.minute), c.text) << c.hour;
    EXPECT_THROW(FnTimeOfBirthText("2x", "15"), RunTimeError);
}

class BirthTextsTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        state().gDbConnection = std::make_shared<Database>(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db");
    }

    // The steps of the run before the texts: rasi positions and name tables.
    void fill(const Birth& birth = Birth{}) {
        testing_support::setBirth(birth);
        FnCalcBodyPositions(30);
        FnLoadNameTables();
        FnFillPanchangaText();
    }

    UserDetailsContents& u = resultWindows().frm_UserDetails;
};

TEST_F(BirthTextsTest, AZoneWestOfGreenwichPutsGreenwichTimeLater) {
    Birth b;
    b.zoneHours = "5";
    b.zoneEW = "W";
    fill(b);
    EXPECT_EQ(u.txtgmt.caption(), "14/Jul/1965 07:15 PM");
    EXPECT_EQ(u.txtTimeZone.caption(), "5 W");
}

TEST_F(BirthTextsTest, ABirthBeforeSunriseBelongsToTheVedicDayBefore) {
    Birth b;
    b.hour = "5";
    b.minute = "10";
    fill(b);
    EXPECT_EQ(u.txtSunRise.caption(), "05:50 AM");
    EXPECT_EQ(u.txtGregorian.caption(), "Wednesday");
    EXPECT_EQ(u.txtVedic.caption(), "Tuesday");
    EXPECT_EQ(u.txtTimeOfBirth.caption(), "5 : 10  AM");
}

TEST_F(BirthTextsTest, PlaceMinutesAreWrittenAsNumbers) {
    Birth b;
    b.latMin = "05";
    b.lonDeg = "078";
    b.lonMin = "0";
    fill(b);
    EXPECT_EQ(u.txtLatutude.caption(), "17 N 5");
    EXPECT_EQ(u.txtLongitude.caption(), "78 E 0");
}

TEST_F(BirthTextsTest, WithoutSunriseTheTextsBuiltOnItStayEmpty) {
    // Longyearbyen in July: the Sun neither rises nor sets.
    Birth b;
    b.latDeg = "78";
    b.latMin = "13";
    b.lonDeg = "15";
    b.lonMin = "38";
    b.zoneHours = "1";
    fill(b);
    EXPECT_EQ(u.txtSunRise.caption(), "");
    EXPECT_EQ(u.txtSunSet.caption(), "");
    EXPECT_EQ(u.txtVedic.caption(), "");
    EXPECT_EQ(u.txtIshtaGhati.caption(), "");
    EXPECT_EQ(u.txtSolarDate.caption(), "");
    EXPECT_EQ(u.txtKLunarDate.caption(), "");
    EXPECT_EQ(u.txtSLunarDate.caption(), "");
    // What does not need the Sun's rising is there.
    EXPECT_EQ(u.txtGregorian.caption(), "Wednesday");
    EXPECT_EQ(u.txtLatutude.caption(), "78 N 13");
    EXPECT_EQ(u.txtgmt.caption(), "14/Jul/1965 01:15 PM");
    EXPECT_FALSE(u.txtStar.caption().empty());
    EXPECT_FALSE(u.txtYogam.caption().empty());
    for (const ShownBox& box : boxes.shown()) ADD_FAILURE() << box.text;
}

// Reykjavik (64°08'N 21°54'W, zone 0 E) keeps a clock ahead of the Sun:
// around midsummer the Sun sets just after midnight, and that sunset is the
// day's own, for the texts, the solar calendar and Gulika and Maandi.
TEST_F(BirthTextsTest, ReykjavikSunsetsAfterMidnightBelongToTheirDay) {
    Birth b;
    b.latDeg = "64";
    b.latMin = "8";
    b.lonDeg = "21";
    b.lonEW = "W";
    b.lonMin = "54";
    b.zoneHours = "0";
    const auto at = [&b](int year, const char* month, int day, int hour) {
        b.year = std::to_string(year);
        b.month = month;
        b.day = std::to_string(day);
        b.hour = std::to_string(hour);
        b.minute = "0";
        return b;
    };

    // A year whose month starts need sunsets after midnight has its calendar.
    fill(at(1966, "Dec", 10, 12));
    EXPECT_NE(u.txtSolarDate.caption(), "");
    EXPECT_EQ(u.txtKaliyugaYear.caption(), "5067");
    EXPECT_NE(u.txtAyana.caption(), "");

    // The sunsets of 15 and 16 June 2049 fall on the next dates.
    testing_support::setBirth(at(2049, "Jun", 15, 12));
    FnCalcBodyPositions(30);
    EXPECT_EQ(state().sunTimes.gDaySunset, DateTime::of(2049, 6, 16, 0, 0));
    fill(at(2049, "Jun", 16, 12));
    EXPECT_EQ(u.txtSunSet.caption(), "12:01 AM");
    FnCalcBodyPositions(30);
    EXPECT_EQ(state().sunTimes.gDaySunset, DateTime::of(2049, 6, 17, 0, 1));

    // Every summer day has its solar day, and no month starts a day late.
    std::string outOfRange;
    for (int year = 2049; year <= 2057; ++year) {
        for (DateTime d = DateTime::of(year, 6, 1, 12, 0); d.month() <= 7; d = dateAdd(DateUnit::Day, 1, d)) {
            FnSolarYearData(d);
            const int day = state().calendar.gSolarDay;
            if (day < 1 || day > 32) outOfRange += formatDate(d, "DD/MMM/YYYY") + ": " + std::to_string(day) + "; ";
        }
    }
    EXPECT_EQ(outOfRange, "");

    // At 00:00 on 17 June 2049 the Sun of Wednesday the 16th (up from 02:56)
    // has not yet set: a day birth. Day eighths of 9488 s put the end of
    // Gulika (4th eighth) at 13:28:32 and Maandi (14th thirtieth, 2530 s)
    // at 12:46:20 of the 16th.
    testing_support::setBirth(at(2049, "Jun", 17, 0));
    FnCalcBodyPositions(30);
    const auto ascendantAt = [](const DateTime& moment) {
        ClsFindPlanetPosition p;
        p.FindFixValues(moment, "N", 64, 8, "W", 21, 54, 0, "E", 0, "Lahiri", 0, 0);
        return p.FnFindLagnaPosition();
    };
    const BodyPositions& p = state().positions;
    ASSERT_TRUE(p.gGulikaMaandiKnown);
    EXPECT_NEAR(p.gGulikaLongitude, ascendantAt(DateTime::of(2049, 6, 16, 13, 28)), 1e-9);
    EXPECT_NEAR(p.gMaandiLongitude, ascendantAt(DateTime::of(2049, 6, 16, 12, 46)), 1e-9);
    for (const ShownBox& box : boxes.shown()) ADD_FAILURE() << box.text;
}

TEST_F(BirthTextsTest, PakshaTurnsDarkAfterTheFullMoonTithi) {
    struct Case {
        double moon;
        const char *tithi, *paksha;
    };
    const Case cases[] = {
        {180, "Purnima", "Sukla Paksha (Bright)"},
        {180.5, "Pratipada", "Krishna Paksha (Dark)"},
        {12, "Pratipada", "Sukla Paksha (Bright)"},
    };
    for (const Case& c : cases) {
        testing_support::setBirth(Birth{});
        FnCalcBodyPositions(30);
        FnLoadNameTables();
        state().positions.gSunLongitude = 0;
        state().positions.gMoonLongitude = c.moon;
        FnFillPanchangaText();
        EXPECT_EQ(u.txtTithi.caption(), c.tithi) << c.moon;
        EXPECT_EQ(u.txtPaksha.caption(), c.paksha) << c.moon;
    }
}

TEST_F(BirthTextsTest, AyanamsaShowsItsSizeAndTheNameOfThePreference) {
    testing_support::setBirth(Birth{});
    FnCalcBodyPositions(30);
    FnLoadNameTables();
    state().positions.gAyanamsaValue = -23.5;
    state().prefs.gAyanamsaName = "KP";
    FnFillPanchangaText();
    EXPECT_EQ(u.txtAyanamsa.caption(), "23.30.00  (KP)");
}

TEST_F(BirthTextsTest, AnErrorEndsTheFillAndLeavesLaterLabelsAlone) {
    Birth b;
    b.hour = "2x";
    testing_support::setBirth(b);
    u.txtist.setCaption("earlier");
    FnFillPanchangaText();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Type mismatch13"});
    EXPECT_EQ(u.txtGName.caption(), "Sample Chart");
    EXPECT_EQ(u.Txt_BC_Date.caption(), "14 / Jul / 1965");
    EXPECT_EQ(u.txtTimeOfBirth.caption(), "");
    EXPECT_EQ(u.txtist.caption(), "earlier");
    EXPECT_EQ(u.txtYogam.caption(), "");
}

}  // namespace
}  // namespace jd
