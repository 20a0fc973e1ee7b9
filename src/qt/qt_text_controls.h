#pragma once
// The controls the user types in: the text box and the combo box. The user's
// typing goes through the model (its key-press handler first), so a key the
// window swallows never reaches the box; the model's text, caret and
// selection show in the widget.
#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_binding.h"

namespace jd::qt {

class QtTextBox : public Bound<QLineEdit, TextBox> {
    Q_OBJECT
public:
    QtTextBox(TextBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();
    TextBox& model() { return model_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void takeSelection();

    FocusFollower focus_;
    bool updating_ = false;
    bool selectionChosen_ = false;  // the window set the caret or selection the box shows
    ModelLink link_{model_, [this] { refresh(); }};  // last: it goes first
};

// Lists are filled entry by entry, thousands of them (the cities of a
// country): the widget follows each added or removed entry at once, finding it
// from the end of the list, and checks its whole list against the model once,
// when the event loop next runs (item data changes without telling). A key or
// the opening of the list first brings the widget up to date; a pick from the
// list counts only while the model still holds the entry picked.
class QtComboBox : public Bound<QComboBox, ComboBox> {
    Q_OBJECT
public:
    QtComboBox(ComboBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    // Shows the whole model now (also what the deferred catch-up calls).
    void refresh();
    ComboBox& model() { return model_; }
    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void modelChanged();
    void scheduleRefresh();
    void catchUp() {
        if (pending_) refresh();
    }
    void followOneEntry();
    void showEntries();
    void replaceEntries(size_t at, size_t gone, size_t come);
    void showState();
    void settle();
    bool routeKey(QKeyEvent* e);
    void takeSelection();
    // The user picks from the open list, or presses a key of the box.
    bool userChooses() const { return popupOpen_ || input_.active(); }

    FocusFollower focus_;
    UserInput input_{[this] { settle(); }};
    bool updating_ = false;
    bool pending_ = false;    // the whole check is due
    bool missed_ = false;     // a change was told while updating
    bool popupOpen_ = false;  // the drop-down list is open, or closing on a pick
    std::vector<ListEntry> shown_;  // the entries the widget's list holds
    ModelLink link_{model_, [this] { modelChanged(); }};  // last: it goes first
};

}  // namespace jd::qt
