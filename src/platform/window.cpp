#include "platform/window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace jd {

// ---------------------------------------------------------------------- Window

Window::Window(std::string name, std::string caption, WindowKind kind)
    : name_(std::move(name)), caption_(std::move(caption)), kind_(kind) {}

WindowRegistry& Window::registry() const {
    if (!registry_) throw std::logic_error("window " + name_ + " belongs to no registry");
    return *registry_;
}

Services& Window::services() const { return registry().services(); }

void Window::show(Window* owner) { registry().show(*this, owner); }
void Window::hide() { registry().hide(*this); }
void Window::bringToFront() { registry().bringToFront(*this); }
void Window::unload() { registry().unload(*this); }

void Window::setFocus(Control& c) {
    // A control the focus moves away from is no longer asked for it.
    if (focused_ && focused_ != &c) focused_->focusRequested_ = false;
    const bool asked = std::exchange(c.focusRequested_, true);
    // A control that has the focus already is told of the request here; any
    // other learns of it as it gets the focus.
    if (focused_ == &c && !asked) c.changed();
    moveFocus(c);
    if (focused_ != &c) c.focusRequested_ = false;  // a lost-focus handler moved the focus on
}

void Window::keysTakenBy(Control& c) {
    c.focusRequested_ = false;
    moveFocus(c);
}

void Window::moveFocus(Control& c) {
    if (focused_ == &c) return;
    Control* old = focused_;
    focused_ = &c;
    if (old) {
        old->setHasFocus(false);
        if (old->onLostFocus) old->onLostFocus();
    }
    // A lost-focus handler may have moved the focus on itself.
    if (focused_ != &c) return;
    c.setHasFocus(true);
    if (c.onGotFocus) c.onGotFocus();
}

void Window::clearFocus() {
    if (!focused_) return;
    Control* old = focused_;
    focused_ = nullptr;
    old->setHasFocus(false);
    if (old->onLostFocus) old->onLostFocus();
}

// ---------------------------------------------------------------------- events

std::string toString(const WindowEvent& e) {
    static const char* const names[] = {"Load", "Show", "Hide", "Activate", "Deactivate", "Front", "Unload"};
    return std::string(names[static_cast<int>(e.kind)]) + " " + e.window;
}

// -------------------------------------------------------------------- registry

WindowRegistry::WindowRegistry(Services services) : services_(services) {}

WindowRegistry::~WindowRegistry() {
    // Windows go without their Unload: the program is ending.
    for (auto& [name, slot] : slots_)
        if (slot.window) slot.window->registry_ = nullptr;
}

void WindowRegistry::defineFactory(std::type_index type, const std::string& name,
                                   std::function<std::unique_ptr<Window>()> f) {
    const auto it = slots_.find(name);
    if (it != slots_.end()) {
        if (it->second.type != type) throw std::logic_error("two window types named " + name);
        return;
    }
    slots_.emplace(name, Slot{type, std::move(f), nullptr, 0});
}

void WindowRegistry::notify(WindowEventKind kind, Window& w) {
    const WindowEvent e{kind, w.name()};
    if (recording_) events_.push_back(e);
    for (size_t i = 0, n = observers_.size(); i < n; ++i)
        if (auto f = observers_[i]) f(e, w);
}

Window& WindowRegistry::get(const std::string& name) {
    const auto it = slots_.find(name);
    if (it == slots_.end()) throw std::logic_error("no window named " + name);
    Slot& slot = it->second;
    if (slot.window) return *slot.window;

    slot.window = slot.factory();
    Window& w = *slot.window;
    w.registry_ = this;
    w.loaded_ = true;
    slot.loadOrder = ++loadCounter_;
    notify(WindowEventKind::Load, w);
    w.onLoad();
    // A child of the frame shows as soon as it is created (unless its Load
    // unloaded it again).
    if (w.loaded_ && w.kind_ == WindowKind::MdiChild && !w.visible_) show(w);
    return w;
}

bool WindowRegistry::isLoaded(const std::string& name) const { return find(name) != nullptr; }

Window* WindowRegistry::find(const std::string& name) const {
    const auto it = slots_.find(name);
    return it == slots_.end() ? nullptr : it->second.window.get();
}

std::vector<Window*> WindowRegistry::loadedWindows() const {
    std::vector<const Slot*> loaded;
    for (const auto& [name, slot] : slots_)
        if (slot.window) loaded.push_back(&slot);
    std::sort(loaded.begin(), loaded.end(), [](const Slot* a, const Slot* b) { return a->loadOrder < b->loadOrder; });
    std::vector<Window*> out;
    for (const Slot* s : loaded) out.push_back(s->window.get());
    return out;
}

namespace {
void requireLoaded(const Window& w) {
    if (!w.loaded()) throw std::logic_error("window " + w.name() + " was unloaded; refer to it again");
}
}  // namespace

void WindowRegistry::raiseChild(Window& w) {
    Window* previous = front();
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &w), zOrder_.end());
    zOrder_.push_back(&w);
    active_ = &w;
    if (previous == &w) return;
    if (previous) {
        notify(WindowEventKind::Deactivate, *previous);
        previous->onDeactivate();
    }
    // The deactivated window may have unloaded itself or moved the front.
    if (!w.loaded_ || front() != &w) return;
    notify(WindowEventKind::Activate, w);
    w.onActivate();
}

void WindowRegistry::activateTopLevel(Window& w) {
    if (w.kind_ != WindowKind::TopLevel) return;
    std::erase(activations_, &w);
    activations_.push_back(&w);
    if (active_ == &w) return;
    active_ = &w;
    notify(WindowEventKind::Activate, w);
    w.onActivate();
}

void WindowRegistry::activatedByUser(Window& w) {
    if (!w.loaded_) return;
    if (w.kind_ == WindowKind::TopLevel) {
        if (w.visible_) activateTopLevel(w);
        return;
    }
    // The frame: the user works in its child in front.
    std::erase(activations_, nullptr);
    activations_.push_back(nullptr);
    active_ = front();
}

// A top-level window is going from the screen: it leaves the activations,
// and when it had the user's attention, the top-level window active before
// it takes that back (returned, to be told once the going is told), unless
// the user went to the frame since; else the active child.
Window* WindowRegistry::handBack(Window& w) {
    std::erase(activations_, &w);
    if (active_ != &w) return nullptr;
    active_ = front();
    for (auto it = activations_.rbegin(); it != activations_.rend() && *it; ++it) {
        if ((*it)->visible_) {
            active_ = *it;
            return *it;
        }
    }
    return nullptr;
}

// Takes a child out of the z-order; when it was in front the next one in the
// order becomes the active child.
void WindowRegistry::dropChild(Window& w) {
    const bool wasFront = front() == &w;
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &w), zOrder_.end());
    if (active_ == &w) active_ = nullptr;
    if (!wasFront) return;
    if (Window* next = front()) {
        active_ = next;
        notify(WindowEventKind::Activate, *next);
        next->onActivate();
    }
}

void WindowRegistry::show(Window& w, Window* owner) {
    requireLoaded(w);
    const bool ownerChanges = w.owner_ != owner;
    w.owner_ = owner;
    if (!w.visible_) {
        w.visible_ = true;
        notify(WindowEventKind::Show, w);
        w.changed();
    } else if (ownerChanges) {
        w.changed();  // shown already, now with another owner
    }
    if (w.kind_ == WindowKind::MdiChild)
        raiseChild(w);
    else
        activateTopLevel(w);
}

void WindowRegistry::hide(Window& w) {
    requireLoaded(w);
    if (!w.visible_) return;
    w.visible_ = false;
    Window* const back = w.kind_ == WindowKind::TopLevel ? handBack(w) : nullptr;
    notify(WindowEventKind::Hide, w);
    w.changed();
    if (w.kind_ == WindowKind::MdiChild) {
        if (front() == &w) {
            notify(WindowEventKind::Deactivate, w);
            w.onDeactivate();
        }
        dropChild(w);
    } else if (back && back->loaded_ && active_ == back) {
        notify(WindowEventKind::Activate, *back);
        back->onActivate();
    }
}

void WindowRegistry::bringToFront(Window& w) {
    requireLoaded(w);
    notify(WindowEventKind::Front, w);
    if (!w.visible_) return;  // moving a hidden window in the z-order shows nothing
    if (w.kind_ == WindowKind::MdiChild)
        raiseChild(w);
    else
        activateTopLevel(w);
}

void WindowRegistry::unload(const std::string& name) {
    if (Window* w = find(name)) unload(*w);
}

void WindowRegistry::unload(Window& w) {
    if (!w.loaded_ || w.unloading_) return;
    w.unloading_ = true;
    try {
        if (w.kind_ == WindowKind::MdiFrame) {
            // The frame's children go first: those on screen from the front
            // back, then the hidden ones in the order they were loaded.
            std::vector<std::string> children;
            for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) children.push_back((*it)->name());
            for (Window* c : loadedWindows())
                if (c->kind_ == WindowKind::MdiChild &&
                    std::find(children.begin(), children.end(), c->name()) == children.end())
                    children.push_back(c->name());
            for (const auto& c : children) unload(c);
        }
        w.onUnload();
    } catch (...) {
        w.unloading_ = false;
        throw;
    }

    const bool wasFront = front() == &w;
    w.visible_ = false;
    w.loaded_ = false;
    w.unloading_ = false;
    w.focused_ = nullptr;
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &w), zOrder_.end());
    Window* const back = w.kind_ == WindowKind::TopLevel ? handBack(w) : nullptr;
    if (active_ == &w) active_ = nullptr;
    for (auto& [name, slot] : slots_)
        if (slot.window && slot.window->owner_ == &w) slot.window->owner_ = nullptr;

    notify(WindowEventKind::Unload, w);
    w.changed();
    if (w.kind_ == WindowKind::MdiFrame) quit_ = true;

    const auto it = slots_.find(w.name());
    if (it != slots_.end() && it->second.window.get() == &w) unloaded_.push_back(std::move(it->second.window));

    if (wasFront) {
        if (Window* next = front()) {
            active_ = next;
            notify(WindowEventKind::Activate, *next);
            next->onActivate();
        }
    } else if (back && back->loaded_ && active_ == back) {
        notify(WindowEventKind::Activate, *back);
        back->onActivate();
    } else if (!active_) {
        active_ = front();
    }
}

}  // namespace jd
