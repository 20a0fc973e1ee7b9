// Option buttons: each group is the one its model names, whatever widget
// the buttons lie in.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

class BirthTimeWindow : public Window {
public:
    BirthTimeWindow() : Window("frm_OpenChart", "Enter Birth Details", WindowKind::TopLevel) {}
};

// Two groups side by side on one widget: each has its own chosen button and
// tab stop, its arrows stay inside it, and a click in one leaves the other's
// choice as it was.
TEST(OptionButtons, TwoGroupsOnOneWidgetStaySeparate) {
    testing::app();
    BirthTimeWindow window;
    QWidget parent;
    OptionGroup ampm, antaras;
    OptionButton am{"Opt_AM", "AM", ampm, true}, pm{"Opt_PM", "PM", ampm};
    OptionButton with{"Op1", "With Antaras", antaras}, without{"Op2", "Without Antaras", antaras, true};
    QtOptionButton amBox(am, &window, &parent), pmBox(pm, &window, &parent);
    QtOptionButton withBox(with, &window, &parent), withoutBox(without, &window, &parent);
    int y = 0;
    for (QtOptionButton* b : {&amBox, &pmBox, &withBox, &withoutBox}) b->setGeometry(0, y += 25, 150, 20);
    parent.show();
    QApplication::setActiveWindow(&parent);

    EXPECT_EQ(amBox.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(pmBox.focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(withBox.focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(withoutBox.focusPolicy(), Qt::StrongFocus);

    amBox.setFocus(Qt::TabFocusReason);
    testing::keyClick(&amBox, Qt::Key_Down);
    testing::keyClick(&pmBox, Qt::Key_Down);  // the last of its group: no further
    EXPECT_EQ(QApplication::focusWidget(), &pmBox);
    EXPECT_TRUE(pm.value());
    EXPECT_TRUE(without.value());

    withBox.click();
    EXPECT_TRUE(with.value());
    EXPECT_TRUE(pm.value());
    EXPECT_TRUE(pmBox.isChecked());
    EXPECT_TRUE(withBox.isChecked());
    EXPECT_FALSE(withoutBox.isChecked());
}

}  // namespace
}  // namespace jd::qt
