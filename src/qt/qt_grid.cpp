#include "qt/qt_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <functional>
#include <vector>

#include "qt/next_pass.h"
#include "qt/twips.h"

namespace jd::qt {

// ------------------------------------------------------------- fixed cells

// A grid's fixed rows or columns: a view of the grid's own items laid over
// its top or left edge. It scrolls with the grid along that edge and never
// across it; it takes no focus, and lets the mouse through to the grid,
// whose own handling of the wheel and clicks over it applies.
class FixedCells : public QTableView {
public:
    FixedCells(QtGrid* grid, bool across, bool down) : QTableView(grid), grid_(grid), across_(across), down_(down) {
        setModel(grid->model());
        setFocusPolicy(Qt::NoFocus);
        setFrameShape(QFrame::NoFrame);
        horizontalHeader()->hide();
        verticalHeader()->hide();
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSelectionMode(QAbstractItemView::NoSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setAutoScroll(false);
        setWordWrap(false);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    // Scrolled as the grid along its edge, at the start across it.
    void follow() {
        horizontalScrollBar()->setValue(across_ ? grid_->horizontalScrollBar()->value() : 0);
        verticalScrollBar()->setValue(down_ ? grid_->verticalScrollBar()->value() : 0);
    }

protected:
    // A new scroll range may have cut the value it had.
    void updateGeometries() override {
        QTableView::updateGeometries();
        follow();
    }

private:
    QtGrid* grid_;
    bool across_, down_;  // scrolls with the grid's columns, rows
};

// ------------------------------------------------------------------------ grid

QtGrid::QtGrid(Grid& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent), input_([this] { showCurrent(); }) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    fixed_ = {new FixedCells(this, true, false), new FixedCells(this, false, true), new FixedCells(this, false, false)};
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            for (FixedCells* f : fixed_) f->follow();
        });
    const auto take = [this](int r, int c) {
        if (updating_ || r < fixedRows_ || c < fixedCols_ || r >= model_.rows() || c >= model_.cols()) return;
        const Updating echo(updating_);  // the model tells the widget what it shows
        model_.setRow(r);
        model_.setCol(c);
    };
    connect(this, &QTableWidget::cellClicked, this, take);
    // The cell the user's arrow keys reach; the one Qt makes current when the
    // grid takes the focus is none of the model's business.
    connect(this, &QTableWidget::currentCellChanged, this, [this, take](int r, int c) {
        if (input_.active()) take(r, c);
    });
    refresh();
}

bool QtGrid::event(QEvent* e) {
    const bool done = input_.handle(this, e, [&] { return FocusMarked<QTableWidget>::event(e); });
    if (e->type() == QEvent::FocusIn) showCurrent();
    return done;
}

bool QtGrid::viewportEvent(QEvent* e) {
    // Over the fixed cells a click takes the grid the focus and moves no
    // current cell; the wheel scrolls there as anywhere.
    if (overFixedCells(e)) {
        if (e->type() == QEvent::MouseButtonPress && (focusPolicy() & Qt::ClickFocus)) setFocus(Qt::MouseFocusReason);
        return true;
    }
    return input_.handle(this, e, [&] { return FocusMarked<QTableWidget>::viewportEvent(e); });
}

bool QtGrid::overFixedCells(const QEvent* e) const {
    switch (e->type()) {
        case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const QPoint at = viewport()->mapTo(this, static_cast<const QMouseEvent*>(e)->position().toPoint());
            return std::any_of(fixed_.begin(), fixed_.end(),
                               [&](const FixedCells* f) { return f->isVisible() && f->geometry().contains(at); });
        }
        default:
            return false;
    }
}

QModelIndex QtGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (fixedRows_ >= rowCount() || fixedCols_ >= columnCount()) return {};
    const QModelIndex from = currentIndex();
    if (!from.isValid() || from.row() < fixedRows_ || from.column() < fixedCols_)
        return model()->index(fixedRows_, fixedCols_);
    const QModelIndex to = FocusMarked<QTableWidget>::moveCursor(action, modifiers);
    if (!to.isValid()) return from;
    return model()->index(std::max(to.row(), fixedRows_), std::max(to.column(), fixedCols_));
}

void QtGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    FocusMarked<QTableWidget>::scrollTo(index, hint);
    if (!index.isValid()) return;
    // A movable cell shows beside the fixed ones, not under them.
    const auto uncover = [](QScrollBar* bar, int fixedSize, const std::function<int()>& position) {
        while (bar->value() > bar->minimum() && position() < fixedSize) bar->setValue(bar->value() - 1);
    };
    if (index.row() >= fixedRows_)
        uncover(verticalScrollBar(), fixed_[0]->height(), [&] { return rowViewportPosition(index.row()); });
    if (index.column() >= fixedCols_)
        uncover(horizontalScrollBar(), fixed_[1]->width(), [&] { return columnViewportPosition(index.column()); });
}

void QtGrid::updateGeometries() {
    FocusMarked<QTableWidget>::updateGeometries();
    layOutFixedCells();
}

void QtGrid::layOutFixedCells() {
    const QRect area = viewport()->geometry();
    const int rows = std::min(fixedRows_, rowCount()), cols = std::min(fixedCols_, columnCount());
    int height = 0, width = 0;
    for (int r = 0; r < rows; ++r) height += rowHeight(r);
    for (int c = 0; c < cols; ++c) width += columnWidth(c);
    height = std::min(height, area.height());
    width = std::min(width, area.width());
    const QSize sizes[] = {{area.width(), height}, {width, area.height()}, {width, height}};
    // Each view takes the sizes of the rows and columns it shows.
    const auto sized = [](QHeaderView* to, const QHeaderView* from, int count) {
        if (to->defaultSectionSize() != from->defaultSectionSize())
            to->setDefaultSectionSize(from->defaultSectionSize());
        for (int i = 0; i < count; ++i)
            if (to->sectionSize(i) != from->sectionSize(i)) to->resizeSection(i, from->sectionSize(i));
    };
    for (size_t i = 0; i < fixed_.size(); ++i) {
        FixedCells* f = fixed_[i];
        f->setGeometry(QRect(area.topLeft(), sizes[i]));
        f->setVisible(!sizes[i].isEmpty());
        if (f->isHidden()) continue;
        f->setTextElideMode(textElideMode());
        f->setShowGrid(showGrid());
        f->setHorizontalScrollMode(horizontalScrollMode());
        f->setVerticalScrollMode(verticalScrollMode());
        sized(f->horizontalHeader(), horizontalHeader(), i == 0 ? columnCount() : cols);
        sized(f->verticalHeader(), verticalHeader(), i == 1 ? rowCount() : rows);
        f->follow();
    }
}

void QtGrid::showCurrent() {
    const Updating updating(updating_);
    const int r = model_.row(), c = model_.col();
    const bool movable = r >= fixedRows_ && c >= fixedCols_ && r < rowCount() && c < columnCount();
    const QModelIndex cell = movable ? model()->index(r, c) : QModelIndex();
    QItemSelectionModel* shown = selectionModel();
    const QModelIndexList selected = movable ? QModelIndexList{cell} : QModelIndexList{};
    if (shown->currentIndex() == cell && shown->selectedIndexes() == selected) return;
    // Shown where it lies: code that moves the current cell scrolls nothing.
    const bool scroll = hasAutoScroll();
    setAutoScroll(false);
    shown->setCurrentIndex(cell, movable ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
    setAutoScroll(scroll);
}

void QtGrid::scheduleRefresh() {
    if (pending_) return;
    pending_ = true;
    onNextPass(this, [this] {
        if (pending_) refresh();
    });
}

void QtGrid::refresh() {
    pending_ = false;
    const Updating updating(updating_);
    setUpdatesEnabled(false);
    setRowCount(model_.rows());
    setColumnCount(model_.cols());
    fixedRows_ = model_.fixedRows();
    fixedCols_ = model_.fixedCols();
    std::vector<QRect> spans;  // merged cells: (column, row) and their width in columns
    const QBrush fixedBack = palette().button();
    for (int r = 0; r < model_.rows(); ++r) {
        for (int c = 0; c < model_.cols(); ++c) {
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;  // owned by the table
                setItem(r, c, it);
            }
            const QString t = toQt(model_.text(r, c));
            if (it->text() != t) it->setText(t);
            const bool fixed = r < fixedRows_ || c < fixedCols_;
            Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter;
            switch (model_.cellAlignment(r, c)) {
                case Alignment::LeftCenter: break;
                case Alignment::CenterCenter: a = Qt::AlignCenter; break;
                case Alignment::RightCenter: a = Qt::AlignRight | Qt::AlignVCenter; break;
                case Alignment::General: {
                    bool number = false;
                    t.trimmed().toDouble(&number);
                    if (number && !fixed) a = Qt::AlignRight | Qt::AlignVCenter;
                    break;
                }
            }
            it->setTextAlignment(a);
            QFont f = font();
            f.setBold(model_.cellBold(r, c));
            it->setFont(f);
            const unsigned fore = model_.cellForeColor(r, c);
            it->setForeground(fore == 0xFFFFFFFFu ? palette().text() : QBrush(colorOf(fore)));
            const unsigned back = model_.cellBackColor(r, c);
            it->setBackground(back != 0xFFFFFFFFu ? QBrush(colorOf(back)) : fixed ? fixedBack : QBrush());
            it->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        if (model_.mergeCells() != 0 && model_.mergeRow(r)) {
            // Runs of equal neighbouring texts show as one cell.
            int start = 0;
            for (int c = 1; c <= model_.cols(); ++c) {
                if (c < model_.cols() && model_.text(r, c) == model_.text(r, start)) continue;
                if (c - start > 1) spans.emplace_back(start, r, c - start, 1);
                start = c;
            }
        }
    }
    if (fitColumns_) {
        // Rows shown merged span their columns: they give no column its width.
        for (int c = 0; c < model_.cols(); ++c) {
            int width = 0;
            for (int r = 0; r < model_.rows(); ++r) {
                if (model_.mergeCells() != 0 && model_.mergeRow(r)) continue;
                const QTableWidgetItem* it = item(r, c);
                QString t = it->text();
                while (t.endsWith(QLatin1Char(' '))) t.chop(1);
                width = std::max(width, QFontMetrics(it->font()).horizontalAdvance(t) + 12);
            }
            setColumnWidth(c, width);
        }
    } else {
        for (int c = 0; c < model_.cols(); ++c) setColumnWidth(c, twipsToPixels(model_.colWidth(c)));
    }
    for (QTableView* view : std::initializer_list<QTableView*>{this, fixed_[0], fixed_[1], fixed_[2]}) {
        view->clearSpans();
        for (const QRect& s : spans) view->setSpan(s.y(), s.x(), s.height(), s.width());
    }
    applyControl(this, model_);
    layOutFixedCells();
    showCurrent();
    setUpdatesEnabled(true);
}
}  // namespace jd::qt
