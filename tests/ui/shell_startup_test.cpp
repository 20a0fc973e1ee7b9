// Start-up of the program: the database, the preferences, the chart saved
// last (or the sample chart) cast into the result windows, the navigator.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "horoscope/chart_run.h"
#include "shell_fixture.h"

namespace jd {
namespace {

using testing_support::ShellTest;

class StartUp : public ShellTest {};

TEST_F(StartUp, WithoutSavedChartCastsTheSampleChartAndShowsTheNavigator) {
    MDIQuill& main = start();

    EXPECT_TRUE(fakes.messageBox.shown().empty()) << fakes.messageBox.texts().front();
    const BirthDetails& b = state().birth;
    EXPECT_EQ(b.gChartName, "Sample Chart");
    EXPECT_EQ(b.gCity, "Sample City");
    EXPECT_EQ(b.gCountry, "India");
    EXPECT_EQ(b.gGender, "Male");
    EXPECT_EQ(b.gBirthDay + " " + b.gBirthMonth + " " + b.gBirthYear + " " + b.gBirthHour + ":" + b.gBirthMinute,
              "14 Jul 1965 14:15");
    EXPECT_EQ(b.gLatDeg + b.gLatNS + b.gLatMin + " " + b.gLonDeg + b.gLonEW + b.gLonMin, "17N20 78E30");
    EXPECT_EQ(b.gZoneHours + b.gZoneEW, "5.5E");
    EXPECT_EQ(b.gZoneText, "");

    // The chart is in the windows, the navigator lies at the top left and
    // the birth details are in front.
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "Sample Chart");
    EXPECT_EQ(resultWindows().frm_UserDetails.txtCity.caption(), "Sample City");
    EXPECT_FALSE(resultWindows().Frm_PP.mshNirayana.text(1, 0).empty());
    Window* nav = windows.find(frm_MainHoroscope::kWindowName);
    ASSERT_NE(nav, nullptr);
    EXPECT_TRUE(nav->visible());
    EXPECT_EQ(nav->left(), 0);
    EXPECT_EQ(nav->top(), 0);
    EXPECT_EQ(frontName(), "frm_UserDetails");
    EXPECT_EQ(state().gActiveWindowName, "");
    EXPECT_FALSE(main.waitPanel().PicMask.visible());

    // The program's connections show its busy cursor while they wait for the
    // database file.
    ASSERT_TRUE(state().gDbConnection && state().gBhukthiConnection);
    EXPECT_EQ(state().gDbConnection->busyCursor(), &fakes.busyCursor);
    EXPECT_EQ(state().gBhukthiConnection->busyCursor(), &fakes.busyCursor);

    // Start-up enabled the menus whose windows the program has.
    EXPECT_TRUE(main.mnuBirthDetails.enabled());
    EXPECT_TRUE(main.mnuTools.enabled());
    EXPECT_TRUE(main.mnuBirthTime.enabled());
}

TEST_F(StartUp, CastsTheChartSavedLastExceptItsZoneText) {
    const std::pair<const char*, const char*> keys[] = {
        {"Name", "Ravi Kumar"}, {"Day", "3"},        {"Month", "Feb"},    {"Year", "1990"},
        {"Hour", "6"},          {"Min", "45"},       {"Sex", "Female"},   {"City", "Chennai"},
        {"Country", "India"},   {"LatNS", "n"},      {"LatMin", "05"},    {"LatDeg", "13"},
        {"LonEW", "e"},         {"LonMin", "16"},    {"LonDeg", "80"},    {"TimeDiff", "5.50"},
        {"TimeDiffEW", "e"},    {"TimeZone", "India  (5.5 hrs E)"},
    };
    for (const auto& [k, v] : keys) saveHoro(k, v);

    start();

    EXPECT_TRUE(fakes.messageBox.shown().empty());
    const BirthDetails& b = state().birth;
    EXPECT_EQ(b.gChartName, "Ravi Kumar");
    EXPECT_EQ(b.gGender, "Female");
    EXPECT_EQ(b.gCity, "Chennai");
    EXPECT_EQ(b.gBirthDay + " " + b.gBirthMonth + " " + b.gBirthYear + " " + b.gBirthHour + ":" + b.gBirthMinute,
              "3 Feb 1990 6:45");
    // Hemisphere letters read upper-cased, numbers read as numbers.
    EXPECT_EQ(b.gLatDeg + b.gLatNS + b.gLatMin + " " + b.gLonDeg + b.gLonEW + b.gLonMin, "13N5 80E16");
    EXPECT_EQ(b.gZoneHours + b.gZoneEW, "5.5E");
    EXPECT_EQ(b.gZoneText, "");
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "Ravi Kumar");
    EXPECT_EQ(resultWindows().frm_UserDetails.txtCity.caption(), "Chennai");
}

TEST_F(StartUp, PreferencesOfTheStoredRowAreInForceForTheFirstChart) {
    sql("UPDATE Preference SET Ayanamsa = 'Custom', Bhava = 'Not Equal', DayInYear = 360, ChartStyle = 'North', "
        "PreferLanguage = 'Sanskrit', CustomYear = 397, CustomProgress = 50.2;");
    MDIQuill& main = start();

    const Preferences& p = state().prefs;
    EXPECT_EQ(p.gAyanamsaName, "Custom");
    EXPECT_EQ(p.gBhavaSystem, "Not Equal");
    EXPECT_EQ(p.gDaysPerYear, 360);
    EXPECT_EQ(p.gChartStyle, "North");
    EXPECT_EQ(p.gLanguage, "Sanskrit");
    EXPECT_EQ(p.gCustomZeroYear, 397);
    EXPECT_EQ(p.gCustomProgress, 50.2);
    const ChartAyanamsa& a = state().chartAyanamsa;
    EXPECT_EQ(a.gAyanamsaChoice, "Custom");
    EXPECT_EQ(a.gChartCustomZeroYear, 397);
    EXPECT_EQ(a.gChartCustomProgress, 50.2);
    EXPECT_EQ(main.onLoadClass().clsChart_Type, "North");
    // The chart was drawn in the stored style.
    EXPECT_TRUE(resultWindows().frm_rasi.Frame_NorthBride.visible());
    EXPECT_FALSE(resultWindows().frm_rasi.Frame_SouthBride.visible());
}

// The name of a table's case: its description, every character other than
// a letter or a digit as an underscore.
const auto byWhat = [](const auto& info) {
    std::string n = info.param.what;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
};

// A start-up that cannot read its database shows one critical box and stops:
// the frame stays with its menus, nothing is computed, no window is shown.
struct BrokenDatabase {
    const char* what;
    const char* sql;  // nullptr: the file is missing
    const char* message;
};

void PrintTo(const BrokenDatabase& c, std::ostream* os) { *os << c.what; }

class StartUpWithBrokenDatabase : public ShellTest, public ::testing::WithParamInterface<BrokenDatabase> {};

TEST_P(StartUpWithBrokenDatabase, ShowsOneCriticalBoxAndComputesNothing) {
    const BrokenDatabase& c = GetParam();
    if (c.sql)
        sql(c.sql);
    else
        std::filesystem::remove(folder_ / "DBTessel.db");

    MDIQuill& main = start();

    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    const ShownBox& box = fakes.messageBox.last();
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.title, std::nullopt);
    EXPECT_NE(box.text.find(c.message), std::string::npos) << box.text;

    EXPECT_TRUE(main.loaded());
    EXPECT_FALSE(windows.quitRequested());
    EXPECT_EQ(windows.loadedWindows().size(), 1u) << "only the frame";
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "NAME");
    EXPECT_EQ(state().birth.gChartName, "");
    EXPECT_EQ(fakes.eventLoop.count(), 0);
    // The menus are there; those that need the database were never enabled.
    EXPECT_EQ(main.menuBar().size(), 5u);
    EXPECT_FALSE(main.mnuTools.enabled());
    EXPECT_FALSE(main.mnuBirthDetails.enabled());
    EXPECT_TRUE(main.mdiHelpmnu.enabled());
    EXPECT_TRUE(main.mnuExit.enabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpWithBrokenDatabase,
                         ::testing::Values(BrokenDatabase{"missing file", nullptr, "does not exist"},
                                           BrokenDatabase{"no preference row", "DELETE FROM Preference;", "No current row"},
                                           BrokenDatabase{"no preference table", "DROP TABLE Preference;", "Preference"}),
                         byWhat);

// The keys of the chart saved last as start-up reads them. A key that cannot
// be read (a number that is no number, a date or a time that does not exist,
// a hemisphere or zone letter other than its two) ends the reading with one
// critical box: nothing is cast, yet the navigator and the birth-details
// window come up with their designed texts. A section that reads well is cast
// at its moment.
struct HoroSection {
    const char* what;
    bool saved;  // false: no section at all
    std::vector<std::pair<const char*, const char*>> changes;  // over a good section
    std::optional<DateTime> cast;  // the moment cast; nothing: one box, no cast
};

// A case prints as its description, so the test's listed name stays short
// and the same from build to build.
void PrintTo(const HoroSection& c, std::ostream* os) { *os << c.what; }

class StartUpReadingTheSavedChart : public ShellTest, public ::testing::WithParamInterface<HoroSection> {};

TEST_P(StartUpReadingTheSavedChart, CastsAGoodSectionAndStopsWithOneBoxOnABadKey) {
    const HoroSection& c = GetParam();
    if (c.saved) {
        // As a save writes it, the letters typed in lower case.
        const std::pair<const char*, const char*> good[] = {
            {"Name", "Stored Chart"}, {"Day", "05"},      {"Month", "July"},   {"Year", "1984"},
            {"Hour", "21"},           {"Min", "07"},      {"Sex", "Female"},   {"City", "Buenos Aires"},
            {"Country", "Argentina"}, {"LatNS", "s"},     {"LatMin", "36"},    {"LatDeg", "34"},
            {"LonEW", "w"},           {"LonMin", "22"},   {"LonDeg", "58"},    {"TimeDiff", "3"},
            {"TimeDiffEW", "w"},      {"TimeZone", "Argentina  (3 hrs W)"},
        };
        for (const auto& [k, v] : good) saveHoro(k, v);
        for (const auto& [k, v] : c.changes) saveHoro(k, v);
    }
    const int saves = fakes.settings.saveCount();

    start();

    if (c.cast) {
        EXPECT_TRUE(fakes.messageBox.shown().empty()) << fakes.messageBox.texts().front();
        EXPECT_EQ(state().gBirthDateTime, *c.cast);
        EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), c.saved ? "Stored Chart" : "Sample Chart");
        EXPECT_NE(state().positions.gSunLongitude, 0);
        return;
    }
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u) << ::testing::PrintToString(fakes.messageBox.texts());
    EXPECT_EQ(fakes.messageBox.last().text, "Type mismatch");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messageBox.last().title, std::nullopt);
    EXPECT_EQ(state().birth.gChartName, "") << "the birth details stay as they were";
    EXPECT_EQ(state().gBirthDateTime, DateTime());
    EXPECT_EQ(state().positions.gSunLongitude, 0);
    EXPECT_EQ(fakes.settings.saveCount(), saves) << "the section is left as it is";
    EXPECT_TRUE(windows.isLoaded(frm_MainHoroscope::kWindowName));
    ASSERT_TRUE(windows.isLoaded("frm_UserDetails"));
    EXPECT_EQ(frontName(), "frm_UserDetails");
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "NAME");
    EXPECT_EQ(resultWindows().frm_UserDetails.lblGName.caption(), "Name");
    EXPECT_EQ(resultWindows().frm_rasi.Lab_GM_GirlHouse[0].caption(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Sections, StartUpReadingTheSavedChart,
    ::testing::Values(
        HoroSection{"good", true, {}, DateTime::of(1984, 7, 5, 21, 7, 0)},
        HoroSection{"missing", false, {}, DateTime::of(1965, 7, 14, 14, 15, 0)},
        HoroSection{"day 45 month Foo hour 99", true, {{"Day", "45"}, {"Month", "Foo"}, {"Hour", "99"}}, {}},
        HoroSection{"29 Feb 1900", true, {{"Day", "29"}, {"Month", "Feb"}, {"Year", "1900"}}, {}},
        HoroSection{"31 Apr", true, {{"Day", "31"}, {"Month", "Apr"}}, {}},
        HoroSection{"hour 24", true, {{"Hour", "24"}}, {}},
        HoroSection{"minute 60", true, {{"Min", "60"}}, {}},
        HoroSection{"year 1799", true, {{"Year", "1799"}}, {}},
        HoroSection{"month Foo", true, {{"Month", "Foo"}}, {}},
        HoroSection{"LatNS X", true, {{"LatNS", "X"}}, {}},
        HoroSection{"LonEW X", true, {{"LonEW", "X"}}, {}},
        HoroSection{"TimeDiffEW X", true, {{"TimeDiffEW", "X"}}, {}},
        HoroSection{"LatMin 12x", true, {{"LatMin", "12x"}}, {}},
        HoroSection{"LatDeg 12x", true, {{"LatDeg", "12x"}}, {}},
        HoroSection{"LonMin 12x", true, {{"LonMin", "12x"}}, {}},
        HoroSection{"LonDeg 12x", true, {{"LonDeg", "12x"}}, {}},
        HoroSection{"TimeDiff 12x", true, {{"TimeDiff", "12x"}}, {}},
        // Numbers as the city and zone masters store them: whole degrees of
        // three digits and minutes of two, unchecked against the globe; zone
        // hours below 116 (two digits of hours, three of minutes).
        HoroSection{"latitude 95 degrees 75 minutes", true, {{"LatDeg", "95"}, {"LatMin", "75"}},
                    DateTime::of(1984, 7, 5, 21, 7, 0)},
        HoroSection{"longitude 999 degrees 99 minutes zone 115.65", true,
                    {{"LonDeg", "999"}, {"LonMin", "99"}, {"TimeDiff", "115.65"}}, DateTime::of(1984, 7, 5, 21, 7, 0)},
        // Numbers no master stores, nor the program's own number text reads.
        HoroSection{"LatDeg 0.00001", true, {{"LatDeg", "0.00001"}}, {}},
        HoroSection{"LatMin 1E15", true, {{"LatMin", "1000000000000000"}}, {}},
        HoroSection{"LonDeg 99999999999", true, {{"LonDeg", "99999999999"}}, {}},
        HoroSection{"LonMin 592147483648", true, {{"LonMin", "592147483648"}}, {}},
        HoroSection{"LonDeg 1000", true, {{"LonDeg", "1000"}}, {}},
        HoroSection{"LatMin 100", true, {{"LatMin", "100"}}, {}},
        HoroSection{"TimeDiff 1E14", true, {{"TimeDiff", "100000000000000"}}, {}},
        HoroSection{"TimeDiff 0.00001", true, {{"TimeDiff", "0.00001"}}, {}},
        HoroSection{"TimeDiff 116", true, {{"TimeDiff", "116"}}, {}},
        HoroSection{"TimeDiff -1", true, {{"TimeDiff", "-1"}}, {}}),
    byWhat);

}  // namespace
}  // namespace jd
