#include "horoscope/body_positions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/cls_find_planet_position.h"
#include "engine/cls_sunrise.h"
#include "horoscope/birth_texts.h"
#include "platform/database.h"
#include "state/result_windows.h"
#include "platform/vb_date.h"
#include "sample_birth.h"

namespace jd {
namespace {

using namespace testing_support;

class BodyPositionsTest : public ChartTest {
protected:
    // The ascendant at a moment at the birth place, by an instance of its own.
    double ascendantAt(const DateTime& moment, const std::string& ayanamsa = "Lahiri") {
        const BirthDetails& b = state().birth;
        ClsFindPlanetPosition p;
        p.FindFixValues(moment, b.gLatNS, std::stod(b.gLatDeg), std::stod(b.gLatMin), b.gLonEW, std::stod(b.gLonDeg),
                        std::stod(b.gLonMin), std::stod(b.gZoneHours), b.gZoneEW, 0, ayanamsa, 0, 0);
        return p.FnFindLagnaPosition();
    }
    DateTime sunrise(const DateTime& day) {
        const BirthDetails& b = state().birth;
        clsFindSunrise f;
        return *f.FnFindSunrise(day, b.gLatNS, std::stod(b.gLatDeg), std::stod(b.gLatMin), b.gLonEW,
                                std::stod(b.gLonDeg), std::stod(b.gLonMin), false, std::stod(b.gZoneHours),
                                b.gZoneEW);
    }
    DateTime sunset(const DateTime& day) {
        const BirthDetails& b = state().birth;
        clsFindSunSet f;
        return *f.FnFindSunset(day, b.gLatNS, std::stod(b.gLatDeg), std::stod(b.gLatMin), b.gLonEW,
                               std::stod(b.gLonDeg), std::stod(b.gLonMin), false, std::stod(b.gZoneHours),
                               b.gZoneEW);
    }
    // Boundary k of n equal parts (whole seconds, each part the eighth-based
    // length as the divisions of the day make it) from a start, to the minute.
    static DateTime boundary(const DateTime& start, long long eighthSeconds, int partsPerEighth8, int k) {
        // partsPerEighth8: the part is nearest(8 x eighth / partsPerEighth8).
        const long long part = std::llround(std::nearbyint(8.0 * eighthSeconds / partsPerEighth8));
        const DateTime t = DateTime::fromTotalSeconds(start.totalSeconds() + part * k);
        return DateTime::of(t.year(), t.month(), t.day(), t.hour(), t.minute(), 0);
    }
    static long long eighth(const DateTime& from, const DateTime& to) {
        return static_cast<long long>(std::nearbyint((to.totalSeconds() - from.totalSeconds()) / 8.0));
    }
};

TEST_F(BodyPositionsTest, SampleChartForTheRasi) {
    FnCalcBodyPositions(30);
    const BodyPositions& p = state().positions;
    const std::pair<double, double> bodies[] = {
        {p.gLagnaLongitude, 205.247222}, {p.gMidheaven, 115.969324},      {p.gAyanamsaValue, -23.372143},
        {p.gSunLongitude, 88.317588},    {p.gMoonLongitude, 275.456183},  {p.gMarsLongitude, 164.655011},
        {p.gMercuryLongitude, 114.629038}, {p.gJupiterLongitude, 55.498563}, {p.gVenusLongitude, 112.993458},
        {p.gSaturnLongitude, 323.613906}, {p.gRahuLongitude, 48.314119},   {p.gKethuLongitude, 228.314119},
    };
    for (const auto& [got, want] : bodies) EXPECT_NEAR(got, want, 1e-6);
    EXPECT_EQ(p.gBirthDateTime, DateTime::of(1965, 7, 14, 14, 15, 0));
    EXPECT_EQ(state().gBirthDateTime, p.gBirthDateTime);

    const BodySigns& s = state().signs;
    const std::pair<int, int> signs[] = {{s.gLagnaSign, 7},   {s.gSunSign, 3},     {s.gMoonSign, 10},
                                         {s.gMarsSign, 6},    {s.gMercurySign, 4}, {s.gJupiterSign, 2},
                                         {s.gVenusSign, 4},   {s.gSaturnSign, 11}, {s.gRahuSign, 2},
                                         {s.gKethuSign, 8}};
    for (const auto& [got, want] : signs) EXPECT_EQ(got, want);

    const SunTimes& sun = state().sunTimes;
    ASSERT_TRUE(sun.gDaySunrise && sun.gDaySunset && sun.gNextDaySunrise);
    EXPECT_EQ(*sun.gDaySunrise, DateTime::of(1965, 7, 14, 5, 50, 0));
    EXPECT_EQ(*sun.gDaySunset, DateTime::of(1965, 7, 14, 18, 54, 0));
    EXPECT_EQ(sun.gNextDaySunrise->datePart(), DateTime::of(1965, 7, 15));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(BodyPositionsTest, SpanChangesOnlyTheSigns) {
    FnCalcBodyPositions(30);
    const BodyPositions rasi = state().positions;
    FnCalcBodyPositions(3.33333333333333);
    const BodyPositions& nav = state().positions;
    EXPECT_EQ(nav.gLagnaLongitude, rasi.gLagnaLongitude);
    EXPECT_EQ(nav.gSunLongitude, rasi.gSunLongitude);
    EXPECT_EQ(nav.gGulikaLongitude, rasi.gGulikaLongitude);
    // Navamsa signs: the ninth counted around the circle.
    EXPECT_EQ(state().signs.gLagnaSign, 2);   // 205.25 / 3.33 -> 62nd ninth
    EXPECT_EQ(state().signs.gSunSign, 3);     // 88.32 -> 27th
    EXPECT_EQ(state().signs.gMoonSign, 11);   // 275.46 -> 83rd
    FnCalcBodyPositions(30);
    EXPECT_EQ(state().signs.gLagnaSign, 7);
}

// 14 Jul 1965 was a Wednesday: Gulika ends the 4th day eighth, Maandi rises
// at the 14th day thirtieth.
TEST_F(BodyPositionsTest, GulikaAndMaandiOfADayBirth) {
    FnCalcBodyPositions(30);
    const DateTime rise = DateTime::of(1965, 7, 14, 5, 50, 0);
    const long long e = eighth(rise, DateTime::of(1965, 7, 14, 18, 54, 0));
    EXPECT_EQ(e, 5880);
    const DateTime gulika = boundary(rise, e, 8, 4);
    const DateTime maandi = boundary(rise, e, 30, 14);
    EXPECT_EQ(gulika, DateTime::of(1965, 7, 14, 12, 22, 0));
    EXPECT_EQ(maandi, DateTime::of(1965, 7, 14, 11, 55, 0));
    const BodyPositions& p = state().positions;
    EXPECT_TRUE(p.gGulikaMaandiKnown);
    EXPECT_NEAR(p.gGulikaLongitude, ascendantAt(gulika), 1e-9);
    EXPECT_NEAR(p.gMaandiLongitude, ascendantAt(maandi), 1e-9);
    EXPECT_EQ(state().signs.gGulikaSign, static_cast<int>(p.gGulikaLongitude / 30) + 1);
    EXPECT_EQ(state().signs.gMaandiSign, static_cast<int>(p.gMaandiLongitude / 30) + 1);
}

// 23:30 after sunset: the night of Wednesday, running to Thursday's sunrise;
// Gulika ends the 7th night eighth and Maandi rises at the 26th night
// thirtieth, both after midnight and so dated the next day.
TEST_F(BodyPositionsTest, GulikaAndMaandiOfANightBirthAfterSunset) {
    Birth b;
    b.hour = "23";
    b.minute = "30";
    setBirth(b);
    FnCalcBodyPositions(30);
    const DateTime set = sunset(DateTime::of(1965, 7, 14));
    const long long e = eighth(set, sunrise(DateTime::of(1965, 7, 15)));
    const DateTime gulika = boundary(set, e, 8, 7);
    const DateTime maandi = boundary(set, e, 30, 26);
    EXPECT_EQ(gulika.datePart(), DateTime::of(1965, 7, 15));
    EXPECT_EQ(maandi.datePart(), DateTime::of(1965, 7, 15));
    const BodyPositions& p = state().positions;
    EXPECT_TRUE(p.gGulikaMaandiKnown);
    EXPECT_NEAR(p.gGulikaLongitude, ascendantAt(gulika), 1e-9);
    EXPECT_NEAR(p.gMaandiLongitude, ascendantAt(maandi), 1e-9);
}

// Exactly at sunrise is still night: the night of Tuesday 13 July, whose
// Gulika ends the 1st night eighth and Maandi rises at the 2nd thirtieth,
// both in the evening of the 13th.
TEST_F(BodyPositionsTest, BirthExactlyAtSunriseIsTheNightBefore) {
    Birth b;
    b.hour = "5";
    b.minute = "50";
    setBirth(b);
    FnCalcBodyPositions(30);
    ASSERT_EQ(*state().sunTimes.gDaySunrise, DateTime::of(1965, 7, 14, 5, 50, 0));
    const DateTime set = sunset(DateTime::of(1965, 7, 13));
    const long long e = eighth(set, sunrise(DateTime::of(1965, 7, 14)));
    const DateTime gulika = boundary(set, e, 8, 1);
    const DateTime maandi = boundary(set, e, 30, 2);
    EXPECT_EQ(gulika.datePart(), DateTime::of(1965, 7, 13));
    EXPECT_GE(gulika.hour(), 12);
    const BodyPositions& p = state().positions;
    EXPECT_NEAR(p.gGulikaLongitude, ascendantAt(gulika), 1e-9);
    EXPECT_NEAR(p.gMaandiLongitude, ascendantAt(maandi), 1e-9);
}

TEST_F(BodyPositionsTest, GulikaAndMaandiFollowTheChartAyanamsa) {
    state().chartAyanamsa.gAyanamsaChoice = "Sayana";
    FnCalcBodyPositions(30);
    const BodyPositions& p = state().positions;
    EXPECT_NEAR(p.gLagnaLongitude, 205.247222, 1e-6);  // the ten bodies: the preference
    EXPECT_NEAR(p.gGulikaLongitude, ascendantAt(DateTime::of(1965, 7, 14, 12, 22, 0), "Sayana"), 1e-9);
    EXPECT_NEAR(p.gMaandiLongitude, ascendantAt(DateTime::of(1965, 7, 14, 11, 55, 0), "Sayana"), 1e-9);
}

TEST_F(BodyPositionsTest, NoSunsetLeavesGulikaAndMaandiOut) {
    // Tromsø under the midnight sun.
    setBirth(tromsoNoon("Jun"));
    state().positions.gGulikaLongitude = 123;  // from an earlier chart
    FnCalcBodyPositions(30);
    const BodyPositions& p = state().positions;
    EXPECT_FALSE(p.gGulikaMaandiKnown);
    EXPECT_EQ(p.gGulikaLongitude, 0);
    EXPECT_EQ(state().signs.gGulikaSign, 0);
    EXPECT_FALSE(state().sunTimes.gDaySunset.has_value());
    EXPECT_NE(p.gSunLongitude, 0);  // the bodies themselves are there
    EXPECT_TRUE(boxes.shown().empty());
}

// Where the Sun sets after midnight on the clock and the next date has no
// sunset, a birth at or before that date's sunrise belongs to the day before.
// Tornio (65°51'N 24°09'E, zone 2 E): Sunday 13 Jun 2049 rises at 00:45 and
// sets at 00:09 on the 14th, which rises at 00:38 and does not set. Tromsø
// on 17 May 1993 sets at 23:29 before it rises at 23:51: a date with both
// keeps the values of its own rule. Tromsø's 25 Jul 2049 sets unrisen (23:25).
TEST_F(BodyPositionsTest, GulikaAndMaandiAroundTheFirstDateOfMidnightSun) {
    Birth tornio;
    tornio.latDeg = "65";
    tornio.latMin = "51";
    tornio.lonDeg = "24";
    tornio.lonMin = "9";
    tornio.zoneHours = "2";
    tornio.year = "2049";
    tornio.month = "Jun";
    Birth tromso = tromsoNoon("May");
    tromso.year = "1993";
    tromso.day = "17";
    Birth tromso49 = tromsoNoon("Jul");
    tromso49.year = "2049";
    Birth boden = tornio, lulea = tornio, murmansk = tornio, nadym = tornio;
    nadym.latMin = "32", nadym.lonDeg = "72", nadym.lonMin = "31", nadym.zoneHours = "3", nadym.year = "1868";
    boden.latMin = "50", boden.lonDeg = "21", boden.lonMin = "41", boden.zoneHours = "1", boden.year = "2041";
    lulea.latMin = "35", lulea.lonDeg = "22", lulea.lonMin = "9", lulea.zoneHours = "1";
    murmansk.latDeg = "68", murmansk.latMin = "59", murmansk.lonDeg = "33", murmansk.lonMin = "6";
    murmansk.zoneHours = "3", murmansk.month = "Jul";
    struct Case {
        const Birth* place;
        const char *day, *hour, *minute;
        double gulika, maandi;  // 0: left out
        const char *sunrise = nullptr, *vedic = nullptr, *ishta = nullptr, *solar = nullptr;  // the birth texts
    };
    const Case cases[] = {
        {&tornio, "13", "23", "50", 221.650467, 220.118053},
        {&tornio, "14", "0", "5", 221.650467, 220.118053},  // the day of the 13th
        // The night of the 13th, 00:09 to 00:38: Gulika ends the 3rd night
        // eighth (00:19) and Maandi rises at the 10th thirtieth (00:18).
        {&tornio, "14", "0", "20", 253.461418, 253.012081},
        {&tornio, "14", "0", "38", 253.461418, 253.012081},  // its sunrise ends that night
        {&tornio, "14", "0", "39", 0, 0},
        {&tornio, "14", "0", "50", 0, 0},  // under the midnight sun
        {&tornio, "14", "12", "0", 0, 0},
        {&tromso49, "25", "12", "0", 0, 0},  // under the midnight sun
        {&tromso49, "25", "23", "20", 0, 0},
        {&tromso49, "25", "23", "25", 94.568015, 94.535442},  // its night, to 00:18 on the 26th
        {&tromso49, "25", "23", "30", 94.568015, 94.535442},
        {&tromso49, "26", "0", "10", 94.568015, 94.535442},
        {&tromso49, "26", "12", "0", 210.050717, 208.019270},
        {&tromso, "17", "0", "5", 216.509105, 216.385663},  // the night of the 16th, to 00:17
        {&tromso, "17", "23", "30", 0, 0},
        {&tromso, "17", "23", "55", 0, 0, "12:17 AM", "Monday", "0:10:0"},  // risen at 23:51 into the midnight sun
        // A date's day is the daylight whose middle falls on it, whichever
        // dates its rising and setting fall on.
        {&boden, "12", "12", "0", 151.031387, 144.517809, "12:02 AM", "Wednesday", "29:55:0"},
        {&boden, "13", "12", "0", 127.564460, 119.819188, "11:57 PM", "Thursday", "30:7:30"},  // rose at 23:57 on the 12th
        {&boden, "12", "23", "58", 127.564460, 119.819188, "12:02 AM", "Thursday", "0:2:30"},  // that day
        // Nadym counted 3 hours east: every June day rises before its date.
        {&nadym, "3", "23", "28", 126.274951, 119.188678, "11:28 PM", "Thursday", "0:7:30", "24  /  Vaisakha  /  Vibhava"},
        {&lulea, "19", "12", "0", 84.943218, 73.324328, "12:00 AM", "Saturday", "30:0:0"},
        {&lulea, "20", "12", "0", 224.871835, 223.416848, "12:00 AM", "Sunday", "30:0:0", "6  /  Jyeshtha  /  Shukla"},  // rose 23:59:46 on the 19th
        // The night of Thursday 22 Jul, from its setting at 00:26 on the 23rd
        // to the rising at 01:23; Tornio's night of the 26th, 00:26 to 00:27.
        {&murmansk, "23", "0", "30", 91.960031, 91.913185},
        {&murmansk, "23", "1", "22", 91.960031, 91.913185},
        {&murmansk, "23", "1", "23", 91.960031, 91.913185},
        {&tornio, "27", "0", "26", 52.093871, 52.093871},
    };
    state().gDbConnection = std::make_shared<Database>(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db");
    for (const Case& c : cases) {
        Birth b = *c.place;
        b.day = c.day;
        b.hour = c.hour;
        b.minute = c.minute;
        setBirth(b);
        FnCalcBodyPositions(30);
        const std::string at = b.day + " " + b.month + " " + b.hour + ":" + b.minute;
        const BodyPositions& p = state().positions;
        EXPECT_EQ(p.gGulikaMaandiKnown, c.gulika != 0) << at;
        EXPECT_NEAR(p.gGulikaLongitude, c.gulika, 1e-6) << at;
        EXPECT_NEAR(p.gMaandiLongitude, c.maandi, 1e-6) << at;
        if (!c.sunrise) continue;
        FnFillPanchangaText();
        const UserDetailsContents& u = resultWindows().frm_UserDetails;
        EXPECT_EQ(u.txtSunRise.caption(), c.sunrise) << at;
        EXPECT_EQ(u.txtVedic.caption(), c.vedic) << at;
        EXPECT_EQ(u.txtIshtaGhati.caption(), c.ishta) << at;
        if (c.solar) {
            EXPECT_EQ(u.txtSolarDate.caption(), c.solar) << at;
        }
    }
    EXPECT_TRUE(boxes.shown().empty());
    setBirth(tornio);
    EXPECT_NEAR(ascendantAt(DateTime::of(2049, 6, 14, 0, 19, 0)), 253.461418, 1e-6);
    EXPECT_NEAR(ascendantAt(DateTime::of(2049, 6, 14, 0, 18, 0)), 253.012081, 1e-6);
}

TEST_F(BodyPositionsTest, UnreadableBirthTextIsReportedAndChangesNothing) {
    FnCalcBodyPositions(30);
    const double lagna = state().positions.gLagnaLongitude;
    state().birth.gBirthMonth = "Jux";
    FnCalcBodyPositions(30);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Type mismatch13");
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_EQ(state().positions.gLagnaLongitude, lagna);
    state().birth.gBirthMonth = "Jul";
    state().birth.gBirthDay = "31";
    state().birth.gBirthMonth = "Jun";  // 31 June
    FnCalcBodyPositions(30);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

}  // namespace
}  // namespace jd
