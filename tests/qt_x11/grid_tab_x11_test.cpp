// A grid on the xcb platform, as in City Details: one tab stop between the
// city's fields and Cancel. Tab and Shift+Tab leave it; the arrow keys move
// the model's current cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"
#include "qt_x11/x11_program.h"

namespace jd::qt {
namespace {

class CityWindow : public Window {
public:
    CityWindow() : Window("frm_New_LatLon", "City Details") {}
};

// A key pressed where the user's focus is.
void press(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QKeyEvent down(QEvent::KeyPress, qtKey, mods);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, mods);
    QApplication::sendEvent(w, &up);
}

TEST(GridTab, TabLeavesAGridWhoseArrowsMoveBetweenItsCells) {
    testing::app();
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    CityWindow window;
    QWidget parent;
    TextBox city{"txtAddCity"};
    Grid cities{"mshCity", 6, 3};
    CommandButton cancel{"cmdAddCLose1", "&Cancel"};
    QtTextBox cityBox(city, &window, &parent);
    QtGrid grid(cities, &window, &parent);
    QtButton cancelButton(cancel, &window, &parent);
    cityBox.setGeometry(10, 10, 150, 24);
    grid.setGeometry(10, 40, 300, 120);
    cancelButton.setGeometry(10, 170, 80, 28);
    for (int r = 1; r < 6; ++r) cities.setText(r, 1, "City " + std::to_string(r));
    parent.resize(330, 210);
    parent.show();
    parent.activateWindow();
    ASSERT_TRUE(x11::waitUntil([&parent] { return parent.isActiveWindow(); }));

    cityBox.setFocus(Qt::MouseFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    press(Qt::Key_Down);  // the model's cell is a fixed one: the first movable cell
    press(Qt::Key_Right);
    EXPECT_EQ(cities.row(), 1);
    EXPECT_EQ(cities.col(), 2);
    press(Qt::Key_Up);  // never onto the heading
    EXPECT_EQ(cities.row(), 1);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &cancelButton);
    cities.setRow(3);  // code moves the current cell
    cities.setCol(1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    press(Qt::Key_Down);
    EXPECT_EQ(cities.row(), 4);
    EXPECT_EQ(cities.col(), 1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &cityBox);
}

}  // namespace
}  // namespace jd::qt
