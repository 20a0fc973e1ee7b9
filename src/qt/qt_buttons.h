#pragma once
// The controls the user presses or only reads: command buttons, option
// buttons with their groups, check boxes, labels and frames. A button is
// pressed only by the user's click, Space or Enter (Qt's `clicked`); what
// it shows is its model's.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <vector>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_binding.h"

namespace jd::qt {

class QtLabel : public Bound<QLabel, Label> {
    Q_OBJECT
public:
    explicit QtLabel(Label& model, QWidget* parent = nullptr);
    void refresh();

private:
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

class QtFrame : public Bound<QGroupBox, Frame> {
    Q_OBJECT
public:
    explicit QtFrame(Frame& model, QWidget* parent = nullptr);
    void refresh();

private:
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

// A focused button shows the focus however it came: Enter or Space presses
// it, so the user must see which one it is. The style draws the focus only
// once a key has moved the focus in the window, not on the focus a window
// gives its first button as it opens.
template <class Base>
class FocusShown : public Base {
public:
    using Base::Base;

protected:
    void initStyleOption(QStyleOptionButton* option) const override {
        Base::initStyleOption(option);
        if (option->state & QStyle::State_HasFocus) option->state |= QStyle::State_KeyboardFocusChange;
    }
};

class QtButton : public Bound<FocusShown<QPushButton>, CommandButton> {
    Q_OBJECT
public:
    QtButton(CommandButton& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* e) override;  // Enter presses the button once, as Space does

private:
    FocusFollower focus_;
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

// The buttons of the model's option group are one group: Tab enters and
// leaves it at its chosen button (the first when none is chosen), the arrow
// keys move through it, never past its ends, and choose the button they
// reach. Only the model checks a button.
class QtOptionButton : public Bound<FocusShown<QRadioButton>, OptionButton> {
    Q_OBJECT
public:
    QtOptionButton(OptionButton& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::vector<QtOptionButton*> group() const;
    void showTabStop();

    bool updating_ = false;
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

class QtCheckBox : public Bound<FocusShown<QCheckBox>, CheckBox> {
    Q_OBJECT
public:
    QtCheckBox(CheckBox& model, Window* owner = nullptr, QWidget* parent = nullptr);
    void refresh();

private:
    bool updating_ = false;
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

}  // namespace jd::qt
