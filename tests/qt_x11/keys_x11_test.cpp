// Where the keys go on an X display without a window manager, where nothing
// but the program itself activates its windows. Keys are typed through the X
// server's test extension, so they reach the window that X gives the input
// focus, as the user's own would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qt_x11/x11_program.h"
#include "state/horo_settings.h"
#include "state/shared_records.h"
#include "ui/chart/chart_store.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_retrive_birth_data.h"
#include "ui/chart/frm_save_chart.h"
#include "ui/places/frm_add_country.h"
#include "ui/shell/frm_details.h"

namespace jd::qt {
namespace {

using namespace x11;

class KeysOnX11 : public ProgramOnX11 {
protected:
    MessageBox& messageBox() override { return kept; }
    frm_OpenChart& openBirthDetails() {
        return openFromMenu<frm_OpenChart>("mnuBirthDetails");
    }
    // The next message boxes, one after the other, are answered with Enter
    // on the display; their texts are kept. A box that Enter does not answer
    // fails the test (and is then closed, so the test goes on).
    void answerNextBoxWithEnter(int count = 1) {
        answeredAll.clear();
        answerBoxes(count);
    }
    void answerBoxes(int count) {
        QTimer::singleShot(100, [this, count] {
            const QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            answered = box ? box->text().toStdString() : "no box";
            answeredAll.push_back(answered);
            waitUntil([&box] { return !box || QApplication::activeWindow() == box; });
            keys.tap(kReturn);
            if (!waitUntil([&box] { return !box || QApplication::activeModalWidget() != box; }, 1000)) {
                ADD_FAILURE() << "Enter did not answer the box \"" << answered << '"';
                box->done(QMessageBox::Ok);
            }
            if (count > 1) answerBoxes(count - 1);  // the next box comes once this one has closed
        });
    }
    // The birth-details window's check of an empty name, answered with
    // Enter: what is typed next goes into the name box.
    void nameCheckGivesTheKeysBack(frm_OpenChart& w) {
        w.Txt_VC_ChartName.setText("");
        answerNextBoxWithEnter();
        w.cmdSave.click();
        EXPECT_EQ(answered, "Enter Name");
        pump(200);
        keys.type("Zed");
        EXPECT_EQ(w.Txt_VC_ChartName.text(), "Zed");
    }
    // A chart the birth-details window can save and cast.
    static void fillChart(frm_OpenChart& w, const std::string& name) {
        w.Txt_VC_ChartName.setText(name);
        w.txt_VC_Country.choose(w.txt_VC_Country.findPrefix("India"));
        w.txt_VC_City.choose(w.txt_VC_City.findPrefix("Hyderabad"));
    }
    // "Alpha" saved from the birth-details window, which then holds it as a
    // new chart: its next save finds the name used.
    frm_OpenChart& alphaSavedAndNewAgain() {
        frm_OpenChart& w = openBirthDetails();
        fillChart(w, "Alpha");
        answerNextBoxWithEnter();
        w.mnuSave.click();
        EXPECT_EQ(answered, "Chart Successfully Saved");
        w.txt_VC_UserId = 0;
        return w;
    }
    bool hasTheKeys(const char* windowName) const {
        QWidget* view = frame->viewOf(windowName);
        return view && QApplication::activeWindow() == view && view->isAncestorOf(QApplication::focusWidget());
    }
    // Ctrl held and Tab pressed (once the area takes it for a step through
    // the windows, not a return to the last one), or Ctrl+F6, until the
    // navigator's tree has the keys.
    bool cycleToTheTree(unsigned long key) {
        for (int i = 0; i < 12; ++i) {
            keys.key(kControl, true);
            if (key == kTab) pump(500);
            keys.tap(key);
            keys.key(kControl, false);
            pump(100);
            if (QWidget* f = QApplication::focusWidget(); f && f->objectName() == "tV") return true;
        }
        return false;
    }
    QWidget* topmost() const {
        const QList<QMdiSubWindow*> stacked = frame->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        for (auto it = stacked.rbegin(); it != stacked.rend(); ++it)
            if ((*it)->isVisible()) return *it;
        return nullptr;
    }

    // The next box is answered with Enter held down for `ms` milliseconds,
    // past the keyboard's repeat delay: the X server repeats the key.
    void holdEnterOnNextBox(int ms) {
        kept.onShow = [this, ms](size_t) {
            kept.onShow = nullptr;
            QTimer::singleShot(100, frame.get(), [this, ms] {
                waitUntil([] { return qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr; });
                keys.key(kReturn, true);  // answers the box, which goes
                QTimer::singleShot(ms, frame.get(), [this] { keys.key(kReturn, false); });
            });
        };
    }
    static int chartsNamed(const std::string& name) {
        int n = 0;
        for (const SavedChartEntry& e : listCharts(sharedConnection(), "All")) n += chartNamePart(e.ChartName) == name;
        return n;
    }

    CountedBoxes kept{boxes};
    std::string answered;
    std::vector<std::string> answeredAll;
};

TEST_F(KeysOnX11, AMessageBoxGivesTheKeysBackToTheWindowThatRaisedIt) {
    frm_OpenChart& w = openBirthDetails();
    nameCheckGivesTheKeysBack(w);

    w.mnuOpen.click();
    pump(200);
    answerNextBoxWithEnter();
    windows->get<Frm_RetriveBirthData>().Cmd_Submit.click();
    EXPECT_EQ(answered, "Select Chart Name ");
    EXPECT_TRUE(waitUntil([this] { return QApplication::activeWindow() == frame->viewOf("Frm_RetriveBirthData"); }));
}

TEST_F(KeysOnX11, MdiCyclingReachesTheNavigatorsTreeWhoseArrowsBringPrintForward) {
    frm_OpenChart& w = openBirthDetails();
    fillChart(w, "Ravi");
    w.cmdSave.click();
    pump(300);
    ASSERT_FALSE(w.visible()) << answered;

    ASSERT_TRUE(cycleToTheTree(kTab));
    for (int i = 0; i < 10 && state().gActiveWindowName != "Print"; ++i) keys.tap(kDown);
    EXPECT_EQ(state().gActiveWindowName, "Print");
    EXPECT_EQ(topmost(), frame->subWindowOf("Frm_Print"));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "tV");

    // Away to another window and back with Ctrl+F6.
    keys.tap(kF6, kControl);
    ASSERT_NE(QApplication::focusWidget()->objectName(), "tV");
    EXPECT_TRUE(cycleToTheTree(kF6));
    EXPECT_EQ(topmost(), frame->subWindowOf("Frm_Print"));
}

TEST_F(KeysOnX11, AMenuCommandBringsItsShownWindowForwardWithTheKeys) {
    EXPECT_EQ(QApplication::activeWindow(), frame.get());  // since start-up
    openBirthDetails();
    QWidget* entry = frame->viewOf("frm_OpenChart");
    ASSERT_EQ(QApplication::activeWindow(), entry);
    frame->activateWindow();  // the user goes to the frame
    ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == frame.get(); }));
    keys.tap('e', kAlt);
    EXPECT_EQ(QApplication::activeWindow(), entry);
    EXPECT_TRUE(entry->isAncestorOf(QApplication::focusWidget()));
}

// Boxes in a row, and boxes right after a window is shown: each belongs to
// the window the program works in, which takes the keys back.
TEST_F(KeysOnX11, BoxesInARowLeaveTheKeysWhereTheProgramPutThem) {
    // The same name as a new chart: the Save Chart window comes with the box
    // and takes the new name.
    frm_OpenChart& w = alphaSavedAndNewAgain();
    answerNextBoxWithEnter();
    w.mnuSave.click();
    EXPECT_EQ(answered, "Chart Name Already Used , Enter Another Name");
    pump(200);
    keys.type("Gamma");
    EXPECT_NE(windows->get<Frm_SaveChart>().Txt_SC_ChartName.text().find("Gamma"), std::string::npos);
    EXPECT_TRUE(hasTheKeys("Frm_SaveChart"));

    // Its Save hides it: the birth-details window takes the keys back.
    answerNextBoxWithEnter();
    windows->get<Frm_SaveChart>().Cmd_SC_Save.click();
    EXPECT_EQ(answered, "Chart Successfully Saved");
    pump(200);
    EXPECT_TRUE(hasTheKeys("frm_OpenChart"));

    // Delete, Yes, OK: the name box the deletion emptied takes the typing.
    answerNextBoxWithEnter(2);
    w.mnuDelete.click();
    EXPECT_EQ(answeredAll, (std::vector<std::string>{"Are You Sure You want to delete ?", "Successfully Deleted"}));
    pump(200);
    keys.type("Delta");
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Delta");

    // The same after a chart loaded from the list of saved charts.
    w.mnuOpen.click();
    pump(200);
    auto& list = windows->get<Frm_RetriveBirthData>();
    for (int i = 0; i < list.List_VC_ChartName.listCount(); ++i)
        if (list.List_VC_ChartName.list(i).rfind("Alpha", 0) == 0) list.List_VC_ChartName.setListIndex(i);
    list.Cmd_Submit.click();
    pump(200);
    ASSERT_EQ(w.Txt_VC_ChartName.text(), "Alpha");
    EXPECT_TRUE(hasTheKeys("frm_OpenChart"));
    answerNextBoxWithEnter(2);
    w.mnuDelete.click();
    EXPECT_EQ(answeredAll.size(), 2u);
    pump(200);
    keys.type("Epsilon");
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Epsilon");
}

// The user goes back to the birth-details window from one the program
// showed over it (as a window manager activates a window clicked): its
// check's box belongs to it and gives it the keys.
TEST_F(KeysOnX11, ABoxAfterTheUserCameBackToAWindowGivesItTheKeys) {
    frm_OpenChart& w = openBirthDetails();
    windows->get<Frm_SaveChart>().show();
    ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == frame->viewOf("Frm_SaveChart"); }));
    frame->viewOf("frm_OpenChart")->activateWindow();
    ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == frame->viewOf("frm_OpenChart"); }));
    nameCheckGivesTheKeysBack(w);
}

// Enter held past the repeat delay to answer the country master's "No Such
// Country  Exists": the repeats land in the search box once the box has gone,
// and their releases are no key-up of its.
TEST_F(KeysOnX11, EnterHeldToAnswerABoxRaisesItOnce) {
    auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
    m.TabStrip1.clickTab(2);
    for (int held : {700, 1500}) {
        SCOPED_TRACE(held);
        kept.texts.clear();
        m.txtEditSearch.setText("");
        m.setFocus(m.txtEditSearch);
        pump(100);
        keys.type("zz");
        holdEnterOnNextBox(held);
        keys.tap(kReturn);
        pump(held + 1000);
        EXPECT_EQ(kept.texts, std::vector<std::string>{"No Such Country  Exists"});
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// Save Chart's name already used: the keyboard user answers the box, types
// another name and presses Enter, which saves it. An Enter held to answer
// the box presses nothing in the window.
TEST_F(KeysOnX11, EnterInSaveChartSavesOnceAndAHeldEnterOnItsBoxNothing) {
    frm_OpenChart& w = alphaSavedAndNewAgain();
    holdEnterOnNextBox(1500);
    w.mnuSave.click();
    pump(2500);
    EXPECT_EQ(kept.texts.back(), "Chart Name Already Used , Enter Another Name");
    EXPECT_EQ(kept.texts.size(), 2u);
    EXPECT_EQ(chartsNamed("Alpha"), 1);
    ASSERT_TRUE(hasTheKeys("Frm_SaveChart"));

    keys.type("Gamma");
    const std::string name = windows->get<Frm_SaveChart>().Txt_SC_ChartName.text();
    // The box opens as Enter goes down; the key is let go before it is answered.
    answerNextBoxWithEnter();
    QTimer::singleShot(50, frame.get(), [this] { keys.key(kReturn, false); });
    keys.key(kReturn, true);
    pump(200);
    EXPECT_EQ(answered, "Chart Successfully Saved");
    EXPECT_EQ(chartsNamed(name), 1);
    EXPECT_EQ(kept.texts.size(), 3u);
}

TEST_F(KeysOnX11, AChildWindowsAccessKeyComesBeforeTheFramesMenu) {
    frame->menuBar()->findChild<QAction*>("mnudetails")->trigger();
    pump(200);
    auto& details = windows->get<frm_Details>();
    ASSERT_FALSE(details.editing());
    keys.tap('e', kAlt);
    pump(300);
    EXPECT_TRUE(details.editing());
    EXPECT_FALSE(windows->get<frm_OpenChart>().visible());
    keys.tap('t', kAlt);  // a letter no button of the window takes opens the frame's menu
    pump(200);
    EXPECT_NE(QApplication::activePopupWidget(), nullptr);
    keys.tap(kEscape);
    keys.tap(kEscape);
}

TEST_F(KeysOnX11, EscClosesTheHelpWindowAndGivesTheKeysBack) {
    openBirthDetails();
    ASSERT_TRUE(hasTheKeys("frm_OpenChart"));
    QtHelp help;
    help.showTopic("no such help.html", 1000);
    ASSERT_TRUE(waitUntil([&help] { return QApplication::activeWindow() == help.window(); }));
    keys.tap(kEscape);
    EXPECT_TRUE(waitUntil([this] { return hasTheKeys("frm_OpenChart"); }));
    EXPECT_FALSE(help.window()->isVisible());
    QtBrowserWindows browser;  // and the browser window "^ Maximize" opens
    browser.navigate("no such page", "_blanck");
    ASSERT_TRUE(waitUntil([&browser] { return QApplication::activeWindow() == browser.window("_blanck"); }));
    keys.tap(kEscape);
    EXPECT_TRUE(waitUntil([this] { return hasTheKeys("frm_OpenChart"); }));
    // Where the window Help came from has gone meanwhile, the frame takes them.
    help.setWorkingWindow([this] { return frame->workingWindow(); });
    help.showTopic("no such help.html", 1000);
    ASSERT_TRUE(waitUntil([&help] { return QApplication::activeWindow() == help.window(); }));
    windows->unload(frm_OpenChart::kWindowName);
    keys.tap(kEscape);
    EXPECT_TRUE(waitUntil([this] { return QApplication::activeWindow() == frame.get(); }));
}

// Run on a screen smaller than the frame's own size (800 x 600, with no
// window manager to maximise it): the frame takes the screen's free area at
// start-up, also where the stored chart's hour is none and nothing is cast.
TEST_F(KeysOnX11, TheFrameFitsAScreenSmallerThanItself) {
    const QRect room = frame->screen()->availableGeometry();
    if (room.width() >= 1024 && room.height() >= 700) GTEST_SKIP() << "the screen is larger than the frame";
    EXPECT_TRUE(room.contains(frame->frameGeometry())) << frame->frameGeometry().width() << "x"
                                                       << frame->frameGeometry().height();
    TearDown();
    fakes.settings.SaveSetting(kHoroApplication, kHoroSection, "Hour", "25");
    answerNextBoxWithEnter();
    SetUp();
    EXPECT_EQ(answered, "Type mismatch");
    EXPECT_TRUE(room.contains(frame->frameGeometry())) << frame->frameGeometry().width() << "x"
                                                       << frame->frameGeometry().height();
}

}  // namespace
}  // namespace jd::qt
