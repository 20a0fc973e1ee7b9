#pragma once
// Windows and the registry that owns them.
//
// A window is a plain class holding its controls (models) and their handlers.
// Each window type exists at most once: the registry creates it and runs its
// Load the first time anything refers to it (get<T>() or get(name)); Unload
// runs its onUnload and discards the object, so the next reference creates a
// fresh one in its designed state. Child windows of the frame show as soon as
// they are created; top-level windows wait for show().
//
// The registry knows the child window in front (the active child) and fires
// Activate and Deactivate as that changes; it can record every load, show,
// hide, activation, bring-to-front and unload for tests to compare in order.
// It also knows the window the user works in (`active()`), which is what a
// message box belongs to: a window of its own that goes while the user works
// in it hands that back to the one of its own active before it.
//
// An unloaded window is kept until releaseUnloaded(), so a handler of the
// window that unloads it (a Cancel button) returns safely. Code must not keep
// a reference to a window across its unload: refer to it again instead.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "platform/controls.h"
#include "platform/services.h"

namespace jd {

class WindowRegistry;

enum class WindowKind {
    MdiChild,  // a child of the frame: shown when created, one of them in front
    TopLevel,  // a window of its own (owned or not), shown by show()
    MdiFrame,  // the frame: unloading it unloads every child first
};

enum class WindowState { Normal, Minimized, Maximized };

class Window {
public:
    Window(std::string name, std::string caption, WindowKind kind = WindowKind::MdiChild);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    WindowKind kind() const { return kind_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { if (caption_ != c) { caption_ = std::move(c); changed(); } }

    // Position and size in twips, kept as given (fractions included).
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v) { left_ = v; changed(); }
    void setTop(double v) { top_ = v; changed(); }
    void setWidth(double v) { width_ = v; changed(); }
    void setHeight(double v) { height_ = v; changed(); }
    void move(double left, double top) { left_ = left; top_ = top; changed(); }
    void move(double left, double top, double width, double height) {
        left_ = left; top_ = top; width_ = width; height_ = height;
        changed();
    }

    WindowState windowState() const { return state_; }
    void setWindowState(WindowState s) { if (state_ != s) { state_ = s; changed(); } }

    bool visible() const { return visible_; }
    // True from the start of Load until Unload.
    bool loaded() const { return loaded_; }
    // The window that owns a top-level window shown with an owner.
    Window* owner() const { return owner_; }

    // Through the registry (a window not yet in one raises std::logic_error).
    void show(Window* owner = nullptr);
    void hide();
    void bringToFront();
    void unload();
    WindowRegistry& registry() const;
    Services& services() const;

    // The rules a child window sets for its place in the frame, which the
    // frame follows and no more:
    // The window that lies over this one whenever both show ("" for none).
    virtual std::string liesUnder() const { return {}; }
    // False for a window only the program closes: the user can neither
    // close it nor move it.
    virtual bool mayBeMovedOrClosed() const { return true; }
    // While the user works in this window, another child window that the
    // program brings to the front comes over it without taking the keys.
    virtual bool keepsKeys() const { return false; }
    // The same for a child window the program shows now.
    virtual bool keepsKeysFromShownWindow() const { return keepsKeys(); }

    // The control with the focus inside this window (none at first).
    Control* focused() const { return focused_; }
    // Moves the focus: lost focus fires on the control that had it, then got
    // focus on the new one. Focusing the control that has it fires nothing.
    // Either way the control is marked as asked for the focus, and told; the
    // control the focus moves away from is no longer asked for it.
    void setFocus(Control& c);
    // The control's widget took the keys (by the user's click or Tab, or as
    // its window became active): the focus moves as by setFocus, and the
    // control's request for the focus is met.
    void keysTakenBy(Control& c);
    void clearFocus();

    // Observers of the window's caption, geometry, state, visibility and
    // owner (the Qt front). Returns an id.
    int subscribe(std::function<void()> f) { observers_.push_back(std::move(f)); return int(observers_.size()) - 1; }
    void unsubscribe(int id) { if (id >= 0 && id < int(observers_.size())) observers_[id] = nullptr; }

protected:
    // The window's events; the registry calls them.
    virtual void onLoad() {}
    virtual void onUnload() {}
    virtual void onActivate() {}
    virtual void onDeactivate() {}

    void changed() {
        for (size_t i = 0, n = observers_.size(); i < n; ++i)
            if (auto f = observers_[i]) f();
    }

private:
    friend class WindowRegistry;
    void moveFocus(Control& c);

    std::string name_;
    std::string caption_;
    WindowKind kind_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    Window* owner_ = nullptr;
    Control* focused_ = nullptr;
    WindowRegistry* registry_ = nullptr;
    std::vector<std::function<void()>> observers_;
};

enum class WindowEventKind { Load, Show, Hide, Activate, Deactivate, Front, Unload };

struct WindowEvent {
    WindowEventKind kind;
    std::string window;
    bool operator==(const WindowEvent&) const = default;
};

// "Load frm_rasi" and so on, for messages of failed tests.
std::string toString(const WindowEvent& e);

class WindowRegistry {
public:
    explicit WindowRegistry(Services services = {});
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    Services& services() { return services_; }
    void setServices(Services s) { services_ = s; }

    // Makes a window type known under its name (T::kWindowName), so it can be
    // referred to by name. get<T>() does this by itself.
    template <class T>
    void define() {
        static_assert(std::is_base_of_v<Window, T>, "a window derives from jd::Window");
        defineFactory(std::type_index(typeid(T)), T::kWindowName, [] { return std::unique_ptr<Window>(std::make_unique<T>()); });
    }

    // The window, created and loaded when this is the first reference.
    template <class T>
    T& get() {
        define<T>();
        return static_cast<T&>(get(T::kWindowName));
    }
    Window& get(const std::string& name);

    template <class T>
    bool isLoaded() const { return isLoaded(T::kWindowName); }
    bool isLoaded(const std::string& name) const;
    // The loaded window of that name, or nullptr (creates nothing).
    Window* find(const std::string& name) const;
    // Whether a window type of that name is known (loaded or not).
    bool isDefined(const std::string& name) const { return slots_.count(name) != 0; }

    // Unloading a window that is not loaded does nothing.
    template <class T>
    void unload() { unload(std::string(T::kWindowName)); }
    void unload(const std::string& name);
    void unload(Window& w);

    void show(Window& w, Window* owner = nullptr);
    void hide(Window& w);
    // Moves the window to the top; a window not yet loaded is created first
    // (a child then shows). A hidden window stays hidden.
    void bringToFront(Window& w);
    template <class T>
    T& bringToFront() {
        T& w = get<T>();
        bringToFront(w);
        return w;
    }
    void bringToFront(const std::string& name) { bringToFront(get(name)); }

    // The child window in front (the active child), or nullptr.
    Window* front() const { return zOrder_.empty() ? nullptr : zOrder_.back(); }
    // The window that has the user's attention: the active child, or a
    // top-level window shown, brought to front or activated by the user
    // since. When a top-level window that has it hides or unloads, the
    // top-level window active before it takes it back (and is activated),
    // unless the user went to the frame in between; else the active child.
    Window* active() const { return active_; }
    // The user activated a window (by mouse or keys, as the window system
    // reports it): a window of its own, or the frame (any other window
    // counts as the frame; its children come forward by bringToFront).
    void activatedByUser(Window& w);
    // The control with the focus in the active window, or nullptr.
    Control* activeControl() const { return active_ ? active_->focused() : nullptr; }
    // Loaded windows in the order they were loaded.
    std::vector<Window*> loadedWindows() const;
    // Visible child windows from back to front.
    const std::vector<Window*>& zOrder() const { return zOrder_; }

    // Set when the frame was unloaded: the program ends.
    bool quitRequested() const { return quit_; }

    // Destroys the windows unloaded so far. Call only where no handler of an
    // unloaded window can be running (the Qt front calls it when idle).
    void releaseUnloaded() { unloaded_.clear(); }

    // The event record, for tests. Off until switched on.
    void setRecording(bool on) { recording_ = on; }
    const std::vector<WindowEvent>& events() const { return events_; }
    void clearEvents() { events_.clear(); }

    // Observers of every event (the Qt front). Returns an id.
    int subscribe(std::function<void(const WindowEvent&, Window&)> f) {
        observers_.push_back(std::move(f));
        return int(observers_.size()) - 1;
    }
    void unsubscribe(int id) { if (id >= 0 && id < int(observers_.size())) observers_[id] = nullptr; }

private:
    struct Slot {
        std::type_index type;
        std::function<std::unique_ptr<Window>()> factory;
        std::unique_ptr<Window> window;
        long loadOrder = 0;
    };

    void defineFactory(std::type_index type, const std::string& name, std::function<std::unique_ptr<Window>()> f);
    void notify(WindowEventKind kind, Window& w);
    void raiseChild(Window& w);
    void dropChild(Window& w);
    void activateTopLevel(Window& w);
    Window* handBack(Window& w);

    Services services_;
    std::map<std::string, Slot> slots_;
    std::vector<Window*> zOrder_;
    Window* active_ = nullptr;
    // Top-level windows by their last activation, the latest at the end; a
    // null entry stands for the frame and its children.
    std::vector<Window*> activations_;
    std::vector<std::unique_ptr<Window>> unloaded_;
    long loadCounter_ = 0;
    bool quit_ = false;
    bool recording_ = false;
    std::vector<WindowEvent> events_;
    std::vector<std::function<void(const WindowEvent&, Window&)>> observers_;
};

}  // namespace jd
