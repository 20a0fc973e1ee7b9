#pragma once
// The grid: a table of texts with fixed rows and columns at its top and left.
#include <QTableWidget>
#include <array>

#include "platform/controls.h"
#include "qt/qt_binding.h"

namespace jd::qt {

class FixedCells;

// Grids change cell by cell in long runs; the widget redraws once the run is
// over (when the event loop next runs). A grid is one tab stop: Tab leaves
// it, the arrow keys move the current cell (the model's, by the user's keys
// and clicks). The widget shows its model's current cell, none while that
// lies among the fixed cells, and the arrows move from there, never onto a
// fixed cell; from a fixed cell the first arrow goes to the first movable
// one. The fixed rows and columns stay in place while the others scroll
// under them: they remain rows and columns 0.. of the table, drawn again
// over its top and left by views of their own. A frame shows the focus.
class QtGrid : public Bound<FocusMarked<QTableWidget>, Grid> {
    Q_OBJECT
public:
    QtGrid(Grid& model, Window* owner, QWidget* parent = nullptr);
    // Redraws now (also what the deferred redraw calls).
    void refresh();
    // Sizes each column to its texts instead of the model's widths (for
    // grids whose widths are no part of their design).
    void setFitColumnsToContents(bool fit) {
        fitColumns_ = fit;
        refresh();
    }
    // While the grid handles the user's own key or click: a change of its
    // model meanwhile is the user's move of the current cell.
    bool handlingUserInput() const { return input_.active(); }
    // Scrolls as the table does, but a movable cell comes to lie beside the
    // fixed ones, not under them (QTableWidget::scrollToItem bypasses this).
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;

private:
    void scheduleRefresh();
    bool overFixedCells(const QEvent* e) const;
    // Makes the model's current cell the widget's, without scrolling to it.
    void showCurrent();
    // Lays the views of the fixed cells over the table's edges, sized and
    // scrolled as the table.
    void layOutFixedCells();

    bool fitColumns_ = false;
    UserInput input_;
    int fixedRows_ = 0, fixedCols_ = 0;  // as last drawn
    std::array<FixedCells*, 3> fixed_{};  // the fixed rows, the fixed columns, where both meet
    bool pending_ = false;
    bool updating_ = false;
    Subscription link_{model_, [this] {
        if (!updating_) scheduleRefresh();
    }};  // last: it goes first
};

}  // namespace jd::qt
