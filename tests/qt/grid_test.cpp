// The grid: its window knows when it has the keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

class CityWindow : public Window {
public:
    CityWindow() : Window("frm_New_LatLon", "City Details") {}
};

TEST(Grid, TakingTheKeysIsItsWindowsFocus) {
    testing::app();
    CityWindow window;
    QWidget parent;
    Grid cities{"mshViewCity", 4, 3};
    QtGrid grid(cities, &window, &parent);
    parent.show();
    QApplication::setActiveWindow(&parent);
    grid.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.focused(), &cities);
}

}  // namespace
}  // namespace jd::qt
