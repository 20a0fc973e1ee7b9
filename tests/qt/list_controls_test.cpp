// List boxes and trees show their models' choice and send the user's keys
// and clicks through them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>
#include <vector>

#include "platform/input_controls.h"
#include "qt/binding_fixture.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

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
             testing::keyClick(&l, Qt::Key_Space, " ");
         }, -1},
        {"Tab, then Down", [](QtListBox& l, ListBox&) {
             l.setFocus(Qt::TabFocusReason);
             testing::keyClick(&l, Qt::Key_Down);
         }, 0},
        {"the window gives it the focus", [this](QtListBox&, ListBox& m) { window.setFocus(m); }, -1},
        {"the window gives it the focus, then Down", [this](QtListBox& l, ListBox& m) {
             window.setFocus(m);
             testing::keyClick(&l, Qt::Key_Down);
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
             testing::keyClick(&l, Qt::Key_Space, " ", Qt::ControlModifier);
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
    testing::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(model.selectedIndex(), 3);
    EXPECT_GT(count(3, orange), 0);
    EXPECT_EQ(count(2, orange), 0);
}

}  // namespace
}  // namespace jd::qt
