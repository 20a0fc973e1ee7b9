#include "horoscope/chart_run.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "horoscope/chart_host.h"
#include "platform/database.h"
#include "platform/window.h"
#include "sample_birth.h"

namespace jd {
namespace {

using testing_support::ChartTest;

// Window doubles under the program's window names: a result window puts its
// contents back to the designed state when it unloads, as the real ones do.
template <std::size_t N>
struct WindowName {
    constexpr WindowName(const char (&s)[N]) { std::copy_n(s, N, text); }
    char text[N];
};

template <WindowName Name, WindowKind Kind = WindowKind::MdiChild>
class StandIn : public Window {
public:
    static constexpr const char* kWindowName = Name.text;
    StandIn() : Window(kWindowName, kWindowName, Kind) {}

protected:
    void onUnload() override { resultWindows().reset(kWindowName); }
};

// The main window with its wait panel; it records every repaint.
class MainWindow : public Window, public ChartHost {
public:
    static constexpr const char* kWindowName = "MDIQuill";
    MainWindow() : Window(kWindowName, "Jataka Desk", WindowKind::MdiFrame) {
        panel.PicOut.setWidth(1400);
        panel.Frame1.setHeight(1500);
    }
    WaitPanel& waitPanel() override { return panel; }
    void repaintWaitPanel() override {
        paints.push_back({panel.PicMask.visible(), panel.PicMask.height(), panel.PicIn.width()});
        if (onRepaint) onRepaint(paints.size());
    }

    struct Paint {
        bool shown;
        double height;
        double fill;
    };
    WaitPanel panel;
    std::vector<Paint> paints;
    std::function<void(std::size_t)> onRepaint;
};

void defineWindows(WindowRegistry& r) {
    r.define<StandIn<"frm_UserDetails">>();
    r.define<StandIn<"frm_rasi">>();
    r.define<StandIn<"frm_Navamsa">>();
    r.define<StandIn<"frm_BhavaChart">>();
    r.define<StandIn<"frm_CBhava">>();
    r.define<StandIn<"Frm_PP">>();
    r.define<StandIn<"Frm_Vargas">>();
    r.define<StandIn<"Frm_AVargas">>();
    r.define<StandIn<"Frm_Dasa">>();
    r.define<StandIn<"Frm_Print">>();
    r.define<StandIn<"frm_OpenChart", WindowKind::TopLevel>>();
    r.define<MainWindow>();
}

std::vector<std::string> captions(const LabelArray& cells) {
    std::vector<std::string> out;
    for (int i = cells.lower(); i <= cells.upper(); ++i) out.push_back(cells[i].caption());
    return out;
}

// The styles whose frames a chart window shows, joined.
template <class ChartWindow>
std::string framesShown(const ChartWindow& w) {
    std::string shown;
    if (w.Frame_SouthBride.visible()) shown += "South";
    if (w.Frame_NorthBride.visible()) shown += "North";
    if (w.Frame_EastBride.visible()) shown += "East";
    return shown;
}

std::map<std::string, std::string> detailTexts() {
    std::map<std::string, std::string> out;
    for (const DetailRow& row : resultWindows().frm_UserDetails.rows()) out[row.value->name()] = row.value->caption();
    return out;
}

class ChartRunTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        Services& s = state().services;
        s.eventLoop = &fakes.eventLoop;
        s.screen = &fakes.screen;
        windows = std::make_unique<WindowRegistry>(s);
        defineWindows(*windows);
        main = &windows->get<MainWindow>();
        state().gWindows = windows.get();
        state().gDbConnection = std::make_shared<Database>(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db");
        BirthDetails& b = state().birth;
        b.gCity = "Sample City";
        b.gCountry = "India";
        state().prefs.gChartStyle = "South";
    }
    void TearDown() override {
        ChartTest::TearDown();
        windows.reset();
    }

    int progressSteps() const {
        // The panel paints once when shown, once per step, once when hidden.
        return static_cast<int>(main->paints.size()) - 2;
    }
    bool shown(const char* name) const {
        const Window* w = windows->find(name);
        return w && w->visible();
    }

    FakeServices fakes;
    std::unique_ptr<WindowRegistry> windows;
    MainWindow* main = nullptr;
};

// ---------------------------------------------------------------- progress

TEST_F(ChartRunTest, ProgressGrowsByAFourteenthInWholeTwipsAndStopsAtFull) {
    struct Case {
        double frame;
        std::vector<double> fills;  // after each of 15 steps
    };
    const Case cases[] = {
        {1400, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1400}},
        // A fourteenth of 1000 is 71.43: each step ends on the next whole twip.
        {1000, {72, 144, 216, 288, 360, 432, 504, 576, 648, 720, 792, 864, 936, 1000, 1000}},
    };
    for (const Case& c : cases) {
        main->panel.PicOut.setWidth(c.frame);
        main->panel.PicIn.setWidth(0);
        std::vector<double> fills;
        for (int i = 0; i < 15; ++i) {
            FnProgressStep();
            fills.push_back(main->panel.PicIn.width());
        }
        EXPECT_EQ(fills, c.fills) << c.frame;
    }
    EXPECT_EQ(fakes.eventLoop.count(), 0);
}

// ------------------------------------------------------------ window order

TEST_F(ChartRunTest, UnloadingHidesThenUnloadsTheNineWindowsInOrder) {
    windows->get("frm_rasi");
    resultWindows().frm_rasi.Lab_GM_GirlHouse[0].setCaption("Sun  1.00");
    resultWindows().Frm_Dasa.Lab_DasaBalanceV.setCaption("left over");
    windows->setRecording(true);
    FnUnloadChartWindows();

    std::vector<std::string> hides, unloads;
    for (const WindowEvent& e : windows->events()) {
        if (e.kind == WindowEventKind::Hide) hides.push_back(e.window);
        if (e.kind == WindowEventKind::Unload) unloads.push_back(e.window);
    }
    const std::vector<std::string> nine(kResultWindowNames.begin(), kResultWindowNames.end());
    EXPECT_EQ(hides, nine);
    EXPECT_EQ(unloads, nine);
    for (const char* name : kResultWindowNames) EXPECT_FALSE(windows->isLoaded(name)) << name;
    EXPECT_EQ(resultWindows().frm_rasi.Lab_GM_GirlHouse[0].caption(), "");
    EXPECT_EQ(resultWindows().Frm_Dasa.Lab_DasaBalanceV.caption(), "");
}

TEST_F(ChartRunTest, ShowingBringsForwardTheWindowLastChosenInTheNavigator) {
    struct Case {
        const char* chosen;
        const char* front;
    };
    const Case cases[] = {
        {"", "frm_UserDetails"},
        {"Details", "frm_UserDetails"},
        {"Print", "Frm_Print"},
        {"Dasa", "Frm_Dasa"},
        {"AVargas", "Frm_AVargas"},
        {"Vargas", "Frm_Vargas"},
        {"Planet Positions", "Frm_PP"},
        {"Bhava Features", "frm_CBhava"},
        {"Bhava", "frm_BhavaChart"},
        {"Navamsa", "frm_Navamsa"},
        {"Rasi", "frm_rasi"},
        // Any other text brings none forward: the last one shown stays in front.
        {"rasi", "Frm_Dasa"},
        {"Birth Details", "Frm_Dasa"},
    };
    for (const Case& c : cases) {
        FnUnloadChartWindows();
        windows->unload("Frm_Print");
        state().gActiveWindowName = c.chosen;
        FnShowChartWindows();
        for (const char* name : kResultWindowNames) EXPECT_TRUE(shown(name)) << name;
        ASSERT_NE(windows->front(), nullptr);
        EXPECT_EQ(windows->front()->name(), c.front) << "'" << c.chosen << "'";
        EXPECT_EQ(windows->isLoaded("Frm_Print"), std::string(c.chosen) == "Print") << c.chosen;
    }
}

// ----------------------------------------------------------- finishing step

TEST_F(ChartRunTest, FinishingLowersTheComputingFlagEvenWhenItFails) {
    state().birth.gBirthHour = "2x";
    state().gComputing = true;  // left raised by some earlier failure
    FnFinishChartRun();
    EXPECT_FALSE(state().gComputing);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Type mismatch13");
    EXPECT_EQ(boxes.last().icon, MsgIcon::None);
}

// ------------------------------------------------------------ whole casts

// The sample chart's texts, cells and tables as the run leaves them.
const std::map<std::string, std::string> kSampleDetails = {
    {"txtGName", "Sample Chart"},
    {"txtSex", "Male"},
    {"Txt_BC_Date", "14 / Jul / 1965"},
    {"txtTimeOfBirth", "2 : 15  PM"},
    {"txtist", "14/Jul/1965 02:15 PM"},
    {"txtlmt", "14/Jul/1965 01:59 PM"},
    {"txtgmt", "14/Jul/1965 08:45 AM"},
    {"txtTimeZone", "5.5 E"},
    {"txtIshtaGhati", "21:2:30"},
    {"txtCountry", "India"},
    {"txtCity", "Sample City"},
    {"txtLatutude", "17 N 20"},
    {"txtLongitude", "78 E 30"},
    {"txtSunRise", "05:50 AM"},
    {"txtSunSet", "06:54 PM"},
    {"txtAyanamsa", "23.22.20  (Lahiri)"},
    {"txtVedic", "Wednesday"},
    {"txtGregorian", "Wednesday"},
    {"txtSolarDate", "30  /  Jyeshtha  /  Vishvavasu"},
    {"txtSLunarDate", "Shudha  /  Ashadha  /  Vishvavasu"},
    {"txtKLunarDate", "Shudha  /  Ashadha  /  Vishvavasu"},
    {"txtKaliyugaYear", "5066"},
    {"txtAyana", "Uttrayana"},
    {"txtLagna", "Libra"},
    {"txtRasi", "Capricon"},
    {"txtStar", "Uttarashada, Pada: 3"},
    {"txtTithi", "Pratipada"},
    {"txtPaksha", "Krishna Paksha (Dark)"},
    {"txtYogam", "Vishkumbha"},
    {"txtKarnam", "Kaulava"},
};

const std::vector<std::string> kNone(12, "");

const std::vector<std::string> kRasiSouth = {
    "",           "Jup  25.29\r\nRah  18.18",
    "Sun  28.19", "Mer  24.37\r\nVen  22.59",
    "",           "Mar  14.39\r\nGul  29.00\r\nMaa  22.35",
    "Asc  25.14", "Ket  18.18",
    "",           "Moo  5.27",
    "Sat  23.36", "",
};
const std::vector<std::string> kNavamsaBySign = {
    "",
    "Asc  \r\nMar  \r\nSat  ",
    "Sun  \r\nRah  ",
    "Maa  ",
    "Jup  ",
    "Gul  ",
    "",
    "",
    "Ket  ",
    "Ven  ",
    "Moo  \r\nMer  ",
    "",
};
const std::vector<std::string> kRasiNorth = {
    "Asc  ", "Ket  ", "", "Moo  ", "Sat  ", "", "", "Jup  Rah  ", "Sun  ", "Mer  Ven  ", "", "Mar  Gul  Maa  ",
};
const std::vector<std::string> kRasiNorthSigns = {"7", "8", "9", "10", "11", "12", "1", "2", "3", "4", "5", "6"};
const std::vector<std::string> kNavamsaNorth = {
    "Asc  Mar  Sat  ", "Sun  Rah  ", "Maa  ", "Jup  ", "Gul  ", "", "", "Ket  ", "Ven  ", "Moo  Mer  ", "", "",
};
const std::vector<std::string> kNavamsaNorthSigns = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "1"};
const std::vector<std::string> kRasiEast = {
    "", "Jup    Rah", "Sun  ", "Mer    Ven", "", "Mar    Gul  Maa", "Asc  ", "Ket  ", "", "Moo  ", "Sat  ", "",
};

std::string gridRow(const Grid& g, int row) {
    std::string line;
    for (int c = 0; c < g.cols(); ++c) line += (c ? "|" : "") + g.text(row, c);
    return line;
}

std::vector<std::string> gridColumn(const Grid& g, int col) {
    std::vector<std::string> out;
    for (int r = g.fixedRows(); r < g.rows(); ++r) out.push_back(g.text(r, col));
    return out;
}

TEST_F(ChartRunTest, SampleChartFillsEveryResultWindow) {
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_TRUE(boxes.shown().empty()) << boxes.texts()[0];

    EXPECT_EQ(detailTexts(), kSampleDetails);

    const ResultWindows& w = resultWindows();
    EXPECT_EQ(captions(w.frm_rasi.Lab_GM_GirlHouse), kRasiSouth);
    EXPECT_EQ(captions(w.frm_Navamsa.Lab_GirlNav), kNavamsaBySign);
    for (const LabelArray* other :
         {&w.frm_rasi.Lab_ChartHouseN_Girl, &w.frm_rasi.Lab_chartHouse_Girl_Rasi, &w.frm_rasi.Lab_NHouseNo,
          &w.frm_Navamsa.Lab_ChartHouseN_GirlNav, &w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav, &w.frm_Navamsa.Lab_NHouseNo})
        EXPECT_EQ(captions(*other), kNone) << other->name();
    EXPECT_EQ(framesShown(w.frm_rasi), "South");
    EXPECT_EQ(framesShown(w.frm_Navamsa), "South");

    // The planet table of the second fill, karakas included.
    const Grid& planets = w.Frm_PP.mshNirayana;
    EXPECT_EQ(gridColumn(planets, 0),
              (std::vector<std::string>{"Asc", "Sun", "Moo", "Mar", "Mer", "Jup", "Ven", "Sat", "Rah", "Ket"}));
    EXPECT_EQ(gridRow(planets, 2), "Sun|28.19.03|Gemini|Mercury|Punarvasu|3|Jupiter|Venus|Atma|Gamana");

    // The ashtakavarga frame, and bindus of the signs handed over in order.
    const Grid& av = w.Frm_AVargas.mshAshtaVarga;
    EXPECT_EQ(av.formatString(),
              "Zodiac       | Sun    |Moon   |Mars |Mercury|Jupiter|Venus|Saturn|Asc   *|Rahu *|Total |Total With * ");
    EXPECT_EQ(gridColumn(av, 0),
              (std::vector<std::string>{"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
                                        "Sagitarius", "Capricon", "Aquarius", "Pisces", "Total"}));
    EXPECT_EQ(gridRow(av, 13), "Total|48|49|39|54|56|52|39|49|43|337|429");

    // The windows are shown with the birth details in front, the entry
    // window exists hidden, the panel is hidden, and nothing is left raised.
    for (const char* name : kResultWindowNames) EXPECT_TRUE(shown(name)) << name;
    EXPECT_EQ(windows->front()->name(), "frm_UserDetails");
    ASSERT_TRUE(windows->isLoaded(kBirthDetailsWindowName));
    EXPECT_FALSE(shown(kBirthDetailsWindowName));
    EXPECT_FALSE(main->panel.PicMask.visible());
    EXPECT_EQ(main->panel.PicMask.height(), 0);
    EXPECT_EQ(main->windowState(), WindowState::Maximized);
    EXPECT_FALSE(state().gComputing);
    EXPECT_FALSE(FnChartRunInProgress());

    // The panel covered the screen while the run went on, the bar filled at
    // the fourteenth of fifteen steps, and no window event ran meanwhile.
    EXPECT_EQ(progressSteps(), 15);
    ASSERT_FALSE(main->paints.empty());
    EXPECT_TRUE(main->paints.front().shown);
    EXPECT_EQ(main->paints.front().height, fakes.screen.height());
    EXPECT_EQ(main->panel.Frame1.top(), (fakes.screen.height() - 1500) / 2 - 300);
    EXPECT_EQ(main->paints[14].fill, 1400);
    EXPECT_EQ(main->paints[15].fill, 1400);
    EXPECT_EQ(fakes.eventLoop.count(), 0);
}

TEST_F(ChartRunTest, EachStyleDrawsItsOwnCellsIntoFreshWindows) {
    struct Case {
        const char* style;
        std::vector<std::string> rasiSouth, rasiNorth, rasiEast, rasiSigns;
        std::vector<std::string> navSouth, navNorth, navEast, navSigns;
    };
    const Case cases[] = {
        {"North", kNone, kRasiNorth, kNone, kRasiNorthSigns, kNone, kNavamsaNorth, kNone, kNavamsaNorthSigns},
        {"East", kNone, kNone, kRasiEast, kNone, kNone, kNone, kNavamsaBySign, kNone},
        {"South", kRasiSouth, kNone, kNone, kNone, kNavamsaBySign, kNone, kNone, kNone},
    };
    // One cast after another: no cell of an earlier style survives.
    for (const Case& c : cases) {
        state().prefs.gChartStyle = c.style;
        main->paints.clear();
        ASSERT_TRUE(FnCastHoroscope());
        const ResultWindows& w = resultWindows();
        EXPECT_EQ(captions(w.frm_rasi.Lab_GM_GirlHouse), c.rasiSouth) << c.style;
        EXPECT_EQ(captions(w.frm_rasi.Lab_ChartHouseN_Girl), c.rasiNorth) << c.style;
        EXPECT_EQ(captions(w.frm_rasi.Lab_chartHouse_Girl_Rasi), c.rasiEast) << c.style;
        EXPECT_EQ(captions(w.frm_rasi.Lab_NHouseNo), c.rasiSigns) << c.style;
        EXPECT_EQ(captions(w.frm_Navamsa.Lab_GirlNav), c.navSouth) << c.style;
        EXPECT_EQ(captions(w.frm_Navamsa.Lab_ChartHouseN_GirlNav), c.navNorth) << c.style;
        EXPECT_EQ(captions(w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav), c.navEast) << c.style;
        EXPECT_EQ(captions(w.frm_Navamsa.Lab_NHouseNo), c.navSigns) << c.style;
        EXPECT_EQ(framesShown(w.frm_rasi), c.style);
        EXPECT_EQ(framesShown(w.frm_Navamsa), c.style);
        EXPECT_EQ(progressSteps(), 15) << c.style;
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChartRunTest, SanskritChangesOnlyWhatTheNameTablesName) {
    ASSERT_TRUE(FnCastHoroscope());
    const std::map<std::string, std::string> english = detailTexts();
    state().prefs.gLanguage = "Sanskrit";
    ASSERT_TRUE(FnCastHoroscope());
    std::map<std::string, std::string> changed;
    for (const auto& [label, text] : detailTexts())
        if (english.at(label) != text) changed[label] = text;
    EXPECT_EQ(changed, (std::map<std::string, std::string>{{"txtLagna", "Tula"}, {"txtRasi", "Makara"}}));

    const ResultWindows& w = resultWindows();
    EXPECT_EQ(captions(w.frm_rasi.Lab_GM_GirlHouse),
              (std::vector<std::string>{"", "Gur  25.29\r\nRah  18.18", "Rav  28.19", "Bud  24.37\r\nSuk  22.59", "",
                                        "Kuj  14.39\r\nGul  29.00\r\nMaa  22.35", "Lag  25.14", "Ket  18.18", "",
                                        "Cha  5.27", "San  23.36", ""}));
    EXPECT_EQ(captions(w.frm_Navamsa.Lab_GirlNav),
              (std::vector<std::string>{"", "Lag  \r\nKuj  \r\nSan  ", "Rav  \r\nRah  ", "Maa  ", "Gur  ", "Gul  ", "",
                                        "", "Ket  ", "Suk  ", "Cha  \r\nBud  ", ""}));
    const Grid& av = w.Frm_AVargas.mshAshtaVarga;
    EXPECT_EQ(av.formatString(),
              "Rasi         | Surya  |Chandra|Kuja |Budha  |Guru   |Sukra|Sani  |Lagna *|Rahu *|Total |Total With *");
    EXPECT_EQ(av.text(1, 0), "Mesha");
    EXPECT_EQ(av.text(12, 0), "Meena");
    EXPECT_EQ(gridRow(av, 13), "Total|48|49|39|54|56|52|39|49|43|337|429");
    EXPECT_EQ(w.Frm_PP.mshNirayana.text(1, 0), "Lag");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChartRunTest, AnUnknownStyleDrawsNoChartAndStepsThirteenTimes) {
    state().prefs.gChartStyle = "south";
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_EQ(progressSteps(), 13);
    const ResultWindows& w = resultWindows();
    // The frames keep the visibility they were designed with.
    EXPECT_EQ(framesShown(w.frm_rasi), framesShown(RasiContents{}));
    EXPECT_EQ(framesShown(w.frm_Navamsa), framesShown(NavamsaContents{}));
    EXPECT_EQ(captions(w.frm_rasi.Lab_GM_GirlHouse), kNone);
    EXPECT_EQ(captions(w.frm_Navamsa.Lab_ChartHouseN_GirlNav), kNone);
    // The rest of the run completes.
    EXPECT_EQ(w.frm_UserDetails.txtYogam.caption(), "Vishkumbha");
    EXPECT_EQ(w.Frm_AVargas.mshAshtaVarga.text(13, 0), "Total");
    for (const char* name : kResultWindowNames) EXPECT_TRUE(shown(name)) << name;
    EXPECT_FALSE(main->panel.PicMask.visible());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ChartRunTest, AFailingStageShowsItsBoxAndTheRunGoesOn) {
    // Without the database the calendar, the varga and the dasa stages fail.
    state().gDbConnection.reset();
    ASSERT_TRUE(FnCastHoroscope());
    ASSERT_GE(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown().front().icon, MsgIcon::Critical);  // the calendar's own box
    EXPECT_EQ(boxes.last(), (ShownBox{"Object variable or With block variable not set91", MsgIcon::None, MsgButtons::OK,
                                      std::nullopt, kProgramName}));  // the dasa, the last stage
    // Every other stage did its work, and the run ended as usual.
    std::map<std::string, std::string> expected = kSampleDetails;
    for (const char* calendarText : {"txtKLunarDate", "txtSLunarDate", "txtKaliyugaYear", "txtSolarDate", "txtAyana"})
        expected[calendarText] = "";
    EXPECT_EQ(detailTexts(), expected);
    EXPECT_EQ(captions(resultWindows().frm_Navamsa.Lab_GirlNav), kNavamsaBySign);
    EXPECT_EQ(resultWindows().Frm_PP.mshNirayana.text(2, 8), "Atma");
    for (const char* name : kResultWindowNames) EXPECT_TRUE(shown(name)) << name;
    EXPECT_FALSE(main->panel.PicMask.visible());
    EXPECT_EQ(progressSteps(), 15);
    EXPECT_FALSE(state().gComputing);
}

TEST_F(ChartRunTest, ADatabaseHeldByAnotherProgramEndsTheCastWithOneBox) {
    // A copy of the database, so no other test meets the lock; it goes
    // however the test ends.
    const struct DatabaseCopy {
        std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("jd_cast_locked_" + std::to_string(::getpid()) + ".db");
        DatabaseCopy() {
            std::filesystem::copy_file(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db", file,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        ~DatabaseCopy() {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
    } copy;
    // The wait shortened on this connection only (and those opened from it).
    state().gDbConnection = Database::open(copy.file.string(), nullptr, std::chrono::milliseconds(50));
    {
        Database other(copy.file.string());
        other.executeScript("BEGIN EXCLUSIVE");
        ASSERT_TRUE(FnCastHoroscope());
        other.executeScript("COMMIT");
    }
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"database is locked"});
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    for (const char* name : kResultWindowNames) EXPECT_FALSE(shown(name)) << name;
    EXPECT_NE(resultWindows().frm_UserDetails.txtGName.caption(), "Sample Chart") << "no half chart";
    EXPECT_FALSE(main->panel.PicMask.visible());
    EXPECT_FALSE(state().gComputing);
    EXPECT_FALSE(FnChartRunInProgress());

    // Once the file is free, the next cast goes through.
    boxes.clear();
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(detailTexts(), kSampleDetails);
    for (const char* name : kResultWindowNames) EXPECT_TRUE(shown(name)) << name;
}

TEST_F(ChartRunTest, AFailureInTheRunsOwnWorkEndsItWithThePanelHidden) {
    struct Case {
        const char* what;
        bool everyPaintFails;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"the panel cannot be painted when first shown", false, {"Out of memory7"}},
        {"nor when it is hidden", true, {"Out of memory7", "Out of memory7"}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        main->onRepaint = [&c](std::size_t n) {
            if (n == 1 || c.everyPaintFails) throw RunTimeError(7, "Out of memory");
        };
        resultWindows().frm_UserDetails.txtGName.setCaption("Earlier Chart");
        ASSERT_TRUE(FnCastHoroscope());
        EXPECT_EQ(boxes.texts(), c.boxes) << c.what;
        EXPECT_EQ(boxes.last().icon, MsgIcon::None);
        // Nothing after the panel ran: the earlier chart's windows are untouched.
        EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "Earlier Chart") << c.what;
        EXPECT_FALSE(windows->isLoaded(kBirthDetailsWindowName)) << c.what;
        EXPECT_FALSE(main->panel.PicMask.visible()) << c.what;
        EXPECT_EQ(main->panel.PicMask.height(), 0) << c.what;
        EXPECT_FALSE(FnChartRunInProgress()) << c.what;
    }
    // The next cast runs normally.
    main->onRepaint = nullptr;
    boxes.clear();
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "Sample Chart");
    EXPECT_TRUE(boxes.shown().empty());
}

// A database failure met by the run's own work goes the way of any database
// failure of the cast: one box, no chart left, the panel hidden, and no error
// out of the call.
TEST_F(ChartRunTest, ADatabaseFailureInTheRunsOwnWorkEndsTheCastWithOneBox) {
    struct Case {
        const char* what;
        std::function<bool(std::size_t)> paintFails;
    };
    const Case cases[] = {
        {"when the panel is first shown", [](std::size_t n) { return n == 1; }},
        {"at every paint", [](std::size_t) { return true; }},
        {"only as the panel hides", [this](std::size_t n) { return n > 1 && main->panel.PicMask.height() == 0; }},
    };
    for (const Case& c : cases) {
        boxes.clear();
        main->onRepaint = [&c](std::size_t n) {
            if (c.paintFails(n)) throw RunTimeError(kDbErrorBase + 5, "database is locked");
        };
        EXPECT_TRUE(FnCastHoroscope()) << c.what;
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{"database is locked"}) << c.what;
        EXPECT_EQ(boxes.last().icon, MsgIcon::Critical) << c.what;
        for (const char* name : kResultWindowNames) EXPECT_FALSE(shown(name)) << c.what << ": " << name;
        EXPECT_FALSE(main->panel.PicMask.visible()) << c.what;
        EXPECT_FALSE(state().gComputing) << c.what;
        EXPECT_FALSE(FnChartRunInProgress()) << c.what;
    }
}

TEST_F(ChartRunTest, ACastAskedForWhileOneRunsIsRefused) {
    bool refused = false;
    main->onRepaint = [&](std::size_t n) {
        if (n != 6) return;
        refused = !FnCastHoroscope([] {
            state().birth.gChartName = "Intruder";
            state().birth.gBirthYear = "1990";
            state().prefs.gChartStyle = "North";
        });
    };
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_TRUE(refused);
    EXPECT_EQ(state().birth.gChartName, "Sample Chart");
    EXPECT_EQ(state().prefs.gChartStyle, "South");
    EXPECT_EQ(detailTexts(), kSampleDetails);
    EXPECT_EQ(captions(resultWindows().frm_rasi.Lab_GM_GirlHouse), kRasiSouth);
    EXPECT_EQ(captions(resultWindows().frm_rasi.Lab_ChartHouseN_Girl), kNone);
    EXPECT_EQ(progressSteps(), 15);
    EXPECT_TRUE(boxes.shown().empty());
    // Once it has ended, the next cast goes ahead with the caller's records.
    main->onRepaint = nullptr;
    EXPECT_TRUE(FnCastHoroscope([] { state().birth.gChartName = "Second"; }));
    EXPECT_EQ(resultWindows().frm_UserDetails.txtGName.caption(), "Second");
}

}  // namespace
}  // namespace jd
