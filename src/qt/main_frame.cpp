#include "qt/main_frame.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QThread>
#include <QWindow>
#include <utility>

#include "platform/run_time_error.h"
#include "qt/access_keys.h"
#include "qt/next_pass.h"
#include "qt/qt_binding.h"
#include "qt/twips.h"
#include "qt/wait_panel_widget.h"
#include "qt/window_manager.h"
#include "ui/shell/mdi_quill.h"

namespace jd::qt {

namespace {

// A handler reached from a Qt signal must not let an error out: it is shown
// as the run time shows an error nobody trapped.
template <class F>
void guarded(WindowRegistry* registry, F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        if (registry && registry->services().messageBox)
            registry->services().messageBox->show(e.description(), MsgIcon::Critical);
    } catch (const std::exception& e) {
        if (registry && registry->services().messageBox)
            registry->services().messageBox->show(e.what(), MsgIcon::Critical);
    }
}

// The area that holds the child windows. A key the control with the focus
// leaves unused comes to it, and it scrolls for the arrow and page keys (at
// a small size the keyboard's way to see the rest of a wide window); it does
// so only while that control stays at least partly in view.
class WorkArea : public QMdiArea {
public:
    using QMdiArea::QMdiArea;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        QWidget* const focused = QApplication::focusWidget();
        const bool wasShown = inView(focused);
        const int x = horizontalScrollBar()->value(), y = verticalScrollBar()->value();
        QMdiArea::keyPressEvent(e);
        if (wasShown && !inView(focused)) {
            horizontalScrollBar()->setValue(x);
            verticalScrollBar()->setValue(y);
        }
    }

private:
    bool inView(QWidget* w) const {
        return w && viewport()->isAncestorOf(w) &&
               QRect(w->mapTo(viewport(), QPoint(0, 0)), w->size()).intersects(viewport()->rect());
    }
};

}  // namespace

MainFrame::MainFrame(QWidget* parent)
    : QMainWindow(parent), mdi_(new WorkArea(this)), windowManagerRuns_(windowManagerRuns) {
    setObjectName(QStringLiteral("MDIQuill"));
    setWindowTitle(QString::fromLatin1(kFrameCaption));
    setCentralWidget(mdi_);
    mdi_->setBackground(QColor(171, 171, 171));
    // The area scrolls to child windows that reach past its edges.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    resize(1024, 700);
    installEventFilter(this);
    new AccessKeys(mdi_, menuBar(), this);  // owned by the frame
    // Ctrl+F6 and Ctrl+Shift+F6 step through the child windows as Ctrl+Tab
    // and Ctrl+Shift+Tab do; the control that takes the keys scrolls into
    // sight.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6), this);
    connect(next, &QShortcut::activated, this, [this] {
        mdi_->activateNextSubWindow();
        scrollIntoView(QApplication::focusWidget());
    });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), this);
    connect(previous, &QShortcut::activated, this, [this] {
        mdi_->activatePreviousSubWindow();
        scrollIntoView(QApplication::focusWidget());
    });
    // The area scrolls into sight the control the focus moves to inside a
    // child window (the user's Tab, or a handler's choice), but not for the
    // focus a window takes as it comes forward.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        const auto subOf = [](QWidget* w) {
            while (w && !qobject_cast<QMdiSubWindow*>(w)) w = w->parentWidget();
            return w;
        };
        if (QWidget* sub = subOf(now); sub && sub == subOf(old)) scrollIntoView(now);
    });
}

MainFrame::~MainFrame() {
    // The area tells of activations while it hides its windows on the way
    // out; the frame no longer listens.
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    registrySub_.reset();
    unbindMain();
    for (auto& [name, v] : views_by_name_) {
        v.windowSub.reset();
        // A window of its own that no window owns is not the frame's child:
        // it goes here, with the frame.
        if (v.outer && !v.outer->parentWidget()) {
            v.outer->removeEventFilter(this);
            delete v.outer;
        }
    }
}

void MainFrame::attach(WindowRegistry& registry, const ViewFactory& views) {
    registry_ = &registry;
    views_ = &views;
    registrySub_ = Subscription(registry, [this](const WindowEvent& e, Window& w) { onWindowEvent(e, w); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // The area raises what it activates: a window that lies under
        // another goes back under it once it has.
        scheduleRestack();
        if (syncing_ || !sub || !registry_) return;
        for (auto& [name, v] : views_by_name_) {
            if (v.sub != sub || !v.window || !v.window->loaded()) continue;
            Window* w = v.window;
            QMdiSubWindow* const outer = std::exchange(activating_, sub);
            guarded(registry_, [&] { registry_->bringToFront(*w); });
            activating_ = outer;
            return;
        }
    });
    // Views of unloaded windows, then the windows themselves, go once the
    // event loop is idle at its outermost level, where no handler of theirs
    // can still be running.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (QThread::currentThread()->loopLevel() > 1) return;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (registry_) registry_->releaseUnloaded();
        });
    }
}

QWidget* MainFrame::viewOf(const std::string& windowName) const {
    const auto it = views_by_name_.find(windowName);
    if (it == views_by_name_.end()) return nullptr;
    return it->second.sub ? it->second.sub->widget() : it->second.outer;
}

QMdiSubWindow* MainFrame::subWindowOf(const std::string& windowName) const {
    const auto it = views_by_name_.find(windowName);
    return it == views_by_name_.end() ? nullptr : it->second.sub;
}

void MainFrame::onWindowEvent(const WindowEvent& e, Window& w) {
    if (w.kind() == WindowKind::MdiFrame) {
        if (e.kind == WindowEventKind::Load) {
            if (auto* main = dynamic_cast<MDIQuill*>(&w)) bindMain(*main);
        } else if (e.kind == WindowEventKind::Unload && main_ == &w) {
            unbindMain();
            if (!closing_) close();
            emit programEnded();
        }
        return;
    }
    if (e.kind == WindowEventKind::Load) {
        createView(w);
        return;
    }
    const auto it = views_by_name_.find(w.name());
    if (it == views_by_name_.end()) return;
    View& v = it->second;
    syncing_ = true;
    switch (e.kind) {
        case WindowEventKind::Show: {
            // A window shown while the user works in one that keeps the keys
            // from it comes over that one without taking them: the focus its
            // Load gave a control waits until the user goes to the window.
            const View* keeping = v.sub ? focusKeeper() : nullptr;
            QMdiSubWindow* keeper =
                keeping && keeping->window->keepsKeysFromShownWindow() ? keeping->sub : nullptr;
            const QPointer<QWidget> keys = keeper && keeper != v.sub ? QApplication::focusWidget() : nullptr;
            followOwner(v);
            v.outer->show();
            if (keys && QApplication::focusWidget() != keys) keys->setFocus(Qt::OtherFocusReason);
            break;
        }
        case WindowEventKind::Hide: {
            const bool hadTheKeys = !v.sub && v.outer->isActiveWindow();
            v.outer->hide();
            if (hadTheKeys) keysToFrameUnlessOwnWindowActive();
            break;
        }
        case WindowEventKind::Activate:
        case WindowEventKind::Front:
            if (w.visible()) activate(v);
            break;
        case WindowEventKind::Unload:
            syncing_ = false;
            dropView(w.name());
            keepWindowsUnder();
            return;
        default:
            break;
    }
    syncing_ = false;
    keepWindowsUnder();
    scheduleRestack();
}

void MainFrame::createView(Window& w) {
    dropView(w.name());
    const ViewFactory::Entry* entry = views_ ? views_->find(w.name()) : nullptr;
    if (!entry) return;
    QWidget* view = entry->maker(w);
    if (!view) return;
    View v;
    v.window = &w;
    if (entry->decoration == ViewDecoration::Separate) {
        v.outer = view;
        followOwner(v);
        view->hide();
    } else {
        auto* sub = new QMdiSubWindow;
        sub->setObjectName(toQt(w.name()));
        sub->setWidget(view);
        if (entry->decoration == ViewDecoration::Frameless) sub->setWindowFlags(Qt::FramelessWindowHint);
        // A window only the program closes has only a title bar: no
        // buttons, no system menu.
        if (!w.mayBeMovedOrClosed()) sub->setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        syncing_ = true;
        mdi_->addSubWindow(sub);
        sub->hide();
        syncing_ = false;
        sub->installEventFilter(this);
        v.sub = sub;
        v.outer = sub;
    }
    v.outer->installEventFilter(this);
    View& stored = views_by_name_[w.name()] = std::move(v);
    stored.windowSub = Subscription(w, [this, name = w.name()] {
        const auto it = views_by_name_.find(name);
        if (it != views_by_name_.end() && !followOwner(it->second)) place(it->second);
    });
    place(stored);
}

void MainFrame::dropView(const std::string& name) {
    const auto it = views_by_name_.find(name);
    if (it == views_by_name_.end()) return;
    View v = std::move(it->second);
    views_by_name_.erase(it);
    v.windowSub.reset();
    if (!v.outer) return;
    const bool hadTheKeys = !v.sub && v.outer->isActiveWindow();
    syncing_ = true;
    v.outer->removeEventFilter(this);
    v.outer->hide();
    syncing_ = false;
    if (hadTheKeys) keysToFrameUnlessOwnWindowActive();
    // A handler of the view may be running (its own button unloaded it): the
    // view goes once the event loop is idle, or with the frame, whichever is
    // first; it is the frame's child until then.
    if (!v.outer->parentWidget()) v.outer->setParent(this, v.outer->windowFlags());
    v.outer->deleteLater();
}

// A window of its own shown with an owner is the frame's: a dialog of the
// frame, which the window system keeps above it. One shown with none is a
// window beside the frame, with no parent, which a click on the frame
// covers; it is a plain window, since the window system keeps a dialog
// without a parent above all the program's windows. Its border and title
// bar stay as its view made them.
bool MainFrame::followOwner(View& v) {
    if (v.sub || !v.window) return false;
    const bool owned = v.window->owner() != nullptr;
    QWidget* const parent = owned ? this : nullptr;
    const Qt::WindowFlags flags = (v.outer->windowFlags() & ~Qt::WindowType_Mask) | (owned ? Qt::Dialog : Qt::Window);
    if (v.outer->parentWidget() == parent && v.outer->windowFlags() == flags) return false;
    // A window on the screen (shown again with another owner) leaves it,
    // takes its new owner and comes back.
    const bool shown = v.outer->isVisible();
    syncing_ = true;
    v.outer->hide();
    v.outer->setParent(parent, flags);
    syncing_ = false;
    place(v);
    if (shown) {
        // It keeps its native window, whose new frame the window system has
        // yet to tell of: a move would put the window's own area where its
        // frame belongs, so it is placed by its frame.
        v.outer->show();
        if (QWindow* native = v.outer->windowHandle())
            native->setFramePosition(QPoint(twipsToPixels(v.window->left()), twipsToPixels(v.window->top())));
    }
    return true;
}

// A child window's left and top are those of its area within the work area.
// A window of its own has its left and top on the screen where its window
// manager's frame begins, title bar included (move() gives the window
// manager that point); its width and height stay those of its area.
void MainFrame::place(View& v) {
    Window& w = *v.window;
    v.outer->setWindowTitle(toQt(w.caption()));
    if (w.width() > 0 && w.height() > 0) {
        syncing_ = true;
        const QRect at(twipsToPixels(w.left()), twipsToPixels(w.top()), twipsToPixels(w.width()),
                       twipsToPixels(w.height()));
        if (v.sub) {
            v.outer->setGeometry(at);
        } else {
            v.outer->resize(at.size());
            v.outer->move(at.topLeft());
        }
        syncing_ = false;
    }
}

void MainFrame::activate(View& v) {
    if (v.sub) {
        if (const View* keeper = focusKeeper(); keeper && keeper->sub != v.sub) {
            // The window comes over the one that keeps the focus. The area
            // raises a sub-window it activates once it has told of it, so
            // the front is raised again after that.
            v.sub->raise();
            onNextPass(this, [this] { raiseFront(); });
            return;
        }
        mdi_->setActiveSubWindow(v.sub);
        v.sub->raise();
    } else {
        v.outer->raise();
        // A window the window system is telling of as activated is not asked
        // for again. Where each request comes back as an activation once the
        // event loop runs (the offscreen platform), the requests still on
        // their way for two windows (one hidden and shown again over the
        // other) would otherwise answer each other for ever.
        if (v.outer != reportedActive_) v.outer->activateWindow();
    }
}

// The view of a window that keeps the keys, while the user works in it: the
// area is activating it, or it is the active one and holds the focus while
// no menu command runs.
const MainFrame::View* MainFrame::focusKeeper() const {
    QMdiSubWindow* sub = activating_;
    if (!sub && !commandRunning_) {
        sub = mdi_->activeSubWindow();
        if (sub && !sub->isAncestorOf(QApplication::focusWidget())) sub = nullptr;
    }
    if (!sub) return nullptr;
    for (const auto& [name, v] : views_by_name_)
        if (v.sub == sub) return v.window && v.window->keepsKeys() ? &v : nullptr;
    return nullptr;
}

void MainFrame::raiseFront() {
    Window* w = registry_ ? registry_->front() : nullptr;
    if (!w) return;
    const auto it = views_by_name_.find(w->name());
    if (it != views_by_name_.end() && it->second.sub && it->second.sub->isVisible()) it->second.sub->raise();
}

// A window that lies under another, as its model says, stays under it
// whatever else opens, comes forward or goes; it moves only as far as that
// needs, so the windows over the upper one stay over it.
void MainFrame::keepWindowsUnder() {
    for (const auto& [name, v] : views_by_name_) {
        if (!v.sub || !v.window || !v.sub->isVisible()) continue;
        const std::string upperName = v.window->liesUnder();
        QMdiSubWindow* upper = upperName.empty() ? nullptr : subWindowOf(upperName);
        if (!upper || !upper->isVisible()) continue;
        const QList<QMdiSubWindow*> order = mdi_->subWindowList(QMdiArea::StackingOrder);
        if (order.indexOf(v.sub) > order.indexOf(upper)) v.sub->stackUnder(upper);
    }
}

// Once more when the event loop next runs, after the area has raised what
// it activates.
void MainFrame::scheduleRestack() {
    if (restackPending_) return;
    restackPending_ = true;
    onNextPass(this, [this] {
        restackPending_ = false;
        keepWindowsUnder();
    });
}

QWidget* MainFrame::workingWindow() {
    Window* w = registry_ ? registry_->active() : nullptr;
    const auto it = w && w->kind() == WindowKind::TopLevel ? views_by_name_.find(w->name()) : views_by_name_.end();
    if (it != views_by_name_.end() && it->second.outer->isVisible()) return it->second.outer;
    return this;
}

// A window of its own that had the keys has gone. The registry has handed
// the user's attention back: to the window of its own active before it,
// which its Activate brings forward with the keys, or else to the frame,
// which the program activates itself rather than leave it to a window
// manager.
void MainFrame::keysToFrameUnlessOwnWindowActive() {
    if (closing_ || !isVisible() || workingWindow() != this) return;
    raise();
    activateWindow();
}

// The user (or the window system on the program's behalf) activated a
// window: the registry learns where the user works.
void MainFrame::noteActivation(QWidget* window) {
    if (!registry_) return;
    const QScopedValueRollback reporting(reportedActive_, window);
    if (window == this) {
        if (main_) registry_->activatedByUser(*main_);
        return;
    }
    for (const auto& [name, v] : views_by_name_)
        if (!v.sub && v.outer == window && v.window) guarded(registry_, [&] { registry_->activatedByUser(*v.window); });
}

// Scrolls the area so the control with the focus in a child window shows
// whole (its top left corner when it is larger than the area).
void MainFrame::scrollIntoView(QWidget* focused) {
    QWidget* area = mdi_->viewport();
    if (!focused || !area->isAncestorOf(focused)) return;
    const QRect r(focused->mapTo(area, QPoint(0, 0)), focused->size());
    const QRect shown = area->rect();
    const auto shift = [](int low, int high, int shownLow, int shownHigh) {
        int d = 0;
        if (high > shownHigh) d = high - shownHigh;
        if (low - d < shownLow) d = low - shownLow;
        return d;
    };
    if (const int dx = shift(r.left(), r.right(), shown.left(), shown.right()))
        mdi_->horizontalScrollBar()->setValue(mdi_->horizontalScrollBar()->value() + dx);
    if (const int dy = shift(r.top(), r.bottom(), shown.top(), shown.bottom()))
        mdi_->verticalScrollBar()->setValue(mdi_->verticalScrollBar()->value() + dy);
}

bool MainFrame::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isWindow()) noteActivation(w);
    }
    // A window only the program closes stays where its Load puts it: its
    // border and title bar do not drag it away.
    if (e->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(e)->buttons() != Qt::NoButton) {
        for (const auto& [name, v] : views_by_name_)
            if (v.sub == watched && v.window && !v.window->mayBeMovedOrClosed()) return true;
    }
    if (e->type() == QEvent::Close && !syncing_ && registry_) {
        for (auto& [name, v] : views_by_name_) {
            if (v.outer != watched || !v.window) continue;
            e->ignore();
            // A window only the program closes stays until it does.
            if (!v.window->mayBeMovedOrClosed()) return true;
            // Closing a window's picture unloads the window, which drops
            // the picture in turn.
            Window* w = v.window;
            onNextPass(this, [this, w, name = name] {
                if (views_by_name_.count(name) && w->loaded()) guarded(registry_, [&] { registry_->unload(*w); });
            });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainFrame::closeEvent(QCloseEvent* e) {
    if (main_ && !closing_) {
        closing_ = true;
        bool closed = false;
        guarded(registry_, [&] { closed = main_->closeFrame(); });
        closing_ = false;
        if (!closed) {
            e->ignore();
            return;
        }
    }
    e->accept();
}

void MainFrame::addMenuCommand(QWidget* menu, MenuCommand& cmd) {
    QAction* action = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(menu)) {
        if (cmd.hasSubmenu()) {
            QMenu* sub = bar->addMenu(toQt(cmd.caption()));
            sub->setObjectName(toQt(cmd.name()));
            for (MenuCommand* item : cmd.items()) addMenuCommand(sub, *item);
            action = sub->menuAction();
        } else {
            action = bar->addAction(toQt(cmd.caption()));
        }
    } else if (auto* m = qobject_cast<QMenu*>(menu)) {
        action = cmd.isSeparator() ? m->addSeparator() : m->addAction(toQt(cmd.caption()));
    }
    if (!action) return;
    action->setObjectName(toQt(cmd.name()));
    action->setEnabled(cmd.enabled());
    if (!cmd.isSeparator() && !cmd.hasSubmenu()) {
        MenuCommand* c = &cmd;
        connect(action, &QAction::triggered, this, [this, c] {
            const bool outer = std::exchange(commandRunning_, true);
            guarded(registry_, [c] { c->click(); });
            commandRunning_ = outer;
        });
    }
    QPointer<QAction> a(action);
    MenuCommand* c = &cmd;
    menuSubs_.emplace_back(*c, [a, c] {
        if (a) a->setEnabled(c->enabled());
    });
}

void MainFrame::bindMain(MDIQuill& main) {
    unbindMain();
    main_ = &main;
    setWindowTitle(toQt(main.caption()));
    menuBar()->clear();
    for (MenuCommand* cmd : main.menuBar()) addMenuCommand(menuBar(), *cmd);

    waitPanel_ = new WaitPanelWidget(main.waitPanel(), mdi_);
    main.onRepaintWaitPanel = [this] {
        if (!waitPanel_) return;
        waitPanel_->sync();
        waitPanel_->repaint();
    };
    mainSub_ = Subscription(main, [this] {
        if (!main_) return;
        setWindowTitle(toQt(main_->caption()));
        if (main_->windowState() == WindowState::Maximized && !isMaximized()) maximize();
    });
}

// Where no window manager runs, nothing else can move or size the frame: it
// takes the screen's free area itself, on every start-up (whether or not a
// chart is cast then) and as it maximises, so it never reaches past a small
// screen and the work area can scroll to every control.
bool MainFrame::fitToScreen() {
    const QScreen* s = screen();
    if (!s || (windowManagerRuns_ && windowManagerRuns_())) return false;
    setGeometry(s->availableGeometry());
    return true;
}

// Where a window manager runs, it maximises the frame and gives back the
// frame's own geometry on Restore: that stays the frame's size, made smaller
// where it would not fit the free area, so the restored frame shows its title
// bar and edges.
void MainFrame::maximize() {
    if (const QScreen* s = screen(); s && !fitToScreen() && !s->availableGeometry().contains(frameGeometry()))
        placeWithin(*this, s->availableGeometry());
    showMaximized();
}

void MainFrame::unbindMain() {
    if (!main_) return;
    menuSubs_.clear();
    mainSub_.reset();
    main_->onRepaintWaitPanel = nullptr;
    if (waitPanel_) {
        waitPanel_->detach();
        waitPanel_->deleteLater();
        waitPanel_ = nullptr;
    }
    main_ = nullptr;
}

}  // namespace jd::qt
