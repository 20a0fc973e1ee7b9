// The grid: the cells it scrolls to beside its fixed rows and columns, and its
// window knowing when it has the keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWidget>
#include <string>

#include "platform/controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"

namespace jd::qt {
namespace {

// A cell scrolled to lies beside the fixed row and column, in full, and not
// under them: from the far corner back to the first movable cell, and a row
// put at the top (as the city master puts its model's top row).
TEST(QtGrid, ACellScrolledToLiesBesideTheFixedCellsNotUnderThem) {
    testing::app();
    QWidget parent;
    Grid model{"mshCity", 60, 12};
    for (int r = 0; r < model.rows(); ++r)
        for (int c = 0; c < model.cols(); ++c) model.setText(r, c, "Cell " + std::to_string(r * c));
    QtGrid grid(model, nullptr, &parent);
    grid.setGeometry(0, 0, 300, 200);
    parent.resize(320, 220);
    parent.show();
    QApplication::processEvents();
    ASSERT_EQ(model.fixedRows(), 1);
    ASSERT_EQ(model.fixedCols(), 1);
    const int heading = grid.rowHeight(0), names = grid.columnWidth(0);

    const struct {
        const char* what;
        int row, col;
        QAbstractItemView::ScrollHint hint;
    } cases[] = {
        {"back to the first movable cell", 1, 1, QAbstractItemView::EnsureVisible},
        {"a row put at the top", 30, 6, QAbstractItemView::PositionAtTop},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
        grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
        grid.scrollTo(grid.model()->index(c.row, c.col), c.hint);
        EXPECT_GE(grid.rowViewportPosition(c.row), heading);
        EXPECT_GE(grid.columnViewportPosition(c.col), names);
        EXPECT_LE(grid.rowViewportPosition(c.row) + grid.rowHeight(c.row), grid.viewport()->height());
        if (c.hint == QAbstractItemView::PositionAtTop) {
            EXPECT_EQ(grid.rowViewportPosition(c.row), heading) << "right under the heading";
        }
    }
}

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
