#include "qt/access_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "qt/qt_binding.h"

namespace jd::qt {

AccessKeys::AccessKeys(QMdiArea* area, QMenuBar* menus, QObject* parent)
    : QObject(parent), area_(area), menus_(menus) {
    qApp->installEventFilter(this);
    followKeyPresses();  // a held key's repeats are judged before this filter sees them
}

// The button of the child window holding `focus` that Alt and the key press,
// when one of the frame's menu titles takes the same key; else none, and Qt
// handles the key as ever.
QAbstractButton* AccessKeys::buttonFor(QObject* focus, const QKeyEvent* key) const {
    if (!area_ || !menus_ || key->modifiers() != Qt::AltModifier) return nullptr;
    const int k = key->key();
    if (!((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))) return nullptr;
    const QKeySequence pressed(Qt::ALT | Qt::Key(k));
    auto* w = qobject_cast<QWidget*>(focus);
    if (!w || !area_->isAncestorOf(w)) return nullptr;
    QMdiSubWindow* child = nullptr;
    for (QWidget* p = w; p && !child; p = p->parentWidget()) child = qobject_cast<QMdiSubWindow*>(p);
    if (!child) return nullptr;
    bool taken = false;
    for (const QAction* title : menus_->actions())
        taken = taken || (title->isVisible() && QKeySequence::mnemonic(title->text()) == pressed);
    if (!taken) return nullptr;
    for (QAbstractButton* b : child->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(child) && b->isEnabled() && QKeySequence::mnemonic(b->text()) == pressed) return b;
    return nullptr;
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* e) {
    // Claiming the key before the shortcuts are matched (Qt's shortcut
    // override) lets it come to the focus as a key press, which presses the
    // button as its own access key would.
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
    if (watched != QApplication::focusObject()) return false;
    auto* key = static_cast<QKeyEvent*>(e);
    QAbstractButton* button = buttonFor(watched, key);
    if (!button) return false;
    e->accept();
    if (e->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->animateClick();
    }
    return true;
}

}  // namespace jd::qt
