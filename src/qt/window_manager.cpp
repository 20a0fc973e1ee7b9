#include "qt/window_manager.h"

#include <dlfcn.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace jd::qt {

// Xlib is loaded as the check runs, on the display Qt opened: the build needs
// no X development files, and a program on another platform never loads it.
bool windowManagerRuns() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return false;
    static void* const xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!xlib) return false;
    using Atom = unsigned long;
    using XWindow = unsigned long;
    using ErrorHandler = int (*)(Display*, void*);
    const auto internAtom = reinterpret_cast<Atom (*)(Display*, const char*, int)>(dlsym(xlib, "XInternAtom"));
    const auto rootWindow = reinterpret_cast<XWindow (*)(Display*)>(dlsym(xlib, "XDefaultRootWindow"));
    const auto getProperty = reinterpret_cast<int (*)(Display*, XWindow, Atom, long, long, int, Atom, Atom*, int*,
                                                      unsigned long*, unsigned long*, unsigned char**)>(
        dlsym(xlib, "XGetWindowProperty"));
    const auto release = reinterpret_cast<int (*)(void*)>(dlsym(xlib, "XFree"));
    const auto setErrorHandler = reinterpret_cast<ErrorHandler (*)(ErrorHandler)>(dlsym(xlib, "XSetErrorHandler"));
    if (!internAtom || !rootWindow || !getProperty || !release || !setErrorHandler) return false;
    // An atom nobody has named yet (the last argument: only if it exists)
    // means no window manager ever set the mark.
    const Atom check = internAtom(display, "_NET_SUPPORTING_WM_CHECK", 1);
    if (!check) return false;
    // The window a property names; none where it cannot be read, as from a
    // window that no longer exists (the server's error is let pass).
    const auto named = [&](XWindow from) -> std::optional<XWindow> {
        constexpr Atom kAnyPropertyType = 0;
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        const ErrorHandler before = setErrorHandler([](Display*, void*) { return 0; });
        const int status = getProperty(display, from, check, 0, 1, 0, kAnyPropertyType, &type, &format, &count, &left,
                                       &data);
        setErrorHandler(before);
        std::optional<XWindow> window;
        if (status == 0 && data && format == 32 && count == 1 && *reinterpret_cast<unsigned long*>(data) != 0)
            window = *reinterpret_cast<unsigned long*>(data);
        if (data) release(data);
        return window;
    };
    // A window manager that has exited may leave its mark behind: it runs
    // while the window the mark names exists and names itself the same way.
    const std::optional<XWindow> kept = named(rootWindow(display));
    return kept && named(*kept) == kept;
}

// Makes a window that is still shown the active one again, with the keys
// where its handlers put the focus (or where they were). The program does it
// itself: no window manager may be there to do it.
void giveBackKeys(QWidget* window) {
    if (!window || !window->isVisible()) return;
    window->raise();
    window->activateWindow();
}

void placeWithin(QWidget& w, const QRect& room) {
    const QSize margins = w.frameGeometry().size() - w.size();
    w.resize(w.size().boundedTo(room.size() - margins));
    const QRect outer = w.frameGeometry();
    const auto within = [](int at, int low, int high) { return high < low ? low : std::clamp(at, low, high); };
    w.move(within(outer.left(), room.left(), room.right() + 1 - outer.width()),
           within(outer.top(), room.top(), room.bottom() + 1 - outer.height()));
}

}  // namespace jd::qt
