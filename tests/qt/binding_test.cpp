// The Qt widgets show their models and send the user's input through them.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QAbstractItemView>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include <QWidget>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

void press(QWidget* w, int qtKey, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, qtKey, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, mods, text);
    QApplication::sendEvent(w, &up);
}

void type(QWidget* w, const QString& text) {
    for (QChar c : text) press(w, c.toUpper().unicode(), QString(c));
}

class EntryWindow : public Window {
public:
    EntryWindow() : Window("frm_OpenChart", "Enter Birth Details", WindowKind::TopLevel) {}
};

struct BindingTest : ::testing::Test {
    QApplication& app = testing::app();  // before any widget
    QWidget parent;
    EntryWindow window;
};

TEST_F(BindingTest, TextBoxShowsTheModelAndTypesThroughIt) {
    TextBox model{"Txt_VC_ChartName", "", 5};
    QtTextBox box(model, &window, &parent);

    model.setText("Ravi");
    EXPECT_EQ(box.text(), "Ravi");
    model.setLocked(true);
    EXPECT_TRUE(box.isReadOnly());
    model.setLocked(false);

    model.setText("");
    type(&box, "abcdefg");  // five characters fit
    EXPECT_EQ(model.text(), "abcde");
    EXPECT_EQ(box.text(), "abcde");
    press(&box, Qt::Key_Backspace);
    press(&box, Qt::Key_Home);  // the caret the user moves is the model's caret
    EXPECT_EQ(model.selStart(), 0);
    type(&box, "z");
    EXPECT_EQ(model.text(), "zabcd");
    EXPECT_EQ(box.cursorPosition(), 1);

    std::vector<int> keyUps;
    model.onKeyUp = [&](int& code, int) { keyUps.push_back(code); };
    press(&box, Qt::Key_Return, "\r");
    EXPECT_EQ(keyUps, std::vector<int>{13});
}

TEST_F(BindingTest, ASwallowedKeyNeverReachesTheBox) {
    TextBox model{"txtHours"};
    QtTextBox box(model, &window, &parent);
    model.onKeyPress = [](int& k) {
        if (!((k >= '0' && k <= '9') || k == key::Backspace)) k = 0;
    };
    type(&box, "1x2-");
    press(&box, Qt::Key_K, "\x0b", Qt::ControlModifier);  // a line edit's own kill-line key
    press(&box, Qt::Key_Z, "\x1a", Qt::ControlModifier);  // undo
    EXPECT_EQ(model.text(), "12");
    EXPECT_EQ(box.text(), "12");
}

TEST_F(BindingTest, FocusTakenByTheUserIsTheWindowsFocus) {
    TextBox name{"Txt_VC_ChartName"};
    ComboBox sex{"cbGender"};
    QtTextBox nameBox(name, &window, &parent);
    QtComboBox sexBox(sex, &window, &parent);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&sexBox, &in);
    EXPECT_EQ(window.focused(), &sex);
    QApplication::sendEvent(&nameBox, &in);
    EXPECT_EQ(window.focused(), &name);
}

TEST_F(BindingTest, ABoxTakesTheFocusWhenItsWindowGivesItNotWhenItMerelyChanges) {
    class OtherWindow : public Window {
    public:
        OtherWindow() : Window("frmNavigator", "Horoscope", WindowKind::MdiChild) {}
    } other;
    TextBox name{"Txt_VC_ChartName"}, city{"txtCity"};
    ComboBox sex{"cbGender"};
    QtTextBox nameBox(name, &window, &parent);
    QtComboBox sexBox(sex, &window, &parent);
    QtTextBox cityBox(city, &other, &parent);
    parent.show();
    QApplication::setActiveWindow(&parent);

    window.setFocus(sex);  // the window's own choice: the box takes the focus
    EXPECT_TRUE(sexBox.hasFocus());
    cityBox.setFocus(Qt::MouseFocusReason);  // the user goes to another window
    sex.setText("Male");                     // the box left behind changes
    name.setText("Ravi");
    QApplication::processEvents();
    EXPECT_TRUE(cityBox.hasFocus());
    window.setFocus(name);
    EXPECT_TRUE(nameBox.hasFocus());
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
    press(combo.view(), Qt::Key_Return);
    EXPECT_EQ(model.listIndex(), 1);
    press(&combo, Qt::Key_Down);
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

    press(&combo, Qt::Key_End);
    EXPECT_EQ(combo.lineEdit()->cursorPosition(), 9);
    EXPECT_EQ(model.selStart(), 9);
    for (int k : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) press(&combo, k);
    EXPECT_EQ(model.selStart(), 1);
    press(&combo, Qt::Key_End, {}, Qt::ShiftModifier);
    EXPECT_EQ(combo.lineEdit()->selectedText(), "yderabad");
    EXPECT_EQ(model.selLength(), 8);

    type(&combo, "x");  // swallowed by the window
    EXPECT_EQ(model.text(), "Hyderabad");
    type(&combo, "i");  // takes the selection's place
    EXPECT_EQ(model.text(), "Hi");
    EXPECT_EQ(combo.lineEdit()->text(), "Hi");
    EXPECT_EQ(keyDowns, (std::vector<int>{35, 36, 39, 39, 37, 35, 'X', 'I'}));
}

// A list box shows its model's choice and no other: what Qt makes current as
// the list takes the focus is undone; the user's keys and typed text choose.
TEST_F(BindingTest, AListBoxShowsItsModelsChoiceAndTakesTheUsersKeys) {
    struct Case {
        const char* what;
        std::function<void(QtListBox&, ListBox&)> act;
        int chosen;
    };
    const Case cases[] = {
        {"Tab into the filled list", [](QtListBox& l, ListBox&) { l.setFocus(Qt::TabFocusReason); }, -1},
        {"Tab, then Space", [](QtListBox& l, ListBox&) {
             l.setFocus(Qt::TabFocusReason);
             press(&l, Qt::Key_Space, " ");
         }, -1},
        {"Tab, then Down", [](QtListBox& l, ListBox&) {
             l.setFocus(Qt::TabFocusReason);
             press(&l, Qt::Key_Down);
         }, 0},
        {"the window gives it the focus", [this](QtListBox&, ListBox& m) { window.setFocus(m); }, -1},
        {"the window gives it the focus, then Down", [this](QtListBox& l, ListBox& m) {
             window.setFocus(m);
             press(&l, Qt::Key_Down);
         }, 0},
        // A list of one choice keeps its chosen entry, and fires nothing.
        {"Ctrl+click on the chosen entry", [](QtListBox& l, ListBox& m) {
             m.setListIndex(1);
             m.onClick = [] { ADD_FAILURE() << "a click fired"; };
             testing::mouseClick(l.viewport(), l.visualItemRect(l.item(1)).center(), Qt::LeftButton,
                                 Qt::ControlModifier);
         }, 1},
        {"Ctrl+Space on the chosen entry", [](QtListBox& l, ListBox& m) {
             m.setListIndex(1);
             l.setFocus(Qt::TabFocusReason);
             m.onClick = [] { ADD_FAILURE() << "a click fired"; };
             press(&l, Qt::Key_Space, " ", Qt::ControlModifier);
         }, 1},
        {"an input method types B", [](QtListBox& l, ListBox&) {
             l.setFocus(Qt::MouseFocusReason);
             QInputMethodEvent typed;
             typed.setCommitString("B");
             QApplication::sendEvent(&l, &typed);
         }, 1},
    };
    parent.show();
    QApplication::setActiveWindow(&parent);
    for (const Case& c : cases) {
        ListBox model{"List_VC_ChartName"};
        QtListBox list(model, &window, &parent);
        for (const char* name : {"Anand", "Bala", "Chitra"}) model.addItem(name);
        list.show();
        c.act(list, model);
        EXPECT_EQ(model.listIndex(), c.chosen) << c.what;
        EXPECT_EQ(list.currentRow(), c.chosen) << c.what;
        EXPECT_EQ(list.selectedItems().size(), c.chosen < 0 ? 0 : 1) << c.what;
        window.clearFocus();  // the next case's list is a new control, though it may lie where this one lay
    }
}

// The binding counts the user's input where the widget handles it and
// delivers nothing again: a filter of the whole application sees each key
// once on a bound widget, as on a plain one.
TEST_F(BindingTest, AnApplicationFilterSeesEachKeyOnceOnABoundWidgetAsOnAPlainOne) {
    struct KeyCounter : QObject {
        std::map<QObject*, int> presses;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::KeyPress) ++presses[o];
            return false;
        }
    } counter;
    ListBox list{"List_VC_ChartName"};
    ComboBox combo{"txt_VC_Country"};
    Grid grid{"mshCity", 3, 2};
    for (const char* name : {"Anand", "Bala"}) {
        list.addItem(name);
        combo.addItem(name);
    }
    QtListBox listBox(list, &window, &parent);
    QtComboBox comboBox(combo, &window, &parent);
    QtGrid gridBox(grid, &window, &parent);
    QListWidget plain(&parent);
    parent.show();
    app.installEventFilter(&counter);
    for (QWidget* w : std::initializer_list<QWidget*>{&listBox, &comboBox, &gridBox, &plain}) {
        press(w, Qt::Key_Down);
        EXPECT_EQ(counter.presses[w], 1) << w->metaObject()->className();
    }
    app.removeEventFilter(&counter);
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(combo.listIndex(), 0);
}

// Every tab stop that scrolls shows that it has the focus, also with no
// current entry: a line in the highlight colour along its frame.
TEST_F(BindingTest, ListsGridsAndBrowserPanesMarkTheFocus) {
    ListBox list{"List_VC_ChartName"};
    list.addItem("Anand");
    Grid grid{"mshCity", 3, 2};
    WebBrowser pane{"WebBrowser1"};
    QtListBox listBox(list, &window, &parent);
    QtGrid gridBox(grid, &window, &parent);
    QtBrowserPane paneBox(pane, &window, &parent);
    QLineEdit elsewhere(&parent);
    parent.resize(400, 400);
    parent.show();
    QApplication::setActiveWindow(&parent);
    const QColor highlight = parent.palette().color(QPalette::Active, QPalette::Highlight);
    // Pixels of the outermost ring in the highlight colour.
    const auto marked = [&](QWidget* w) {
        const QImage shot = w->grab().toImage();
        int n = 0;
        for (int x = 0; x < shot.width(); ++x)
            n += (QColor(shot.pixel(x, 0)) == highlight) + (QColor(shot.pixel(x, shot.height() - 1)) == highlight);
        return n;
    };
    for (QWidget* w : std::initializer_list<QWidget*>{&listBox, &gridBox, &paneBox}) {
        w->setGeometry(10, 10, 200, 150);
        w->setFocus(Qt::TabFocusReason);
        EXPECT_GT(marked(w), 0) << w->metaObject()->className();
        elsewhere.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(marked(w), 0) << w->metaObject()->className();
    }
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
        press(combo.view(), Qt::Key_Return);
    };
    const Case cases[] = {
        {"a pick after the list closed and opened again before the event loop turned",
         [&](QtComboBox& combo, ComboBox&, QLineEdit&) {
             combo.showPopup();
             press(combo.view(), Qt::Key_F4);        // closes the list
             press(&combo, Qt::Key_F4);    // opens it again
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
             press(&combo, Qt::Key_Home);
             press(&combo, Qt::Key_Delete);
             press(&combo, Qt::Key_Delete, {}, Qt::ControlModifier);
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

// A tab strip shows the tab its model chose, whatever its click handler did.
TEST_F(BindingTest, ATabStripShowsTheTabItsModelChose) {
    struct Case {
        const char* what;
        std::function<void(QtTabStrip&, TabStrip&)> act;
        int chosen;
    };
    const Case cases[] = {
        {"a click whose handler goes back to the first tab", [](QtTabStrip& strip, TabStrip& m) {
             m.onClick = [&m] {
                 if (m.selectedIndex() == 2) m.setSelectedIndex(1);
             };
             testing::mouseClick(&strip, strip.tabRect(1).center());
         }, 1},
        {"the Right arrow", [](QtTabStrip& strip, TabStrip&) { press(&strip, Qt::Key_Right); }, 2},
    };
    parent.show();
    for (const Case& c : cases) {
        TabStrip model{"TabStrip1", {"Add", "Edit", "View"}};
        QtTabStrip strip(model, &window, &parent);
        strip.show();
        c.act(strip, model);
        EXPECT_EQ(model.selectedIndex(), c.chosen) << c.what;
        EXPECT_EQ(strip.currentIndex(), c.chosen - 1) << c.what;
    }
}

TEST_F(BindingTest, GridShowsCellsFormatsClearAndMergeAfterTheRun) {
    Grid model{"mshDasa", 3, 4};
    QtGrid grid(model, &window, &parent);
    model.setFormatString("Dasa       |^From|>To|  Age ");
    model.setText(1, 0, "Kethu");
    model.setText(1, 3, "12");
    model.setCellBold(1, 0, true);
    model.setCellBackColor(1, 1, 0x00FF00);
    model.setRows(4);
    for (int c = 0; c < 4; ++c) model.setText(3, c, "Sun Dasa");
    model.setMergeCells(1);
    model.setMergeRow(3, true);
    QApplication::processEvents();  // the grid redraws once the run is over

    ASSERT_EQ(grid.rowCount(), 4);
    ASSERT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.item(0, 0)->text(), "Dasa       ");
    EXPECT_EQ(grid.item(1, 0)->text(), "Kethu");
    EXPECT_TRUE(grid.item(1, 0)->font().bold());
    EXPECT_EQ(grid.item(1, 1)->background().color(), QColor(0, 255, 0));
    EXPECT_EQ(grid.item(2, 1)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid.item(2, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(grid.item(1, 3)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));  // a number
    EXPECT_EQ(grid.columnSpan(3, 0), 4);

    model.clear();
    QApplication::processEvents();
    EXPECT_EQ(grid.item(0, 0)->text(), "");
    EXPECT_EQ(grid.item(1, 0)->text(), "");

    emit grid.cellClicked(2, 3);  // the user's click moves the current cell
    EXPECT_EQ(model.row(), 2);
    EXPECT_EQ(model.col(), 3);
}

// The grid shows its model's current cell, none while that lies among the
// fixed cells; the arrows move from there and never onto a fixed cell.
TEST_F(BindingTest, GridArrowsMoveFromTheModelsCellAndNeverOntoAFixedCell) {
    struct Case {
        const char* what;
        std::function<void(QtGrid&, Grid&)> act;
        int row, col;  // the model's current cell afterwards
    };
    const Case cases[] = {
        {"Tab into a new grid", [](QtGrid& g, Grid&) { g.setFocus(Qt::TabFocusReason); }, 0, 0},
        {"Tab and Down from a cell set by code", [](QtGrid& g, Grid& m) {
             m.setRow(3);
             m.setCol(2);
             g.setFocus(Qt::TabFocusReason);
             press(&g, Qt::Key_Down);
         }, 4, 2},
        {"Down, then Up, Left, Home and PageUp", [](QtGrid& g, Grid&) {
             g.setFocus(Qt::TabFocusReason);
             for (int k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Home, Qt::Key_PageUp}) press(&g, k);
         }, 1, 1},
        {"code moves the cell of a focused grid", [](QtGrid& g, Grid& m) {
             g.setFocus(Qt::TabFocusReason);
             press(&g, Qt::Key_Down);
             m.setRow(6);
             m.setCol(3);
         }, 6, 3},
    };
    parent.resize(320, 220);
    parent.show();
    QApplication::setActiveWindow(&parent);
    for (const Case& c : cases) {
        Grid model{"mshVargas", 10, 5};
        QtGrid grid(model, &window, &parent);
        grid.setGeometry(0, 0, 300, 200);
        grid.show();
        c.act(grid, model);
        QApplication::processEvents();
        EXPECT_EQ(model.row(), c.row) << c.what;
        EXPECT_EQ(model.col(), c.col) << c.what;
        const bool movable = c.row >= model.fixedRows() && c.col >= model.fixedCols();
        EXPECT_EQ(grid.currentRow(), movable ? c.row : -1) << c.what;
        EXPECT_EQ(grid.currentColumn(), movable ? c.col : -1) << c.what;
    }
}

// Fixed rows and columns stay in place while the others scroll under them:
// the wheel over the heading scrolls the rows, the scroll bar the columns.
TEST_F(BindingTest, AGridKeepsItsFixedRowsAndColumnsInSightWhileItScrolls) {
    Grid model{"mshVargas", 60, 12};
    for (int r = 0; r < model.rows(); ++r)
        for (int c = 0; c < model.cols(); ++c)
            model.setText(r, c, r == 0 ? "D" + std::to_string(c) : c == 0 ? "Row " + std::to_string(r)
                                                                          : std::to_string(r * c));
    QtGrid grid(model, &window, &parent);
    grid.setGeometry(0, 0, 300, 200);
    parent.resize(320, 220);
    parent.show();
    QApplication::processEvents();
    const QRect area = grid.viewport()->geometry();
    const QRect heading(area.topLeft(), QSize(area.width(), grid.rowHeight(0)));
    const QRect names(area.topLeft(), QSize(grid.columnWidth(0), area.height()));
    const QRect cells = area.adjusted(grid.columnWidth(0), grid.rowHeight(0), 0, 0);
    const auto shot = [&](const QRect& r) {
        QApplication::processEvents();
        return grid.grab(r).toImage();
    };
    const QImage headingBefore = shot(heading), cellsBefore = shot(cells);

    const QPoint at = heading.center();
    QWidget* under = grid.childAt(at);
    ASSERT_NE(under, nullptr);
    const QPointF local = under->mapFrom(&grid, at);
    QWheelEvent wheel(local, under->mapToGlobal(local), QPoint(), QPoint(0, -360), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(under, &wheel);
    EXPECT_GT(grid.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(shot(cells) != cellsBefore) << "the rows scrolled";
    EXPECT_TRUE(shot(heading) == headingBefore) << "the heading row stayed";

    const QImage namesBefore = shot(names);
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    EXPECT_GT(grid.horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(shot(names) == namesBefore) << "the fixed column stayed";
}

TEST_F(BindingTest, OptionButtonsFollowTheirGroupWhateverTheWidgetDid) {
    OptionGroup g;
    OptionButton am{"Opt_AM", "AM", g, true};
    OptionButton pm{"Opt_PM", "PM", g};
    QtOptionButton amBox(am, &window, &parent);
    QtOptionButton pmBox(pm, &window, &parent);
    pmBox.click();
    EXPECT_TRUE(pm.value());
    EXPECT_FALSE(amBox.isChecked());
    pmBox.click();  // a second click on the chosen button leaves it chosen
    EXPECT_TRUE(pmBox.isChecked());
    pm.setValue(false);  // the model may leave none chosen
    EXPECT_FALSE(pmBox.isChecked());
}

// The print window's keys: two frames of option buttons and a command button.
TEST_F(BindingTest, ArrowsChooseWithinAnOptionGroupTabLeavesItAndEnterPressesAButton) {
    OptionGroup horoscope, output;
    OptionButton op1{"Op1", "With Antaras", horoscope, true}, op2{"Op2", "Without Antaras", horoscope};
    OptionButton op3{"Op3", "Printer", output, true}, op4{"Op4", "Text File", output}, op5{"Op5", "Html", output};
    CommandButton print{"CoPrt", "&Print"};
    int printed = 0;
    print.onClick = [&] { ++printed; };
    QWidget frame1(&parent), frame2(&parent);
    frame1.setGeometry(0, 0, 200, 60);
    frame2.setGeometry(0, 70, 200, 90);
    std::vector<std::unique_ptr<QtOptionButton>> boxes;
    for (OptionButton* b : {&op1, &op2, &op3, &op4, &op5}) {
        QWidget* frame = b == &op1 || b == &op2 ? &frame1 : &frame2;
        boxes.push_back(std::make_unique<QtOptionButton>(*b, &window, frame));
        boxes.back()->setGeometry(0, 25 * static_cast<int>(frame->children().size() - 1), 150, 20);
    }
    QtButton printButton(print, &window, &parent);
    printButton.setGeometry(0, 170, 80, 25);
    parent.show();
    QApplication::setActiveWindow(&parent);

    boxes[0]->setFocus(Qt::TabFocusReason);
    press(boxes[0].get(), Qt::Key_Down);
    EXPECT_TRUE(op2.value());
    EXPECT_EQ(QApplication::focusWidget(), boxes[1].get());
    press(boxes[1].get(), Qt::Key_Down);  // the last of its group: the focus stays
    EXPECT_EQ(QApplication::focusWidget(), boxes[1].get());
    EXPECT_TRUE(op3.value());
    press(boxes[1].get(), Qt::Key_Tab);  // leaves the group for the next one
    EXPECT_EQ(QApplication::focusWidget(), boxes[2].get());
    // An arrow chooses even from a button that is not the chosen one.
    op5.setValue(true);
    press(boxes[2].get(), Qt::Key_Down);
    EXPECT_TRUE(op4.value());
    press(boxes[3].get(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &printButton);

    press(&printButton, Qt::Key_Return, "\r");
    press(&printButton, Qt::Key_Space, " ");
    EXPECT_EQ(printed, 2);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);  // Enter held down
    QApplication::sendEvent(&printButton, &held);
    QApplication::sendEvent(&printButton, &held);
    EXPECT_EQ(printed, 2);
}

// The birth-time window's AM and PM lie in the window itself, beside a frame
// with a group of its own: Tab enters the window's group at its chosen
// button, and its arrows never leave it for the frame's.
TEST_F(BindingTest, TabAndArrowsKeepToTheChosenButtonOfTheirOwnGroup) {
    OptionGroup ampm, frameGroup;
    OptionButton am{"Opt_AM", "AM", ampm, true}, pm{"Opt_PM", "PM", ampm};
    OptionButton op1{"Op1", "With Antaras", frameGroup, true}, op2{"Op2", "Without Antaras", frameGroup};
    QLineEdit before(&parent);
    before.setGeometry(0, 0, 100, 20);
    QtOptionButton amBox(am, &window, &parent), pmBox(pm, &window, &parent);
    amBox.setGeometry(0, 30, 80, 20);
    pmBox.setGeometry(0, 55, 80, 20);
    QWidget frame(&parent);
    frame.setGeometry(0, 80, 200, 60);
    QtOptionButton op1Box(op1, &window, &frame), op2Box(op2, &window, &frame);
    op1Box.setGeometry(0, 5, 150, 20);
    op2Box.setGeometry(0, 30, 150, 20);
    pm.click();
    parent.show();
    QApplication::setActiveWindow(&parent);

    before.setFocus(Qt::MouseFocusReason);
    press(&before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &pmBox);
    pmBox.setFocus(Qt::TabFocusReason);
    press(&pmBox, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), &pmBox);
    EXPECT_TRUE(pm.value());
    EXPECT_TRUE(op1.value());
    press(&pmBox, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &op1Box);
}

TEST_F(BindingTest, TreeClicksGoThroughTheModel) {
    Tree model{"tV"};
    QtTree tree(model, &window, &parent);
    model.add("", "User", "Birth Details");
    model.add("", "BP", "Bhava Features");
    QApplication::processEvents();
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    std::vector<int> clicked;
    model.onNodeClick = [&](int i) {
        clicked.push_back(i);
        model.setNodeForeColor(i, 0xE17312);
        model.setNodeBold(i, true);
    };
    parent.resize(300, 300);
    tree.resize(300, 300);
    parent.show();
    const QRect r = tree.visualItemRect(tree.topLevelItem(1));
    QMouseEvent click(QEvent::MouseButtonPress, r.center(), tree.viewport()->mapToGlobal(r.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &click);
    QApplication::processEvents();
    EXPECT_EQ(clicked, std::vector<int>{2});
    EXPECT_EQ(model.selectedIndex(), 2);
    EXPECT_TRUE(tree.topLevelItem(1)->font(0).bold());
    EXPECT_EQ(tree.topLevelItem(1)->foreground(0).color(), QColor(0xE1, 0x73, 0x12));

    // Dragging from a node over another chooses only the one pressed.
    const QPoint from = tree.visualItemRect(tree.topLevelItem(0)).center();
    const QPoint over = r.center();
    QMouseEvent down(QEvent::MouseButtonPress, from, tree.viewport()->mapToGlobal(from), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &down);
    QMouseEvent drag(QEvent::MouseMove, over, tree.viewport()->mapToGlobal(over), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &drag);
    QMouseEvent up(QEvent::MouseButtonRelease, over, tree.viewport()->mapToGlobal(over), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &up);
    EXPECT_EQ(clicked, (std::vector<int>{2, 1}));
    EXPECT_EQ(model.selectedIndex(), 1);
}

// The navigator's look: the chosen node in orange bold on the tree's beige,
// whether or not the tree has the focus; the arrow keys choose.
TEST_F(BindingTest, TheChosenNodeShowsInItsOwnColoursWithAndWithoutTheFocus) {
    const QColor beige(230, 217, 189), orange(225, 115, 18);
    Tree model{"tV"};
    QtTree tree(model, &window, &parent);
    QLineEdit elsewhere(&parent);
    model.setBackColor(0xE6D9BD);
    for (const char* text : {"Birth Details", "Rasi", "Navamsa"}) {
        const int i = model.add("", text, text);
        model.setNodeBackColor(i, 0xE6D9BD);
    }
    model.onNodeClick = [&](int i) {
        for (int n = 1; n <= model.nodeCount(); ++n) {
            model.setNodeForeColor(n, 0);
            model.setNodeBold(n, false);
        }
        model.setNodeForeColor(i, 0xE17312);
        model.setNodeBold(i, true);
    };
    tree.setGeometry(0, 40, 300, 200);
    parent.resize(300, 250);
    parent.show();
    QApplication::setActiveWindow(&parent);
    model.clickNode(2);
    // Pixels of a node's row: its text's colour, and any selection bar's.
    const auto count = [&](int node, const QColor& colour) {
        QApplication::processEvents();
        const QImage shot = tree.viewport()->grab().toImage();
        const QRect row = tree.visualItemRect(tree.topLevelItem(node - 1)).intersected(shot.rect());
        int n = 0;
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = row.left(); x <= row.right(); ++x) n += QColor(shot.pixel(x, y)) == colour;
        return n;
    };
    const QColor bar = tree.palette().color(QPalette::Active, QPalette::Highlight);
    for (QWidget* focus : {static_cast<QWidget*>(&tree), static_cast<QWidget*>(&elsewhere)}) {
        focus->setFocus(Qt::TabFocusReason);
        EXPECT_GT(count(2, orange), 0) << focus->metaObject()->className();
        EXPECT_EQ(count(2, bar), 0) << focus->metaObject()->className();
        EXPECT_GT(count(2, beige), 0) << focus->metaObject()->className();
        EXPECT_EQ(count(3, orange), 0);
    }
    tree.setFocus(Qt::TabFocusReason);
    press(&tree, Qt::Key_Down);
    EXPECT_EQ(model.selectedIndex(), 3);
    EXPECT_GT(count(3, orange), 0);
    EXPECT_EQ(count(2, orange), 0);
}

}  // namespace
}  // namespace jd::qt
