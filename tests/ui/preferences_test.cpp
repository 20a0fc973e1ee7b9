// The preferences window: what opening shows of the stored row, the checks of
// a custom ayanamsa, what Save stores and Apply does not, the recast with the
// new settings, and the failures that must change nothing.
#include "ui/shell/frm_preferences.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "horoscope/chart_run.h"
#include "shell_fixture.h"

namespace jd {
namespace {

using testing_support::ShellTest;

struct StoredRow {
    std::string ayanamsa, bhava, chartStyle, language;
    double days = 0, zeroYear = 0, progression = 0;
    bool operator==(const StoredRow&) const = default;
};

class PreferencesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        windows.define<frm_Preferences>();
    }

    // Starts the program and opens the window from the menu.
    frm_Preferences& open() {
        if (!windows.isLoaded<MDIQuill>()) start();
        MDIQuill& main = windows.get<MDIQuill>();
        EXPECT_TRUE(main.mnuPreferences.enabled());
        main.mnuPreferences.click();
        auto* w = dynamic_cast<frm_Preferences*>(windows.find(frm_Preferences::kWindowName));
        EXPECT_NE(w, nullptr);
        return *w;
    }
    bool isOpen() const { return windows.isLoaded<frm_Preferences>(); }

    static void choose(ComboBox& c, const std::string& text) {
        for (int i = 0; i < c.listCount(); ++i)
            if (c.list(i) == text) return c.choose(i);
        ADD_FAILURE() << text << " is not in " << c.name();
    }

    StoredRow storedRow() {
        Statement st = state().gDbConnection->query("SELECT * FROM Preference WHERE PreID = '1'");
        EXPECT_TRUE(st.step());
        return {st.asText("Ayanamsa"), st.asText("Bhava"), st.asText("ChartStyle"), st.asText("PreferLanguage"),
                st.asDouble("DayInYear"), st.asDouble("CustomYear"), st.asDouble("CustomProgress")};
    }

    static StoredRow inForce() {
        const Preferences& p = state().prefs;
        return {p.gAyanamsaName, p.gBhavaSystem, p.gChartStyle, p.gLanguage,
                p.gDaysPerYear, p.gCustomZeroYear, p.gCustomProgress};
    }

    // The casts so far, counted by the birth-details result window's loads.
    int casts() const {
        int n = 0;
        for (const WindowEvent& e : windows.events())
            if (e.kind == WindowEventKind::Load && e.window == "frm_UserDetails") ++n;
        return n;
    }

    static constexpr const char* kCustomRow =
        "UPDATE Preference SET Ayanamsa = 'Custom', Bhava = 'Not Equal', DayInYear = 360, ChartStyle = 'North', "
        "PreferLanguage = 'Sanskrit', CustomYear = 397, CustomProgress = 50.2;";
};

TEST_F(PreferencesTest, OpeningShowsTheStoredRow) {
    sql(kCustomRow);
    frm_Preferences& w = open();

    EXPECT_EQ(w.left(), 0);
    EXPECT_EQ(w.top(), 0);
    EXPECT_EQ(w.cbAyanamsa.text(), "Custom Ayanamsa");
    EXPECT_TRUE(w.FRAMECUSTOM.visible());
    EXPECT_EQ(w.txtZero.text(), "397");
    EXPECT_EQ(w.txtPogression.text(), "50.2");
    EXPECT_EQ(w.Cbdays.text(), "360");
    EXPECT_EQ(w.cbChart.text(), "North Indian");
    EXPECT_EQ(w.cbLanguage.text(), "Sanskrit");
    // "Not Equal" shows as a text the list does not offer.
    EXPECT_EQ(w.cbBhava.text(), "Placidius");
    ASSERT_EQ(w.cbBhava.listCount(), 1);
    EXPECT_EQ(w.cbBhava.list(0), "Equal House");
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(PreferencesTest, SaveStoresTheChoicesAndRecastsTheChartWithThem) {
    frm_Preferences& w = open();
    EXPECT_FALSE(w.FRAMECUSTOM.visible());
    EXPECT_EQ(w.cbAyanamsa.text(), "Chitrapaksha Ayanamsa (Lahiri)");
    EXPECT_EQ(w.txtZero.text(), "");
    const double lahiriSun = state().positions.gSunLongitude;
    windows.setRecording(true);

    choose(w.cbAyanamsa, "Custom Ayanamsa");
    EXPECT_TRUE(w.FRAMECUSTOM.visible());
    w.txtZero.setText("1000");
    w.txtPogression.setText("100");
    choose(w.cbChart, "East Indian");
    choose(w.Cbdays, "360");
    choose(w.cbLanguage, "Sanskrit");
    w.cmdSave.click();

    EXPECT_TRUE(fakes.messageBox.shown().empty()) << fakes.messageBox.last().text;
    const StoredRow expected{"Custom", "Equal", "East", "Sanskrit", 360, 1000, 100};
    EXPECT_EQ(storedRow(), expected);
    EXPECT_EQ(inForce(), expected);
    const ChartAyanamsa& a = state().chartAyanamsa;
    EXPECT_EQ(a.gAyanamsaChoice, "Custom");
    EXPECT_EQ(a.gChartCustomZeroYear, 1000);
    EXPECT_EQ(a.gChartCustomProgress, 100);

    // The chart was cast once more, wholly with the new ayanamsa: (1965 -
    // 1000) years at 100" a year, about 26.8 degrees, where Lahiri gives 23.4.
    EXPECT_EQ(casts(), 1);
    EXPECT_NEAR(std::fabs(state().positions.gAyanamsaValue), 26.8, 0.05);
    EXPECT_NEAR(lahiriSun - state().positions.gSunLongitude, 26.8 - 23.4, 0.05);
    EXPECT_TRUE(resultWindows().frm_rasi.Frame_EastBride.visible());
    EXPECT_EQ(state().names.gSignName[1], "Mesha");
    EXPECT_FALSE(isOpen());
}

TEST_F(PreferencesTest, ApplyLastsUntilTheEndButStoresNothing) {
    sql(kCustomRow);
    frm_Preferences& w = open();
    const StoredRow stored = storedRow();
    windows.setRecording(true);

    choose(w.cbAyanamsa, "Krishnamoorthy Ayanamsa");
    choose(w.cbChart, "South Indian");
    w.Command1.click();

    EXPECT_TRUE(fakes.messageBox.shown().empty());
    EXPECT_EQ(storedRow(), stored);
    // Another ayanamsa than Custom puts 0 in the custom values; "Not Equal"
    // is carried over although the list does not offer it.
    EXPECT_EQ(inForce(), (StoredRow{"KP", "Not Equal", "South", "Sanskrit", 360, 0, 0}));
    EXPECT_EQ(state().chartAyanamsa.gAyanamsaChoice, "KP");
    EXPECT_EQ(casts(), 1);
    EXPECT_TRUE(resultWindows().frm_rasi.Frame_SouthBride.visible());
    EXPECT_FALSE(isOpen());

    // Opening again shows the stored choices, not the applied ones.
    frm_Preferences& again = open();
    EXPECT_EQ(again.cbAyanamsa.text(), "Custom Ayanamsa");
    EXPECT_EQ(again.cbChart.text(), "North Indian");
    EXPECT_EQ(again.txtZero.text(), "397");
}

TEST_F(PreferencesTest, SavingAnotherAyanamsaOverwritesTheCustomValuesAndKeepsUnlistedOnes) {
    sql(kCustomRow);
    sql("UPDATE Preference SET DayInYear = 365;");
    frm_Preferences& w = open();
    EXPECT_EQ(w.Cbdays.text(), "");

    choose(w.cbAyanamsa, "Raman Ayanamsa");
    EXPECT_FALSE(w.FRAMECUSTOM.visible());
    w.cmdSave.click();

    EXPECT_EQ(storedRow(), (StoredRow{"Raman", "Not Equal", "North", "Sanskrit", 365, 0, 0}));
    EXPECT_EQ(inForce(), storedRow());
    EXPECT_FALSE(isOpen());

    // Once "Equal House" is chosen, "Not Equal" cannot be had again.
    frm_Preferences& again = open();
    choose(again.cbBhava, "Equal House");
    EXPECT_EQ(again.working().bhava, "Equal");
    again.cmdSave.click();
    EXPECT_EQ(storedRow().bhava, "Equal");
}

struct CustomCase {
    const char* zero;
    const char* progression;
    const char* message;  // "" when the press goes through
    bool apply = false;   // Apply rather than Save
};

class CustomValues : public PreferencesTest, public ::testing::WithParamInterface<CustomCase> {};

TEST_P(CustomValues, AreCheckedInOrderBeforeAnythingChanges) {
    const CustomCase& c = GetParam();
    frm_Preferences& w = open();
    const StoredRow stored = storedRow();
    windows.setRecording(true);
    choose(w.cbAyanamsa, "Custom Ayanamsa");
    w.txtZero.setText(c.zero);
    w.txtPogression.setText(c.progression);
    // Apply runs the same checks; only Save stores.
    (c.apply ? w.Command1 : w.cmdSave).click();

    if (*c.message == '\0') {
        EXPECT_TRUE(fakes.messageBox.shown().empty());
        EXPECT_EQ(state().chartAyanamsa.gChartCustomZeroYear, std::stod(c.zero));
        EXPECT_EQ(state().chartAyanamsa.gChartCustomProgress, std::stod(c.progression));
        EXPECT_EQ(storedRow().zeroYear, c.apply ? 0 : std::stod(c.zero));
        EXPECT_FALSE(isOpen());
        return;
    }
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last(),
              (ShownBox{c.message, MsgIcon::None, MsgButtons::OK, "Preferences", "Preferences"}));
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(storedRow(), stored);
    EXPECT_EQ(inForce(), stored);
    EXPECT_EQ(state().chartAyanamsa.gAyanamsaChoice, "Lahiri");
    EXPECT_EQ(casts(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Save, CustomValues,
    ::testing::Values(CustomCase{"", "", "Enter Zero Year"}, CustomCase{"", "1", "Enter Zero Year", true},
                      CustomCase{"285", "", "Enter Progression"},
                      CustomCase{" ", "50", "Enter Year in Number"},
                      CustomCase{"285", "fifty", "Enter Progression in Number "},
                      CustomCase{"2004", "50", "Enter Zero Year Less than current Year "},
                      CustomCase{"-1", "50", "Enter Positive Zero Year "},
                      CustomCase{"285", "-0.5", "Enter Positive Progression "},
                      CustomCase{"285", "1000.01", "Enter Progression less than 1000"},
                      CustomCase{"2003", "1000", ""}, CustomCase{"0", "0", ""},
                      CustomCase{"285.5", "+50.27", "", true}),
    [](const auto& info) {
        // The two texts in letters and digits: "zero_285point5_progression_plus50point27_Apply".
        const auto spelt = [](std::string text) {
            if (text.empty()) return std::string("empty");
            std::string out;
            for (char ch : text) {
                if (std::isalnum(static_cast<unsigned char>(ch))) out += ch;
                else if (ch == ' ') out += "blank";
                else if (ch == '-') out += "minus";
                else if (ch == '+') out += "plus";
                else if (ch == '.') out += "point";
            }
            return out;
        };
        const CustomCase& c = info.param;
        return "zero_" + spelt(c.zero) + "_progression_" + spelt(c.progression) + (c.apply ? "_Apply" : "");
    });

TEST_F(PreferencesTest, TypedKeysOnlyChooseListItems) {
    frm_Preferences& w = open();
    w.setFocus(w.cbChart);
    w.cbChart.pressKey('n');
    EXPECT_EQ(w.cbChart.text(), "North Indian");
    EXPECT_EQ(w.working().chartStyle, "North");
    w.cbChart.setSelStart(0);
    w.cbChart.pressKey('x');
    EXPECT_EQ(w.cbChart.text(), "North Indian");
    // The first item that begins with what was typed: "C" is Chitrapaksha,
    // "Cu" Custom.
    w.setFocus(w.cbAyanamsa);
    w.cbAyanamsa.setSelStart(0);
    w.cbAyanamsa.pressKey('c');
    EXPECT_EQ(w.working().ayanamsa, "Lahiri");
    w.cbAyanamsa.pressKey('u');
    EXPECT_EQ(w.cbAyanamsa.text(), "Custom Ayanamsa");
    EXPECT_EQ(w.working().ayanamsa, "Custom");
    EXPECT_TRUE(w.FRAMECUSTOM.visible());
}

TEST_F(PreferencesTest, SaveWithoutTheRowIsAFailureThatChangesNothing) {
    frm_Preferences& w = open();
    state().gDbConnection->execute("UPDATE Preference SET PreID = '2'");
    windows.setRecording(true);
    choose(w.cbLanguage, "Sanskrit");
    w.cmdSave.click();

    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messageBox.last().title, std::nullopt);
    EXPECT_EQ(state().prefs.gLanguage, "English");
    EXPECT_EQ(casts(), 0);
    EXPECT_TRUE(isOpen());
}

TEST_F(PreferencesTest, OpeningAnEmptyTableReportsItAndKeepsTheListsFilled) {
    start();
    state().gDbConnection->execute("DELETE FROM Preference");
    frm_Preferences& w = open();
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(w.cbLanguage.listCount(), 2);
    EXPECT_EQ(w.cbAyanamsa.text(), "");
}

// A start-up that could not read the saved chart leaves the birth details
// empty: Save and Apply still store and apply the choices, and the recast
// that cannot be made shows one box and touches no window.
TEST_F(PreferencesTest, WithAChartStartUpCouldNotReadSaveAndApplyShowOneBox) {
    saveHoro("Day", "45");
    frm_Preferences& w = open();
    ASSERT_EQ(fakes.messageBox.texts(), std::vector<std::string>{"Type mismatch"});
    MDIQuill& main = windows.get<MDIQuill>();
    int paints = 0;
    main.onRepaintWaitPanel = [&paints] { ++paints; };
    windows.setRecording(true);

    choose(w.cbChart, "North Indian");
    w.cmdSave.click();
    EXPECT_EQ(storedRow().chartStyle, "North");
    EXPECT_EQ(state().prefs.gChartStyle, "North");
    EXPECT_FALSE(isOpen());

    frm_Preferences& again = open();
    choose(again.cbLanguage, "Sanskrit");
    again.Command1.click();
    EXPECT_EQ(state().prefs.gLanguage, "Sanskrit");
    EXPECT_EQ(storedRow().language, "English");
    EXPECT_FALSE(isOpen());

    EXPECT_EQ(fakes.messageBox.texts(), (std::vector<std::string>{"Type mismatch", "Type mismatch", "Type mismatch"}));
    EXPECT_EQ(fakes.messageBox.last(),
              (ShownBox{"Type mismatch", MsgIcon::Critical, MsgButtons::OK, std::nullopt, kProgramName}));
    // The key goes back to the window the user came from; no other window
    // is loaded, shown, hidden or unloaded.
    for (const WindowEvent& e : windows.events()) {
        if (e.kind == WindowEventKind::Activate || e.kind == WindowEventKind::Deactivate) continue;
        EXPECT_EQ(e.window, frm_Preferences::kWindowName) << toString(e);
    }
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(state().gBirthDateTime, DateTime());
    EXPECT_FALSE(FnChartRunInProgress());
}

TEST_F(PreferencesTest, APressDuringACastChangesNothing) {
    frm_Preferences& w = open();
    choose(w.cbChart, "North Indian");
    choose(w.cbLanguage, "Sanskrit");
    // The buttons are pressed while the next cast paints its wait panel.
    MDIQuill& main = windows.get<MDIQuill>();
    bool pressed = false;
    main.onRepaintWaitPanel = [&] {
        if (pressed) return;
        pressed = true;
        w.cmdSave.click();
        w.Command1.click();
    };
    FnCastHoroscope();
    main.onRepaintWaitPanel = nullptr;

    ASSERT_TRUE(pressed);
    EXPECT_EQ(storedRow().chartStyle, "South");
    EXPECT_EQ(state().prefs.gChartStyle, "South");
    EXPECT_EQ(state().prefs.gLanguage, "English");
    EXPECT_TRUE(isOpen());
}

}  // namespace
}  // namespace jd
