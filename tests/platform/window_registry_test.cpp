// The window registry: one instance per window, created and loaded on first
// reference, unloaded back to the designed state, and the child in front.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/fake_services.h"
#include "platform/input_controls.h"
#include "platform/run_time_error.h"
#include "platform/window.h"

namespace jd {
namespace {

// A child window with one label and a counter of its events.
struct Counts {
    int loads = 0, unloads = 0, activations = 0, deactivations = 0;
};

class ResultWindow : public Window {
public:
    static constexpr const char* kWindowName = "frm_rasi";
    ResultWindow() : Window(kWindowName, "Rasi") {}
    Label title{"Label1", "  Rasi Chart"};
    static inline Counts counts;

protected:
    void onLoad() override {
        ++counts.loads;
        move(2000, 15);
    }
    void onUnload() override { ++counts.unloads; }
    void onActivate() override { ++counts.activations; }
    void onDeactivate() override { ++counts.deactivations; }
};

class OtherWindow : public Window {
public:
    static constexpr const char* kWindowName = "frm_Navamsa";
    OtherWindow() : Window(kWindowName, "Navamsa") {}
};

class Navigator : public Window {
public:
    static constexpr const char* kWindowName = "frm_MainHoroscope";
    Navigator() : Window(kWindowName, "Horoscope") {}
    std::string bringOnActivate;  // the window its Activate brings to the front

protected:
    void onActivate() override {
        if (!bringOnActivate.empty()) registry().bringToFront(bringOnActivate);
    }
};

class EntryWindow : public Window {
public:
    static constexpr const char* kWindowName = "frm_OpenChart";
    EntryWindow() : Window(kWindowName, "Enter Birth Details", WindowKind::TopLevel) {
        cancel.onClick = [this] { unload(); };
    }
    TextBox name{"Txt_VC_ChartName", "", 25};
    ComboBox country{"txt_VC_Country"};
    CommandButton cancel{"CMDCANCEl", "&Cancel"};
};

class SaveWindow : public Window {
public:
    static constexpr const char* kWindowName = "Frm_SaveChart";
    SaveWindow() : Window(kWindowName, "Save Chart", WindowKind::TopLevel) {}
};

class MainFrame : public Window {
public:
    static constexpr const char* kWindowName = "MDIQuill";
    MainFrame() : Window(kWindowName, "Jataka Desk 0.1", WindowKind::MdiFrame) {}
};

class Stubborn : public Window {
public:
    static constexpr const char* kWindowName = "stubborn";
    Stubborn() : Window(kWindowName, "") {}

protected:
    void onUnload() override { throw RunTimeError::overflow(); }
};

class Impostor : public Window {
public:
    static constexpr const char* kWindowName = "frm_rasi";
    Impostor() : Window(kWindowName, "") {}
};

struct RegistryTest : ::testing::Test {
    FakeServices fakes;
    WindowRegistry reg{fakes.services()};
    void SetUp() override {
        ResultWindow::counts = {};
        reg.setRecording(true);
    }
    std::vector<std::string> events() const {
        std::vector<std::string> out;
        for (const auto& e : reg.events()) out.push_back(toString(e));
        return out;
    }
};

TEST_F(RegistryTest, AWindowExistsOnceAndLoadsOnItsFirstReference) {
    EXPECT_FALSE(reg.isLoaded<ResultWindow>());
    ResultWindow& a = reg.get<ResultWindow>();
    ResultWindow& b = reg.get<ResultWindow>();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(&reg.get("frm_rasi"), &a);
    EXPECT_EQ(ResultWindow::counts.loads, 1);
    EXPECT_EQ(a.left(), 2000);
    // A child of the frame shows as soon as it is created, and is in front.
    EXPECT_TRUE(a.visible());
    EXPECT_EQ(reg.front(), &a);
    EXPECT_EQ(events(), (std::vector<std::string>{"Load frm_rasi", "Show frm_rasi", "Activate frm_rasi"}));
    EXPECT_EQ(&a.services(), &reg.services());
}

TEST_F(RegistryTest, ByNameNeedsTheTypeMadeKnownFirst) {
    EXPECT_THROW(reg.get("frm_Navamsa"), std::logic_error);
    reg.define<OtherWindow>();
    EXPECT_FALSE(reg.isLoaded("frm_Navamsa"));
    EXPECT_EQ(reg.get("frm_Navamsa").caption(), "Navamsa");
}

TEST_F(RegistryTest, UnloadReturnsTheWindowToItsDesignedStateAndTheNextReferenceLoadsAfresh) {
    reg.get<ResultWindow>().title.setCaption("changed");
    reg.unload<ResultWindow>();
    EXPECT_FALSE(reg.isLoaded<ResultWindow>());
    EXPECT_EQ(reg.front(), nullptr);
    EXPECT_EQ(reg.get<ResultWindow>().title.caption(), "  Rasi Chart");
    EXPECT_EQ(ResultWindow::counts.loads, 2);
    EXPECT_EQ(ResultWindow::counts.unloads, 1);
}

TEST_F(RegistryTest, UnloadingAWindowThatIsNotLoadedDoesNothing) {
    reg.unload<ResultWindow>();
    reg.unload("never-defined");
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(ResultWindow::counts.loads, 0);
}

TEST_F(RegistryTest, AHandlerMayUnloadItsOwnWindow) {
    EntryWindow& w = reg.get<EntryWindow>();
    w.show();
    w.name.setText("kept until released");
    w.cancel.click();  // runs inside the window it unloads
    EXPECT_FALSE(reg.isLoaded<EntryWindow>());
    EXPECT_EQ(w.name.text(), "kept until released");  // still alive until released
    EXPECT_THROW(w.show(), std::logic_error);          // but no longer usable
    reg.releaseUnloaded();
    EXPECT_EQ(reg.get<EntryWindow>().name.text(), "");
}

TEST_F(RegistryTest, TopLevelWindowsWaitForShowAndRememberTheirOwner) {
    MainFrame& frame = reg.get<MainFrame>();
    EntryWindow& entry = reg.get<EntryWindow>();
    EXPECT_FALSE(entry.visible());
    entry.show(&frame);
    EXPECT_TRUE(entry.visible());
    EXPECT_EQ(entry.owner(), &frame);
    EXPECT_EQ(reg.active(), &entry);
    EXPECT_EQ(reg.front(), nullptr);  // no child is involved
    entry.hide();
    entry.show();
    EXPECT_EQ(events(), (std::vector<std::string>{"Load MDIQuill", "Load frm_OpenChart", "Show frm_OpenChart",
                                                  "Activate frm_OpenChart", "Hide frm_OpenChart",
                                                  "Show frm_OpenChart", "Activate frm_OpenChart"}));
}

// What a message box belongs to: the window the user works in, handed back
// to the window of its own active before one that goes, unless the user went
// to the frame in between.
TEST_F(RegistryTest, AWindowOfItsOwnThatGoesHandsTheUsersAttentionBack) {
    MainFrame& frame = reg.get<MainFrame>();
    ResultWindow& rasi = reg.get<ResultWindow>();
    EntryWindow& entry = reg.get<EntryWindow>();
    SaveWindow& save = reg.get<SaveWindow>();
    entry.show(&frame);
    save.show(&frame);
    reg.clearEvents();
    save.hide();
    EXPECT_EQ(reg.active(), &entry);
    save.show(&frame);
    reg.unload<SaveWindow>();
    EXPECT_EQ(reg.active(), &entry);
    EXPECT_EQ(events(), (std::vector<std::string>{"Hide Frm_SaveChart", "Activate frm_OpenChart",
                                                  "Show Frm_SaveChart", "Activate Frm_SaveChart",
                                                  "Unload Frm_SaveChart", "Activate frm_OpenChart"}));

    SaveWindow& again = reg.get<SaveWindow>();
    again.show(&frame);
    reg.activatedByUser(entry);  // the user clicks the entry window
    EXPECT_EQ(reg.active(), &entry);
    again.hide();  // a window the user is not in goes: nothing changes
    EXPECT_EQ(reg.active(), &entry);
    again.show(&frame);
    reg.activatedByUser(frame);  // the user goes to the frame
    EXPECT_EQ(reg.active(), &rasi);
    reg.activatedByUser(again);
    again.hide();  // the frame was active after the entry window
    EXPECT_EQ(reg.active(), &rasi);
}

TEST_F(RegistryTest, TheFrontChildChangesWithShowBringToFrontHideAndUnload) {
    ResultWindow& rasi = reg.get<ResultWindow>();
    OtherWindow& nav = reg.get<OtherWindow>();
    EXPECT_EQ(reg.front(), &nav);
    reg.clearEvents();

    rasi.bringToFront();
    EXPECT_EQ(reg.front(), &rasi);
    rasi.bringToFront();  // already in front: no second activation
    nav.hide();
    rasi.hide();  // the last child on screen: none is in front
    EXPECT_EQ(reg.front(), nullptr);
    rasi.show();
    nav.show();
    reg.unload<OtherWindow>();  // the one in front goes: the next one is activated
    EXPECT_EQ(reg.front(), &rasi);
    EXPECT_EQ(events(),
              (std::vector<std::string>{"Front frm_rasi", "Deactivate frm_Navamsa", "Activate frm_rasi",
                                        "Front frm_rasi", "Hide frm_Navamsa", "Hide frm_rasi",
                                        "Deactivate frm_rasi", "Show frm_rasi", "Activate frm_rasi",
                                        "Show frm_Navamsa", "Deactivate frm_rasi", "Activate frm_Navamsa",
                                        "Unload frm_Navamsa", "Activate frm_rasi"}));
    EXPECT_EQ(ResultWindow::counts.activations, 4);
    EXPECT_EQ(ResultWindow::counts.deactivations, 3);
}

TEST_F(RegistryTest, BringingToFrontCreatesAMissingWindowButLeavesAHiddenOneHidden) {
    ResultWindow& rasi = reg.bringToFront<ResultWindow>();
    EXPECT_TRUE(rasi.visible());
    EXPECT_EQ(reg.front(), &rasi);
    rasi.hide();
    reg.clearEvents();
    reg.bringToFront("frm_rasi");
    EXPECT_FALSE(rasi.visible());
    EXPECT_EQ(reg.front(), nullptr);
    EXPECT_EQ(events(), (std::vector<std::string>{"Front frm_rasi"}));
}

TEST_F(RegistryTest, AnActivateHandlerThatBringsAnotherWindowForwardEndsWithThatWindowInFront) {
    Navigator& navigator = reg.get<Navigator>();
    ResultWindow& rasi = reg.get<ResultWindow>();
    navigator.bringOnActivate = "frm_rasi";
    navigator.bringToFront();
    EXPECT_EQ(reg.front(), &rasi);
    EXPECT_EQ(reg.zOrder().back(), &rasi);
}

TEST_F(RegistryTest, UnloadingTheFrameUnloadsItsChildrenFirstAndEndsTheProgram) {
    MainFrame& frame = reg.get<MainFrame>();
    frame.show();
    reg.get<ResultWindow>();
    reg.get<OtherWindow>();
    reg.get<EntryWindow>().show(&frame);
    reg.get<ResultWindow>().hide();
    reg.clearEvents();
    reg.unload<MainFrame>();
    EXPECT_TRUE(reg.quitRequested());
    EXPECT_TRUE(reg.isLoaded<EntryWindow>());  // a top-level window ends with the process
    EXPECT_EQ(reg.get<EntryWindow>().owner(), nullptr);
    EXPECT_EQ(events(), (std::vector<std::string>{"Unload frm_Navamsa", "Unload frm_rasi", "Unload MDIQuill"}));
}

TEST_F(RegistryTest, AnUnloadThatFailsLeavesTheWindowLoaded) {
    reg.get<Stubborn>();
    EXPECT_THROW(reg.unload<Stubborn>(), RunTimeError);
    EXPECT_TRUE(reg.isLoaded<Stubborn>());
    EXPECT_TRUE(reg.get<Stubborn>().visible());
}

TEST_F(RegistryTest, FocusMovesWithLostThenGotFocusAndIsFoundThroughTheActiveWindow) {
    EntryWindow& w = reg.get<EntryWindow>();
    w.show();
    std::vector<std::string> seen;
    w.name.onGotFocus = [&] { seen.push_back("got name"); };
    w.name.onLostFocus = [&] { seen.push_back("lost name"); };
    w.country.onGotFocus = [&] { seen.push_back("got country"); };
    w.setFocus(w.name);
    w.setFocus(w.name);
    w.setFocus(w.country);
    EXPECT_EQ(seen, (std::vector<std::string>{"got name", "lost name", "got country"}));
    EXPECT_TRUE(w.country.hasFocus());
    EXPECT_FALSE(w.name.hasFocus());
    EXPECT_EQ(reg.activeControl(), &w.country);
    EXPECT_NE(dynamic_cast<ComboBox*>(reg.activeControl()), nullptr);
}

// The window's own focus marks the control as asked for the focus, also when
// it has that already, until its widget takes the keys; the user's is none.
TEST_F(RegistryTest, AControlIsAskedForTheFocusUntilItsWidgetTakesTheKeys) {
    EntryWindow& w = reg.get<EntryWindow>();
    int told = 0;
    w.name.subscribe([&] { ++told; });
    w.setFocus(w.name);
    w.keysTakenBy(w.name);
    EXPECT_FALSE(w.name.focusRequested());
    told = 0;
    w.setFocus(w.name);
    EXPECT_TRUE(w.name.focusRequested());
    EXPECT_EQ(told, 1);  // its widget learns of it
    w.keysTakenBy(w.country);
    EXPECT_EQ(w.focused(), &w.country);
    EXPECT_FALSE(w.country.focusRequested());
    EXPECT_TRUE(w.name.focusRequested());  // till its widget has the keys again
    // A request for another control passes it over: it is asked no more.
    w.setFocus(w.name);
    w.setFocus(w.country);
    EXPECT_FALSE(w.name.focusRequested());
    EXPECT_TRUE(w.country.focusRequested());
}

TEST_F(RegistryTest, TwoTypesUnderOneNameAreRefused) {
    reg.define<ResultWindow>();
    EXPECT_THROW(reg.define<Impostor>(), std::logic_error);
}

}  // namespace
}  // namespace jd
