#pragma once
// Qt widgets bound to the control models. A change of the model shows in the
// widget; the user's typing and clicks go through the model (its key-press
// handler first), so a key the window swallows never reaches the box. Each
// widget must not outlive its model; the model may outlive the widget.
//
// The owning window, when given, learns where the user put the focus.
//
// Only the user's own keys and clicks (and a pick from an open list) reach a
// model as a choice (see UserInput). What Qt does for its own bookkeeping (the
// current row a list takes with the focus, the entry a combo box matches when
// editing ends, a refill, a first show, the mouse wheel over a tab strip)
// never changes a model's index, text or tab, nor fires its handlers: the
// widget shows its model again at once.
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd::qt {

// The run time's key code of a key (13 Enter, 37..40 arrows, 65..90 letters,
// 112.. F1..) and its shift state (1 Shift, 2 Ctrl, 4 Alt).
int keyCodeOf(const QKeyEvent* e);
int shiftStateOf(Qt::KeyboardModifiers m);

// 0xRRGGBB of the models.
QColor colorOf(unsigned rgb);

// Visibility, enabling and, when the model has a size, position and size.
void applyControl(QWidget* w, const Control& c);

// The one rule of the user's input. A widget has its UserInput watch the parts
// the user works in (the widget, its viewport, its text part, its drop-down
// list) and knows while one of them handles the user's own key, mouse button
// or move, or input-method text. A change the widget reports meanwhile is the
// user's and goes to its model; one it reports at any other time is Qt's own
// bookkeeping and the widget shows its model again at once. What Qt does as
// the focus moves counts as its own, even when the user's Tab moved it. Once
// the user's input is handled, `settle` brings the widget back to its model,
// whatever the handlers did meanwhile. The wheel is no such input.
class UserInput : public QObject {
public:
    explicit UserInput(std::function<void()> settle = {}) : settle_(std::move(settle)) {}
    // Watch a part; the last part watched is the first whose filters see an event.
    void watch(QObject* part) { part->installEventFilter(this); }
    bool active() const { return depth_ > 0; }

protected:
    bool eventFilter(QObject* part, QEvent* e) override;

private:
    int depth_ = 0;                  // the user's input events being handled
    QEvent* delivering_ = nullptr;   // the event this filter passes on
    std::function<void()> settle_;
};

// Gives a widget the keyboard focus when its window gives its model the
// focus, once for each time it does. A model keeps its window's focus while
// the user works in another window; a later change of the model is no
// request for the focus and never takes it back from there.
class FocusFollower {
public:
    void follow(QWidget* w, const Control& c);

private:
    bool given_ = false;  // the model's present focus has reached the widget
};

class QtLabel : public QLabel {
    Q_OBJECT
public:
    explicit QtLabel(Label& model, QWidget* parent = nullptr);
    ~QtLabel() override;
    void refresh();

private:
    Label& model_;
    int sub_;
};

class QtTextBox : public QLineEdit {
    Q_OBJECT
public:
    QtTextBox(TextBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtTextBox() override;
    void refresh();
    TextBox& model() { return model_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void takeSelection();

    TextBox& model_;
    Window* owner_;
    int sub_;
    FocusFollower focus_;
    bool updating_ = false;
};

// Lists are filled entry by entry, thousands of them (the cities of a
// country): the widget follows each added or removed entry at once, finding it
// from the end of the list, and checks its whole list against the model once,
// when the event loop next runs (item data changes without telling). A key or
// the opening of the list first brings the widget up to date; a pick from the
// list counts only while the model still holds the entry picked.
class QtComboBox : public QComboBox {
    Q_OBJECT
public:
    QtComboBox(ComboBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtComboBox() override;
    // Shows the whole model now (also what the deferred catch-up calls).
    void refresh();
    ComboBox& model() { return model_; }
    void showPopup() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
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

    ComboBox& model_;
    Window* owner_;
    int sub_;
    FocusFollower focus_;
    UserInput input_{[this] { settle(); }};
    bool updating_ = false;
    bool pending_ = false;  // the whole check is due
    bool missed_ = false;   // a change was told while updating
    std::vector<ListEntry> shown_;  // the entries the widget's list holds
};

// The selected entry is the model's; with none, no row is current either, so
// the first Down chooses the first entry. A frame shows the focus.
class QtListBox : public QListWidget {
    Q_OBJECT
public:
    QtListBox(ListBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtListBox() override;
    void refresh();

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void widgetChanged();
    void showChoice();
    void showChosenRow();

    ListBox& model_;
    Window* owner_;
    int sub_;
    FocusFollower focus_;
    UserInput input_{[this] { showChoice(); }};
    bool updating_ = false;
};

// Grids change cell by cell in long runs; the widget redraws once the run is
// over (when the event loop next runs). A grid is one tab stop: Tab leaves
// it, the arrow keys move the current cell (the model's, by the user's keys
// and clicks). A frame shows the focus.
class QtGrid : public QTableWidget {
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

private:
    void scheduleRefresh();

    bool fitColumns_ = false;
    Grid& model_;
    int sub_;
    UserInput input_;
    bool pending_ = false;
    bool updating_ = false;
};

// The chosen node shows only in the colours and weight its model gives it:
// no selection bar, with or without the focus.
class QtTree : public QTreeWidget {
    Q_OBJECT
public:
    QtTree(Tree& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtTree() override;
    void refresh();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void scheduleRefresh();
    void rebuild();
    void showChosen();
    void expansionChanged(QTreeWidgetItem* it);
    QTreeWidgetItem* itemOf(int index) const;
    static int numberOf(const QTreeWidgetItem* it);

    Tree& model_;
    Window* owner_;
    int sub_;
    UserInput input_{[this] { showChosen(); }};
    bool pending_ = false;
    bool updating_ = false;
    std::vector<QTreeWidgetItem*> items_;  // by node number - 1
};

class QtButton : public QPushButton {
    Q_OBJECT
public:
    QtButton(CommandButton& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtButton() override;
    void refresh();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;  // Enter presses the button once, as Space does

private:
    CommandButton& model_;
    Window* owner_;
    int sub_;
    FocusFollower focus_;
};

// The option buttons of one parent widget (a frame, or the window itself)
// are one group: Tab enters and leaves it at its chosen button (the first
// when none is chosen), the arrow keys move through it, never past its ends,
// and choose the button they reach. Only the model checks a button.
class QtOptionButton : public QRadioButton {
    Q_OBJECT
public:
    QtOptionButton(OptionButton& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtOptionButton() override;
    void refresh();

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::vector<QtOptionButton*> group() const;
    void showTabStop();

    OptionButton& model_;
    Window* owner_;
    int sub_;
    UserInput input_{[this] { refresh(); }};
    bool updating_ = false;
};

class QtCheckBox : public QCheckBox {
    Q_OBJECT
public:
    QtCheckBox(CheckBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    ~QtCheckBox() override;
    void refresh();

protected:
    void focusInEvent(QFocusEvent* e) override;

private:
    CheckBox& model_;
    Window* owner_;
    int sub_;
    UserInput input_{[this] { refresh(); }};
    bool updating_ = false;
};

class QtFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit QtFrame(Frame& model, QWidget* parent = nullptr);
    ~QtFrame() override;
    void refresh();

private:
    Frame& model_;
    int sub_;
};

// A click on a tab is the user's click of that tab (also of the chosen one);
// the strip then shows the tab its model chose, whatever the click handler did.
class QtTabStrip : public QTabBar {
    Q_OBJECT
public:
    QtTabStrip(TabStrip& model, QWidget* parent = nullptr);
    ~QtTabStrip() override;
    void refresh();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    TabStrip& model_;
    int sub_;
    UserInput input_{[this] { refresh(); }};
    bool updating_ = false;
};

// A light browser pane: pages from local files only (nothing reaches the
// network); an address that is no local file shows a short notice. A frame
// shows the focus.
class QtBrowserPane : public QTextBrowser {
    Q_OBJECT
public:
    explicit QtBrowserPane(WebBrowser& model, QWidget* parent = nullptr);
    ~QtBrowserPane() override;
    void refresh();
    // Shows an address in a QTextBrowser: a local file (a path or a file://
    // address) or, for anything else, the notice.
    static void showAddress(QTextBrowser* browser, const std::string& url);

protected:
    bool event(QEvent* e) override;

private:
    WebBrowser& model_;
    int sub_;
    int shownNavigations_ = -1;
};

}  // namespace jd::qt
