// The frame on an X display without a window manager: the focus stays in
// sight in a work area smaller than its windows, the keys come back after the
// save dialog, Help and the browser window, and where these and the windows
// of their own lie; then the same under a window manager (openbox, where it
// is installed), and what counts as a running one.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QApplication>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <functional>

#include "qt/twips.h"
#include "qt/window_manager.h"
#include "qt_x11/x11_program.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/places/frm_add_country.h"
#include "ui/shell/mdi_quill.h"

namespace jd::qt {
namespace {

using namespace x11;

// The X server's own calls this file makes besides the keys: a click of the
// pointer through the test extension, and a property of the root window.
class XDisplay {
public:
    XDisplay() {
        void* x11 = dlopen("libX11.so.6", RTLD_NOW);
        void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
        if (!x11 || !xtst) return;
        const auto open = reinterpret_cast<void* (*)(const char*)>(dlsym(x11, "XOpenDisplay"));
        close_ = reinterpret_cast<int (*)(void*)>(dlsym(x11, "XCloseDisplay"));
        sync_ = reinterpret_cast<int (*)(void*, int)>(dlsym(x11, "XSync"));
        root_ = reinterpret_cast<unsigned long (*)(void*)>(dlsym(x11, "XDefaultRootWindow"));
        atom_ = reinterpret_cast<unsigned long (*)(void*, const char*, int)>(dlsym(x11, "XInternAtom"));
        change_ = reinterpret_cast<int (*)(void*, unsigned long, unsigned long, unsigned long, int, int,
                                           const unsigned char*, int)>(dlsym(x11, "XChangeProperty"));
        delete_ = reinterpret_cast<int (*)(void*, unsigned long, unsigned long)>(dlsym(x11, "XDeleteProperty"));
        motion_ = reinterpret_cast<int (*)(void*, int, int, int, unsigned long)>(dlsym(xtst, "XTestFakeMotionEvent"));
        button_ = reinterpret_cast<int (*)(void*, unsigned, int, unsigned long)>(dlsym(xtst, "XTestFakeButtonEvent"));
        if (open && close_ && sync_ && root_ && atom_ && change_ && delete_ && motion_ && button_)
            display_ = open(nullptr);
    }
    ~XDisplay() {
        if (display_) close_(display_);
    }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    bool available() const { return display_ != nullptr; }

    // The left button pressed and released at a point of the screen.
    void click(QPoint at) {
        motion_(display_, -1, at.x(), at.y(), 0);
        button_(display_, 1, 1, 0);
        button_(display_, 1, 0, 0);
        sync_(display_, 0);
        pump(200);
    }
    unsigned long root() const { return root_(display_); }
    // The mark a running window manager leaves on the root window: the
    // window it keeps for the check, which names itself the same way (the
    // root window, which marks itself so); none takes the mark away.
    void markWindowManager(unsigned long window) {
        const unsigned long check = atom_(display_, "_NET_SUPPORTING_WM_CHECK", 0);
        constexpr unsigned long kWindowType = 33;  // XA_WINDOW
        constexpr int kReplace = 0;                // PropModeReplace
        if (window)
            change_(display_, root(), check, kWindowType, 32, kReplace, reinterpret_cast<const unsigned char*>(&window),
                    1);
        else
            delete_(display_, root(), check);
        sync_(display_, 0);
    }

private:
    void* display_ = nullptr;
    int (*close_)(void*) = nullptr;
    int (*sync_)(void*, int) = nullptr;
    unsigned long (*root_)(void*) = nullptr;
    unsigned long (*atom_)(void*, const char*, int) = nullptr;
    int (*change_)(void*, unsigned long, unsigned long, unsigned long, int, int, const unsigned char*, int) = nullptr;
    int (*delete_)(void*, unsigned long, unsigned long) = nullptr;
    int (*motion_)(void*, int, int, int, unsigned long) = nullptr;
    int (*button_)(void*, unsigned, int, unsigned long) = nullptr;
};

// The windows beside the frame with their usual sizes: Help, and the browser
// window "^ Maximize" opens.
struct Beside { const char* name; QSize usual; };
const Beside kBeside[] = {{"Help", {700, 600}}, {"_blanck", {800, 600}}};

class FrameOnX11 : public ProgramOnX11 {
protected:
    // The frame at 800 x 600, as on a screen of that size.
    void smallFrame() {
        frame->showNormal();
        frame->setGeometry(0, 0, 800, 600);
        pump(200);
    }
    QRect inArea(QWidget* w) const {
        QWidget* area = frame->mdiArea()->viewport();
        return {w->mapTo(area, QPoint(0, 0)), w->size()};
    }
    QRect shown() const { return frame->mdiArea()->viewport()->rect(); }

    // The window opens anew with the frame restored, its menu bar's lower
    // edge `room` pixels above the screen's free area's (0: maximised, as a
    // cast does); it starts at its usual size below the menus, smaller to fit
    // while the room is 400 pixels high, else over the frame, and always
    // wholly on the screen, its window manager's frame (once framed)
    // included. Its Close button gives the frame the keys. Where it lay.
    QRect openOver(const Beside& b, int room) {
        const QRect free = frame->screen()->availableGeometry();
        const QWidget* bar = frame->menuBar();
        const auto barBottom = [bar] { return bar->mapToGlobal(QPoint(0, bar->height())).y(); };
        if (room) {
            frame->showNormal();
            EXPECT_TRUE(waitUntil([this] { return !frame->isMaximized(); }));
            const int top = free.bottom() + 1 - room - (barBottom() - frame->frameGeometry().top());
            frame->move(0, top);
            EXPECT_TRUE(waitUntil([&] { return frame->frameGeometry().top() == top; })) << frame->frameGeometry().top();
        } else {
            windows->get<MDIQuill>().setWindowState(WindowState::Normal);
            windows->get<MDIQuill>().setWindowState(WindowState::Maximized);
            EXPECT_TRUE(waitUntil([&] { return frame->isMaximized() && frame->frameGeometry().top() == free.top(); }));
        }
        const auto below = [&] { return free.bottom() + 1 - barBottom(); };  // as the frame settles
        help.setMenuBar(frame->menuBar());
        browser.setMenuBar(frame->menuBar());
        const bool isHelp = b.name == std::string("Help");
        isHelp ? help.showTopic("no such help.html", 1000) : browser.navigate("no such page", b.name);
        QWidget& w = isHelp ? *help.window() : *browser.window(b.name);
        const bool framed = framing();
        const auto fits = [&] {
            const QRect outer = w.frameGeometry();
            const QSize fitted = below() >= 400 ? QSize(free.width(), below()) : free.size();
            return w.isVisible() && (!framed || outer != w.geometry()) && free.contains(outer) &&
                   w.size() == b.usual.boundedTo(fitted - (outer.size() - w.size())) &&
                   outer.top() == std::min(barBottom(), free.bottom() + 1 - outer.height());
        };
        EXPECT_TRUE(waitUntil(fits)) << w.frameGeometry().top() << " " << w.frameGeometry().bottom() << " "
                                     << w.height();
        if (below() < 400) {
            EXPECT_TRUE(w.frameGeometry().intersects(frame->frameGeometry())) << "over the frame";
        }
        const QRect at = w.geometry();
        if (auto* close = w.findChild<QPushButton*>()) close->click();
        EXPECT_TRUE(waitUntil([&] { return !w.isVisible() && QApplication::activeWindow() == frame.get(); }));
        return at;
    }

    // Whether a window manager frames the windows.
    virtual bool framing() const { return false; }

    XDisplay x;
    QtHelp help;
    QtBrowserWindows browser;
};

// Down, which the tab strip does not use, pressed four times in the Country
// master scrolls the area only while the tab strip stays in sight.
TEST_F(FrameOnX11, ArrowsTheFocusedControlLeavesUnusedKeepItInSight) {
    smallFrame();
    openFromMenu<frm_Add_Country>("mDI_Country");
    auto* tabs = frame->viewOf(frm_Add_Country::kWindowName)->findChild<QTabBar*>("TabStrip1");
    ASSERT_NE(tabs, nullptr);
    tabs->setFocus(Qt::TabFocusReason);
    pump(100);
    ASSERT_EQ(QApplication::focusWidget(), tabs);
    for (int i = 0; i < 4; ++i) keys.tap(kDown);
    EXPECT_TRUE(shown().intersects(inArea(tabs))) << inArea(tabs).top();
    EXPECT_GT(frame->mdiArea()->verticalScrollBar()->value(), 0) << "the keys still scroll the area";
}

// At start-up, with the area showing the right side of the Birth Details
// window: Ctrl+F6 to the navigator brings its tree into sight, marked as
// having the keys.
TEST_F(FrameOnX11, CtrlF6BringsTheNavigatorsTreeIntoSightWithItsFocusMark) {
    smallFrame();
    QScrollBar* across = frame->mdiArea()->horizontalScrollBar();
    across->setValue(across->maximum());
    auto* tree = frame->viewOf("frm_MainHoroscope")->findChild<QTreeWidget*>("tV");
    ASSERT_NE(tree, nullptr);
    ASSERT_FALSE(shown().intersects(inArea(tree)));
    for (int i = 0; i < 12 && QApplication::focusWidget() != tree; ++i) keys.tap(kF6, kControl);
    ASSERT_EQ(QApplication::focusWidget(), tree);
    EXPECT_TRUE(shown().contains(inArea(tree).topLeft()));
    const QImage picture = tree->grab().toImage();
    EXPECT_EQ(picture.pixelColor(0, tree->height() / 2), tree->palette().color(QPalette::Highlight));
}

// The save dialog, saved or cancelled, gives the keys back to the window the
// user worked in.
TEST_F(FrameOnX11, TheSaveDialogGivesTheKeysBack) {
    openFromMenu<frm_Add_Country>("mDI_Country");
    QWidget* hadKeys = QApplication::focusWidget();
    ASSERT_TRUE(frame->viewOf(frm_Add_Country::kWindowName)->isAncestorOf(hadKeys));
    QtSaveFileDialog dialogs([this] { return frame->workingWindow(); });
    SaveDialogOptions options;
    options.title = "Save As";
    options.fileName = (folder_ / "chart.Txt").string();
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "saved" : "cancelled");
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(waitUntil([] { return qobject_cast<QFileDialog*>(QApplication::activeWindow()); }));
            keys.tap(save ? kReturn : kEscape);
        });
        EXPECT_EQ(dialogs.showSave(options).has_value(), save);
        EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == hadKeys; }));
        EXPECT_EQ(QApplication::activeWindow(), frame.get());
    }
}

// Help opens below the frame's menu bar, whose titles stay in reach, and its
// Close button, clicked after the user went to the frame, closes it.
TEST_F(FrameOnX11, HelpLeavesTheMenuTitlesInSightAndClosesWithItsButton) {
    openFromMenu<frm_OpenChart>("mnuBirthDetails");
    QWidget* birthDetails = frame->viewOf("frm_OpenChart");
    ASSERT_EQ(QApplication::activeWindow(), birthDetails);
    QtHelp help;
    help.setMenuBar(frame->menuBar());
    help.showTopic("no such help.html", 1000);
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == help.window(); }));
    const QWidget* bar = frame->menuBar();
    EXPECT_GE(help.window()->frameGeometry().top(), bar->mapToGlobal(QPoint(0, bar->height())).y());

    x.click(frame->mapToGlobal(QPoint(frame->width() - 20, frame->height() - 20)));
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == frame.get(); }));
    auto* close = help.window()->findChild<QPushButton*>();
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    x.click(close->mapToGlobal(close->rect().center()));
    EXPECT_TRUE(waitUntil([&] { return !help.window()->isVisible(); }));
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == birthDetails; }));
}

// Help and the browser window with the frame as it starts, restored with room
// enough below its menus, maximised again, and restored low on the screen: on
// a bare 800 x 600 screen each starts just below the menu bar.
TEST_F(FrameOnX11, HelpLiesBelowTheMenusWhileThereIsRoomElseWhole) {
    for (const Beside& b : kBeside) {
        SCOPED_TRACE(b.name);
        const QRect started = openOver(b, 0);
        if (frame->screen()->size() == QSize(800, 600)) {
            EXPECT_EQ(started, QRect(QPoint(0, 19), b.usual.boundedTo(QSize(800, 581))));
        }
        for (const int room : {450, 0, 145}) openOver(b, room);
    }
}

// The windows of their own lie where their Load puts them.
TEST_F(FrameOnX11, AWindowOfItsOwnLiesWhereItsLoadPutsIt) {
    auto& details = openFromMenu<frm_OpenChart>("mnuBirthDetails");
    QWidget* view = frame->viewOf("frm_OpenChart");
    EXPECT_EQ(view->geometry(), QRect(twipsToPixels(details.left()), twipsToPixels(details.top()),
                                      twipsToPixels(details.width()), twipsToPixels(details.height())));
}

// A window manager that has ended may leave its mark on the root window: the
// window the mark names is gone, or is not the one the manager kept.
TEST_F(FrameOnX11, AMarkLeftBehindIsNoWindowManager) {
    if (!x.available()) GTEST_SKIP() << "the X server has no test extension";
    auto gone = std::make_unique<QWidget>();
    const unsigned long goneWindow = gone->winId();
    gone.reset();
    QWidget unmarked;
    struct Mark {
        const char* what;
        unsigned long window;
        bool runs;
    };
    for (const Mark& m : {Mark{"kept and marked", x.root(), true}, Mark{"gone", goneWindow, false},
                          Mark{"not marked", static_cast<unsigned long>(unmarked.winId()), false}}) {
        SCOPED_TRACE(m.what);
        x.markWindowManager(m.window);
        EXPECT_EQ(windowManagerRuns(), m.runs);
    }
    x.markWindowManager(0);
}

// A window manager runs (openbox, where it is installed, started for each
// test; else only its mark on the root window): the frame leaves maximising
// to it and keeps its own size, whose title bar and edges Restore shows on
// the screen.
class FrameUnderAWindowManager : public FrameOnX11 {
protected:
    void SetUp() override {
        if (!x.available()) GTEST_SKIP() << "the X server has no test extension";
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty()) {
            x.markWindowManager(x.root());
        } else {
            manager_.start(openbox, {QStringLiteral("--sm-disable")});
            ASSERT_TRUE(manager_.waitForStarted());
            ASSERT_TRUE(waitUntil([] { return windowManagerRuns(); }, 10000)) << "openbox did not start";
        }
        FrameOnX11::SetUp();
    }
    void TearDown() override {
        FrameOnX11::TearDown();
        if (manager_.state() != QProcess::NotRunning) {
            manager_.terminate();
            manager_.waitForFinished();
        }
        x.markWindowManager(0);
    }
    bool framing() const override { return manager_.state() == QProcess::Running; }

    QProcess manager_;
};

TEST_F(FrameUnderAWindowManager, TheFrameKeepsItsOwnGeometryForRestore) {
    EXPECT_TRUE(windowManagerRuns());
    const QRect room = frame->screen()->availableGeometry();
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(frame->normalGeometry().size(), QSize(1024, 700).boundedTo(room.size()));
    EXPECT_TRUE(room.contains(frame->frameGeometry()));
    x.markWindowManager(0);
    EXPECT_FALSE(windowManagerRuns());
}

// Help's window and the browser window, title bar included, lie below the
// menus from their first opening on, and on the screen wherever the frame lies.
TEST_F(FrameUnderAWindowManager, HelpLiesBelowTheMenusWhileThereIsRoomElseWhole) {
    for (const Beside& b : kBeside) {
        SCOPED_TRACE(b.name);
        for (const int room : {0, 450, 0, 145}) openOver(b, room);
    }
}

// A window of its own has its window manager's frame, title bar included,
// where its Load puts it; its own area keeps its size.
TEST_F(FrameUnderAWindowManager, AWindowOfItsOwnHasItsFrameWhereItsLoadPutsIt) {
    if (!framing()) GTEST_SKIP() << "no window manager is installed to frame the window";
    auto& details = openFromMenu<frm_OpenChart>("mnuBirthDetails");
    QWidget* view = frame->viewOf("frm_OpenChart");
    const QPoint at(twipsToPixels(details.left()), twipsToPixels(details.top()));
    EXPECT_TRUE(waitUntil([&] { return view->frameGeometry() != view->geometry() && view->pos() == at; }))
        << view->pos().x() << "," << view->pos().y();
    EXPECT_EQ(view->size(), QSize(twipsToPixels(details.width()), twipsToPixels(details.height())));
    EXPECT_GT(view->geometry().top(), at.y()) << "below the title bar";
}

}  // namespace
}  // namespace jd::qt
