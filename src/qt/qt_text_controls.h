#pragma once
// The controls the user types in: the text box and the combo box. The user's
// typing goes through the model (its key-press handler first), so a key the
// window swallows never reaches the box; the model's text, caret and
// selection show in the widget.
#include <QComboBox>
#include <QLineEdit>
#include <optional>
#include <vector>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_binding.h"

namespace jd::qt {

// The caret and selection of a text part as the keys come to it. The whole
// text is selected when the keyboard brings the keys (Tab, Backtab, an access
// key) or the window asked to give its control the focus since the text part
// last had them (the Enter chain, a handler's focus, the box a message
// names), whatever reason Qt gives; a caret or selection the window chose on
// the text shown stays instead. Any other return of the keys (the window
// active again, the menu bar, a popup, another child window and back) brings
// back the caret and selection the text part had when the keys left; a click
// puts the caret where it clicks. A request that finds the keys just come
// back, with nothing typed since, counts as if it had come first.
class CaretOnFocus {
public:
    // The model shows its text: another one than the text part showed, or
    // one its window wrote (counted by `textWrites`, the same text again
    // included), is a new text with the caret at its start; else the window
    // may have moved the caret or selection on the same text.
    void shown(bool otherText, unsigned textWrites, bool moved);
    // Before the base class handles the focus leaving or coming.
    void keysLeave(const QLineEdit* edit, Qt::FocusReason reason);
    void keysComing(const QLineEdit* edit);
    // After the base class handled the focus coming.
    void keysCame(QLineEdit* edit, Qt::FocusReason reason, bool requested);
    // The user pressed a key, typed or pasted in the text part.
    void used() { returned_ = false; }
    // The window asked to give its control the focus while the text part has
    // the keys. Returns whether the text part now shows another selection.
    bool requestedWithTheKeys(QLineEdit* edit);

private:
    struct Selection {
        int start, length;  // in UTF-16 units of the text shown
    };
    static Selection of(const QLineEdit* edit);
    static void show(QLineEdit* edit, Selection s);

    unsigned textWrites_ = 0;        // the texts the window wrote, as last shown
    bool chosen_ = false;            // the window chose the caret or selection shown
    bool returned_ = false;          // the keys came back, and the user has not used them here since
    std::optional<Selection> left_;  // shown as the keys left
    Selection coming_{0, 0};         // shown as the keys came
};

class QtTextBox : public Bound<QLineEdit, TextBox> {
    Q_OBJECT
public:
    QtTextBox(TextBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void takeSelection();
    // Shows an input method's text being composed (none: the composing ended).
    void showComposing(QInputMethodEvent* composing);

    FocusFollower focus_;
    CaretOnFocus caret_;
    HeldFocusRequest held_;
    bool updating_ = false;
    bool composing_ = false;  // the box shows a text being composed
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
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
    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
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
    CaretOnFocus caret_;
    HeldFocusRequest held_;
    UserInput input_{[this] { settle(); }};
    bool updating_ = false;
    bool pending_ = false;    // the whole check is due
    bool missed_ = false;     // a change was told while updating
    bool popupOpen_ = false;  // the drop-down list is open, or closing on a pick
    std::vector<ListEntry> shown_;  // the entries the widget's list holds
    Subscription link_{model_, [this] { modelChanged(); }};  // last: it goes first
};

}  // namespace jd::qt
