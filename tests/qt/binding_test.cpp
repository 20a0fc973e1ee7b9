// What every bound Qt widget shares: the focus the user takes and the window
// gives, the user's keys delivered once, and the mark of a focused tab stop.
#include <gtest/gtest.h>

#include <QEvent>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <initializer_list>
#include <map>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/binding_fixture.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

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
        testing::keyClick(w, Qt::Key_Down);
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

}  // namespace
}  // namespace jd::qt
