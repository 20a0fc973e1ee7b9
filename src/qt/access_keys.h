#pragma once
// The access keys of the window the user works in come before the frame's
// menu titles: in a child window whose button shares its Alt letter with a
// title of the frame's menu bar (Edit Personal Info's "&Edit" and the frame's
// "&Enter Birth Details"), Alt and the letter press the button, as in a
// desktop program whose child windows have their own access keys.
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;
class QMdiArea;
class QMenuBar;

namespace jd::qt {

class AccessKeys : public QObject {
public:
    // Watches the application's keys for as long as it lives (a child of the
    // frame); `area` holds the child windows, `menus` is the frame's bar.
    AccessKeys(QMdiArea* area, QMenuBar* menus, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QAbstractButton* buttonFor(QObject* focus, const QKeyEvent* key) const;

    QPointer<QMdiArea> area_;
    QPointer<QMenuBar> menus_;
};

}  // namespace jd::qt
