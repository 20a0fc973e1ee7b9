#include "qt_x11/x11_program.h"

#include <dlfcn.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include "qt/program.h"
#include "qt/window_manager.h"
#include "qt/qt_app.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd::qt::x11 {

MsgResult CountedBoxes::show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                             const std::optional<std::string>& title) {
    texts.push_back(text);
    const size_t n = texts.size();
    if (onShow) onShow(n);
    QTimer::singleShot(3000, &alive, [this, opened = ++shown] {
        if (shown != opened) return;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Ok);
    });
    return real.show(text, icon, buttons, title);
}

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

bool waitUntil(const std::function<bool()>& condition, int ms) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() >= ms) return false;
        pump(20);
    }
    return true;
}

XKeys::XKeys() {
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    if (!x11 || !xtst) return;
    auto* open = reinterpret_cast<void* (*)(const char*)>(dlsym(x11, "XOpenDisplay"));
    close_ = reinterpret_cast<int (*)(void*)>(dlsym(x11, "XCloseDisplay"));
    flush_ = reinterpret_cast<int (*)(void*)>(dlsym(x11, "XFlush"));
    keycode_ = reinterpret_cast<unsigned char (*)(void*, unsigned long)>(dlsym(x11, "XKeysymToKeycode"));
    fake_ = reinterpret_cast<int (*)(void*, unsigned, int, unsigned long)>(dlsym(xtst, "XTestFakeKeyEvent"));
    if (open && close_ && flush_ && keycode_ && fake_) display_ = open(nullptr);
}

XKeys::~XKeys() {
    if (display_) close_(display_);
}

void XKeys::key(unsigned long keysym, bool down) {
    fake_(display_, keycode_(display_, keysym), down ? 1 : 0, 0);
    flush_(display_);
    pump(30);
}

void XKeys::tap(unsigned long keysym, unsigned long modifier) {
    if (modifier) key(modifier, true);
    key(keysym, true);
    key(keysym, false);
    if (modifier) key(modifier, false);
    pump(50);
}

void XKeys::type(const std::string& text) {
    for (char c : text) {
        const bool upper = c >= 'A' && c <= 'Z';
        tap(static_cast<unsigned long>(upper ? c - 'A' + 'a' : c), upper ? kShift : 0);
    }
}

void ProgramOnX11::SetUp() {
    testing::app();
    if (!keys.available()) GTEST_SKIP() << "the X server has no test extension";
    if (qEnvironmentVariableIsSet("JD_WINDOW_MANAGER")) {
        ASSERT_TRUE(waitUntil([] { return windowManagerRuns(); }, 10000)) << "the window manager did not start";
    }
    resetState();
    resultWindows().resetAll();
    folder_ = testing::programFolder("jd_x11_");
    Services s = fakes.services();
    s.messageBox = &messageBox();
    s.eventLoop = &loop;
    windows = std::make_unique<WindowRegistry>(s);
    addProgramViews(views);
    defineProgramWindows(*windows);
    frame = std::make_unique<MainFrame>();
    boxes.setOwner([this] { return frame->workingWindow(); });
    startProgram(*windows, views, *frame, QString::fromStdString(folder_.string()));
    pump(200);
}

void ProgramOnX11::TearDown() {
    frame.reset();
    windows.reset();
    state().gWindows = nullptr;
    resetState();
    resultWindows().resetAll();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace jd::qt::x11
