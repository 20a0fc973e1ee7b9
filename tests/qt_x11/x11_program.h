#pragma once
// The whole program on an X display without a window manager, where nothing
// but the program itself activates its windows (or with one, where the test
// runs under JD_WINDOW_MANAGER): real message boxes, a real
// event loop, and keys typed through the X server's test extension, so they
// reach the window that X gives the input focus, as the user's own would.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake_services.h"
#include "platform/window.h"
#include "qt/main_frame.h"
#include "qt/qt_services.h"
#include "qt/view_factory.h"

namespace jd::qt::x11 {

// X keysyms.
constexpr unsigned long kTab = 0xff09, kReturn = 0xff0d, kEscape = 0xff1b, kDown = 0xff54, kF6 = 0xffc3,
                        kShift = 0xffe1, kControl = 0xffe3, kAlt = 0xffe9;

// Lets the program take what the server sent, for `ms` milliseconds.
void pump(int ms);

// Lets the program take what the server sends until `condition` holds, for
// `ms` milliseconds at the most; whether it held.
bool waitUntil(const std::function<bool()>& condition, int ms = 3000);

// Keys pressed and released on the display through its test extension,
// loaded when the test runs (the build needs no X development files).
class XKeys {
public:
    XKeys();
    ~XKeys();
    XKeys(const XKeys&) = delete;
    XKeys& operator=(const XKeys&) = delete;
    bool available() const { return display_ != nullptr; }

    void key(unsigned long keysym, bool down);
    // Pressed and released, with a modifier held around it.
    void tap(unsigned long keysym, unsigned long modifier = 0);
    // Letters (capitals with Shift) and digits.
    void type(const std::string& text);

private:
    void* display_ = nullptr;
    int (*close_)(void*) = nullptr;
    int (*flush_)(void*) = nullptr;
    unsigned char (*keycode_)(void*, unsigned long) = nullptr;
    int (*fake_)(void*, unsigned, int, unsigned long) = nullptr;
};

// The program's own message boxes, counted, their texts kept. A box still
// open after a while is closed, so a box that comes back cannot hold the test.
class CountedBoxes : public MessageBox {
public:
    explicit CountedBoxes(QtMessageBox& boxes) : real(boxes) {}
    MsgResult show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::optional<std::string>& title) override;

    QtMessageBox& real;
    QObject alive;  // its timers go with it
    std::vector<std::string> texts;
    std::function<void(size_t)> onShow;  // told the number of each box as it opens
    size_t shown = 0;                    // boxes opened, kept when the texts are cleared
};

// The program started in a folder of the test's own with a copy of the
// database; its message boxes are the fixture's `boxes` unless a test's
// `messageBox()` puts others in front of them.
class ProgramOnX11 : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual MessageBox& messageBox() { return boxes; }

    template <class W>
    W& openFromMenu(const char* command) {
        frame->menuBar()->findChild<QAction*>(command)->trigger();
        pump(200);
        return windows->template get<W>();
    }

    XKeys keys;
    std::filesystem::path folder_;
    FakeServices fakes;
    QtMessageBox boxes;
    QtEventLoop loop;
    std::unique_ptr<WindowRegistry> windows;
    ViewFactory views;
    std::unique_ptr<MainFrame> frame;
};

}  // namespace jd::qt::x11
