#include "horoscope/birth_texts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "horoscope/body_positions.h"
#include "horoscope/name_tables.h"
#include "platform/database.h"
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
