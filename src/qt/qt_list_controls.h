#pragma once
// The controls that show a list to choose from: the list box and the tree.
#include <QListWidget>
#include <QTreeWidget>
#include <vector>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_binding.h"

namespace jd::qt {

// The selected entry is the model's; with none, no row is current either, so
// the first Down chooses the first entry. Only one entry is chosen, and a
// chosen entry stays chosen under Ctrl+click and Ctrl+Space. A frame shows
// the focus.
class QtListBox : public Bound<FocusMarked<QListWidget>, ListBox> {
    Q_OBJECT
public:
    QtListBox(ListBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* e = nullptr) const override;

private:
    void widgetChanged();
    void showChoice();
    void showChosenRow();

    FocusFollower focus_;
    UserInput input_{[this] { showChoice(); }};
    bool updating_ = false;
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

// The chosen node shows only in the colours and weight its model gives it:
// no selection bar, with or without the focus.
class QtTree : public Bound<QTreeWidget, Tree> {
    Q_OBJECT
public:
    QtTree(Tree& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;  // Enter goes to the model

private:
    void scheduleRefresh();
    void rebuild();
    void showNodes();
    void showChosen();
    void expansionChanged(QTreeWidgetItem* it);
    QTreeWidgetItem* itemOf(int index) const;
    static int numberOf(const QTreeWidgetItem* it);

    UserInput input_{[this] { showChosen(); }};
    bool pending_ = false;
    bool updating_ = false;
    std::vector<QTreeWidgetItem*> items_;  // by node number - 1
    Subscription link_{model_, [this] { scheduleRefresh(); }};  // last: it goes first
};

}  // namespace jd::qt
