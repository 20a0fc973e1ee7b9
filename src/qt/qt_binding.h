#pragma once
// What every Qt widget bound to a control model shares: the run time's key
// codes, the model's colours and geometry, the one rule of the user's input,
// the focus a window gives a control, and the mark of a focused tab stop.
#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

#include "platform/controls.h"
#include "platform/subscription.h"
#include "platform/window.h"

class QKeyEvent;

namespace jd::qt {

inline QString toQt(const std::string& s) { return QString::fromStdString(s); }
inline std::string fromQt(const QString& s) { return s.toStdString(); }

// The run time's key code of a key (13 Enter, 37..40 arrows, 65..90 letters,
// 112.. F1..) and its shift state (1 Shift, 2 Ctrl, 4 Alt).
int keyCodeOf(const QKeyEvent* e);
int shiftStateOf(Qt::KeyboardModifiers m);

// 0xRRGGBB of the models.
QColor colorOf(unsigned rgb);

// Visibility, enabling and, when the model has a size, position and size.
void applyControl(QWidget* w, const Control& c);

// The one rule of the user's input. A widget runs its base class's handling
// of each event through `handle` (from its own `event()`, and `viewportEvent()`
// for an item view) and so knows while it handles the user's own key, mouse
// button or move, or input-method text. A change the widget reports meanwhile
// is the user's and goes to its model; one it reports at any other time is
// Qt's own bookkeeping and the widget shows its model again at once. What Qt
// does as the focus moves counts as its own, even when the user's Tab moved
// it. Once the user's input is handled, `settle` brings back to the model
// what the handlers may have let drift. The wheel is no such input. Nothing
// is delivered again: the event goes its own way once.
class UserInput {
public:
    explicit UserInput(std::function<void()> settle = {}) : settle_(std::move(settle)) {}
    bool active() const { return depth_ > 0; }

    // Runs `base` (the base class's handling of `e` in `widget`), counted as
    // the user's input when it is one, and returns what it returns. The
    // widget may go while its handlers run.
    template <class Base>
    bool handle(QWidget* widget, QEvent* e, Base&& base) {
        const int depth = depthFor(e);
        if (depth < 0) return base();
        const QPointer<QWidget> alive(widget);
        const int before = std::exchange(depth_, depth);
        const bool done = base();
        if (alive) {
            depth_ = before;
            if (depth > 0 && depth_ == 0 && settle_) settle_();
        }
        return done;
    }

private:
    // The depth while `e` is handled, or -1 when `e` changes nothing.
    int depthFor(const QEvent* e) const;

    int depth_ = 0;  // the user's input events being handled
    std::function<void()> settle_;
};

// Marks the stretch of code in which a widget shows its model: what the
// widget reports meanwhile is its own echo. The flag is raised for the
// guard's life and then put back as it was.
class Updating {
public:
    explicit Updating(bool& flag) : flag_(flag), outer_(std::exchange(flag, true)) {}
    ~Updating() { flag_ = outer_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    bool& flag_;
    bool outer_;
};

// What every bound widget has: its model, whose name it takes, and the
// window that owns it (if any), which learns where the user puts the focus.
template <class Base, class Model>
class Bound : public Base {
public:
    Bound(Model& model, Window* owner, QWidget* parent) : Base(parent), model_(model), owner_(owner) {
        this->setObjectName(toQt(model.name()));
    }

protected:
    void focusInEvent(QFocusEvent* e) override {
        Base::focusInEvent(e);
        if (owner_) owner_->keysTakenBy(model_);
    }

    Model& model_;
    Window* owner_;
};

// Whether the first press of a released key went to the window `w` lies in
// (its own window, or the frame's child window it lies in). Only then is the
// release a key of `w`'s: the user who answers a message box with Enter lets
// the key go after the box has gone, over the control that has the keys again,
// and that release belongs to the box. A key held down gives one key-up
// however long it is held: its first release Qt does not mark as a repeat
// (as a rule the one as it is let go) takes its press, and the presses it
// repeats go nowhere of their own. A repeat reaches only the window the
// key's first press went to, or one the key stepped to by itself (Ctrl+F6):
// never a message box or dialog that came up since the first press, nor the window
// that has the keys once the box or window of the first press has gone.
// Every widget that tells its model of a key's release asks first, and calls
// `followKeyPresses` as it is made, so the presses are known before any key
// reaches it; so does whatever else filters the application's keys, after
// installing its filter, so the presses are known before it sees them.
bool pressWentToWindowOf(const QWidget* w, const QKeyEvent* release);
void followKeyPresses();
// Whether a press being handled is a key's first press (no repeat of a key
// held down) and went to the window `w` lies in.
bool isFirstPressIn(const QWidget* w, const QKeyEvent* press);

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

// A window's request for the focus of a control whose widget has the keys
// already. It counts for the keys' return only when the handler that made
// it then shows a message box, which takes the keys (the search that names
// its box and then tells that nothing matched): the box's return then hands
// the control over as the window asked. Otherwise it is met once that
// handler is done, on the event loop's next pass, or as the keys leave for
// anything else (the menu bar, another window), which bring them back
// without it.
class HeldFocusRequest {
public:
    HeldFocusRequest() = default;
    ~HeldFocusRequest();
    HeldFocusRequest(const HeldFocusRequest&) = delete;
    HeldFocusRequest& operator=(const HeldFocusRequest&) = delete;

    // Holds the request, which `meet` clears; `context` is the widget.
    void hold(QObject* context, std::function<void()> meet);
    // The keys leave the widget: a request still held is met now.
    void keysLeave() { meet(); }
    // A message box opens: every request held now waits for the keys' return.
    static void keepForTheKeysReturn();

private:
    void meet();
    void release();

    std::function<void()> meet_;  // set while the request is held
};

// A line along the widget's frame in the highlight colour while it has the
// focus, as a focused line edit shows it: the mark of a tab stop whose
// contents may show no current entry (lists, grids, browser panes). A scroll
// area paints its frame in its own `event()`, past `paintEvent`, so the mark
// is drawn there.
void paintFocusMark(QWidget* w);

template <class Base>
class FocusMarked : public Base {
public:
    using Base::Base;

protected:
    bool event(QEvent* e) override {
        const bool done = Base::event(e);
        if (e->type() == QEvent::Paint) paintFocusMark(this);
        return done;
    }
};

}  // namespace jd::qt
