#include "qt/qt_buttons.h"

#include <algorithm>

#include <QKeyEvent>

namespace jd::qt {

// ------------------------------------------------------------ label and frame

QtLabel::QtLabel(Label& model, QWidget* parent)
    : Bound(model, nullptr, parent) {
    setTextFormat(Qt::PlainText);
    refresh();
}

void QtLabel::refresh() {
    setText(toQt(model_.caption()));
    applyControl(this, model_);
}

QtFrame::QtFrame(Frame& model, QWidget* parent)
    : Bound(model, nullptr, parent) {
    refresh();
}

void QtFrame::refresh() {
    setTitle(toQt(model_.caption()));
    applyControl(this, model_);
}

// -------------------------------------------------------------------- buttons

QtButton::QtButton(CommandButton& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    followKeyPresses();
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { model_.click(); });
    refresh();
}

void QtButton::refresh() {
    setText(toQt(model_.caption()));
    applyControl(this, model_);
    focus_.follow(this, model_);
}

void QtButton::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        e->accept();
        // A key held down clicks once, and only where its first press went:
        // not the repeats of an Enter that answered a message box.
        if (isFirstPressIn(this, e)) click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

QtOptionButton::QtOptionButton(OptionButton& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    // The group's model checks one button and no other; Qt keeps no group of
    // its own (it would reach into the buttons of nested frames).
    setAutoExclusive(false);
    // The button shows its model's value: the check Qt gives it as it is
    // clicked is undone at once, and the click (the user's alone) goes to
    // the model.
    connect(this, &QRadioButton::clicked, this, [this] {
        model_.click();
        refresh();  // a click on the chosen button leaves it chosen
    });
    connect(this, &QRadioButton::toggled, this, [this] {
        if (!updating_) refresh();
    });
    refresh();
}

// The widgets of the buttons of this one's group in its window, in the
// group's order.
std::vector<QtOptionButton*> QtOptionButton::group() const {
    QList<QtOptionButton*> shown = window()->findChildren<QtOptionButton*>();
    shown.append(const_cast<QtOptionButton*>(this));
    std::vector<QtOptionButton*> buttons;
    for (const OptionButton* member : model_.groupButtons()) {
        const auto it = std::find_if(shown.begin(), shown.end(), [member](auto* b) { return &b->model_ == member; });
        if (it != shown.end()) buttons.push_back(*it);
    }
    return buttons;
}

void QtOptionButton::showTabStop() {
    // The chosen button is the group's one tab stop, the first with none chosen.
    const std::vector<QtOptionButton*> buttons = group();
    const auto chosen = std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->model_.value(); });
    for (QtOptionButton* b : buttons) {
        const bool stop = chosen != buttons.end() ? b == *chosen : b == buttons.front();
        b->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void QtOptionButton::refresh() {
    if (updating_) return;
    const Updating updating(updating_);
    setText(toQt(model_.caption()));
    if (isChecked() != model_.value()) setChecked(model_.value());
    showTabStop();
    applyControl(this, model_);
}

bool QtOptionButton::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) showTabStop();  // a button put into its window by a layout
    return QRadioButton::event(e);
}

void QtOptionButton::keyPressEvent(QKeyEvent* e) {
    int step = 0;
    switch (e->key()) {
        case Qt::Key_Left: case Qt::Key_Up: step = -1; break;
        case Qt::Key_Right: case Qt::Key_Down: step = 1; break;
        default: QRadioButton::keyPressEvent(e); return;
    }
    e->accept();
    // The next button of the group that can take the focus, if any.
    const std::vector<QtOptionButton*> buttons = group();
    auto at = std::find(buttons.begin(), buttons.end(), this);
    QtOptionButton* reached = nullptr;
    for (auto i = at - buttons.begin() + step; i >= 0 && i < static_cast<long>(buttons.size()); i += step) {
        QtOptionButton* b = buttons[static_cast<size_t>(i)];
        if (b->isVisible() && b->isEnabled()) {
            reached = b;
            break;
        }
    }
    if (!reached) return;
    reached->setFocus(Qt::TabFocusReason);
    reached->model_.click();
}

QtCheckBox::QtCheckBox(CheckBox& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    // As an option button: the user's click goes to the model, any other
    // change of the box is undone.
    connect(this, &QCheckBox::clicked, this, [this] {
        model_.click();
        refresh();
    });
    connect(this, &QCheckBox::stateChanged, this, [this] {
        if (!updating_) refresh();
    });
    refresh();
}

void QtCheckBox::refresh() {
    if (updating_) return;
    const Updating updating(updating_);
    setText(toQt(model_.caption()));
    setTristate(model_.value() == CheckValue::Grayed);
    const Qt::CheckState s = model_.value() == CheckValue::Checked   ? Qt::Checked
                             : model_.value() == CheckValue::Grayed ? Qt::PartiallyChecked
                                                                    : Qt::Unchecked;
    if (checkState() != s) setCheckState(s);
    applyControl(this, model_);
}
}  // namespace jd::qt
