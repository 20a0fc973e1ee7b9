#include "qt/qt_binding.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <map>
#include <vector>

#include "qt/next_pass.h"
#include "qt/twips.h"

namespace jd::qt {

int keyCodeOf(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
        case Qt::Key_Return: case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        default: return 0;
    }
}

int shiftStateOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

QColor colorOf(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void applyControl(QWidget* w, const Control& c) {
    if (c.width() > 0 && c.height() > 0)
        w->setGeometry(twipsToPixels(c.left()), twipsToPixels(c.top()), twipsToPixels(c.width()),
                       twipsToPixels(c.height()));
    w->setEnabled(c.enabled());
    // A widget without a parent is no window of its own: it is only hidden.
    if (!w->parentWidget()) {
        if (!c.visible()) w->hide();
    } else if (w->isHidden() == c.visible()) {
        w->setVisible(c.visible());
    }
}

int UserInput::depthFor(const QEvent* e) const {
    switch (e->type()) {
        case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::InputMethod:
        case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return depth_ + 1;
        case QEvent::FocusIn: case QEvent::FocusOut:
            // The focus moving is Qt's, even inside the user's Tab.
            return depth_ > 0 ? 0 : -1;
        default:
            return -1;
    }
}

namespace {

// The window a key reaches in `w`: the frame's child window `w` lies in, or
// its own window.
QWidget* keyWindowOf(const QWidget* w) {
    for (auto* p = const_cast<QWidget*>(w); p; p = p->parentWidget())
        if (p->isWindow() || qobject_cast<QMdiSubWindow*>(p)) return p;
    return nullptr;
}

int keyIdOf(const QKeyEvent* e) { return e->key() ? e->key() : -static_cast<int>(e->nativeScanCode()); }

// Where each key's first press went, seen by the whole application (the
// presses of its message boxes too). A press goes to the widget with the
// keys; the widgets it is passed up to on its way lie in the same window.
// A key held down repeats: X sends a release and a press for each repeat.
// Qt marks most of them; one it leaves unmarked carries the time of the
// release just before it. Only a first press says where the key's release
// belongs. A repeat is a key only of the window its first press went to,
// or of one the key reached by itself (Ctrl+F6 stepping through the frame's
// windows): a message box or dialog that came up since then, or the window that takes
// the keys once the box or window of the first press has gone, never sees
// it (the Enter that answered a box, held on, would walk its window's Enter
// chain; the one that raised a box would answer it).
class KeyPresses : public QObject {
public:
    static constexpr const char* kName = "jdKeyPresses";
    explicit KeyPresses(QCoreApplication* app) : QObject(app) {
        setObjectName(QString::fromLatin1(kName));
        app->installEventFilter(this);
    }
    static KeyPresses* of(QCoreApplication* app) {
        return app ? app->findChild<KeyPresses*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly) : nullptr;
    }

    // Sees each press and release once for every widget it is passed to on
    // its way up: what it notes and decides is the same each time. A repeat
    // that is no key of the window it reaches goes no further, nor matches
    // a shortcut there.
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!o->isWidgetType()) return false;
        switch (e->type()) {
            case QEvent::KeyPress: case QEvent::ShortcutOverride: {
                auto* k = static_cast<QKeyEvent*>(e);
                Key& key = keys_[keyIdOf(k)];
                key.repeat = k->isAutoRepeat() || (k->timestamp() != 0 && k->timestamp() == key.releasedAt);
                auto* to = static_cast<QWidget*>(o);
                QWidget* focused = QApplication::focusWidget();
                if (focused && (focused == to || to->isAncestorOf(focused))) to = focused;
                if (key.repeat) {
                    if (repeatsIn(keyWindowOf(to), key)) break;
                    k->accept();
                    return true;
                }
                key.window = keyWindowOf(to);
                key.taken = false;
                break;
            }
            case QEvent::KeyRelease: {
                const auto* k = static_cast<QKeyEvent*>(e);
                keys_[keyIdOf(k)].releasedAt = k->timestamp();
                break;
            }
            default:
                break;
        }
        return false;
    }

    bool isFirstPressIn(const QWidget* w, const QKeyEvent* press) const {
        const auto it = keys_.find(keyIdOf(press));
        return it != keys_.end() && !it->second.repeat && it->second.window &&
               it->second.window == keyWindowOf(w);
    }

    // A release Qt marks as a repeat takes nothing; any other takes the
    // key's first press, which then gives no second key-up.
    bool takeRelease(const QWidget* w, const QKeyEvent* release) {
        if (release->isAutoRepeat()) return false;
        const auto it = keys_.find(keyIdOf(release));
        if (it == keys_.end()) return false;
        const bool here = !it->second.taken && it->second.window && it->second.window == keyWindowOf(w);
        it->second.taken = true;
        return here;
    }

private:
    struct Key {
        QPointer<QWidget> window;  // where its first press went
        bool taken = false;        // a release has taken that press
        bool repeat = false;       // its latest press repeats the key held down
        ulong releasedAt = 0;      // the time of its latest release
    };

    // Whether a repeat of `key` is a key of `window`, which has the keys now.
    // A modal window (a message box, the save dialog) open before the first
    // press would have taken that press itself (it blocks every other
    // window's keys), so one that is not where the press went came up since.
    static bool repeatsIn(const QWidget* window, const Key& key) {
        if (window == key.window) return true;
        if (!key.window || !key.window->isVisible()) return false;
        return !(window && window->isModal());
    }

    std::map<int, Key> keys_;
};

}  // namespace

void followKeyPresses() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (KeyPresses* presses = KeyPresses::of(app))
        app->installEventFilter(presses);  // ahead again of the filters installed since
    else
        new KeyPresses(app);
}

bool isFirstPressIn(const QWidget* w, const QKeyEvent* press) {
    const KeyPresses* presses = KeyPresses::of(QCoreApplication::instance());
    return presses && presses->isFirstPressIn(w, press);
}

bool pressWentToWindowOf(const QWidget* w, const QKeyEvent* release) {
    KeyPresses* presses = KeyPresses::of(QCoreApplication::instance());
    return presses && presses->takeRelease(w, release);
}

void FocusFollower::follow(QWidget* w, const Control& c) {
    if (!c.hasFocus()) {
        given_ = false;
        return;
    }
    // A widget not yet shown takes the focus when it next shows the model.
    if (given_ || !w->isVisible()) return;
    if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
    given_ = true;
}

namespace {
std::vector<HeldFocusRequest*>& heldRequests() {
    static std::vector<HeldFocusRequest*> held;
    return held;
}
}  // namespace

HeldFocusRequest::~HeldFocusRequest() { release(); }

void HeldFocusRequest::hold(QObject* context, std::function<void()> meet) {
    const bool scheduled = static_cast<bool>(meet_);
    meet_ = std::move(meet);
    if (scheduled) return;
    heldRequests().push_back(this);
    onNextPass(context, [this] { this->meet(); });
}

void HeldFocusRequest::meet() {
    if (!meet_) return;
    const auto f = std::exchange(meet_, nullptr);
    release();
    f();
}

void HeldFocusRequest::release() { std::erase(heldRequests(), this); }

void HeldFocusRequest::keepForTheKeysReturn() {
    for (HeldFocusRequest* r : std::exchange(heldRequests(), {})) r->meet_ = nullptr;
}

void paintFocusMark(QWidget* w) {
    if (!w->hasFocus()) return;
    QPainter p(w);
    p.setPen(w->palette().color(QPalette::Highlight));
    p.drawRect(w->rect().adjusted(0, 0, -1, -1));
}

}  // namespace jd::qt
