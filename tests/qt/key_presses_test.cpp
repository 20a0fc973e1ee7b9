// Where a key's release belongs: to the window its first press went to.
// The X server repeats a key held down as a release and a press; Qt marks
// most repeats, and one it leaves unmarked carries the time of the release
// just before it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

class CountryWindow : public Window {
public:
    CountryWindow() : Window("frm_Add_Country", "Country Details") {}
};

// An Enter as X sends it: down or up, at a time, marked as a repeat or not.
void enter(QWidget* to, bool down, ulong at, bool marked = false) {
    QKeyEvent e(down ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), marked);
    e.setTimestamp(at);
    QApplication::sendEvent(to, &e);
}

TEST(KeyPresses, AKeyHeldDownGivesOneKeyUpAndOnlyToTheWindowItsFirstPressWentTo) {
    testing::app();
    CountryWindow window;
    QWidget boxWindow, parent;
    auto* box = new QLineEdit(&boxWindow);  // the message box's button
    TextBox search{"txtEditSearch"};
    QtTextBox searchBox(search, &window, &parent);
    int keyUps = 0;
    search.onKeyUp = [&](int&, int) { ++keyUps; };

    // Enter answers the box and is held: its repeats, unmarked, land in the
    // search box.
    enter(box, true, 100);
    enter(&searchBox, false, 760);
    enter(&searchBox, true, 760);
    enter(&searchBox, false, 800);
    enter(&searchBox, true, 800);
    enter(&searchBox, false, 830);
    EXPECT_EQ(keyUps, 0);

    // Held down in the search box itself, with marked and unmarked repeats:
    // a release marked as a repeat gives no key-up.
    enter(&searchBox, true, 1000);
    enter(&searchBox, false, 1660, true);
    EXPECT_EQ(keyUps, 0);
    enter(&searchBox, true, 1660, true);
    enter(&searchBox, false, 1700);
    enter(&searchBox, true, 1700);
    enter(&searchBox, false, 1750);
    EXPECT_EQ(keyUps, 1);
    enter(&searchBox, true, 2000);
    enter(&searchBox, false, 2100);
    EXPECT_EQ(keyUps, 2);
}

// A focused button presses once for a key held down, and never for the
// unmarked repeats of an Enter whose first press answered a message box.
TEST(KeyPresses, AHeldEnterPressesAFocusedButtonOnlyWhereItsFirstPressWent) {
    testing::app();
    CountryWindow window;
    QWidget boxWindow, parent;
    auto* box = new QLineEdit(&boxWindow);
    CommandButton save{"cmdSave", "&Save"};
    int clicks = 0;
    save.onClick = [&] { ++clicks; };
    QtButton button(save, &window, &parent);

    enter(box, true, 100);
    enter(&button, false, 760);
    enter(&button, true, 760);
    enter(&button, false, 800);
    EXPECT_EQ(clicks, 0);

    enter(&button, true, 1000);
    enter(&button, false, 1660);
    enter(&button, true, 1660);
    enter(&button, false, 1700);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace jd::qt
