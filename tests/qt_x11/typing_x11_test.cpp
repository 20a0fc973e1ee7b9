// Typing as the user does, on an X display: keys pressed and released
// through the X server's test extension with a person's timing, reaching the
// window that X gives the input focus. A message box closed with Enter held
// down for a moment, and a filled box that the Enter chain moves into.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qt/qt_services.h"
#include "qt/qt_app.h"
#include "qt_x11/x11_program.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_save_chart.h"
#include "ui/converters/frm_birth_time_to_ishta_ghatika.h"
#include "ui/places/frm_add_country.h"
#include "ui/places/frm_add_time_zone.h"
#include "ui/places/frm_new_lat_lon.h"

namespace jd::qt {
namespace {

using namespace x11;

class TypingOnX11 : public ProgramOnX11 {
protected:
    MessageBox& messageBox() override { return counted; }
    static void choose(ComboBox& c, const std::string& text) {
        const int i = c.findPrefix(text);
        ASSERT_GE(i, 0) << text;
        c.choose(i);
    }
    // Every box from now on is answered, once it has the keys, by `answer`
    // (Enter unless a test says otherwise).
    void answerBoxesWithEnter() {
        answerBoxesBy([this] { keys.tap(kReturn); });
    }
    void answerBoxesBy(std::function<void()> answer) {
        counted.onShow = [this, answer](size_t) {
            QTimer::singleShot(100, frame.get(), [answer] {
                waitUntil([] { return qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr; });
                answer();
            });
        };
    }
    // The birth-details window, opened afresh with a chart it can save.
    frm_OpenChart& openBirthDetails() {
        windows->unload<frm_OpenChart>();
        auto& w = openFromMenu<frm_OpenChart>("mnuBirthDetails");
        w.Txt_VC_ChartName.setText("Ravi");
        choose(w.txt_VC_Country, "India");
        choose(w.txt_VC_City, "Hyderabad");
        return w;
    }
    QWidget* boxOf(const Control& c) const {
        return frame->viewOf(frm_OpenChart::kWindowName)->findChild<QWidget*>(QString::fromStdString(c.name()));
    }

    CountedBoxes counted{boxes};
};

// Enter in the country master's search box tells that no country begins
// with the text. The user closes that box with Enter, holding it down for a
// moment: the key's release comes back to the search box once the box has
// gone, and must not search again.
TEST_F(TypingOnX11, EnterHeldToCloseTheNotFoundBoxRaisesItNoMore) {
    auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
    m.TabStrip1.clickTab(2);
    m.setFocus(m.txtEditSearch);
    pump(100);
    keys.type("zz");
    counted.onShow = [this](size_t n) {
        if (n != 1) return;
        QTimer::singleShot(100, frame.get(), [this] {
            waitUntil([] { return qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr; });
            keys.key(kReturn, true);  // answers the box, which goes
            QTimer::singleShot(120, frame.get(), [this] { keys.key(kReturn, false); });
        });
    };
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    pump(1500);
    EXPECT_EQ(counted.texts, std::vector<std::string>{"No Such Country  Exists"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// On the Edit tab of City Details the chosen city fills the boxes; Enter
// moves through them, and what is typed then takes the place of the text.
TEST_F(TypingOnX11, TypingAfterEnterReplacesTheTextOfAFilledBox) {
    auto& m = openFromMenu<frm_New_LatLon>("MDI_LAt_Lon");
    m.TabStrip1.clickTab(2);
    choose(m.cbEditCountry, "India");
    choose(m.cbEditCity, "Hyderabad");
    ASSERT_EQ(m.txtEditCity.text(), "Hyderabad");
    ASSERT_FALSE(m.txtEditLatDeg.text().empty());
    m.setFocus(m.cbEditCity);
    pump(100);
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    keys.type("X");
    EXPECT_EQ(m.txtEditCity.text(), "X");
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    keys.type("4");
    EXPECT_EQ(m.txtEditLatDeg.text(), "4");
}

// The menu bar taken with Alt and left with Esc gives the keys back to the
// box with the caret where the user left it: typing goes on after the text.
TEST_F(TypingOnX11, TheMenuBarLeavesTheCaretWhereTheUserTyped) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Alt tapped, Esc", [this] {
             keys.tap(kAlt);
             keys.tap(kEscape);
         }},
        {"Alt+F, Esc, Esc", [this] {
             keys.tap('f', kAlt);
             keys.tap(kEscape);
             keys.tap(kEscape);
         }},
    };
    for (const auto& [what, way] : ways) {
        auto& w = openBirthDetails();
        w.Txt_VC_ChartName.setText("");
        pump(100);
        ASSERT_EQ(QApplication::focusWidget(), boxOf(w.Txt_VC_ChartName));
        keys.type("Kbd");
        way();
        pump(100);
        keys.type(" One");
        EXPECT_EQ(w.Txt_VC_ChartName.text(), "Kbd One") << what;
    }
}

// The same in a child window of the frame (the country master's name box):
// the frame's menu bar, another child window and back, Help opened and closed.
TEST_F(TypingOnX11, TheKeysComingBackToAChildWindowLeaveTheCaretWhereTheUserTyped) {
    auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
    QWidget* box = frame->viewOf(frm_Add_Country::kWindowName)->findChild<QWidget*>("txtAddName");
    QtHelp help;
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Alt tapped, Esc", [this] {
             keys.tap(kAlt);
             keys.tap(kEscape);
         }},
        {"Ctrl+F6 away and back", [this, box] {
             keys.tap(kF6, kControl);
             for (int i = 0; i < 20 && QApplication::focusWidget() != box; ++i) keys.tap(kF6, kControl);
         }},
        {"Help opened and closed", [this, &help] {
             help.showTopic("no such help.html", 1000);
             pump(300);
             keys.tap(kEscape);
         }},
    };
    openFromMenu<frm_New_LatLon>("MDI_LAt_Lon");
    for (const auto& [what, way] : ways) {
        m.bringToFront();
        m.setFocus(m.txtAddName);
        m.txtAddName.setText("");
        pump(200);
        ASSERT_EQ(QApplication::focusWidget(), box) << what;
        keys.type("xyz");
        way();
        pump(200);
        keys.type("w");
        EXPECT_EQ(m.txtAddName.text(), "xyzw") << what;
    }
}

// A year the check refuses is handed back selected, so the digits typed next
// replace it: after OK or File > Save, both by keys from the year box itself.
TEST_F(TypingOnX11, ARefusedYearIsReplacedByTheDigitsTypedNext) {
    answerBoxesWithEnter();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"OK", [this] { keys.tap('o', kAlt); }},
        {"File > Save", [this] {
             keys.tap('f', kAlt);
             keys.tap('s');
         }},
    };
    for (const auto& [what, way] : ways) {
        auto& w = openBirthDetails();
        w.setFocus(w.txt_Year);
        pump(100);
        keys.type("1799");
        ASSERT_EQ(w.txt_Year.text(), "1799") << what;
        way();
        pump(300);
        EXPECT_EQ(counted.texts.back(), "Enter Year Between 1800 and 3000") << what;
        keys.type("1990");
        EXPECT_EQ(w.txt_Year.text(), "1990") << what;
    }
}

// Each check of the birth details that names a box hands the keys to it with
// its whole text selected; the one that names none leaves the caret where
// the user typed. The user starts in the year box and saves by File > Save.
TEST_F(TypingOnX11, EachBirthDetailsCheckHandsOverItsBoxWithTheTextSelected) {
    using Box = std::function<Control&(frm_OpenChart&)>;
    const auto set = [](auto box, const char* text) -> Box {
        return [box, text](frm_OpenChart& w) -> Control& {
            (w.*box).setText(text);
            return w.*box;
        };
    };
    const std::pair<const char*, Box> cases[] = {
        {"Enter Name", set(&frm_OpenChart::Txt_VC_ChartName, "")},
        {"Enter Date of Birth", set(&frm_OpenChart::txt_Date, "")},
        {"Enter Month", set(&frm_OpenChart::txt_Month, "")},
        {"Enter Year", set(&frm_OpenChart::txt_Year, "")},
        {"Enter Year Between 1800 and 3000", set(&frm_OpenChart::txt_Year, "3001")},
        {"Enter Correct Date", [](frm_OpenChart& w) -> Control& {
             w.txt_Date.setText("31");
             w.txt_Month.setText("Feb");
             return w.txt_Year;  // names no box: the year box keeps the keys and its caret
         }},
        {"Enter Correct Time", set(&frm_OpenChart::cbHour, "25")},
        {"Enter Correct Time", set(&frm_OpenChart::cbMins, "75")},
        {"Select Country", set(&frm_OpenChart::txt_VC_Country, "")},
        {"Select City", set(&frm_OpenChart::txt_VC_City, "")},
        {"Select Timezone", set(&frm_OpenChart::cbTimeZone, "")},
    };
    answerBoxesWithEnter();
    for (const auto& [message, spoil] : cases) {
        auto& w = openBirthDetails();
        w.setFocus(w.txt_Year);
        pump(100);
        keys.type("1990");
        const Control& named = spoil(w);
        keys.tap('f', kAlt);
        keys.tap('s');
        pump(300);
        ASSERT_FALSE(counted.texts.empty());
        EXPECT_EQ(counted.texts.back(), message);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, boxOf(named)) << message;
        auto* combo = qobject_cast<QComboBox*>(focused);
        const QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(focused);
        ASSERT_NE(edit, nullptr) << message;
        if (std::string(message) == "Enter Correct Date") {
            EXPECT_EQ(edit->selectedText().toStdString(), "") << message;
            EXPECT_EQ(edit->cursorPosition(), 4) << message;
        } else {
            EXPECT_EQ(edit->selectedText().toStdString(), edit->text().toStdString()) << message << " " << named.name();
        }
    }
}

// Every message that names a box hands it over ready to retype, its whole
// text selected so the next key replaces it, whatever raised the message
// (a button, Enter or an access key in the box itself, a search as the key
// comes up) and however the box was answered; the first refusal and the
// later ones alike. Where no message names the box, the caret stays where
// the user typed.
TEST_F(TypingOnX11, TheBoxAMessageNamesIsReadyToRetype) {
    bool enterHeldDown = false;  // let go before the next row
    const auto enterHeld = [this, &enterHeldDown](int ms) {
        return [this, ms, &enterHeldDown] {
            enterHeldDown = true;
            QTimer::singleShot(ms, frame.get(), [this, &enterHeldDown] {  // also while a box it raised is open
                keys.key(kReturn, false);
                enterHeldDown = false;
            });
            keys.key(kReturn, true);
        };
    };
    const std::function<void()> answers[] = {
        [this] { keys.tap(kReturn); },
        enterHeld(700),
        enterHeld(1500),
        [this] { keys.tap(' '); },
        [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeWindow());
            QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr;
            if (ok) testing::mouseClick(ok, QPointF(ok->rect().center()));
        },
    };
    const char* const answerNames[] = {"Enter", "Enter held 0.7 s", "Enter held 1.5 s", "Space", "a click"};

    // The birth-details window sends a chart whose name is used to Save Chart,
    // which refuses it: its name box has the keys.
    const auto hasTheKeys = [](const Control& c) {
        return waitUntil([&c] {
            const QWidget* f = QApplication::focusWidget();
            return f && f->objectName().toStdString() == c.name();
        });
    };
    const auto boxAnswered = [this](size_t before) {
        return waitUntil([this, before] {
            return counted.texts.size() > before && QApplication::activeModalWidget() == nullptr;
        });
    };
    const auto refusedInSaveChart = [&]() -> TextBox& {
        answerBoxesWithEnter();
        auto& w = openBirthDetails();
        w.Txt_VC_ChartName.setText("Kbd Save A");
        keys.tap('f', kAlt);
        keys.tap('s');
        EXPECT_TRUE(boxAnswered(0));
        if (counted.texts.back() == "Chart Successfully Saved") {
            w.txt_VC_UserId = 0;  // the same chart as a new one
            keys.tap('f', kAlt);
            keys.tap('s');
            EXPECT_TRUE(boxAnswered(1));
        }
        TextBox& name = windows->get<Frm_SaveChart>().Txt_SC_ChartName;
        EXPECT_TRUE(hasTheKeys(name));
        return name;
    };
    const auto search = [&](bool editPanel, const char* typed) -> TextBox& {
        auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
        m.TabStrip1.clickTab(editPanel ? 2 : 1);
        TextBox& box = editPanel ? m.txtEditSearch : m.txtSearch;
        box.setText("");
        m.setFocus(box);
        EXPECT_TRUE(hasTheKeys(box));
        keys.type(typed);
        return box;
    };
    // Save Chart's refused name sent again from its own window by `send`, the
    // box answered by `answer`.
    const auto sentAgain = [&](std::function<void()> send, std::function<void()> answer) {
        return [&, send, answer]() -> Control& {
            TextBox& box = refusedInSaveChart();
            const size_t refused = counted.texts.size();
            answerBoxesBy(answer);
            send();
            EXPECT_TRUE(boxAnswered(refused));
            return box;
        };
    };
    const auto searched = [&](bool editPanel, const char* typed, std::function<void()> then) {
        return [&, editPanel, typed, then]() -> Control& {
            TextBox& box = search(editPanel, typed);
            then();
            return box;
        };
    };
    const auto tapEnter = [this] { keys.tap(kReturn); };
    const auto clickSave = [this] {
        auto* button = frame->viewOf(Frm_SaveChart::kWindowName)->findChild<QWidget*>("Cmd_SC_Save");
        testing::mouseClick(button, QPointF(button->rect().center()));
    };
    const char* const used = "Chart Name Already Used , Enter Another Name";
    struct Row {
        std::string what;
        std::function<Control&()> raise;  // raises the message; the box that then has the keys
        const char* message;              // the last box shown, or nullptr for none
        bool selected;
    };
    std::vector<Row> rows = {
        {"Save Chart, first refusal", refusedInSaveChart, used, true},
        {"Save Chart, sent again by Alt+S", sentAgain([this] { keys.tap('s', kAlt); }, tapEnter), used, true},
        {"Save Chart, sent again by a click", sentAgain(clickSave, tapEnter), used, true},
        {"Save Chart, sent again by Enter held 1.5 s, answered by a click", sentAgain(enterHeld(1500), answers[4]),
         used, true},
        {"Save Chart, sent again by Enter held 1.5 s, answered by Enter once let go", sentAgain(enterHeld(1500), [&] {
             EXPECT_TRUE(waitUntil([&enterHeldDown] { return !enterHeldDown; }));
             EXPECT_NE(qobject_cast<QMessageBox*>(QApplication::activeWindow()), nullptr);  // its repeats left it
             keys.tap(kReturn);
         }), used, true},
        {"Country search, nothing found (Add)", searched(false, "zzq", tapEnter), "No Such Country Exists", true},
        {"Country search, nothing found (Edit)", searched(true, "zzq", tapEnter), "No Such Country  Exists", true},
        {"Country search, a name begun", searched(false, "ind", tapEnter), "No Such Country Exists", false},
        {"Country search, a name matched", searched(false, "india", tapEnter), nullptr, false},
        {"Country search, Alt tapped, Esc", searched(false, "zzq", [this] {
             keys.tap(kAlt);
             keys.tap(kEscape);
         }), nullptr, false},
        {"Country name used", [&]() -> Control& {
             auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
             m.TabStrip1.clickTab(1);
             m.setFocus(m.txtAddName);
             EXPECT_TRUE(hasTheKeys(m.txtAddName));
             keys.type("India");
             keys.tap(kReturn);
             return m.txtAddName;
         }, "Country Name already Exists", true},
        {"Time zone hours no number", [&]() -> Control& {
             auto& m = openFromMenu<frm_AddTimeZone>("MDI_ADD_TimeZone");
             m.cbAddCountry.choose(m.cbAddCountry.findPrefix("India"));
             m.txtAddCity.setText("Kbd");
             m.txtAddLatDeg.setText("5x");
             m.txtAddLAtMin.setText("30");
             m.cbAddEW.choose(0);
             m.cmdAddSave.click();
             return m.txtAddLatDeg;
         }, "Enter Number ", true},
        {"Converter year out of range", [&]() -> Control& {
             auto& m = openFromMenu<frm_BirthTimetoIshtaGhatika>("mnuBirthTime");
             m.Txt_VP_Date.setText("1");
             m.Txt_VP_Month.setText("Jan");
             m.Txt_VP_YEAR.setText("3001");
             m.cmdSubmit.click();
             return m.Txt_VP_YEAR;
         }, "Enter Year Between 1800 and 3000", true},
    };
    for (int i = 0; i < 5; ++i)
        rows.push_back({std::string("Save Chart, sent again by Enter, answered by ") + answerNames[i],
                        sentAgain(tapEnter, answers[i]), used, true});
    for (int held : {700, 1500})  // the birth-details window's check of 13 PM, raised by File > Save
        rows.push_back({"Birth details, 13 PM, answered by Enter held " + std::to_string(held) + " ms",
                        [&, held]() -> Control& {
            answerBoxesBy(enterHeld(held));
            auto& w = openBirthDetails();
            w.cbHour.setText("13");
            w.Opt_PM.setValue(true);
            keys.tap('f', kAlt);
            keys.tap('s');
            return w.cbHour;
        }, "Enter Correct Time", true});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        counted.texts.clear();
        counted.onShow = nullptr;
        Control& named = row.raise();
        if (row.message) {
            ASSERT_TRUE(boxAnswered(0));
            EXPECT_EQ(counted.texts.back(), row.message);
        } else {
            EXPECT_TRUE(counted.texts.empty());
        }
        EXPECT_TRUE(hasTheKeys(named));
        EXPECT_TRUE(waitUntil([&enterHeldDown] { return !enterHeldDown; }));  // its release changes nothing
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        ASSERT_EQ(focused->objectName().toStdString(), named.name());
        auto* combo = qobject_cast<QComboBox*>(focused);
        const QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(focused);
        ASSERT_NE(edit, nullptr);
        const std::string before = edit->text().toStdString();
        if (row.selected)
            EXPECT_EQ(edit->selectedText().toStdString(), before);
        else
            EXPECT_EQ(edit->cursorPosition(), edit->text().size());
        keys.type("07");  // an hour box too takes it
        EXPECT_EQ(edit->text().toStdString(), row.selected ? "07" : before + "07");
        counted.onShow = nullptr;
        windows->unload<Frm_SaveChart>();
        windows->unload<frm_OpenChart>();
        frame->activateWindow();  // as the user comes back to the frame
        EXPECT_TRUE(waitUntil([this] { return QApplication::activeWindow() == frame.get(); }));
    }
}

}  // namespace
}  // namespace jd::qt
