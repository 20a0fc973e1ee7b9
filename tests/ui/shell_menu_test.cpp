// The menu bar: its captions, the windows it opens (each once), help, the
// about box, Exit, and commands chosen while a chart is being cast.
#include <gtest/gtest.h>

#include "horoscope/chart_run.h"
#include "shell_fixture.h"

namespace jd {
namespace {

using testing_support::ShellTest;

// Windows other parts of the program provide, as plain child windows.
template <const char* Name>
class Placeholder : public Window {
public:
    static constexpr const char* kWindowName = Name;
    Placeholder() : Window(Name, Name) {}
};
constexpr char kCountry[] = "frm_Add_Country";
constexpr char kCity[] = "frm_New_LatLon";
constexpr char kZone[] = "frm_AddTimeZone";
constexpr char kDetails[] = "frm_Details";
constexpr char kPrefs[] = "frm_Preferences";
constexpr char kToTime[] = "frm_IshtaghatikaToBirthTime";
constexpr char kToGhatika[] = "frm_BirthTimetoIshtaGhatika";
constexpr char kList[] = "Frm_RetriveBirthData";

// A window whose unloading fails.
class StubbornWindow : public Window {
public:
    static constexpr const char* kWindowName = "frm_Details";
    StubbornWindow() : Window(kWindowName, "Edit Personal Info") {}

protected:
    void onUnload() override { throw RunTimeError(3001, "The personal details cannot be closed"); }
};

class Menus : public ShellTest {
protected:
    void defineAllWindows() {
        windows.define<Placeholder<kCountry>>();
        windows.define<Placeholder<kCity>>();
        windows.define<Placeholder<kZone>>();
        windows.define<Placeholder<kDetails>>();
        windows.define<Placeholder<kPrefs>>();
        windows.define<Placeholder<kToTime>>();
        windows.define<Placeholder<kToGhatika>>();
        windows.define<Placeholder<kList>>();
    }
    int loads(const std::string& name) const {
        int n = 0;
        for (const WindowEvent& e : windows.events())
            if (e.kind == WindowEventKind::Load && e.window == name) ++n;
        return n;
    }
};

TEST_F(Menus, CommandsOfWindowsTheProgramLacksStayDisabled) {
    windows.define<Placeholder<kCountry>>();
    MDIQuill& main = start();
    EXPECT_TRUE(main.mDI_Country.enabled());
    for (const MenuCommand* c : {&main.MDI_LAt_Lon, &main.MDI_ADD_TimeZone, &main.mnudetails, &main.mnuPreferences,
                                 &main.Mnu_IshtaGhatika, &main.mnu_BirthTime})
        EXPECT_FALSE(c->enabled()) << c->name();
    EXPECT_TRUE(main.mnuAboutus.enabled());
    EXPECT_TRUE(main.mnuHelp.enabled());

    // A disabled command does nothing when chosen.
    main.mnuPreferences.click();
    EXPECT_FALSE(windows.isLoaded(kPrefs));
}

TEST_F(Menus, ACommandChosenTwiceLeavesOneWindowInFront) {
    defineAllWindows();
    MDIQuill& main = start();
    windows.setRecording(true);
    const std::pair<MenuCommand*, const char*> commands[] = {
        {&main.mDI_Country, kCountry},       {&main.MDI_LAt_Lon, kCity},       {&main.MDI_ADD_TimeZone, kZone},
        {&main.mnudetails, kDetails},        {&main.mnuPreferences, kPrefs},   {&main.Mnu_IshtaGhatika, kToGhatika},
        {&main.mnu_BirthTime, kToTime},
    };
    for (auto [cmd, window] : commands) {
        SCOPED_TRACE(window);
        cmd->click();
        windows.get("frm_rasi").bringToFront();
        cmd->click();
        EXPECT_EQ(loads(window), 1);
        EXPECT_EQ(frontName(), window);
    }
}

TEST_F(Menus, BirthDetailsOpenAsAWindowOfTheirOwnOwnedByTheFrame) {
    MDIQuill& main = start();
    main.mnuBirthDetails.click();
    Window* entry = windows.find("frm_OpenChart");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->kind(), WindowKind::TopLevel);
    EXPECT_TRUE(entry->visible());
    EXPECT_EQ(entry->owner(), &main);
    main.mnuBirthDetails.click();
    EXPECT_EQ(windows.find("frm_OpenChart"), entry);
}

TEST_F(Menus, HelpOpensTheHelpDocumentAtTopic1000) {
    MDIQuill& main = start();
    main.mnuHelp.click();
    ASSERT_EQ(fakes.help.requests().size(), 1u);
    EXPECT_EQ(fakes.help.requests()[0].helpFile, (folder_ / "HollinHelp.html").string());
    EXPECT_EQ(fakes.help.requests()[0].topic, 1000);
}

TEST_F(Menus, TheAboutBoxGoesWithItsOkOrWhenAnotherWindowComesForward) {
    MDIQuill& main = start();
    main.mnuAboutus.click();
    auto* about = static_cast<frm_AboutUs*>(windows.find("frm_AboutUs"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->caption(), "About us");
    EXPECT_EQ(about->left(), 3000);
    EXPECT_EQ(about->top(), 1000);
    EXPECT_EQ(about->lblProduct.caption(), "Jataka Desk");
    about->Command1.click();
    EXPECT_FALSE(windows.isLoaded("frm_AboutUs"));

    main.mnuAboutus.click();
    windows.get("Frm_Vargas").bringToFront();
    EXPECT_FALSE(windows.isLoaded("frm_AboutUs"));
    EXPECT_EQ(frontName(), "Frm_Vargas");
}

TEST_F(Menus, ExitUnloadsTheEighteenWindowsInOrderThenTheFrame) {
    defineAllWindows();
    MDIQuill& main = start();
    const char* others[] = {kCountry, kCity, kZone, kDetails, kToTime, kPrefs, kList, kToGhatika, "Frm_Print",
                            "frm_AboutUs"};
    for (const char* name : others) windows.get(name);
    main.mnuBirthDetails.click();
    windows.setRecording(true);

    main.mnuExit.click();

    std::vector<std::string> unloads;
    for (const WindowEvent& e : windows.events())
        if (e.kind == WindowEventKind::Unload) unloads.push_back(e.window);
    const std::vector<std::string> expected{
        "frm_UserDetails", "frm_rasi",       "frm_BhavaChart",      "frm_Navamsa",
        "frm_CBhava",      "Frm_PP",         "Frm_Vargas",          "Frm_AVargas",
        "Frm_Dasa",        "Frm_Print",      kCountry,              kCity,
        kZone,             kDetails,         kToTime,               "frm_MainHoroscope",
        kPrefs,            kList,
        // Then the frame, whose remaining child windows go first, from the
        // front back.
        "frm_AboutUs",     kToGhatika,       "MDIQuill",
    };
    EXPECT_EQ(unloads, expected);
    EXPECT_TRUE(windows.quitRequested());
    // The birth-details entry is a window of its own: it ends with the program.
    EXPECT_TRUE(windows.isLoaded("frm_OpenChart"));
}

TEST_F(Menus, ExitStopsAtAWindowThatFailsToUnload) {
    windows.define<StubbornWindow>();
    MDIQuill& main = start();
    windows.get<StubbornWindow>();
    windows.get<frm_MainHoroscope>();

    main.mnuExit.click();

    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "The personal details cannot be closed");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_FALSE(windows.isLoaded("frm_UserDetails")) << "unloaded before the failure";
    EXPECT_TRUE(windows.isLoaded(frm_MainHoroscope::kWindowName)) << "after the failure: stays";
    EXPECT_TRUE(main.loaded());
    EXPECT_FALSE(windows.quitRequested());
}

TEST_F(Menus, ClosingTheFrameEndsTheProgram) {
    MDIQuill& main = start();
    EXPECT_TRUE(main.closeFrame());
    EXPECT_TRUE(windows.quitRequested());
    EXPECT_FALSE(windows.isLoaded("frm_MainHoroscope"));
    EXPECT_FALSE(windows.isLoaded("frm_UserDetails"));
}

TEST_F(Menus, NothingChosenWhileAChartIsCastRunsInsideTheCast) {
    defineAllWindows();
    MDIQuill& main = start();
    int repaints = 0;
    bool closed = true;
    main.onRepaintWaitPanel = [&] {
        if (++repaints != 2) return;
        ASSERT_TRUE(FnChartRunInProgress());
        main.mDI_Country.click();
        main.mnuBirthDetails.click();
        main.mnuAboutus.click();
        main.mnuExit.click();
        closed = main.closeFrame();
    };

    ASSERT_TRUE(FnCastHoroscope());

    EXPECT_GE(repaints, 2);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(main.loaded());
    EXPECT_FALSE(windows.quitRequested());
    EXPECT_FALSE(windows.isLoaded(kCountry));
    EXPECT_FALSE(windows.find("frm_OpenChart") && windows.find("frm_OpenChart")->visible());
    EXPECT_FALSE(windows.isLoaded("frm_AboutUs"));
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "Sample Chart");
    EXPECT_TRUE(fakes.messageBox.shown().empty());

    // Once the cast is over the commands run again.
    main.mDI_Country.click();
    EXPECT_TRUE(windows.isLoaded(kCountry));
}

}  // namespace
}  // namespace jd
