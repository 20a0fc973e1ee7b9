// Text boxes and combo boxes show their models and send the user's typing,
// picks and caret through them; their text parts as the keys come back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/binding_fixture.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"
#include "qt/qt_services.h"
#include "ui/places/place_forms.h"

namespace jd::qt {
namespace {

void type(QWidget* w, const QString& text) {
    for (QChar c : text) testing::keyClick(w, c.toUpper().unicode(), QString(c));
}

// The keyboard (Tab, Backtab, an access key) or the window's request since
// the box last had the keys selects the whole text, whatever reason Qt gives
// the focus; any other return of the keys brings back the caret and the
// selection the user left there. Text boxes and editable combo boxes alike.
TEST(TextControlsTest, TheKeysSelectTheTextOnlyWhenTheKeyboardOrTheWindowBringsThem) {
    testing::app();
    QWidget parent;
    EntryWindow window;
    QLineEdit elsewhere(&parent);  // another window's box, or the menu bar
    QtMessageBox messages([&parent] { return &parent; });
    const auto deactivated = [&] { QApplication::setActiveWindow(nullptr); };
    const auto activated = [&] { QApplication::setActiveWindow(&parent); };
    const auto awayAndBack = [&](Qt::FocusReason reason) {
        return [&elsewhere, reason](QWidget& box, Control&) {
            elsewhere.setFocus(reason);
            box.setFocus(reason);
        };
    };
    struct Case {
        const char* what;
        std::function<void(QWidget&, Control&)> act;
        bool selected;
    };
    const Case cases[] = {
        {"Tab", awayAndBack(Qt::TabFocusReason), true},
        {"Backtab", awayAndBack(Qt::BacktabFocusReason), true},
        {"an access key", awayAndBack(Qt::ShortcutFocusReason), true},
        {"the menu bar", awayAndBack(Qt::MenuBarFocusReason), false},
        {"a popup", awayAndBack(Qt::PopupFocusReason), false},
        {"another child window and back", awayAndBack(Qt::OtherFocusReason), false},
        {"Tab away from a text being composed, and back", [&](QWidget& box, Control& m) {
             QInputMethodEvent composing("x", {});
             QApplication::sendEvent(&box, &composing);
             awayAndBack(Qt::TabFocusReason)(box, m);
         }, true},
        {"another window and back", [&](QWidget&, Control&) {
             deactivated();
             activated();
         }, false},
        {"a message box the window names it in", [&](QWidget&, Control& m) {
             deactivated();
             window.setFocus(m);
             activated();
         }, true},
        {"another window and back, then the window names it", [&](QWidget&, Control& m) {
             deactivated();
             activated();
             window.setFocus(m);
         }, true},
        {"the window names it while another child window has the keys", [&](QWidget& box, Control& m) {
             elsewhere.setFocus(Qt::OtherFocusReason);
             window.setFocus(m);
             box.setFocus(Qt::OtherFocusReason);
         }, true},
        {"the window names it while it has the keys, then another window and back", [&](QWidget&, Control& m) {
             window.setFocus(m);
             deactivated();
             activated();
         }, false},
        {"the window names it while it has the keys, its handler ends, another window and back",
         [&](QWidget&, Control& m) {
             window.setFocus(m);
             QCoreApplication::processEvents();
             deactivated();
             activated();
         }, false},
        {"the window names it while it has the keys, then shows a message box", [&](QWidget&, Control& m) {
             window.setFocus(m);
             QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
             messages.show("No Such Country Exists", MsgIcon::Information, MsgButtons::OK, "Country");
             activated();  // as the window system hands the keys back
         }, true},
        {"the window writes its text again and names it while another window has the keys",
         [&](QWidget&, Control& m) {
             deactivated();
             if (auto* t = dynamic_cast<TextBox*>(&m)) t->setText(t->text());
             if (auto* c = dynamic_cast<ComboBox*>(&m)) c->setText(c->text());
             window.setFocus(m);
             activated();
         }, true},
    };
    parent.show();
    activated();
    for (const bool combo : {false, true}) {
        for (const Case& c : cases) {
            TextBox text{"Txt_VC_ChartName"};
            ComboBox list{"txt_VC_City"};
            Control& model = combo ? static_cast<Control&>(list) : text;
            std::unique_ptr<QWidget> box;
            QLineEdit* edit = nullptr;
            if (combo) {
                auto* b = new QtComboBox(list, &window, &parent);
                edit = b->lineEdit();
                box.reset(b);
                list.setText("Hyderabad");
            } else {
                auto* b = new QtTextBox(text, &window, &parent);
                edit = b;
                box.reset(b);
                text.setText("Hyderabad");
            }
            box->show();
            elsewhere.show();
            window.setFocus(model);
            testing::keyClick(box.get(), Qt::Key_End);
            testing::keyClick(box.get(), Qt::Key_Left, {}, Qt::ShiftModifier);
            testing::keyClick(box.get(), Qt::Key_Left, {}, Qt::ShiftModifier);
            ASSERT_EQ(edit->selectedText().toStdString(), "ad") << c.what;
            c.act(*box, model);
            const QString what = QString(combo ? "combo box: " : "text box: ") + c.what;
            EXPECT_TRUE(box->hasFocus()) << what.toStdString();
            EXPECT_EQ(edit->selectedText().toStdString(), c.selected ? "Hyderabad" : "ad") << what.toStdString();
            const int start = combo ? list.selStart() : text.selStart();
            const int length = combo ? list.selLength() : text.selLength();
            EXPECT_EQ(start, c.selected ? 0 : 7) << what.toStdString();
            EXPECT_EQ(length, c.selected ? 9 : 2) << what.toStdString();
            window.clearFocus();  // the next case's box is a new control
        }
    }
}

TEST_F(BindingTest, TextBoxShowsTheModelAndTypesThroughIt) {
    TextBox model{"Txt_VC_ChartName", "", 5};
    QtTextBox box(model, &window, &parent);

    model.setText("Ravi");
    EXPECT_EQ(box.text(), "Ravi");
    // Input methods reach the box unless it is locked.
    EXPECT_TRUE(box.testAttribute(Qt::WA_InputMethodEnabled));
    model.setLocked(true);
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_FALSE(box.testAttribute(Qt::WA_InputMethodEnabled));
    model.setLocked(false);
    EXPECT_TRUE(box.testAttribute(Qt::WA_InputMethodEnabled));

    model.setText("");
    type(&box, "abcdefg");  // five characters fit
    EXPECT_EQ(model.text(), "abcde");
    EXPECT_EQ(box.text(), "abcde");
    testing::keyClick(&box, Qt::Key_Backspace);
    testing::keyClick(&box, Qt::Key_Home);  // the caret the user moves is the model's caret
    EXPECT_EQ(model.selStart(), 0);
    type(&box, "z");
    EXPECT_EQ(model.text(), "zabcd");
    EXPECT_EQ(box.cursorPosition(), 1);

    std::vector<int> keyUps;
    model.onKeyUp = [&](int& code, int) { keyUps.push_back(code); };
    testing::keyClick(&box, Qt::Key_Return, "\r");
    EXPECT_EQ(keyUps, std::vector<int>{13});

    // An input method's text: what it composes shows in the box alone, what
    // it commits is typed through the model and its key rules.
    model.setText("");
    const auto inputMethod = [&box](const QString& composing, const QString& committed, int from = 0, int n = 0) {
        QInputMethodEvent e(composing, {});
        e.setCommitString(committed, from, n);
        QApplication::sendEvent(&box, &e);
    };
    inputMethod("e", "Zo");
    EXPECT_EQ(model.text(), "Zo");
    EXPECT_EQ(box.inputMethodQuery(Qt::ImCursorRectangle),  // the caret after the text composed
              QLineEdit("Zoe", &parent).inputMethodQuery(Qt::ImCursorRectangle));
    EXPECT_EQ(box.inputMethodQuery(Qt::ImSurroundingText).toString(), "Zo");
    inputMethod("", "\u00eb");
    EXPECT_EQ(model.text(), "Zo\u00eb");
    EXPECT_EQ(box.text(), "Zo\u00eb");
    inputMethod("", "e", -1, 1);  // a correction of the character before the caret
    EXPECT_EQ(model.text(), "Zoe");
    model.setText("");
    model.onKeyPress = keepDigitKeys;  // a latitude box
    inputMethod("", "1\uff12a3");
    EXPECT_EQ(model.text(), "13");
    // Composed over the selected text, which the model keeps: committed, cancelled, refused.
    const char* overSelection[][3] = {{"3", "4", "4"}, {"3", "", "12"}, {"\uff12", "\uff12", "12"}};
    for (const auto& [composing, committed, result] : overSelection) {
        model.setText("12");
        model.setSelLength(2);
        inputMethod(composing, "");
        inputMethod("", committed);
        EXPECT_EQ(box.text().toStdString() + " = " + model.text(), std::string(result) + " = " + result) << composing;
    }
}

TEST_F(BindingTest, ASwallowedKeyNeverReachesTheBox) {
    TextBox model{"txtHours"};
    QtTextBox box(model, &window, &parent);
    model.onKeyPress = [](int& k) {
        if (!((k >= '0' && k <= '9') || k == key::Backspace)) k = 0;
    };
    type(&box, "1x2-");
    testing::keyClick(&box, Qt::Key_K, "\x0b", Qt::ControlModifier);  // a line edit's own kill-line key
    testing::keyClick(&box, Qt::Key_Z, "\x1a", Qt::ControlModifier);  // undo
    EXPECT_EQ(model.text(), "12");
    EXPECT_EQ(box.text(), "12");
}

// A filled box the focus reaches from the keyboard or its window has its text
// selected, so typing replaces it; a caret the window chooses stays, a click
// puts the caret where it clicks, and the window coming back keeps the caret.
TEST_F(BindingTest, AFilledBoxTheKeyboardReachesHasItsTextSelectedUnlessItsWindowChoseTheCaret) {
    struct Case {
        const char* what;
        std::function<void(QtTextBox&, TextBox&)> act;
        int selStart, selLength;
    };
    const Case cases[] = {
        {"the window gives it the focus", [this](QtTextBox&, TextBox& m) { window.setFocus(m); }, 0, 9},
        {"the window gives it the focus while inactive, then comes back", [this](QtTextBox&, TextBox& m) {
             QApplication::setActiveWindow(nullptr);
             window.setFocus(m);
             QApplication::setActiveWindow(&parent);
         }, 0, 9},
        {"the window comes back", [this](QtTextBox& b, TextBox&) {
             b.setFocus(Qt::MouseFocusReason);
             QApplication::setActiveWindow(nullptr);
             QApplication::setActiveWindow(&parent);
         }, 0, 0},
        {"the window chooses the caret, then gives the focus", [this](QtTextBox&, TextBox& m) {
             m.setSelStart(3);
             window.setFocus(m);
         }, 3, 0},
        {"the window gives the focus, then chooses the caret", [this](QtTextBox&, TextBox& m) {
             window.setFocus(m);
             m.setSelStart(9);
         }, 9, 0},
        {"a click", [](QtTextBox& b, TextBox&) {
             b.setFocus(Qt::MouseFocusReason);
             testing::mouseClick(&b, QPointF(b.width() - 4, b.height() / 2.0));
         }, 9, 0},
    };
    parent.show();
    QApplication::setActiveWindow(&parent);
    for (const Case& c : cases) {
        TextBox model{"txtEditCity"};
        QtTextBox box(model, &window, &parent);
        box.setGeometry(0, 0, 200, 24);
        box.show();
        model.setText("Hyderabad");
        c.act(box, model);
        EXPECT_EQ(model.selStart(), c.selStart) << c.what;
        EXPECT_EQ(model.selLength(), c.selLength) << c.what;
        EXPECT_EQ(box.selectedText().size(), c.selLength) << c.what;
        type(&box, "4");
        EXPECT_EQ(model.text(), c.selLength == 9 ? "4" : std::string("Hyderabad").insert(size_t(c.selStart), "4"))
            << c.what;
        window.clearFocus();  // the next case's box is a new control, though it may lie where this one lay
    }
}

TEST_F(BindingTest, ComboBoxShowsEntriesChoiceAndTextBothWays) {
    ComboBox model{"txt_VC_Country"};
    QtComboBox combo(model, &window, &parent);
    std::vector<std::string> clicks;
    model.onClick = [&] { clicks.push_back(model.text()); };

    model.addItem("India", 1);
    model.addItem("Indonesia", 7);
    model.addItem("Nepal", 3);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemData(1).toInt(), 7);

    model.setListIndex(2);
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(combo.currentText(), "Nepal");
    model.setText("Somewhere");
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.lineEdit()->text(), "Somewhere");

    // The user's pick from the open list, and the arrow key, are choices.
    parent.show();
    combo.showPopup();
    combo.view()->setCurrentIndex(combo.view()->model()->index(1, 0));
    testing::keyClick(combo.view(), Qt::Key_Return);
    EXPECT_EQ(model.listIndex(), 1);
    testing::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(model.listIndex(), 2);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Nepal", "Indonesia", "Nepal"}));

    model.clear();
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.lineEdit()->text(), "");
}

TEST_F(BindingTest, ComboTypeAheadRunsInTheKeyHandlerAndTheKeyIsDiscarded) {
    ComboBox model{"txt_VC_Country"};
    QtComboBox combo(model, &window, &parent);
    for (const char* c : {"India", "Indonesia", "Nepal"}) model.addItem(c);
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    // The shape of the shared type-ahead: complete to the first entry that
    // begins with the typed text, select the rest, swallow the key.
    model.onKeyPress = [&](int& k) {
        const std::string typed = model.text().substr(0, static_cast<size_t>(model.selStart())) + char(k);
        const int i = model.findPrefix(typed);
        if (i >= 0) {
            model.setListIndex(i);
            model.setSelStart(static_cast<int>(typed.size()));
            model.setSelLength(static_cast<int>(model.text().size()));
        }
        k = 0;
    };
    type(&combo, "in");
    EXPECT_EQ(model.text(), "India");
    EXPECT_EQ(combo.lineEdit()->text(), "India");
    EXPECT_EQ(combo.lineEdit()->selectedText(), "dia");
    EXPECT_EQ(clicks, 2);  // each key that matched was a choice
    type(&combo, "x");  // matches nothing and is discarded
    EXPECT_EQ(combo.lineEdit()->text(), "India");
    EXPECT_EQ(model.listIndex(), 0);
    // An input method's text is typed text too (Qt sends it to the combo box).
    model.setText("");
    QInputMethodEvent committed;
    committed.setCommitString("ind");
    QApplication::sendEvent(&combo, &committed);
    EXPECT_EQ(model.text(), "India");
    EXPECT_EQ(combo.lineEdit()->text(), "India");
    committed.setCommitString("o", -1, 1);  // corrected to "ino", which no entry begins with
    QApplication::sendEvent(&combo, &committed);
    EXPECT_EQ(model.text(), "India");
}

TEST_F(BindingTest, ComboFollowsAThousandsLongListFilledEntryByEntryQuickly) {
    ComboBox model{"txt_VC_City"};
    QtComboBox combo(model, &window, &parent);
    parent.show();
    model.addItem("Kathmandu", 1);  // the list of the country picked before
    model.setListIndex(0);
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    model.clear();
    for (int i = 0; i < 3000; ++i) model.addItem("City " + std::to_string(i), i * 7);
    model.setListIndex(2461);
    const qint64 ms = clock.elapsed();

    auto shownAsModel = [&] {
        if (combo.count() != model.listCount()) return false;
        for (int i = 0; i < combo.count(); ++i)
            if (combo.itemText(i).toStdString() != model.list(i) || combo.itemData(i).toInt() != model.itemData(i))
                return false;
        return true;
    };
    EXPECT_LT(ms, 300);
    ASSERT_EQ(combo.count(), 3000);
    EXPECT_TRUE(shownAsModel());
    EXPECT_EQ(combo.currentIndex(), 2461);
    EXPECT_EQ(combo.lineEdit()->text(), "City 2461");

    // Entries put in and taken out anywhere, beside equal ones, show at once.
    model.addItemAt(0, "City 0", 0);
    model.addItemAt(1500, "Hyderabad", 99);
    model.removeItem(2999);
    model.removeItem(2);
    EXPECT_TRUE(shownAsModel());
    EXPECT_EQ(combo.currentIndex(), model.listIndex());
    EXPECT_EQ(combo.lineEdit()->text(), "City 2461");

    // Item data changes untold; the widget has it once the event loop runs.
    model.setItemData(10, -5);
    model.addItem("Zunheboto", 1);
    QApplication::processEvents();
    EXPECT_TRUE(shownAsModel());
}

TEST_F(BindingTest, CaretKeysAtAnEditableComboMoveTheCaretWhileCharactersGoThroughTheModel) {
    ComboBox model{"txt_VC_City"};
    QtComboBox combo(model, &window, &parent);
    model.setText("Hyderabad");
    std::vector<int> keyDowns;
    model.onKeyDown = [&](int& k, int) { keyDowns.push_back(k); };
    model.onKeyPress = [](int& k) {
        if (k == 'x') k = 0;
    };

    testing::keyClick(&combo, Qt::Key_End);
    EXPECT_EQ(combo.lineEdit()->cursorPosition(), 9);
    EXPECT_EQ(model.selStart(), 9);
    for (int k : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) testing::keyClick(&combo, k);
    EXPECT_EQ(model.selStart(), 1);
    testing::keyClick(&combo, Qt::Key_End, {}, Qt::ShiftModifier);
    EXPECT_EQ(combo.lineEdit()->selectedText(), "yderabad");
    EXPECT_EQ(model.selLength(), 8);

    type(&combo, "x");  // swallowed by the window
    EXPECT_EQ(model.text(), "Hyderabad");
    type(&combo, "i");  // takes the selection's place
    EXPECT_EQ(model.text(), "Hi");
    EXPECT_EQ(combo.lineEdit()->text(), "Hi");
    EXPECT_EQ(keyDowns, (std::vector<int>{35, 36, 39, 39, 37, 35, 'X', 'I'}));
}

// A combo box takes only the picks from its list and always shows its model.
TEST_F(BindingTest, AComboBoxTakesPicksFromItsListAndShowsItsModel) {
    struct Case {
        const char* what;
        std::function<void(QtComboBox&, ComboBox&, QLineEdit&)> act;
        std::string text;
        int chosen;
    };
    const auto pick = [](QtComboBox& combo, int row) {
        combo.view()->setCurrentIndex(combo.view()->model()->index(row, 0));
        testing::keyClick(combo.view(), Qt::Key_Return);
    };
    const Case cases[] = {
        {"a pick after the list closed and opened again before the event loop turned",
         [&](QtComboBox& combo, ComboBox&, QLineEdit&) {
             combo.showPopup();
             testing::keyClick(combo.view(), Qt::Key_F4);  // closes the list
             testing::keyClick(&combo, Qt::Key_F4);  // opens it again
             QApplication::processEvents();
             pick(combo, 2);
         }, "Nepal", 2},
        {"the focus leaves a selected text", [](QtComboBox& combo, ComboBox& m, QLineEdit& elsewhere) {
             m.choose(0);
             combo.setFocus(Qt::OtherFocusReason);
             m.setSelStart(0);
             m.setSelLength(5);
             elsewhere.setFocus(Qt::MouseFocusReason);
         }, "India", 0},
        {"Delete and Ctrl+Delete where Backspace is refused", [](QtComboBox& combo, ComboBox& m, QLineEdit&) {
             m.onKeyPress = [](int& k) { k = 0; };
             m.choose(0);
             testing::keyClick(&combo, Qt::Key_Home);
             testing::keyClick(&combo, Qt::Key_Delete);
             testing::keyClick(&combo, Qt::Key_Delete, {}, Qt::ControlModifier);
         }, "India", 0},
    };
    parent.show();
    QApplication::setActiveWindow(&parent);
    for (const Case& c : cases) {
        ComboBox model{"txt_VC_Country"};
        QtComboBox combo(model, &window, &parent);
        QLineEdit elsewhere(&parent);
        for (const char* name : {"India", "Indonesia", "Nepal"}) model.addItem(name);
        combo.show();
        elsewhere.show();
        QApplication::setActiveWindow(&parent);
        c.act(combo, model, elsewhere);
        QApplication::processEvents();
        EXPECT_EQ(model.text(), c.text) << c.what;
        EXPECT_EQ(model.listIndex(), c.chosen) << c.what;
        EXPECT_EQ(combo.lineEdit()->text().toStdString(), c.text) << c.what;
        EXPECT_EQ(combo.currentIndex(), c.chosen) << c.what;
        EXPECT_EQ(model.selLength(), combo.lineEdit()->selectedText().size()) << c.what;
    }
}

}  // namespace
}  // namespace jd::qt
