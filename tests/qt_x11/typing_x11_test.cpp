// Typing as the user does, on an X display: keys pressed and released
// through the X server's test extension with a person's timing, reaching the
// window that X gives the input focus. A message box closed with Enter held
// down for a moment, and a filled box that the Enter chain moves into.
#include <gtest/gtest.h>
#include <dlfcn.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake_services.h"
#include "qt/main_frame.h"
#include "qt/program.h"
#include "qt/qt_app.h"
#include "qt/qt_services.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/places/frm_add_country.h"
#include "ui/places/frm_new_lat_lon.h"

namespace jd::qt {
namespace {

namespace fs = std::filesystem;

constexpr unsigned long kReturn = 0xff0d, kShift = 0xffe1;  // X keysyms

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

// Keys pressed and released on the display through its test extension,
// loaded when the test runs.
class XKeys {
public:
    XKeys() {
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
    ~XKeys() {
        if (display_) close_(display_);
    }
    XKeys(const XKeys&) = delete;
    XKeys& operator=(const XKeys&) = delete;
    bool available() const { return display_ != nullptr; }

    void key(unsigned long keysym, bool down) {
        fake_(display_, keycode_(display_, keysym), down ? 1 : 0, 0);
        flush_(display_);
        pump(30);
    }
    void type(const std::string& text) {
        for (char c : text) {
            const bool upper = c >= 'A' && c <= 'Z';
            if (upper) key(kShift, true);
            key(static_cast<unsigned long>(upper ? c - 'A' + 'a' : c), true);
            key(static_cast<unsigned long>(upper ? c - 'A' + 'a' : c), false);
            if (upper) key(kShift, false);
        }
        pump(50);
    }

private:
    void* display_ = nullptr;
    int (*close_)(void*) = nullptr;
    int (*flush_)(void*) = nullptr;
    unsigned char (*keycode_)(void*, unsigned long) = nullptr;
    int (*fake_)(void*, unsigned, int, unsigned long) = nullptr;
};

// The program's own message boxes, counted. A box still open after a while
// is closed, so a box that comes back cannot hold the test.
class CountedBoxes : public MessageBox {
public:
    MsgResult show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::optional<std::string>& title) override {
        texts.push_back(text);
        const size_t n = texts.size();
        if (onShow) onShow(n);
        QTimer::singleShot(3000, &alive, [this, n] {
            if (texts.size() != n) return;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Ok);
        });
        return real.show(text, icon, buttons, title);
    }

    QtMessageBox real;
    QObject alive;  // its timers go with it
    std::vector<std::string> texts;
    std::function<void(size_t)> onShow;  // told the number of each box as it opens
};

class TypingOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        if (!keys.available()) GTEST_SKIP() << "the X server has no test extension";
        resetState();
        resultWindows().resetAll();
        folder_ = testing::programFolder("jd_x11_typing_");
        Services s = fakes.services();
        s.messageBox = &boxes;
        s.eventLoop = &loop;
        windows = std::make_unique<WindowRegistry>(s);
        addProgramViews(views);
        defineProgramWindows(*windows);
        frame = std::make_unique<MainFrame>();
        boxes.real.setParent(frame.get());
        startProgram(*windows, views, *frame, QString::fromStdString(folder_.string()));
        pump(200);
    }
    void TearDown() override {
        frame.reset();
        windows.reset();
        state().gWindows = nullptr;
        resetState();
        resultWindows().resetAll();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    template <class W>
    W& openFromMenu(const char* command) {
        frame->menuBar()->findChild<QAction*>(command)->trigger();
        pump(200);
        return windows->get<W>();
    }
    static void choose(ComboBox& c, const std::string& text) {
        const int i = c.findPrefix(text);
        ASSERT_GE(i, 0) << text;
        c.choose(i);
    }

    XKeys keys;
    fs::path folder_;
    FakeServices fakes;
    CountedBoxes boxes;
    QtEventLoop loop;
    std::unique_ptr<WindowRegistry> windows;
    ViewFactory views;
    std::unique_ptr<MainFrame> frame;
};

// Enter in the country master's search box tells that no country begins
// with the text. The user closes that box with Enter, holding it down for a
// moment: the key's release comes back to the search box once the box has
// gone, and must not search again.
TEST_F(TypingOnX11, EnterHeldToCloseTheNotFoundBoxRaisesItNoMore) {
    auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
    m.TabStrip1.clickTab(2);
    m.setFocus(m.txtEditSearch);
    pump(100);
    keys.type("zz");
    boxes.onShow = [this](size_t n) {
        if (n != 1) return;
        QTimer::singleShot(100, frame.get(), [this] {
            QElapsedTimer waited;
            waited.start();
            while (!qobject_cast<QMessageBox*>(QApplication::activeWindow()) && waited.elapsed() < 3000) pump(20);
            keys.key(kReturn, true);  // answers the box, which goes
            QTimer::singleShot(120, frame.get(), [this] { keys.key(kReturn, false); });
        });
    };
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    pump(1500);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"No Such Country  Exists"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// On the Edit tab of City Details the chosen city fills the boxes; Enter
// moves through them, and what is typed then takes the place of the text.
TEST_F(TypingOnX11, TypingAfterEnterReplacesTheTextOfAFilledBox) {
    auto& m = openFromMenu<frm_New_LatLon>("MDI_LAt_Lon");
    m.TabStrip1.clickTab(2);
    choose(m.cbEditCountry, "India");
    choose(m.cbEditCity, "Hyderabad");
    ASSERT_EQ(m.txtEditCity.text(), "Hyderabad");
    ASSERT_FALSE(m.txtEditLatDeg.text().empty());
    m.setFocus(m.cbEditCity);
    pump(100);
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    keys.type("X");
    EXPECT_EQ(m.txtEditCity.text(), "X");
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    keys.type("4");
    EXPECT_EQ(m.txtEditLatDeg.text(), "4");
}

}  // namespace
}  // namespace jd::qt
