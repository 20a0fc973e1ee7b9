#pragma once
// The grid: a table of texts with fixed rows and columns at its top and left.
#include <QTableWidget>

#include "platform/controls.h"
#include "qt/qt_binding.h"

namespace jd::qt {

// Grids change cell by cell in long runs; the widget redraws once the run is
// over (when the event loop next runs). A grid is one tab stop: Tab leaves
// it, the arrow keys move the current cell (the model's, by the user's keys
// and clicks). A frame shows the focus.
class QtGrid : public FocusMarked<QTableWidget> {
    Q_OBJECT
public:
    explicit QtGrid(Grid& model, QWidget* parent = nullptr);
    ~QtGrid() override;
    // Redraws now (also what the deferred redraw calls).
    void refresh();
    // Sizes each column to its texts instead of the model's widths (for
    // grids whose widths are no part of their design).
    void setFitColumnsToContents(bool fit) {
        fitColumns_ = fit;
        refresh();
    }

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void scheduleRefresh();

    bool fitColumns_ = false;
    Grid& model_;
    int sub_;
    UserInput input_;
    bool pending_ = false;
    bool updating_ = false;
};

}  // namespace jd::qt
