// The grid: its cells and formats, the current cell the arrows move, its
// fixed rows and columns in sight as it scrolls, and its window knowing when
// it has the keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/window.h"
#include "qt/binding_fixture.h"
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
             testing::keyClick(&g, Qt::Key_Down);
         }, 4, 2},
        {"Down, then Up, Left, Home and PageUp", [](QtGrid& g, Grid&) {
             g.setFocus(Qt::TabFocusReason);
             for (int k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Home, Qt::Key_PageUp})
                 testing::keyClick(&g, k);
         }, 1, 1},
        {"code moves the cell of a focused grid", [](QtGrid& g, Grid& m) {
             g.setFocus(Qt::TabFocusReason);
             testing::keyClick(&g, Qt::Key_Down);
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

}  // namespace
}  // namespace jd::qt
