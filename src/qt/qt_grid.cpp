#include "qt/qt_grid.h"

#include <QHeaderView>
#include <QTimer>
#include <algorithm>

#include "qt/twips.h"

namespace jd::qt {

// ------------------------------------------------------------------------ grid

QtGrid::QtGrid(Grid& model, QWidget* parent)
    : FocusMarked<QTableWidget>(parent), model_(model), input_([this] { showCurrent(); }) {
    setObjectName(toQt(model.name()));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
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
    sub_ = model_.subscribe([this] {
        if (!updating_) scheduleRefresh();
    });
    refresh();
}

QtGrid::~QtGrid() { model_.unsubscribe(sub_); }

bool QtGrid::event(QEvent* e) {
    const bool done = input_.handle(this, e, [&] { return FocusMarked<QTableWidget>::event(e); });
    if (e->type() == QEvent::FocusIn) showCurrent();
    return done;
}

bool QtGrid::viewportEvent(QEvent* e) {
    return input_.handle(this, e, [&] { return FocusMarked<QTableWidget>::viewportEvent(e); });
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
    QTimer::singleShot(0, this, [this] {
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
    clearSpans();
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
                if (c - start > 1) setSpan(r, start, 1, c - start);
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
    applyControl(this, model_);
    showCurrent();
    setUpdatesEnabled(true);
}
}  // namespace jd::qt
