// The tab strip and the browser pane: the tab strip shows the tab its model
// chose; their window knows when they have the keys, so it can hand them on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <functional>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/binding_fixture.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

class CountryWindow : public Window {
public:
    CountryWindow() : Window("frm_Add_Country", "Country Details") {}
};

// The user moves back from the name box to the tab strip and clicks the
// chosen tab, whose handler gives the name box the focus again.
TEST(TabStrip, GivesTheKeysToTheBoxItsClickHandlerFocuses) {
    testing::app();
    CountryWindow window;
    QWidget parent;
    TabStrip tabs{"TabStrip1", {"Add", "Edit", "View"}};
    TextBox name{"txtEdit"};
    QtTabStrip strip(tabs, &window, &parent);
    QtTextBox nameBox(name, &window, &parent);
    nameBox.move(0, 40);
    tabs.onClick = [&] { window.setFocus(name); };
    parent.show();
    QApplication::setActiveWindow(&parent);
    window.setFocus(name);
    ASSERT_TRUE(nameBox.hasFocus());

    strip.setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(window.focused(), &tabs);
    testing::mouseClick(&strip, strip.tabRect(1).center());
    EXPECT_TRUE(nameBox.hasFocus());
}

TEST(BrowserPane, TakingTheKeysIsItsWindowsFocus) {
    testing::app();
    CountryWindow window;
    QWidget parent;
    WebBrowser page{"WebSendral_Right"};
    QtBrowserPane pane(page, &window, &parent);
    parent.show();
    QApplication::setActiveWindow(&parent);
    pane.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.focused(), &page);
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
        {"the Right arrow", [](QtTabStrip& strip, TabStrip&) { testing::keyClick(&strip, Qt::Key_Right); }, 2},
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

}  // namespace
}  // namespace jd::qt
