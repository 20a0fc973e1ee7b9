#include "qt/qt_list_controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "qt/next_pass.h"

namespace jd::qt {

namespace {

// Draws the nodes of a tree without the focus frame around the current one:
// the chosen node shows in the colours its model gives it, nothing else.
class PlainNodeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
};

}  // namespace

// -------------------------------------------------------------------- list box

QtListBox::QtListBox(ListBox& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The row the user's key, click or typed text selects is the user's
    // choice; the row Qt makes current when the list takes the focus is none.
    connect(this, &QListWidget::currentRowChanged, this, [this] { widgetChanged(); });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { widgetChanged(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { model_.dblClick(); });
    refresh();
}

void QtListBox::refresh() {
    if (updating_) return;
    {
        const Updating updating(updating_);
        bool same = count() == model_.listCount();
        for (int i = 0; same && i < count(); ++i) same = item(i)->text() == toQt(model_.list(i));
        if (!same) {
            clear();
            for (const auto& entry : model_.entries()) addItem(toQt(entry.text));
        }
        showChosenRow();
        applyControl(this, model_);
    }
    focus_.follow(this, model_);  // the row Qt makes current with the focus is undone
}

void QtListBox::showChosenRow() {
    // The model's entry current and selected alone, or no row at all.
    const int chosen = model_.listIndex();
    const QList<QListWidgetItem*> selected = selectedItems();
    const bool shown = currentRow() == chosen &&
                       (chosen < 0 ? selected.isEmpty() : selected.size() == 1 && selected.front() == item(chosen));
    if (!shown) setCurrentRow(chosen);
}

void QtListBox::showChoice() {
    if (updating_) return;
    const Updating updating(updating_);
    showChosenRow();
}

void QtListBox::widgetChanged() {
    if (updating_) return;
    if (!input_.active()) {
        showChoice();  // Qt's own: undone
        return;
    }
    const QList<QListWidgetItem*> selected = selectedItems();
    const int row = selected.isEmpty() ? -1 : this->row(selected.front());
    if (row != model_.listIndex()) model_.setListIndex(row);
}

bool QtListBox::event(QEvent* e) {
    return input_.handle(this, e, [&] { return FocusMarked<QListWidget>::event(e); });
}

bool QtListBox::viewportEvent(QEvent* e) {
    return input_.handle(this, e, [&] { return FocusMarked<QListWidget>::viewportEvent(e); });
}

QItemSelectionModel::SelectionFlags QtListBox::selectionCommand(const QModelIndex& index, const QEvent* e) const {
    // Ctrl+click and Ctrl+Space would take the choice off the chosen entry;
    // a list of one choice keeps it, as a desktop list box does.
    const auto flags = FocusMarked<QListWidget>::selectionCommand(index, e);
    return flags & QItemSelectionModel::Deselect ? QItemSelectionModel::NoUpdate : flags;
}

// ------------------------------------------------------------------------ tree

QtTree::QtTree(Tree& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    followKeyPresses();
    setHeaderHidden(true);
    setColumnCount(1);
    // The current item is the chosen node; the model's colours mark it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new PlainNodeDelegate(this));
    // The node the user's keys reach is chosen; the one Qt makes current as
    // the tree takes the focus is not.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* now) {
        if (updating_) return;
        if (input_.active() && now)
            model_.clickNode(numberOf(now));
        else
            showChosen();
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* it) { expansionChanged(it); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* it) { expansionChanged(it); });
    refresh();
}

int QtTree::numberOf(const QTreeWidgetItem* it) { return it->data(0, Qt::UserRole).toInt(); }

void QtTree::expansionChanged(QTreeWidgetItem* it) {
    if (updating_) return;
    if (input_.active())
        model_.setNodeExpanded(numberOf(it), it->isExpanded());
    else
        refresh();
}

void QtTree::showChosen() {
    if (updating_) return;
    const Updating updating(updating_);
    QTreeWidgetItem* chosen = itemOf(model_.selectedIndex());
    if (currentItem() != chosen) setCurrentItem(chosen);
}

bool QtTree::event(QEvent* e) {
    return input_.handle(this, e, [&] { return QTreeWidget::event(e); });
}

bool QtTree::viewportEvent(QEvent* e) {
    return input_.handle(this, e, [&] { return QTreeWidget::viewportEvent(e); });
}

void QtTree::scheduleRefresh() {
    if (pending_) return;
    pending_ = true;
    onNextPass(this, [this] {
        if (pending_) refresh();
    });
}

QTreeWidgetItem* QtTree::itemOf(int index) const {
    return index >= 1 && index <= static_cast<int>(items_.size()) ? items_[static_cast<size_t>(index - 1)] : nullptr;
}

void QtTree::rebuild() {
    clear();  // deletes the items
    items_.clear();
    for (int i = 1; i <= model_.nodeCount(); ++i) {
        const TreeNode& n = model_.node(i);
        QTreeWidgetItem* parentItem = itemOf(model_.indexOf(n.parentKey));
        auto* it = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);  // owned by the tree
        it->setData(0, Qt::UserRole, i);
        items_.push_back(it);
    }
}

void QtTree::refresh() {
    if (updating_) return;
    pending_ = false;
    {
        const Updating updating(updating_);
        showNodes();
    }
    showChosen();
}

void QtTree::showNodes() {
    bool same = static_cast<int>(items_.size()) == model_.nodeCount();
    for (int i = 1; same && i <= model_.nodeCount(); ++i) {
        const QTreeWidgetItem* it = itemOf(i);
        const QTreeWidgetItem* parentItem = itemOf(model_.indexOf(model_.node(i).parentKey));
        same = it->parent() == parentItem;
    }
    if (!same) rebuild();
    for (int i = 1; i <= model_.nodeCount(); ++i) {
        const TreeNode& n = model_.node(i);
        QTreeWidgetItem* it = itemOf(i);
        it->setText(0, toQt(n.text));
        it->setForeground(0, QBrush(colorOf(n.foreColor)));
        it->setBackground(0, n.backColor == TreeNode::kDefaultColor ? QBrush() : QBrush(colorOf(n.backColor)));
        QFont f = font();
        f.setBold(n.bold);
        it->setFont(0, f);
        it->setExpanded(n.expanded);
    }
    setRootIsDecorated(model_.lineStyle() == 1);
    if (model_.backColor() != TreeNode::kDefaultColor) {
        QPalette p = palette();
        p.setColor(QPalette::Base, colorOf(model_.backColor()));
        setPalette(p);
    }
    applyControl(this, model_);
}

void QtTree::mousePressEvent(QMouseEvent* e) {
    // Only the left button chooses a node: a press of another changes nothing.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QTreeWidgetItem* const it = itemAt(e->position().toPoint());
    const bool again = it && it == currentItem();
    QTreeWidget::mousePressEvent(e);  // a node the press makes current is chosen
    if (again) model_.clickNode(numberOf(it));  // and the chosen one again
}

void QtTree::mouseMoveEvent(QMouseEvent* e) {
    // Dragging over the nodes chooses none of them: only a press does.
    if (e->buttons() != Qt::NoButton) {
        e->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(e);
}

void QtTree::mouseDoubleClickEvent(QMouseEvent* e) {
    QTreeWidget::mouseDoubleClickEvent(e);
    model_.dblClick();
}

void QtTree::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!enter || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        QTreeWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    if (isFirstPressIn(this, e)) model_.pressKey(key::Enter);
}

}  // namespace jd::qt
