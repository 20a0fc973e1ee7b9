// The text parts of text boxes and editable combo boxes as the keys come back
// to them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

class EntryWindow : public Window {
public:
    EntryWindow() : Window("frm_OpenChart", "Enter Birth Details", WindowKind::TopLevel) {}
};

void press(QWidget* w, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, qtKey, mods);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, mods);
    QApplication::sendEvent(w, &up);
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
            press(box.get(), Qt::Key_End);
            press(box.get(), Qt::Key_Left, Qt::ShiftModifier);
            press(box.get(), Qt::Key_Left, Qt::ShiftModifier);
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

}  // namespace
}  // namespace jd::qt
