// The navigator: each node brings its window to the front and records it,
// so the same window is in front again after a recast.
#include <gtest/gtest.h>

#include <vector>

#include "horoscope/chart_run.h"
#include "shell_fixture.h"

namespace jd {
namespace {

using testing_support::ShellTest;

struct NodeCase {
    const char* text;
    const char* activeName;
    const char* window;
};

const NodeCase kNodes[] = {
    {"Birth Details", "Details", "frm_UserDetails"},
    {"Rasi", "Rasi", "frm_rasi"},
    {"Navamsa", "Navamsa", "frm_Navamsa"},
    {"Bhava", "Bhava", "frm_BhavaChart"},
    {"Bhava Features", "Bhava Features", "frm_CBhava"},
    {"Planet Positions", "Planet Positions", "Frm_PP"},
    {"Vargas", "Vargas", "Frm_Vargas"},
    {"Ashta Vargas", "AVargas", "Frm_AVargas"},
    {"Dasa", "Dasa", "Frm_Dasa"},
    {"Print", "Print", "Frm_Print"},
};

class Navigator : public ShellTest {
protected:
    frm_MainHoroscope& navigator() { return windows.get<frm_MainHoroscope>(); }
    int nodeWithText(const std::string& text) {
        Tree& t = navigator().tV;
        for (int i = 1; i <= t.nodeCount(); ++i)
            if (t.node(i).text == text) return i;
        return 0;
    }
};

TEST_F(Navigator, EachNodeRecordsItsWindowAndBringsItToTheFront) {
    start();
    for (const NodeCase& c : kNodes) {
        SCOPED_TRACE(c.text);
        const int index = nodeWithText(c.text);
        ASSERT_GT(index, 0);
        navigator().tV.clickNode(index);
        EXPECT_EQ(state().gActiveWindowName, c.activeName);
        EXPECT_EQ(frontName(), c.window);
        // Only the chosen node is marked.
        const Tree& t = navigator().tV;
        for (int i = 1; i <= t.nodeCount(); ++i) {
            EXPECT_EQ(t.node(i).bold, i == index);
            EXPECT_EQ(t.node(i).foreColor, i == index ? 0xE17312u : 0u);
        }
    }
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(Navigator, TheChosenWindowIsInFrontAgainAfterARecast) {
    start();
    for (const char* text : {"Ashta Vargas", "Print", "Bhava Features", "Birth Details"}) {
        SCOPED_TRACE(text);
        navigator().tV.clickNode(nodeWithText(text));
        const std::string chosen = frontName();
        ASSERT_TRUE(FnCastHoroscope());
        EXPECT_EQ(frontName(), chosen);
        EXPECT_EQ(navigator().tV.node(nodeWithText(text)).bold, true) << "the mark survives the recast";
    }
}

TEST_F(Navigator, ActivatingItBringsTheLastChosenWindowBackOverIt) {
    start();
    // Right after start-up nothing is chosen: the birth details come forward.
    windows.get("frm_Navamsa").bringToFront();
    navigator().bringToFront();
    EXPECT_EQ(frontName(), "frm_UserDetails");

    navigator().tV.clickNode(nodeWithText("Dasa"));
    windows.get("frm_rasi").bringToFront();
    navigator().bringToFront();
    EXPECT_EQ(frontName(), "Frm_Dasa");

    // A name that is none of the navigator's (the case differs) brings none.
    state().gActiveWindowName = "rasi";
    navigator().tV.dblClick();
    EXPECT_EQ(frontName(), "Frm_Dasa");
}

// What the frame follows: the chosen window lies over the navigator, which
// the user can neither move nor close, and whose tree keeps the keys from the
// windows brought forward or shown, but not from those a cast shows.
TEST_F(Navigator, TellsTheFrameItsPlaceAndWhoTakesTheKeys) {
    start();
    const frm_MainHoroscope& nav = navigator();
    EXPECT_EQ(nav.liesUnder(), "frm_UserDetails");
    navigator().tV.clickNode(nodeWithText("Print"));
    EXPECT_EQ(nav.liesUnder(), "Frm_Print");
    EXPECT_FALSE(nav.mayBeMovedOrClosed());
    EXPECT_TRUE(nav.keepsKeys());
    EXPECT_TRUE(nav.keepsKeysFromShownWindow());
    std::vector<bool> keptDuringCast;
    windows.subscribe([&](const WindowEvent& e, Window&) {
        if (e.kind == WindowEventKind::Show) keptDuringCast.push_back(nav.keepsKeysFromShownWindow());
    });
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_EQ(keptDuringCast, std::vector<bool>(kResultWindowNames.size(), false));
    // A result window sets no rule of its own.
    const Window& rasi = windows.get("frm_rasi");
    EXPECT_EQ(rasi.liesUnder(), "");
    EXPECT_TRUE(rasi.mayBeMovedOrClosed());
    EXPECT_FALSE(rasi.keepsKeys());
}

TEST_F(Navigator, ClickingPrintCreatesThePrintWindow) {
    start();
    ASSERT_FALSE(windows.isLoaded("Frm_Print"));
    navigator().tV.clickNode(nodeWithText("Print"));
    EXPECT_TRUE(windows.isLoaded("Frm_Print"));
    EXPECT_EQ(frontName(), "Frm_Print");
}

struct ScreenCase {
    int screenHeight;
    double height, width, treeHeight;
};

class NavigatorOnScreen : public ShellTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(NavigatorOnScreen, TakesItsHeightFromTheScreen) {
    const ScreenCase& c = GetParam();
    fakes.screen.set(15360, c.screenHeight);
    frm_MainHoroscope& nav = windows.get<frm_MainHoroscope>();
    EXPECT_EQ(nav.height(), c.height);
    EXPECT_EQ(nav.width(), c.width);
    EXPECT_EQ(nav.tV.height(), c.treeHeight);
    EXPECT_EQ(nav.left(), 0);
    EXPECT_EQ(nav.top(), 0);
}

// The designed size is 15300 x 8400 with a tree 8400 high.
INSTANTIATE_TEST_SUITE_P(Heights, NavigatorOnScreen,
                         ::testing::Values(ScreenCase{12960, 11900, 15300, 11900},
                                           ScreenCase{11520, 10455, 15300, 10445},
                                           ScreenCase{11500, 10455, 15300, 10445},
                                           ScreenCase{16200, 10455, 15300, 10445},
                                           ScreenCase{11499, 8400, 15300, 8400},
                                           ScreenCase{9000, 8400, 15300, 8400}),
                         [](const auto& info) { return "screen_" + std::to_string(info.param.screenHeight); });

}  // namespace
}  // namespace jd
