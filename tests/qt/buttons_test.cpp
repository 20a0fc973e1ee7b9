// Option buttons follow their group, whatever the widget did and whatever
// widget they lie in; arrows choose within a group, Tab leaves it, and Enter
// and Space press a command button.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/binding_fixture.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

// Two groups side by side on one widget: each has its own chosen button and
// tab stop, its arrows stay inside it, and a click in one leaves the other's
// choice as it was.
TEST(OptionButtons, TwoGroupsOnOneWidgetStaySeparate) {
    testing::app();
    EntryWindow window;
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
    testing::keyClick(boxes[0].get(), Qt::Key_Down);
    EXPECT_TRUE(op2.value());
    EXPECT_EQ(QApplication::focusWidget(), boxes[1].get());
    testing::keyClick(boxes[1].get(), Qt::Key_Down);  // the last of its group: the focus stays
    EXPECT_EQ(QApplication::focusWidget(), boxes[1].get());
    EXPECT_TRUE(op3.value());
    testing::keyClick(boxes[1].get(), Qt::Key_Tab);  // leaves the group for the next one
    EXPECT_EQ(QApplication::focusWidget(), boxes[2].get());
    // An arrow chooses even from a button that is not the chosen one.
    op5.setValue(true);
    testing::keyClick(boxes[2].get(), Qt::Key_Down);
    EXPECT_TRUE(op4.value());
    testing::keyClick(boxes[3].get(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &printButton);

    testing::keyClick(&printButton, Qt::Key_Return, "\r");
    testing::keyClick(&printButton, Qt::Key_Space, " ");
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
    testing::keyClick(&before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &pmBox);
    pmBox.setFocus(Qt::TabFocusReason);
    testing::keyClick(&pmBox, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), &pmBox);
    EXPECT_TRUE(pm.value());
    EXPECT_TRUE(op1.value());
    testing::keyClick(&pmBox, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &op1Box);
}

}  // namespace
}  // namespace jd::qt
