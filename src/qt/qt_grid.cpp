#include "qt/qt_grid.h"

#include <QHeaderView>
#include <QTimer>

#include "qt/twips.h"

namespace jd::qt {

// ------------------------------------------------------------------------ grid

QtGrid::QtGrid(Grid& model, QWidget* parent) : FocusMarked<QTableWidget>(parent), model_(model) {
    setObjectName(toQt(model.name()));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    const auto take = [this](int r, int c) {
        if (updating_ || r < 0 || c < 0 || r >= model_.rows() || c >= model_.cols()) return;
        model_.setRow(r);
        model_.setCol(c);
    };
    connect(this, &QTableWidget::cellClicked, this, take);
    // The cell the user's arrow keys reach; the one Qt makes current when the
    // grid takes the focus is none of the model's business.
    connect(this, &QTableWidget::currentCellChanged, this, [this, take](int r, int c) {
        if (input_.active()) take(r, c);
    });
    sub_ = model_.subscribe([this] { scheduleRefresh(); });
    refresh();
}

QtGrid::~QtGrid() { model_.unsubscribe(sub_); }

bool QtGrid::event(QEvent* e) {
    return input_.handle(this, e, [&] { return FocusMarked<QTableWidget>::event(e); });
}

bool QtGrid::viewportEvent(QEvent* e) {
    return input_.handle(this, e, [&] { return FocusMarked<QTableWidget>::viewportEvent(e); });
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
            const bool fixed = r < model_.fixedRows() || c < model_.fixedCols();
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
    setUpdatesEnabled(true);
}
}  // namespace jd::qt
